#include "chart/components/ChartTitle.h"

#include <algorithm>

#include "chart/core/CustomTeePanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeGeometry.h"

int TeeTitleFootDistance = 5;

// ---- positioned shape ----

TTeeCustomShapePosition::TTeeCustomShapePosition(TCustomTeePanel* AOwner) : TTeeCustomShape(AOwner) {}

void TTeeCustomShapePosition::SetCustomPosition(bool value) { SetProp(FCustomPosition, value); }

void TTeeCustomShapePosition::SetLeft(int value)
{
    FCustomPosition = true;
    SetProp(ShapeRect.Left, value);
}

void TTeeCustomShapePosition::SetTop(int value)
{
    FCustomPosition = true;
    SetProp(ShapeRect.Top, value);
}

void TTeeCustomShapePosition::Assign(TPersistent* Source)
{
    if (auto* s = dynamic_cast<TTeeCustomShapePosition*>(Source)) {
        SetCustomPosition(s->FCustomPosition);
        if (FCustomPosition) {
            SetLeft(s->Left());
            SetTop(s->Top());
        }
    }
    TTeeCustomShape::Assign(Source);
}

void TTeeCustomShapePosition::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomShape::DefineProperties(filer);
    // Left and Top are always stored, but they place the shape only when the stream puts it at
    // a custom position: an automatic shape read back must stay automatic.
    bool customInStream = false;
    filer.DefineProperty(
        "CustomPosition",
        [this, &customInStream](const QString& v) {
            customInStream = TeeTextBool(v);
            SetCustomPosition(customInStream);
        },
        [this] { return TeeBoolText(FCustomPosition); }, FCustomPosition);
    filer.DefineProperty(
        "Left",
        [this, &customInStream](const QString& v) {
            if (customInStream)
                SetLeft(TeeTextInt32(v, Left()));
        },
        [this] { return TeeIntText(Left()); }, true);
    filer.DefineProperty(
        "Top",
        [this, &customInStream](const QString& v) {
            if (customInStream)
                SetTop(TeeTextInt32(v, Top()));
        },
        [this] { return TeeIntText(Top()); }, true);
}

// ---- title ----

TChartTitle::TChartTitle(TCustomTeePanel* AOwner) : TTeeCustomShapePosition(AOwner)
{
    FText = std::make_unique<TStringList>();
    FText->OnChange = [this](TObject* sender) {
        if (Parent())
            Parent()->CanvasChanged(sender);
    };
    // Straight to the field: a new block must not repaint its panel.
    TTeeCustomShape::SetTransparent(true);
    DefaultTransparent = true;
    Font()->SetColor(clBlue);
    Font()->DefaultColor = clBlue;
}

TChartTitle::~TChartTitle()
{
    FText->OnChange = nullptr;
}

void TChartTitle::SetAlignment(TAlignment value)
{
    SetProp(FAlignment, value);
}

void TChartTitle::SetText(TStrings* value)
{
    FText->Assign(value);
    Repaint();
}

void TChartTitle::Assign(TPersistent* Source)
{
    if (auto* t = dynamic_cast<TChartTitle*>(Source)) {
        SetAdjustFrame(t->FAdjustFrame);
        SetAlignment(t->FAlignment);
        SetText(t->FText.get());
    }
    TTeeCustomShapePosition::Assign(Source);
}

void TChartTitle::DefineProperties(TTeeFiler& filer)
{
    static const QStringList alignments = {"taLeftJustify", "taRightJustify", "taCenter"};
    TTeeCustomShapePosition::DefineProperties(filer);
    // A bad text reads as the published default or as false, whatever the value held.
    TeeDefineEnum(filer, "Alignment", FAlignment, taCenter, alignments, [this](TAlignment v) { SetAlignment(v); },
                  taCenter);
    TeeDefineBool(filer, "AdjustFrame", FAdjustFrame, true, [this](bool v) { SetAdjustFrame(v); }, false);
    // The lines joined by line breaks, escaped as one text so that the value stays on one line.
    filer.DefineProperty(
        "Text",
        [this](const QString& v) {
            FText->Clear();
            if (!v.isEmpty())
                for (const QString& line : TeeUnescapeText(v).split(QLatin1Char('\n')))
                    FText->Add(line);
        },
        [this] {
            QStringList lines;
            for (int i = 0; i < FText->Count(); ++i)
                lines << FText->Strings(i);
            return TeeEscapeText(lines.join(QLatin1Char('\n')));
        },
        FText->Count() > 0);
}

