#include "chart/core/CustomTeePanel.h"

#include "platform/graphics/Canvas.h"
#include "chart/core/ChartException.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGeometry.h"
#include "chart/core/TeeProcsSettings.h"
#include "chart/core/Teeconst.h"
#include "platform/SysUtils.h"
#include "platform/graphics/Regions.h"

#include <utility>

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* AOwner) : TCustomPanel(AOwner)
{
    SetControlStyle(ControlStyle() & ~csSetCaption);
}

TCustomTeePanel::TCustomTeePanel(TComponent* AOwner) : TCustomPanelNoCaption(AOwner)
{
    SetBounds(Left(), Top(), 400, 250);
    FSavedCursor = Cursor();
    FPanning = std::make_unique<TZoomPanning>();
    const TNotifyEvent changed = [this](TObject* sender) { CanvasChanged(sender); };
    FShadow = std::make_unique<TTeeShadow>(changed);
    FBorder = std::make_unique<TChartHiddenPen>(changed);
    FBorder->DefaultEndStyle = esFlat;
    {
        const TNotifyEvent handler = std::exchange(FBorder->OnChange, {});
        FBorder->SetEndStyle(esFlat);
        FBorder->OnChange = handler;
    }
    FView3DOptions = std::make_unique<TView3DOptions>(this);
    FControlCanvas = std::make_unique<TCanvas>();
    FCanvas3D = std::make_unique<TTeeCanvas3D>();
    FCanvas3D->SetCanvas(FControlCanvas.get());
    // Erasing the window's background before a paint only flickers: no panel at run time asks
    // for it.
    if (TeeEraseBack && !IsDesigning())
        TeeEraseBack = false;
    FRepaintEnabled = true;
}

TCustomTeePanel::~TCustomTeePanel()
{
    FRepaintEnabled = false;
    EndControlCanvas();
    FCanvas3D.reset();
    FBorder.reset();
    FShadow.reset();
    FView3DOptions.reset();
    FPanning.reset();
    FListeners.Clear();
}

// ---- painting ----

TCanvas* TCustomTeePanel::BufferCanvas()
{
    QImage& buffer = BackBuffer(); // may end the canvas first when the size changed
    if (!FControlCanvasActive)
        FControlCanvasActive = FControlCanvas->BeginPaint(&buffer);
    return FControlCanvas.get();
}

void TCustomTeePanel::EndControlCanvas()
{
    if (FControlCanvasActive && FControlCanvas)
        FControlCanvas->EndPaint();
    FControlCanvasActive = false;
}

void TCustomTeePanel::BackBufferReplacing()
{
    EndControlCanvas();
}

void TCustomTeePanel::Paint()
{
    if (FIsPrinting)
        return;
    TCanvas* canvas = BufferCanvas();
    if (FCanvas3D->ReDrawBitmap()) {
        ++FPaintCount;
        return;
    }
    Draw(canvas, GetRectangle());
}

void TCustomTeePanel::Draw()
{
    Draw(BufferCanvas(), GetRectangle());
}

void TCustomTeePanel::Draw(TCanvas* UserCanvas, const TRect& UserRect)
{
    if (UserCanvas == FControlCanvas.get())
        ++FPaintCount;
    // Cleared however the frame ends, an exception included.
    struct TDrawingFlag {
        bool& Flag;
        const bool Old;
        explicit TDrawingFlag(bool& flag) : Flag(flag), Old(std::exchange(flag, true)) {}
        ~TDrawingFlag() { Flag = Old; }
    } drawing(FDrawing);
    FPanelBounds = FCanvas3D->InitWindow(UserCanvas, FView3DOptions.get(), Color(), FView3D, UserRect);
    // A new device starts opaque, one that drew a frame before ends it transparent: every
    // frame starts from the same state, so that the first paint, later ones and exports match.
    FCanvas3D->ResetState();
    int b = BorderWidth();
    if (BevelInner() != bvNone)
        b += BevelWidth();
    if (BevelOuter() != bvNone)
        b += BevelWidth();
    if (FBorder->Visible())
        b += FBorder->Width();
    const int w = FPanelBounds.Width();
    const int h = FPanelBounds.Height();
    const auto margin = [this](int index, int size) {
        return FMarginUnits == muPixels ? FMargins[index] : FMargins[index] * size / 100;
    };
    FPlotRect = TRect(FPanelBounds.Left + b + margin(0, w), FPanelBounds.Top + b + margin(1, h),
                      FPanelBounds.Right - b - margin(2, w), FPanelBounds.Bottom - b - margin(3, h));
    ReCalcWidthHeight();
    InternalDraw(FPanelBounds);
    FCanvas3D->ShowImage(UserCanvas, BufferCanvas(), UserRect);
}

