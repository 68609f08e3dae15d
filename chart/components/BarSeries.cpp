// The shared side of the bar series: layout count, bar size, stacking, ranges, drawing of one
// bar's frame and the click test loop.

#include "chart/components/BarSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeBlend.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeColorFunctions.h"
#include "platform/Types.h"
#include "platform/graphics/SystemColors.h"

namespace {

// A pixel moved by one, held at the ends of the 32-bit range: with fast calculation a far bar
// ends there, well off the device.
void Step(int& pixel, int by)
{
    pixel = static_cast<int>(std::clamp<int64_t>(int64_t{pixel} + by, INT32_MIN, INT32_MAX));
}

} // namespace

TBarSeriesGradient::TBarSeriesGradient(TNotifyEvent changeHandler) : TCustomTeeGradient(std::move(changeHandler))
{
    SetStartVisible(true);
}

void TBarSeriesGradient::SetRelative(bool value)
{
    SetProp(FRelative, value);
}

void TBarSeriesGradient::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TBarSeriesGradient*>(source))
        FRelative = other->FRelative;
    TCustomTeeGradient::Assign(source);
}

TCustomBarSeries::TCustomBarSeries(TComponent* AOwner)
    : TChartSeries(AOwner), FGradient(std::make_unique<TBarSeriesGradient>([this](TObject*) { Repaint(); }))
{
    Marks()->SetVisible(true);
    Marks()->SetArrowLength(20);
}

TCustomBarSeries::~TCustomBarSeries() = default;

template <class F> void TCustomBarSeries::ForEachSameClass(F f) const
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCustomBarSeries*>(chart->Series(i));
        if (s && (s == this || SameClass(s)))
            f(s);
    }
}

void TCustomBarSeries::SetBarStyle(TBarStyle value)
{
    SetProp(FBarStyle, value);
}

void TCustomBarSeries::SetMultiBar(TMultiBar value)
{
    if (!SetProp(FMultiBar, value))
        return;
    SetVisiblePointsOnly(value != mbSelfStack);
    ForEachSameClass([&](TCustomBarSeries* s) {
        s->FMultiBar = value;
        s->FSideMargins = FSideMargins;
        s->SetVisiblePointsOnly(value != mbSelfStack);
    });
}

void TCustomBarSeries::SetSideMargins(bool value)
{
    if (!SetProp(FSideMargins, value))
        return;
    ForEachSameClass([&](TCustomBarSeries* s) {
        s->FMultiBar = FMultiBar;
        s->FSideMargins = value;
    });
}

void TCustomBarSeries::SetParentChart(TCustomAxisPanel* value)
{
    TChartSeries::SetParentChart(value);
    bool found = false;
    ForEachSameClass([&](TCustomBarSeries* s) {
        if (found)
            return;
        found = true;
        FMultiBar = s->FMultiBar;
        FSideMargins = s->FSideMargins;
    });
}

TBarStyle TCustomBarSeries::GetBarStyle(int index)
{
    TBarStyle style = FBarStyle;
    if (OnGetBarStyle)
        OnGetBarStyle(this, index, style);
    return style;
}

void TCustomBarSeries::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TCustomBarSeries*>(source)) {
        FAutoMarkPosition = other->FAutoMarkPosition;
        FBarWidthPercent = other->FBarWidthPercent;
        FBarStyle = other->FBarStyle;
        FBevelSize = other->FBevelSize;
        FCustomBarWidth = other->FCustomBarWidth;
        FDark3D = other->FDark3D;
        FGradient->Assign(other->FGradient.get());
        FMultiBar = other->FMultiBar;
        FOffsetPercent = other->FOffsetPercent;
        FYOrigin = other->FYOrigin;
        FSideMargins = other->FSideMargins;
        FStackGroup = other->FStackGroup;
        FTransparency = other->FTransparency;
        FUseYOrigin = other->FUseYOrigin;
    }
    TChartSeries::Assign(source);
}

// ---- layout ----

