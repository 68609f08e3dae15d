#include "chart/components/AnnotationTool.h"

#include <cstdint>

#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeGeometry.h"
#include "chart/core/TextFields.h"
#include "chart/core/Teeconst.h"

// ---- text box ----

// ---- callout ----

TAnnotationCallout::TAnnotationCallout(TChartSeries* series) : TCallout(series)
{
    SetDefaultVisible(false);
    SetVisible(false);
    Arrow()->DefaultVisible = false;
    Arrow()->Hide();
}

TPoint TAnnotationCallout::CloserPoint(const TRect& rect, TPoint point)
{
    const int x = point.X > rect.Right ? rect.Right : point.X < rect.Left ? rect.Left : (rect.Left + rect.Right) / 2;
    const int y = point.Y > rect.Bottom ? rect.Bottom : point.Y < rect.Top ? rect.Top : (rect.Top + rect.Bottom) / 2;
    return TPoint(x, y);
}

void TAnnotationCallout::Assign(TPersistent* Source)
{
    if (auto* c = dynamic_cast<TAnnotationCallout*>(Source)) {
        FXPosition = c->FXPosition;
        FYPosition = c->FYPosition;
        FZPosition = c->FZPosition;
    }
    TCallout::Assign(Source);
}

void TAnnotationCallout::DefineProperties(TTeeFiler& filer)
{
    TCallout::DefineProperties(filer);
    TeeDefineInt(filer, "XPosition", FXPosition, 0, [this](int32_t v) { SetXPosition(v); });
    TeeDefineInt(filer, "YPosition", FYPosition, 0, [this](int32_t v) { SetYPosition(v); });
    TeeDefineInt(filer, "ZPosition", FZPosition, 0, [this](int32_t v) { SetZPosition(v); });
}

// ---- tool ----

TAnnotationTool::TAnnotationTool(TComponent* AOwner)
    : TTeeCustomTool(AOwner), FShape(std::make_unique<TTeeShapePosition>(nullptr)),
      FCallout(std::make_unique<TAnnotationCallout>(nullptr))
{
}

TAnnotationTool::~TAnnotationTool() = default;

QString TAnnotationTool::Description() const
{
    return TeeMsg_AnnotationTool;
}

void TAnnotationTool::SetPosition(TAnnotationPosition value)
{
    if (SetProp(FPosition, value))
        FShape->SetCustomPosition(false);
}

bool TAnnotationTool::Clicked(int x, int y) const
{
    return PointInRect(FShape->ShapeRect, x, y);
}

void TAnnotationTool::SetParentChart(TCustomAxisPanel* value)
{
    TTeeCustomTool::SetParentChart(value);
    if (IsDestroying())
        return;
    FShape->SetParent(value);
    FCallout->SetParent(value);
    if (value)
        Repaint();
}

void TAnnotationTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomTool::ChartEvent(event);
    if (event == cteAfterDraw)
        DrawText();
}

void TAnnotationTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (event == cmeDown) {
        if (OnClick && Clicked(x, y))
            OnClick(this, button, shift, x, y);
    } else if (event == cmeMove) {
        if (chart && FCursor != crDefault && Clicked(x, y)) {
            chart->SetCursor(FCursor);
            chart->SetMouseCancelled(true);
        }
    }
}

void TAnnotationTool::DrawText()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    QString text = GetText();
    if (text.isEmpty())
        text = QStringLiteral(" ");
    canvas->AssignFont(FShape->Font());
    const int h = canvas->FontHeight();
    int lines = 0;
    const int w = chart->MultiLineTextWidth(text, lines);
    const int th = lines * h;

    int x = 0;
    int y = 0;
    if (FShape->CustomPosition()) {
        x = FShape->Left() + 4;
        y = FShape->Top() + 2;
    } else {
        // Corners of the control, not of the chart rectangle.
        const bool right = FPosition == ppRightTop || FPosition == ppRightBottom;
        const bool bottom = FPosition == ppLeftBottom || FPosition == ppRightBottom;
        x = right ? chart->Width() - w - 8 : 10;
        y = bottom ? chart->Height() - th - 8 : 10;
    }
    FShape->ShapeRect = TRect(x - 4, y - 2, x + w + 2, y + th + 2);
    const TRect& box = FShape->ShapeRect;
    if (FShape->Visible())
        FShape->Draw();

    canvas->AssignFont(FShape->Font());
    canvas->SetBackMode(TRANSPARENT);
    int textX = x;
    switch (FTextAlignment) {
    case taLeftJustify: canvas->SetTextAlign(TA_LEFT); break;
    case taCenter:
        canvas->SetTextAlign(TA_CENTER);
        textX = (box.Left + box.Right) / 2 + 2;
        break;
    case taRightJustify:
        canvas->SetTextAlign(TA_RIGHT);
        textX = box.Right - 2;
        break;
    }
    const QString separator(TeeLineSeparator);
    for (int i = 1; i <= lines; ++i)
        canvas->TextOut(textX, y + (i - 1) * h, TeeExtractField(text, i, separator));
    canvas->SetTextAlign(TA_LEFT);

    if (FCallout->Visible() || FCallout->Arrow()->Visible()) {
        TPoint target(FCallout->XPosition(), FCallout->YPosition());
        const TPoint start = TAnnotationCallout::CloserPoint(box, target);
        if (FCallout->Distance() != 0)
            target = PointAtDistance(start, target, FCallout->Distance());
        // The callout's own symbol and arrow head belong at the place pointed at.
        FCallout->Draw(clNone, target, start, FCallout->ZPosition());
    }
}

void TAnnotationTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomTool::DefineProperties(filer);
    static const QStringList positions = {"ppLeftTop", "ppLeftBottom", "ppRightTop", "ppRightBottom"};
    static const QStringList alignments = {"taLeftJustify", "taRightJustify", "taCenter"};
    TeeDefineObject(filer, "Callout", FCallout.get());
    TeeDefineInt(filer, "Cursor", FCursor, crDefault, [this](int32_t v) {
        if (v >= INT16_MIN && v <= INT16_MAX) // no such cursor otherwise
            SetCursor(static_cast<TCursor>(v));
    });
    TeeDefineEnum(filer, "Position", FPosition, ppLeftTop, positions, [this](TAnnotationPosition v) { SetPosition(v); });
    TeeDefineObject(filer, "Shape", FShape.get());
    TeeDefineText(filer, "Text", FText, QString(), [this](const QString& v) { SetText(v); });
    TeeDefineEnum(filer, "TextAlignment", FTextAlignment, taLeftJustify, alignments,
                  [this](TAlignment v) { SetTextAlignment(v); });
}
