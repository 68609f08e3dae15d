// Pie slices: grouping of small values, slice angles, explode offsets, the drawing order of
// 3D slices, marks around the circle and the click test by angle.

#include "chart/components/PieSeries.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeColorFunctions.h"
#include "chart/core/Teeconst.h"
#include "platform/TeeFiler.h"
#include "platform/Types.h"
#include "platform/graphics/Brush.h"

namespace {
constexpr double kDegree = 0.017453292519943295;
}

// ---- exploded slices, shadow ----

int TExplodedSlices::Get(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)] : 0;
}

void TExplodedSlices::Extend(int count)
{
    if (count > Count())
        FItems.resize(static_cast<size_t>(count), 0);
}

void TExplodedSlices::Put(int index, int value)
{
    if (index < 0)
        return;
    Extend(index + 1);
    int& item = FItems[static_cast<size_t>(index)];
    if (item == value)
        return;
    item = value;
    FOwner->Repaint();
}

void TExplodedSlices::Exchange(int a, int b)
{
    Extend(std::max(a, b) + 1);
    std::swap(FItems[static_cast<size_t>(a)], FItems[static_cast<size_t>(b)]);
}

TPieShadow::TPieShadow(TNotifyEvent changeHandler) : TTeeShadow(std::move(changeHandler))
{
    DefaultColor = static_cast<TColor>(0xA0A0A0);
    SetColor(DefaultColor);
}

// ---- series ----

TPieSeries::TPieSeries(TComponent* AOwner)
    : TCircledSeries(AOwner), FExplodedSlice(this), FOtherSlice(std::make_unique<TPieOtherSlice>(this)),
      FShadow(std::make_unique<TPieShadow>([this](TObject*) { Repaint(); }))
{
    YValues()->SetName(TeeMsg_ValuesPie);
    XValues()->SetName(QString());
    // X values number the slices; the grouping rewrites them, so they keep the order given.
    XValues()->SetOrder(loNone);
    Marks()->SetVisible(true);
    Marks()->SetArrowLength(8);
    SetColorEachPoint(true);
}

TPieSeries::~TPieSeries() = default;

void TPieSeries::Removed()
{
    TCircledSeries::Removed();
    if (TChartLegend* legend = FOtherSlice->LegendIfAny())
        legend->SetParent(nullptr);
}

void TPieSeries::SetParentChart(TCustomAxisPanel* value)
{
    TCircledSeries::SetParentChart(value);
    if (TChartLegend* legend = FOtherSlice->LegendIfAny(); legend && !ComponentState().Contains(csDestroying))
        legend->SetParent(value);
}

void TPieSeries::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TPieSeries*>(source)) {
        FAngleSize = other->FAngleSize;
        FAutoMarkPosition = other->FAutoMarkPosition;
        FDark3D = other->FDark3D;
        FDarkPen = other->FDarkPen;
        FUsePatterns = other->FUsePatterns;
        FExplodeBiggest = other->FExplodeBiggest;
        FOtherSlice->Assign(other->FOtherSlice.get());
        FShadow->Assign(other->FShadow.get());
    }
    TCircledSeries::Assign(source);
    if (auto* other = dynamic_cast<TPieSeries*>(source))
        SetColorEachPoint(other->ColorEachPoint());
}

void TPieSeries::SetExplodeBiggest(int value)
{
    FExplodeBiggest = value;
    CalcExplodeBiggest();
}

void TPieSeries::CalcExplodeBiggest()
{
    int biggest = -1;
    for (int i = 0; i < Count(); ++i)
        if (biggest == -1 || YValues()->GetValue(i) > YValues()->GetValue(biggest))
            biggest = i;
    if (biggest != -1)
        FExplodedSlice.Put(biggest, FExplodeBiggest);
}

void TPieSeries::RemoveOtherSlice()
{
    for (int i = 0; i < Count(); ++i)
        if (XValues()->GetValue(i) == OtherFlag) {
            Delete(i);
            return;
        }
}

void TPieSeries::DoBeforeDrawChart()
{
    TCircledSeries::DoBeforeDrawChart();
    if (PieValues()->Order() != loNone)
        PieValues()->Sort();
    RemoveOtherSlice();
    for (int i = 0; i < Count(); ++i)
        XValues()->SetValue(i, i);
    if (FOtherSlice->Style() == poNone)
        return;
    const double total = PieValues()->TotalABS();
    if (total <= 0)
        return;
    double sum = 0;
    bool grouped = false;
    for (int i = 0; i < Count(); ++i) {
        const double value = PieValues()->GetValue(i);
        const double v = FOtherSlice->Style() == poBelowPercent ? value * 100.0 / total : value;
        if (v < FOtherSlice->Value()) {
            sum += value;
            XValues()->SetValue(i, -1);
            grouped = true;
        }
    }
    if (grouped) {
        AddXY(OtherFlag, sum, FOtherSlice->Text(), FOtherSlice->Color());
        // Shares stay parts of the given values: the other slice repeats the grouped ones.
        PieValues()->SetTotalABS(PieValues()->TotalABS() - sum);
    }
}

