#include "chart/core/CustomTeePanel.h"

#include "chart/core/ChartFeedback.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeProcsSettings.h"
#include "platform/graphics/Picture.h"

// ---- bevels of the panel ----

void DrawBevel(TCanvas3D* canvas, TBevelCut bevel, TRect& r, int round, int width)
{
    if (bevel == bvNone)
        return;
    const TColor topColor = bevel == bvLowered ? TeeBevelDarkColor : TeeBevelLightColor;
    const TColor bottomColor = bevel == bvRaised ? TeeBevelDarkColor : TeeBevelLightColor;
    if (round < 1) {
        canvas->Frame3D(r, topColor, bottomColor, width);
    } else {
        canvas->Pen()->SetColor(topColor);
        canvas->RoundRect(r, round, round);
        r.Inflate(-width, -width);
    }
}

void TCustomTeePanel::DrawPanelBevels(const TRect& Rect)
{
    TRect r = Rect;
    FCanvas3D->Brush()->SetStyle(bsClear);
    if (FBorder->Visible()) {
        FCanvas3D->AssignVisiblePen(FBorder.get());
        // A wide pen is centred on its path: the path moves inwards so that the whole line
        // stays inside the panel.
        int inset = 0;
        if (FBorder->SmallDots()) {
            inset = 1;
        } else {
            const int w = FBorder->Width() - 1;
            if (w > 0) {
                const int h = w / 2;
                r.Left += h + w % 2;
                r.Top += h + w % 2;
                r.Right -= h;
                r.Bottom -= h;
                inset = h;
            }
        }
        if (FBorderRound < 1) {
            FCanvas3D->Rectangle(r);
            if (!FBorder->SmallDots())
                ++inset;
        } else {
            --r.Right;
            --r.Bottom;
            FCanvas3D->RoundRect(r, FBorderRound, FBorderRound);
        }
        r.Inflate(-inset, -inset);
    }
    if (FIsPrinting && !PrintTeePanel)
        return;
    TPen* pen = FCanvas3D->Pen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    DrawBevel(FCanvas3D.get(), BevelOuter(), r, FBorderRound, BevelWidth());
    if (BorderWidth() != 0)
        FCanvas3D->Frame3D(r, Color(), Color(), BorderWidth());
    DrawBevel(FCanvas3D.get(), BevelInner(), r, FBorderRound, BevelWidth());
}

// ---- the extended panel ----

TCustomTeePanelExtended::TCustomTeePanelExtended(TComponent* AOwner) : TCustomTeePanel(AOwner)
{
    FBackImageMode = pbmStretch;
    FAllowPanning = pmBoth;
    FZoom = std::make_unique<TTeeZoom>();
}

TCustomTeePanelExtended::~TCustomTeePanelExtended()
{
    SetRepaintEnabled(false);
    FZoom.reset();
    FGradient.reset();
    FBackImage.reset();
}

void TCustomTeePanelExtended::SetBackImageMode(TTeeBackImageMode value)
{
    SetProp(FBackImageMode, value);
}

TTeeGradient* TCustomTeePanelExtended::Gradient()
{
    if (!FGradient)
        FGradient = std::make_unique<TTeeGradient>([this](TObject* sender) { CanvasChanged(sender); });
    return FGradient.get();
}

void TCustomTeePanelExtended::SetGradient(TTeeGradient* value)
{
    if (!value) {
        FGradient.reset();
        Invalidate();
        return;
    }
    Gradient()->Assign(value);
    Invalidate();
}

TPicture* TCustomTeePanelExtended::BackImage()
{
    if (!FBackImage) {
        FBackImage = std::make_unique<TPicture>();
        FBackImage->OnChange = [this](TObject* sender) { CanvasChanged(sender); };
    }
    return FBackImage.get();
}

void TCustomTeePanelExtended::SetBackImage(TPicture* value)
{
    if (!value) {
        FBackImage.reset();
        Invalidate();
        return;
    }
    BackImage()->Assign(value);
}

bool TCustomTeePanelExtended::HasBackImage() const
{
    return FBackImage && !FBackImage->Empty();
}

bool TCustomTeePanelExtended::BackImageTransp() const
{
    return HasBackImage() && FBackImage->Transparent();
}