bool TChartTitle::Clicked(int x, int y) const { return Visible() && PointInRect(ShapeRect, x, y); }

void TChartTitle::DrawTitle()
{
    TCustomTeePanel* panel = Parent();
    const int n = FText->Count();
    if (!panel || !Visible() || n == 0)
        return;
    TCanvas3D* canvas = panel->Canvas3D();
    const bool custom = CustomPosition();

    int f = 0;
    if (Frame()->Visible() && Frame()->Color() != clDefault)
        f = Frame()->Width();
    if (Bevel() != bvNone)
        f = BevelWidth();

    TRect bounds = custom ? ShapeRect : panel->PlotRect();
    if (!custom && FHead)
        bounds.Top += f;

    canvas->AssignFont(Font());
    canvas->SetTextAlign(TA_LEFT);
    const int h = canvas->FontHeight();

    if (FHead || custom)
        bounds.Bottom = bounds.Top + n * h;
    else
        bounds.Top = bounds.Bottom - n * h;

    if (!custom) {
        bounds.Left -= f;
        bounds.Top -= f;
        bounds.Right += f;
        bounds.Bottom += f;
    }

    const int w = canvas->TextWidth(QStringLiteral("W"));
    if (FAdjustFrame) {
        int widest = 0;
        for (int i = 0; i < n; ++i)
            widest = std::max(widest, canvas->TextWidth(FText->Strings(i)));
        const int m = w + f + widest;
        switch (FAlignment) {
        case taLeftJustify:
            bounds.Right = bounds.Left + m;
            break;
        case taRightJustify:
            bounds.Left = bounds.Right - m;
            break;
        case taCenter: {
            if (custom)
                bounds.Right = bounds.Left + m;
            const int c = (bounds.Left + bounds.Right) / 2;
            bounds.Left = c - m / 2;
            bounds.Right = c + m / 2;
            break;
        }
        }
    }

    ShapeRect = bounds;
    Draw();

    canvas->SetBackMode(cbmTransparent);
    const bool full = canvas->GetSupportsFullRotation();
    for (int i = 0; i < n; ++i) {
        const QString line = FText->Strings(i);
        const int y = FHead ? bounds.Top + f + i * h : bounds.Bottom - h - f - i * h;
        int x = bounds.Left + w / 2;
        if (FAlignment == taRightJustify)
            x = bounds.Right - canvas->TextWidth(line) - w / 2;
        else if (FAlignment == taCenter)
            x = (bounds.Left + bounds.Right) / 2 - canvas->TextWidth(line) / 2;
        if (full)
            canvas->TextOut3D(x, y, 0, line);
        else
            canvas->TextOut(x, y, line);
    }

    if (!custom) {
        int g = TeeTitleFootDistance + f;
        if (!Transparent())
            g += Shadow()->VertSize();
        TRect r = panel->PlotRect();
        if (FHead)
            r.Top = bounds.Bottom + g;
        else
            r.Bottom = bounds.Bottom - g - n * h;
        panel->SetPlotRect(r);
        panel->ReCalcWidthHeight();
    }
}

TChartFootTitle::TChartFootTitle(TCustomTeePanel* AOwner) : TChartTitle(AOwner)
{
    FHead = false;
    Font()->SetColor(clRed);
    Font()->DefaultColor = clRed;
    Font()->SetStyle(TFontStyles{fsItalic});
    Font()->DefaultStyle = TFontStyles{fsItalic};
}