void TPieSeries::ClearLists()
{
    TCircledSeries::ClearLists();
    FExplodedSlice.Clear();
}

void TPieSeries::CalcAngles()
{
    const double full = FAngleSize * kDegree;
    const int count = Count();
    // The total covers the grouped points, not the other slice that stands for them.
    double total = 0;
    for (int i = 0; i < count; ++i)
        if (XValues()->GetValue(i) != OtherFlag)
            total += std::abs(PieValues()->GetValue(i));
    FAngles.assign(static_cast<size_t>(count), TPieAngle());
    double sum = 0;
    double previous = 0;
    for (int i = 0; i < count; ++i) {
        TPieAngle& a = FAngles[static_cast<size_t>(i)];
        a.StartAngle = previous;
        if (total == 0) {
            a.EndAngle = full;
        } else {
            if (!IsGrouped(i))
                sum += std::abs(PieValues()->GetValue(i));
            a.EndAngle = sum == total ? full : sum * full / total;
            if (a.EndAngle - a.StartAngle > full)
                a.EndAngle = a.StartAngle + full;
        }
        a.MidAngle = (a.StartAngle + a.EndAngle) * 0.5;
        previous = a.EndAngle;
    }
}

TPoint TPieSeries::CalcExplodedOffset(int index) const
{
    const int percent = FExplodedSlice.Get(index);
    if (!FIsExploded || percent <= 0 || index < 0 || index >= static_cast<int>(FAngles.size()))
        return TPoint(0, 0);
    double angle = FAngles[static_cast<size_t>(index)].MidAngle;
    TCustomAxisPanel* chart = ParentChart();
    if (chart && chart->Canvas3D()->GetSupportsFullRotation())
        angle += FAngleSize * M_PI / 45 + M_PI;
    angle += Rotation();
    return TPoint(Round(std::cos(angle) * XRadius() * percent / 100.0),
                  Round(std::sin(angle) * percent / 100.0 * YRadius()));
}

TPoint TPieSeries::CalcExplodedRadius(int index) const
{
    const int percent = FExplodedSlice.Get(index);
    return TPoint(Round(XRadius() * (1 + percent * 0.01)), Round(YRadius() * (1 + percent * 0.01)));
}

