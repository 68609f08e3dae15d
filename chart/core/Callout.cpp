#include "chart/core/Callout.h"

#include <QStringList>

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"

namespace {

const QStringList& ArrowHeadNames()
{
    static const QStringList names{"ahNone", "ahLine", "ahSolid"};
    return names;
}

} // namespace

TCallout::TCallout(TChartSeries* series) : TSeriesPointer(series)
{
    FArrow = std::make_unique<TWhitePen>([this](TObject* sender) { CanvasChanged(sender); });
    SetInflateMargins(true);
    SetFullGradient(true);
    ChangeStyle(psRectangle);
    Change3D(false);
    FDefaultDraw3D = false;
    Brush()->SetColor(clBlack);
    Brush()->DefaultColor = clBlack;
}

TCallout::~TCallout() = default;

void TCallout::SetArrowHead(TArrowHeadStyle value)
{
    SetProp(FArrowHead, value);
}

void TCallout::SetArrowHeadSize(int value)
{
    SetProp(FArrowHeadSize, value);
}

void TCallout::SetDistance(int value)
{
    SetProp(FDistance, value);
}

void TCallout::Draw(TColor colour, TPoint from, TPoint to, int z)
{
    TCustomTeePanel* panel = Panel();
    if (!panel)
        return;
    TCanvas3D* canvas = panel->Canvas3D();
    const bool is3D = panel->View3D();
    if (FArrow->Visible()) {
        canvas->Brush()->SetStyle(bsClear);
        PrepareCanvas(canvas, colour);
        TColor arrowColour = FArrow->Color();
        if (TeeCheckMarkArrowColor && (arrowColour == colour || arrowColour == panel->Color()))
            arrowColour = panel->Color() == clBlack ? clWhite : clBlack;
        canvas->AssignVisiblePenColor(FArrow.get(), arrowColour);
        if (FArrowHead == ahNone) {
            if (is3D)
                canvas->LineWithZ(from, to, z);
            else
                canvas->Line(from, to);
        } else {
            canvas->Arrow(FArrowHead == ahSolid, to, from, FArrowHeadSize, FArrowHeadSize, z);
        }
    }
    if (FArrowHead == ahNone && Visible()) {
        PrepareCanvas(canvas, colour);
        TPoint at = from;
        if (is3D)
            canvas->Calculate3DPosition(at, z);
        DrawPointer(canvas, false, at.X, at.Y, HorizSize(), VertSize(), GetColor(), Style());
    }
}

void TCallout::Assign(TPersistent* Source)
{
    if (auto* c = dynamic_cast<TCallout*>(Source)) {
        FDistance = c->FDistance;
        FArrow->Assign(c->FArrow.get());
        FArrowHead = c->FArrowHead;
        FArrowHeadSize = c->FArrowHeadSize;
    }
    TSeriesPointer::Assign(Source);
}

void TCallout::DefineProperties(TTeeFiler& filer)
{
    TSeriesPointer::DefineProperties(filer);
    TeeDefineObject(filer, "Arrow", FArrow.get());
    TeeDefineEnum(filer, "ArrowHead", FArrowHead, ahNone, ArrowHeadNames(), [this](TArrowHeadStyle v) { SetArrowHead(v); });
    TeeDefineInt(filer, "ArrowHeadSize", FArrowHeadSize, 8, [this](int32_t v) { SetArrowHeadSize(v); });
    TeeDefineInt(filer, "Distance", FDistance, 0, [this](int32_t v) { SetDistance(v); });
}

TMarksCallout::TMarksCallout(TChartSeries* series) : TCallout(series)
{
    SetVisible(false);
    FDefaultVisible = false;
    Arrow()->SetColor(clWhite);
}

void TMarksCallout::SetLength(int value)
{
    if (Series())
        Series()->SetIntegerProperty(FLength, value);
    else
        SetProp(FLength, value);
}

void TMarksCallout::Assign(TPersistent* Source)
{
    if (auto* c = dynamic_cast<TMarksCallout*>(Source))
        FLength = c->FLength;
    TCallout::Assign(Source);
}

void TMarksCallout::DefineProperties(TTeeFiler& filer)
{
    TCallout::DefineProperties(filer);
    TeeDefineInt(filer, "Length", FLength, 8, [this](int32_t v) { SetLength(v); });
}