void TCustomBarSeries::DoBeforeDrawChart()
{
    TChartSeries::DoBeforeDrawChart();
    FBarOrder = 1;
    FPrecedingPoints = 0;
    FNumBars = 0;
    FMaxBarPoints = -1;
    std::vector<int> groups;
    bool met = false;
    ForEachSameClass([&](TCustomBarSeries* s) {
        if (!s->Active())
            return;
        if (s == this)
            met = true;
        if (FMaxBarPoints == -1 || FMaxBarPoints < s->Count())
            FMaxBarPoints = s->Count() + (FSideMargins ? 1 : 0);
        switch (s->FMultiBar) {
        case mbNone:
        case mbSelfStack: FNumBars = 1; break;
        case mbStacked:
        case mbStacked100:
            // Series of one stack group share one bar position: only a new group takes a
            // place beside the others.
            if (std::find(groups.begin(), groups.end(), s->FStackGroup) == groups.end()) {
                groups.push_back(s->FStackGroup);
                ++FNumBars;
                if (!met)
                    ++FBarOrder;
            }
            break;
        case mbSide:
        case mbSideAll:
            ++FNumBars;
            if (!met)
                ++FBarOrder;
            break;
        }
        if (!met)
            FPrecedingPoints += s->Count();
    });
    const auto own = std::find(groups.begin(), groups.end(), FStackGroup);
    if (own != groups.end())
        FBarOrder = static_cast<int>(own - groups.begin()) + 1;
    if (ParentChart() && ParentChart()->MaxPointsPerPage() > 0)
        FMaxBarPoints = ParentChart()->MaxPointsPerPage();
}

TChartAxis* TCustomBarSeries::CategoryAxis() const
{
    return MandatoryIsY() ? GetHorizAxis() : GetVertAxis();
}

TChartAxis* TCustomBarSeries::ValueAxis() const
{
    return MandatoryIsY() ? GetVertAxis() : GetHorizAxis();
}

void TCustomBarSeries::CalcBarSize()
{
    if (FCustomBarWidth != 0) {
        FBarSize = FCustomBarWidth;
        return;
    }
    TChartAxis* axis = CategoryAxis();
    if (FMaxBarPoints <= 0 || !axis) {
        FBarSize = 0;
        return;
    }
    const int length = std::abs(axis->SizePixels);
    int slot;
    if (FAutoBarSize) {
        const double span = axis->Maximum() + 2 - axis->Minimum();
        slot = span > 0 ? Round(std::min(length / span, 1e9)) : length;
    } else {
        slot = length / FMaxBarPoints;
    }
    FBarSize = Round(FBarWidthPercent * 0.01 * slot) / std::max(1, FNumBars);
    if (FBarSize % 2 != 0)
        ++FBarSize;
}

int TCustomBarSeries::BarMargin() const
{
    const int margin = FMultiBar == mbSideAll ? FBarSize : FBarSize * std::max(1, FNumBars);
    return FSideMargins ? margin : margin / 2;
}

int TCustomBarSeries::SeriesIndex() const
{
    return ParentChart() ? ParentChart()->SeriesList()->IndexOf(const_cast<TCustomBarSeries*>(this)) : 0;
}

int TCustomBarSeries::CalcCategoryPos(int index) const
{
    TChartAxis* axis = CategoryAxis();
    int pos;
    if (FMultiBar == mbSideAll) {
        pos = axis->CalcPosValue(index + FPrecedingPoints) - FBarSize / 2;
    } else if (FMultiBar == mbSelfStack) {
        pos = axis->CalcPosValue(SeriesIndex()) - FBarSize / 2;
    } else {
        pos = MandatoryIsY() ? TChartSeries::CalcXPos(index) : TChartSeries::CalcYPos(index);
        if (FMultiBar == mbNone)
            pos -= FBarSize / 2;
        else
            pos += Round((FBarOrder - FNumBars * 0.5 - 1) * FBarSize);
    }
    if (FOffsetPercent != 0)
        pos += Round(FOffsetPercent * FBarSize * 0.01);
    return pos;
}