void TPieSeries::DrawAllValues()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    if (FExplodeBiggest > 0)
        CalcExplodeBiggest();
    // The offsets below use the middle angles of this frame's values.
    CalcAngles();
    int widest = -1;
    for (int i = 0; i < Count(); ++i) {
        const int p = FExplodedSlice.Get(i);
        if (p > 0 && (widest == -1 || p > FExplodedSlice.Get(widest)))
            widest = i;
    }
    FIsExploded = widest != -1;
    if (FIsExploded) {
        // The circle shrinks so that the moved slice stays inside.
        const TPoint offset = CalcExplodedOffset(widest);
        TRect r = CircleRect();
        r.Left += std::abs(offset.X) / 2;
        r.Right -= std::abs(offset.X) / 2;
        r.Top += std::abs(offset.Y) / 2;
        r.Bottom -= std::abs(offset.Y) / 2;
        SetCircleRect(r);
        AdjustCircleRect();
        CalcRadius();
    }
    FPreviousEnd = AngleToPos(0, XRadius(), YRadius());
    FShadow->DrawEllipse(canvas, CircleRect(), EndZ() - 10);
    if (!chart->View3D() || (!FIsExploded && FDonutPercent <= 0) || canvas->GetSupportsFullRotation()) {
        TCircledSeries::DrawAllValues();
    } else {
        // Slices nearest the viewer's quarter come last, so that they cover the ones behind.
        const double full = FAngleSize * kDegree;
        const double quarter = full / 4;
        std::vector<double> keys(static_cast<size_t>(Count()));
        for (int i = 0; i < Count(); ++i) {
            double key = FAngles[static_cast<size_t>(i)].MidAngle + Rotation();
            if (key > full)
                key -= full;
            if (key < quarter) {
                key = quarter - key;
            } else {
                key -= quarter;
                if (key > M_PI)
                    key = full - key;
            }
            keys[static_cast<size_t>(i)] = key;
        }
        FSortedSlice.resize(static_cast<size_t>(Count()));
        std::iota(FSortedSlice.begin(), FSortedSlice.end(), 0);
        std::stable_sort(FSortedSlice.begin(), FSortedSlice.end(),
                         [&](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
        for (int i : FSortedSlice)
            DrawValue(i);
    }
    DrawOtherLegend();
}

// The other slice's legend draws over the finished pie. The room it takes from the chart is
// given back at once, so that the series drawn after this one see the same chart rectangle.
void TPieSeries::DrawOtherLegend()
{
    TChartLegend* legend = FOtherSlice->LegendIfAny();
    if (!legend || !legend->Visible() || !legend->Chart())
        return;
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const TRect plot = chart->PlotRect();
    struct Drawing {
        TPieSeries* series;
        ~Drawing() { series->SetDrawingLegend(nullptr); }
    } drawing{this};
    SetDrawingLegend(legend);
    canvas->FrontPlaneBegin();
    legend->DrawLegend();
    canvas->FrontPlaneEnd();
    chart->SetPlotRect(plot);
    chart->ReCalcWidthHeight();
}

TBrushStyle TPieSeries::SliceBrushStyle(int index) const
{
    static constexpr TBrushStyle patterns[6] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
    TCustomAxisPanel* chart = ParentChart();
    if (FUsePatterns || (chart && chart->GetMonochrome()))
        return patterns[index % 6];
    return bsSolid;
}

void TPieSeries::DrawValue(int index)
{
    if (CircleWidth() < 5 || CircleHeight() < 5 || IsGrouped(index) || index >= static_cast<int>(FAngles.size()))
        return;
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const TColor colour = chart->GetMonochrome() ? clBlack : GetValueColor(index);
    TBrush brush;
    brush.SetStyle(SliceBrushStyle(index));
    chart->SetBrushCanvas(colour, &brush, CalcCircleBackColor());
    canvas->AssignVisiblePen(PiePen());
    if (FDarkPen && PiePen()->Visible())
        canvas->Pen()->SetColor(ApplyDark(colour, 128));
    DrawPie(index);
}

void TPieSeries::DrawPie(int index)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    const TPieAngle& a = FAngles[static_cast<size_t>(index)];
    const TPoint offset = CalcExplodedOffset(index);
    const int dx = offset.X, dy = offset.Y;
    if (ParentChart()->View3D()) {
        canvas->Pie3D(CircleXCenter() + dx, CircleYCenter() - dy, XRadius(), YRadius(), StartZ(), EndZ(),
                      a.StartAngle + Rotation(), a.EndAngle + Rotation(), FDark3D, FIsExploded, FDonutPercent);
    } else if (FDonutPercent <= 0) {
        const TPoint end = AngleToPos(a.EndAngle, XRadius(), YRadius());
        // Equal radial points would draw a whole ellipse: a slice without width is left out.
        if (end != FPreviousEnd || Count() == 1 || a.EndAngle - a.StartAngle > 1) {
            const TRect& r = CircleRect();
            canvas->Pie(r.Left + dx, r.Top - dy, r.Right + dx, r.Bottom - dy, FPreviousEnd.X + dx, FPreviousEnd.Y - dy,
                        end.X + dx, end.Y - dy);
        }
        FPreviousEnd = end;
    } else {
        canvas->Donut(CircleXCenter() + dx, CircleYCenter() - dy, XRadius(), YRadius(), a.StartAngle + Rotation(),
                      a.EndAngle + Rotation(), FDonutPercent);
    }
}

void TPieSeries::DrawMark(int index, const QString& text, TSeriesMarkPosition& position)
{
    if (IsGrouped(index) || index >= static_cast<int>(FAngles.size()))
        return;
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    const TPoint radius = CalcExplodedRadius(index);
    double angle = FAngles[static_cast<size_t>(index)].MidAngle;
    if (canvas->GetSupportsFullRotation()) {
        angle += 3 * M_PI / 2;
        Marks()->SetZPosition(StartZ());
    } else {
        Marks()->SetZPosition(EndZ());
    }
    const int distance = Marks()->Callout()->Distance();
    const int length = Marks()->ArrowLength() + distance;
    position.ArrowStartFixed = true;
    position.ArrowEnd = AngleToPos(angle, radius.X + length, radius.Y + length);
    position.ArrowStart = AngleToPos(angle, radius.X + distance, radius.Y + distance);
    const int left = position.ArrowEnd.X > CircleXCenter() ? position.ArrowEnd.X : position.ArrowEnd.X - position.BoxWidth;
    const int top = position.ArrowEnd.Y > CircleYCenter() ? position.ArrowEnd.Y : position.ArrowEnd.Y - position.BoxHeight;
    position.BoxLeftTop = TPoint(left, top);
    if (FAutoMarkPosition)
        Marks()->AntiOverlap(FirstVisible(), index, position);
    TCircledSeries::DrawMark(index, text, position);
}