void TCustomTeePanel::ReCalcWidthHeight()
{
    // Margins wider than the panel would leave an inverted or empty rectangle: it collapses to
    // one pixel inside the panel, never wider than the panel and never negative.
    const auto fit = [](int32_t& low, int32_t& high, int32_t boundsLow, int32_t boundsHigh) {
        if (low < boundsLow)
            low = boundsLow;
        if (high <= low) {
            low = std::min(low, std::max(boundsHigh - 1, boundsLow));
            high = low + 1;
        }
    };
    fit(FPlotRect.Left, FPlotRect.Right, FPanelBounds.Left, FPanelBounds.Right);
    fit(FPlotRect.Top, FPlotRect.Bottom, FPanelBounds.Top, FPanelBounds.Bottom);
    FPlotWidth = FPlotRect.Width();
    FPlotHeight = FPlotRect.Height();
    RectCenter(FPlotRect, FPlotCenterX, FPlotCenterY);
}

void TCustomTeePanel::InternalDraw(const TRect&)
{
    throw EAbstractError();
}

TColor TCustomTeePanel::GetBackColor()
{
    return Color();
}

void TCustomTeePanel::CanvasChanged(TObject*)
{
    Invalidate();
}

void TCustomTeePanel::Invalidate()
{
    if (!FRepaintEnabled)
        return;
    if (FCanvas3D)
        FCanvas3D->Invalidate();
    TCustomPanelNoCaption::Invalidate();
}

TRect TCustomTeePanel::GetRectangle()
{
    return Window() ? ClientRect() : TRect(0, 0, Width(), Height());
}

// ---- settings ----

void TCustomTeePanel::Set3DPercent(int value)
{
    if (value < 1 || value > 100)
        throw ChartException(Format(TeeMsg_3dPercent, {1, 100}));
    SetIntegerProperty(FChart3DPercent, value);
}

void TCustomTeePanel::SetBorder(TChartPen* value)
{
    FBorder->Assign(value);
}

void TCustomTeePanel::SetBorderRound(int value)
{
    if (!SetProp(FBorderRound, value))
        return;
    if (!IsLoading())
        SetControlRounded();
}

TFormBorderStyle TCustomTeePanel::GetBorderStyle() const
{
    return FBorder->Visible() ? bsSingle : bsNone;
}

void TCustomTeePanel::SetBorderStyle(TFormBorderStyle value)
{
    FBorder->SetVisible(value == bsSingle);
}

void TCustomTeePanel::SetMarginUnits(TTeeUnits value)
{
    SetProp(FMarginUnits, value);
}

void TCustomTeePanel::SetShadow(TTeeShadow* value)
{
    FShadow->Assign(value);
}

void TCustomTeePanel::SetView3D(bool value)
{
    if (!SetProp(FView3D, value))
        return;
    TTeeView3DEvent event;
    BroadcastTeeEvent(&event);
}

void TCustomTeePanel::SetView3DOptions(TView3DOptions* value)
{
    FView3DOptions->Assign(value);
}

bool TCustomTeePanel::GetMonochrome() const
{
    return FCanvas3D->GetMonochrome();
}

void TCustomTeePanel::SetMonochrome(bool value)
{
    FCanvas3D->SetMonochrome(value);
    Invalidate();
}

bool TCustomTeePanel::GetBufferedDisplay() const
{
    return FCanvas3D->GetUseBuffer();
}

void TCustomTeePanel::SetBufferedDisplay(bool value)
{
    FCanvas3D->SetUseBuffer(value);
}

void TCustomTeePanel::SetControlRounded()
{
    if (!Window() || FSettingRegion)
        return;
    FSettingRegion = true;
    if (FBorderRound > 0) {
        // The corner ellipse is BorderRound wide and high, as in the border's rounded outline.
        SetWindowRegion(RoundRectRegion(0, 0, Width(), Height(), FBorderRound, FBorderRound));
    } else {
        SetWindowRegion(QRegion());
    }
    FSettingRegion = false;
    TCustomPanelNoCaption::Invalidate();
}

// ---- generic setters ----

void TCustomTeePanel::SetBooleanProperty(bool& field, bool value)
{
    SetProp(field, value);
}

void TCustomTeePanel::SetIntegerProperty(int& field, int value)
{
    SetProp(field, value);
}

void TCustomTeePanel::SetColorProperty(TColor& field, TColor value)
{
    SetProp(field, value);
}

void TCustomTeePanel::SetDoubleProperty(double& field, double value)
{
    SetProp(field, value);
}

void TCustomTeePanel::SetStringProperty(QString& field, const QString& value)
{
    SetProp(field, value);
}

void TCustomTeePanel::SetBrushCanvas(TColor color, TBrush* brush, TColor backColor)
{
    if (brush->Style() != bsSolid && color == backColor)
        color = backColor == clBlack ? clWhite : clBlack;
    FCanvas3D->AssignBrushColor(brush, color, backColor);
}