double TCustomBarSeries::PointOrigin(int index, bool includeSelf) const
{
    if (FMultiBar == mbStacked || FMultiBar == mbStacked100) {
        const bool positive = MandatoryValues()->GetValue(index) >= 0;
        double sum = 0;
        TCustomAxisPanel* chart = ParentChart();
        if (!chart)
            return 0;
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            auto* s = dynamic_cast<TCustomBarSeries*>(chart->Series(i));
            if (!s)
                continue;
            if (s == this && !includeSelf)
                break;
            if (!s->Active() || !(s == this || SameClass(s)) || s->Count() <= index || s->FStackGroup != FStackGroup)
                continue;
            // Positive and negative bars stack apart.
            const double v = s->GetOriginValue(index);
            if (positive ? v > 0 : v < 0)
                sum += v;
        }
        return sum;
    }
    if (FMultiBar == mbSelfStack) {
        double sum = 0;
        for (int i = 0; i < index; ++i)
            sum += MandatoryValues()->GetValue(i);
        return sum;
    }
    return FYOrigin;
}

int TCustomBarSeries::CalcValuePos(int index) const
{
    if (FMultiBar == mbNone || FMultiBar == mbSide || FMultiBar == mbSideAll)
        return MandatoryIsY() ? TChartSeries::CalcYPos(index) : TChartSeries::CalcXPos(index);
    double v = PointOrigin(index, false) + MandatoryValues()->GetValue(index);
    if (FMultiBar == mbStacked100) {
        const double total = PointOrigin(index, true);
        if (total == 0)
            return 0;
        v = v * 100.0 / total;
    }
    return ValueAxis()->CalcPosValue(v);
}

int TCustomBarSeries::GetOriginPos(int index) const
{
    TChartAxis* axis = ValueAxis();
    switch (FMultiBar) {
    case mbStacked100: {
        const double total = PointOrigin(index, true);
        return total == 0 ? 0 : axis->CalcPosValue(PointOrigin(index, false) * 100.0 / total);
    }
    case mbStacked:
    case mbSelfStack: return axis->CalcPosValue(PointOrigin(index, false));
    default:
        if (FUseYOrigin)
            return axis->CalcPosValue(FYOrigin);
        return MandatoryIsY() ? axis->EndPixel : axis->StartPixel;
    }
}

// ---- ranges ----

double TCustomBarSeries::MaxValueOfValueAxis()
{
    TChartValueList* values = MandatoryValues();
    double result = values->MaxValue();
    if (FMultiBar == mbStacked100) {
        result = 100;
    } else if (FMultiBar == mbSelfStack) {
        result = values->Total();
    } else if (FMultiBar == mbStacked) {
        for (int i = 0; i < Count(); ++i)
            result = std::max(result, PointOrigin(i, false) + values->GetValue(i));
    }
    if (FUseYOrigin)
        result = std::max(result, FYOrigin);
    return result;
}

double TCustomBarSeries::MinValueOfValueAxis()
{
    TChartValueList* values = MandatoryValues();
    double result = values->MinValue();
    if (FMultiBar == mbStacked100) {
        result = 0;
    } else if (FMultiBar == mbStacked || FMultiBar == mbSelfStack) {
        for (int i = 0; i < Count(); ++i)
            result = std::min(result, PointOrigin(i, false) + values->GetValue(i));
    }
    if (FUseYOrigin)
        result = std::min(result, FYOrigin);
    return result;
}

double TCustomBarSeries::MaxValueOfCategoryAxis()
{
    if (FMultiBar == mbSideAll)
        return Count() + FPrecedingPoints - 1;
    if (FMultiBar == mbSelfStack)
        return SeriesIndex();
    return PositionValues()->MaxValue();
}

double TCustomBarSeries::MinValueOfCategoryAxis()
{
    if (FMultiBar == mbSelfStack)
        return SeriesIndex();
    return PositionValues()->MinValue();
}

// ---- depth ----