int TPieSeries::Clicked(int x, int y)
{
    const int marked = TCircledSeries::Clicked(x, y);
    if (marked != -1)
        return marked;
    if (FAngles.empty() || !ParentChart())
        return -1;
    if (ParentChart()->View3D())
        ParentChart()->Canvas3D()->Calculate2DPosition(x, y, ParentChart()->Depth3DHoriz());
    const double angle = PointToAngle(x, y);
    const double distance = std::hypot(x - CircleXCenter(), y - CircleYCenter());
    const int count = std::min(Count(), static_cast<int>(FAngles.size()));
    for (int i = 0; i < count; ++i) {
        const TPieAngle& a = FAngles[static_cast<size_t>(i)];
        if (angle < a.StartAngle || angle > a.EndAngle)
            continue;
        const TPoint offset = CalcExplodedOffset(i);
        if (std::hypot(std::abs(offset.X) + XRadius(), std::abs(offset.Y) + YRadius()) >= distance)
            return i;
    }
    return -1;
}

void TPieSeries::PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style)
{
    backColor = CalcCircleBackColor();
    ParentChart()->Canvas3D()->AssignVisiblePen(PiePen());
    style = SliceBrushStyle(std::max(0, index));
}

bool TPieSeries::DrawingOtherLegend() const
{
    return DrawingLegend() && DrawingLegend() == FOtherSlice->LegendIfAny();
}

int TPieSeries::CountLegendItems()
{
    const bool grouped = DrawingOtherLegend();
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsGrouped(i) == grouped)
            ++n;
    return n;
}

int TPieSeries::LegendToValueIndex(int legendIndex)
{
    const bool grouped = DrawingOtherLegend();
    int n = -1;
    for (int i = 0; i < Count(); ++i)
        if (IsGrouped(i) == grouped && ++n == legendIndex)
            return i;
    return legendIndex;
}

double TPieSeries::MaxXValue() { return GetHorizAxis() ? GetHorizAxis()->Maximum() : 0; }
double TPieSeries::MinXValue() { return GetHorizAxis() ? GetHorizAxis()->Minimum() : 0; }
double TPieSeries::MaxYValue() { return GetVertAxis() ? GetVertAxis()->Maximum() : 0; }
double TPieSeries::MinYValue() { return GetVertAxis() ? GetVertAxis()->Minimum() : 0; }

int TPieSeries::CalcXPos(int index) const
{
    return XValues()->GetValue(index) == OtherFlag ? 0 : TCircledSeries::CalcXPos(index);
}

void TPieSeries::CheckOrder()
{
    XValues()->SetOrder(loAscending);
    Repaint();
}

void TPieSeries::SwapValueIndex(int a, int b)
{
    TCircledSeries::SwapValueIndex(a, b);
    FExplodedSlice.Extend(Count());
    FExplodedSlice.Exchange(a, b);
}

void TPieSeries::DefineProperties(TTeeFiler& filer)
{
    // The other slice is made anew at each drawing: it is never stored.
    if (dynamic_cast<TTeePropertyWriter*>(&filer))
        RemoveOtherSlice();
    TCircledSeries::DefineProperties(filer);
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineInt(filer, "AngleSize", FAngleSize, 360, [this](int32_t v) { SetAngleSize(v); }, 360);
    TeeDefineBool(filer, "AutoMarkPosition", FAutoMarkPosition, true, [this](bool v) { SetAutoMarkPosition(v); }, false);
    TeeDefineColor(filer, "CircleBackColor", CircleBackColor(), clDefault, [this](TColor v) { SetCircleBackColor(v); },
                   clDefault);
    TeeDefineBool(filer, "Dark3D", FDark3D, true, [this](bool v) { SetDark3D(v); }, false);
    TeeDefineBool(filer, "DarkPen", FDarkPen, false, [this](bool v) { SetDarkPen(v); }, false);
    TeeDefineInt(filer, "ExplodeBiggest", FExplodeBiggest, 0, [this](int32_t v) { SetExplodeBiggest(v); }, 0);
    TeeDefineObject(filer, "OtherSlice", FOtherSlice.get());
    TeeDefineObject(filer, "PiePen", PiePen());
    TeeDefineInt(filer, "RotationAngle", RotationAngle(), 0, [this](int32_t v) { SetRotationAngle(v); }, 0);
    TeeDefineObject(filer, "Shadow", FShadow.get());
    TeeDefineBool(filer, "UsePatterns", FUsePatterns, false, [this](bool v) { SetUsePatterns(v); }, false);
}