void TCustomTeePanel::CheckPenWidth(TPen* pen)
{
    if (FIsPrinting && TeeCheckPenWidth && pen->Style() != psSolid && pen->Width() == 1)
        pen->SetWidth(0);
}

bool TCustomTeePanel::IsScreenHighColor()
{
    if (FCanvas3D->GetSupportsFullRotation())
        return true;
    const QPaintDevice* device = FCanvas3D->GetHandle() ? FCanvas3D->GetHandle()->Device() : nullptr;
    return !device || device->depth() >= 15;
}

bool TCustomTeePanel::CanClip()
{
    if (FCanvas3D->GetSupportsFullRotation())
        return false;
    if (FIsPrinting)
        return TeeClipWhenPrinting;
    if (FMetafiling)
        return TeeClipWhenMetafiling;
    return true;
}

void TCustomTeePanel::SetInternalCanvas(TCanvas3D* value)
{
    if (!value)
        return;
    value->SetCanvas(BufferCanvas());
    const bool old = FRepaintEnabled;
    FRepaintEnabled = false;
    value->Assign(FCanvas3D.get());
    FRepaintEnabled = old;
    FCanvas3D.reset(value);
    if (FRepaintEnabled)
        Repaint();
}

// ---- listeners and mouse ----

TTeeEvent* TCustomTeePanel::BroadcastTeeEvent(TTeeEvent* event)
{
    if (IsDestroying())
        return event;
    event->Sender = this;
    const bool isMouse = dynamic_cast<TTeeMouseEvent*>(event) != nullptr;
    for (int i = 0; i < FListeners.Count(); ++i) {
        FListeners.Get(i)->HandleTeeEvent(event);
        if (isMouse && FMouseCancelled)
            break;
    }
    return event;
}

void TCustomTeePanel::BroadcastMouseEvent(TTeeMouseEventKind kind, TMouseButton button, TShiftState shift, int x,
                                          int y)
{
    if (FListeners.Count() == 0)
        return;
    TTeeMouseEvent event;
    event.Event = kind;
    event.Button = button;
    event.Shift = shift;
    event.X = x;
    event.Y = y;
    BroadcastTeeEvent(&event);
}

void TCustomTeePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FMouseCancelled = false;
    TCustomPanelNoCaption::MouseDown(Button, Shift, X, Y);
    BroadcastMouseEvent(meDown, Button, Shift, X, Y);
}

void TCustomTeePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomPanelNoCaption::MouseUp(Button, Shift, X, Y);
    BroadcastMouseEvent(meUp, Button, Shift, X, Y);
}

void TCustomTeePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    FMouseCancelled = false;
    TCustomPanelNoCaption::MouseMove(Shift, X, Y);
    if (FListeners.Count() > 0 && !IsDesigning())
        BroadcastMouseEvent(meMove, mbLeft, Shift, X, Y);
}

void TCustomTeePanel::MouseLeave()
{
    SetCursor(FSavedCursor);
    FPanning->Active = false;
    TCustomPanelNoCaption::MouseLeave();
}

void TCustomTeePanel::SysColorChange()
{
    TCustomPanelNoCaption::SysColorChange();
    Invalidate();
}

void TCustomTeePanel::Resize()
{
    TCustomPanelNoCaption::Resize();
    if (!IsLoading() && FBorderRound > 0)
        SetControlRounded();
}

void TCustomTeePanel::WindowAttached()
{
    if (!IsLoading() && FBorderRound > 0)
        SetControlRounded();
}

void TCustomTeePanel::Loaded()
{
    TCustomPanelNoCaption::Loaded();
    FSavedCursor = Cursor();
    if (FBorderRound > 0)
        SetControlRounded();
}

// ---- assignment ----

void TCustomTeePanel::Assign(TPersistent* Source)
{
    auto* panel = dynamic_cast<TCustomTeePanel*>(Source);
    if (!panel) {
        TCustomPanelNoCaption::Assign(Source);
        return;
    }
    FBorder->Assign(panel->FBorder.get());
    FBorderRound = panel->FBorderRound;
    SetBufferedDisplay(panel->GetBufferedDisplay());
    FPrintMargins = panel->FPrintMargins;
    FPrintProportional = panel->FPrintProportional;
    FPrintShrinkPercent = panel->FPrintShrinkPercent;
    for (int i = 0; i < 4; ++i)
        FMargins[i] = panel->FMargins[i];
    FMarginUnits = panel->FMarginUnits;
    SetMonochrome(panel->GetMonochrome());
    FShadow->Assign(panel->FShadow.get());
    FView3D = panel->FView3D;
    FView3DOptions->Assign(panel->FView3DOptions.get());
    FChart3DPercent = panel->FChart3DPercent;
    SetColor(panel->Color());
    Invalidate();
}