void TCustomBarSeries::CalcZOrder()
{
    if (FMultiBar != mbNone) {
        TCustomAxisPanel* chart = ParentChart();
        for (int i = 0; chart && i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->Series(i);
            if (s == this)
                break;
            if (s->Active() && SameClass(s)) {
                SetCalcZOrder(s->GetZOrder());
                return;
            }
        }
    }
    TChartSeries::CalcZOrder();
}

// ---- drawing ----

int TCustomBarSeries::CalcMarkLength(int index)
{
    if (Count() == 0 || !Marks()->Visible() || !ParentChart())
        return 0;
    ParentChart()->Canvas3D()->AssignFont(Marks()->Font());
    int length = InternalCalcMarkLength(index) + Marks()->ArrowLength();
    if (Marks()->Frame()->Visible())
        length += 2 * Marks()->Frame()->Width();
    return length;
}

void TCustomBarSeries::PrepareBar()
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    canvas->AssignVisiblePen(BarPen());
    chart->CheckPenWidth(canvas->Pen());
    const TColor back = BarBrush()->Color() == clDefault ? chart->Color() : BarBrush()->Color();
    chart->SetBrushCanvas(FBarColor, BarBrush(), back);
}

void TCustomBarSeries::DrawValue(int index)
{
    TChartSeries::DrawValue(index);
    FBarColor = GetValueColor(index);
    if (FBarColor == clNone)
        return;
    const bool vertical = MandatoryIsY();
    const bool fullWidth = FBarWidthPercent == 100 && FCustomBarWidth == 0;
    const bool penHidden = !BarPen()->Visible();
    int start, end;
    if (vertical) {
        const int left = CalcXPos(index);
        int right = left + FBarSize + 1;
        if (fullWidth) {
            // Bars that fill their slot reach the next point's position.
            const int next = CategoryAxis()->Inverted() ? index - 1 : index + 1;
            if (next >= 0 && next < Count())
                right = CalcXPos(next);
        }
        int top = CalcYPos(index);
        int bottom = GetOriginPos(index);
        if (penHidden) {
            Step(top > bottom ? top : bottom, 1);
            ++right;
        }
        start = std::min(top, bottom);
        end = std::max(top, bottom);
        FBarBounds = TRect(left, start, right, end);
    } else {
        const int top = CalcYPos(index);
        int bottom = top + FBarSize + 1;
        if (fullWidth) {
            const int next = CategoryAxis()->Inverted() ? index + 1 : index - 1;
            if (next >= 0 && next < Count())
                bottom = CalcYPos(next);
        }
        int value = CalcXPos(index);
        int origin = GetOriginPos(index);
        if (penHidden) {
            if (value >= origin) {
                Step(value, 1);
            } else {
                Step(value, -1);
                Step(origin, 1);
            }
            ++bottom;
        }
        start = std::min(value, origin);
        end = std::max(value, origin);
        FBarBounds = TRect(start, top, end, bottom);
    }
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        TRect r = FBarBounds;
        if (ParentChart()->View3D()) {
            const TRect front = canvas->CalcRect3D(FBarBounds, StartZ());
            const TRect back = canvas->CalcRect3D(FBarBounds, EndZ());
            r = TRect(std::min(front.Left, back.Left), std::min(front.Top, back.Top), std::max(front.Right, back.Right),
                      std::max(front.Bottom, back.Bottom));
        }
        blend = canvas->BeginBlending(r, static_cast<uint8_t>(FTransparency));
    }
    DrawBar(index, start, end);
    if (blend)
        canvas->EndBlending(blend);
}

void TCustomBarSeries::BarRectangle(TColor colour, int left, int top, int right, int bottom)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    if (canvas->Brush()->Style() == bsSolid) {
        auto penInBrushColour = [&] {
            canvas->Pen()->SetColor(colour);
            if (canvas->Pen()->Style() == psClear)
                canvas->Pen()->SetStyle(psSolid);
        };
        const int penWidth = canvas->Pen()->Width();
        if (right == left || bottom == top) {
            // A bar without area still shows as a line.
            penInBrushColour();
            canvas->Line(left, top, right, bottom);
        } else if (int64_t{right} - left < penWidth || int64_t{bottom} - top < penWidth) {
            penInBrushColour();
            canvas->Brush()->SetStyle(bsClear);
        }
    }
    canvas->Rectangle(left, top, right, bottom);
}