void TCustomTeePanelExtended::SetBackImageTransp(bool value)
{
    if (HasBackImage())
        FBackImage->SetTransparent(value);
}

void TCustomTeePanelExtended::FillPanelRect(const TRect& Rect)
{
    TCanvas3D* canvas = Canvas3D();
    if (FGradient && FGradient->Visible()) {
        FGradient->Draw(canvas, Rect, 0);
        return;
    }
    if ((IsPrinting() && !PrintTeePanel) || Color() == clNone)
        return;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->EraseBackground(Rect);
}

void TCustomTeePanelExtended::PanelPaint(const TRect& UserRect)
{
    TCanvas3D* canvas = Canvas3D();
    TRect r = UserRect;
    if (Shadow()->Size() > 0) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Window() ? ParentColor() : Color());
        canvas->EraseBackground(r);
        r.Right -= Shadow()->HorizSize();
        r.Bottom -= Shadow()->VertSize();
        Shadow()->Draw(canvas, r);
    }
    FillPanelRect(r);
    if (HasBackImage() && !FBackImageInside)
        DrawBitmap(r, 0);
    if (!canvas->GetSupportsFullRotation())
        DrawPanelBevels(r);
}

void TCustomTeePanelExtended::DrawBitmap(const TRect& Rect, int Z)
{
    if (!HasBackImage())
        return;
    TCanvas3D* canvas = Canvas3D();
    TRect r = Rect;
    const TPicture* graphic = FBackImage.get();
    const bool orthogonal = canvas->IsOrthogonal;
    const auto toFront = [&] {
        r = canvas->CalcRect3D(r, Z);
        if (!View3D())
            ++r.Top;
    };
    if (FBackImageMode == pbmStretch) {
        if (Z < 1) {
            canvas->StretchDraw(r, graphic);
        } else if (orthogonal) {
            toFront();
            canvas->StretchDraw(r, graphic);
        } else {
            canvas->StretchDraw(r, graphic, Z);
        }
        return;
    }
    const bool clip = CanClip();
    if (clip) {
        if (Z != 0)
            canvas->ClipCube(r, 0, Depth3DHoriz());
        else
            canvas->ClipRectangle(r);
    }
    if (Z > 0 && orthogonal)
        toFront();
    const int iw = graphic->Width();
    const int ih = graphic->Height();
    if (FBackImageMode == pbmTile) {
        if (iw > 0 && ih > 0) {
            for (int y = 0; y < r.Height(); y += ih) {
                for (int x = 0; x < r.Width(); x += iw) {
                    if (Z > 0 && !orthogonal)
                        canvas->StretchDraw(TRect(r.Left + x, r.Top + y, r.Left + x + iw, r.Top + y + ih), graphic, Z);
                    else
                        canvas->Draw(r.Left + x, r.Top + y, graphic);
                }
            }
        }
    } else {
        FillPanelRect(r);
        r.Inflate((iw - r.Width()) / 2, (ih - r.Height()) / 2);
        if (Z < 1)
            canvas->Draw(r.Left, r.Top, graphic);
        else
            canvas->StretchDraw(r, graphic, Z);
    }
    if (clip)
        canvas->UnClipRectangle();
}

void TCustomTeePanelExtended::DrawZoomRectangle()
{
    TChartFeedback feedback(this, FZoom->Pen(), fmNotXor, fcOverBackColor, fpOwn);
    if (FZoom->HasBrush())
        feedback.Fill(FZoom->Brush());
    feedback.Canvas()->Rectangle(FZoom->X0, FZoom->Y0, FZoom->X1, FZoom->Y1);
}

void TCustomTeePanelExtended::UndoZoom()
{
    if (OnUndoZoom)
        OnUndoZoom(this);
    Invalidate();
    FZoomed = false;
}

void TCustomTeePanelExtended::Assign(TPersistent* Source)
{
    if (auto* panel = dynamic_cast<TCustomTeePanelExtended*>(Source)) {
        SetBackImage(panel->FBackImage.get());
        FBackImageInside = panel->FBackImageInside;
        FBackImageMode = panel->FBackImageMode;
        SetGradient(panel->FGradient.get());
        FAllowPanning = panel->FAllowPanning;
        FZoom->Assign(panel->FZoom.get());
    }
    TCustomTeePanel::Assign(Source);
}