void TCustomBarSeries::BarGradient(int index, TRect rect)
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    TColor endColour = FBarColor;
    if (FGradient->Relative()) {
        TChartValueList* values = MandatoryValues();
        const double minimum = FUseYOrigin ? FYOrigin : values->MinValue();
        const double range = values->MaxValue() - minimum;
        const double f = range != 0 ? (values->GetValue(index) - minimum) / range : 1.0;
        const TColor a = ColorToRGB(FGradient->StartColor()), b = ColorToRGB(FBarColor);
        auto channel = [&](int shift) {
            const int s = (a >> shift) & 0xFF, e = (b >> shift) & 0xFF;
            return std::clamp(s + Round(f * (e - s)), 0, 255) << shift;
        };
        endColour = static_cast<TColor>(channel(0) | channel(8) | channel(16));
    }
    TBarSeriesGradient gradient;
    gradient.Assign(FGradient.get());
    gradient.SetEndColor(endColour);
    const int penWidth = BarPen()->Visible() ? BarPen()->Width() : 0;
    if (chart->View3D() && !chart->View3DOptions()->Orthogonal()) {
        rect = TRect(rect.Left + penWidth, rect.Top + penWidth, rect.Right - penWidth, rect.Bottom - penWidth);
        gradient.Draw(canvas, canvas->FourPointsFromRect(rect, StartZ()));
    } else if (chart->View3D()) {
        rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - penWidth + 1, rect.Bottom - penWidth + 1);
        gradient.Draw(canvas, canvas->CalcRect3D(rect, StartZ()));
    } else {
        rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - penWidth, rect.Bottom - penWidth);
        gradient.Draw(canvas, rect);
    }
}

void TCustomBarSeries::DrawBevel()
{
    TCustomAxisPanel* chart = ParentChart();
    if (chart->View3D() && !chart->View3DOptions()->Orthogonal())
        return;
    TRect r = FBarBounds;
    if (BarPen()->Visible()) {
        const int w = BarPen()->Width();
        r = TRect(r.Left + w, r.Top + w, r.Right - w, r.Bottom - w);
        if (chart->View3D()) {
            ++r.Right;
            ++r.Bottom;
        }
    }
    if (chart->View3D())
        r = chart->Canvas3D()->CalcRect3D(r, StartZ());
    // Rings past the middle of the bar would be drawn crossed over, outside it: a bevel never
    // grows wider than half the bar.
    const int64_t most = (std::min(int64_t{r.Right} - r.Left, int64_t{r.Bottom} - r.Top) + 1) / 2;
    chart->Canvas3D()->Frame3D(r, ApplyBright(FBarColor, 128), ApplyDark(FBarColor, 64),
                               static_cast<int>(std::clamp<int64_t>(FBevelSize, 0, std::max<int64_t>(0, most))));
}

int TCustomBarSeries::Clicked(int x, int y)
{
    if (FirstVisible() < 0 || !ParentChart())
        return -1;
    const int last = std::min(LastVisible(), Count() - 1);
    for (int i = FirstVisible(); i <= last; ++i)
        if (InternalClicked(i, TPoint(x, y)))
            return i;
    return -1;
}

// ---- legend ----

void TCustomBarSeries::PrepareLegendCanvas(int, TColor& backColor, TBrushStyle& style)
{
    ParentChart()->Canvas3D()->AssignVisiblePen(BarPen());
    style = BarBrush()->Style();
    backColor = BarBrush()->Color() == clDefault ? ParentChart()->Color() : BarBrush()->Color();
}

void TCustomBarSeries::DrawLegendShape(int index, const TRect& rect)
{
    TChartSeries::DrawLegendShape(index, rect);
}
