#include "chart/core/TeeFunction.h"

#include <QStringList>
#include <algorithm>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartException.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/Teeconst.h"
#include "platform/Types.h"

int TeePeriodPoints(double period)
{
    // A period that rounds to 0 would make groups that never move on.
    return std::max(1, Round(period));
}

TTeeFunction::TTeeFunction(TComponent* AOwner) : TComponent(AOwner) {}

TTeeFunction::~TTeeFunction()
{
    if (FParent && FParent->FunctionType() == this)
        FParent->ForgetFunction();
}

void TTeeFunction::SetPeriod(double value)
{
    // Not a number is no group size either.
    if (!(value >= 0))
        throw ChartException(TeeMsg_FunctionPeriod);
    SetProp(FPeriod, value);
}

void TTeeFunction::SetPeriodStyle(TFunctionPeriodStyle value)
{
    SetProp(FPeriodStyle, value);
}

void TTeeFunction::SetPeriodAlign(TFunctionPeriodAlign value)
{
    SetProp(FPeriodAlign, value);
}

void TTeeFunction::DefineProperties(TTeeFiler& filer)
{
    static const QStringList styles{"psNumPoints", "psRange"};
    static const QStringList aligns{"paFirst", "paCenter", "paLast"};
    // A negative period, or one that is not a number, is refused by its setter and leaves the
    // period as it was.
    TeeDefineFloat(filer, "Period", FPeriod, 0.0, [this](double v) { SetPeriod(v); });
    TeeDefineEnum(filer, "PeriodAlign", FPeriodAlign, paCenter, aligns,
                  [this](TFunctionPeriodAlign v) { SetPeriodAlign(v); });
    TeeDefineEnum(filer, "PeriodStyle", FPeriodStyle, psNumPoints, styles,
                  [this](TFunctionPeriodStyle v) { SetPeriodStyle(v); });
}

void TTeeFunction::SetParentSeries(TChartSeries* value)
{
    if (value == FParent)
        return;
    if (FParent && FParent->FunctionType() == this)
        FParent->ForgetFunction();
    FParent = nullptr;
    if (value)
        value->SetFunction(this);
}

void TTeeFunction::EndUpdate()
{
    if (FUpdating) {
        FUpdating = false;
        ReCalculate();
    }
}

void TTeeFunction::ReCalculate()
{
    if (!FUpdating && FParent)
        FParent->CheckDataSource();
}

double TTeeFunction::Calculate(TChartSeries*, int, int)
{
    return 0;
}

double TTeeFunction::CalculateMany(const QList<TChartSeries*>&, int)
{
    return 0;
}

void TTeeFunction::AddPoints(TChartSeries* source)
{
    if (FUpdating || !source || !FParent)
        return;
    if (FParent->DataSources().size() > 1)
        CalculateManySources(source);
    else if (source->Count() > 0)
        DoCalculation(source, source->PositionValues());
}

TChartValueList* TTeeFunction::ValueList(TChartSeries* source) const
{
    const QString& name = FParent ? FParent->MandatoryValues()->ValueSource() : QString();
    return name.isEmpty() ? source->MandatoryValues() : source->GetYValueList(name);
}

void TTeeFunction::AddFunctionXY(bool sourceYMandatory, double x, double y)
{
    if (sourceYMandatory)
        FParent->AddXY(x, y, QString(), clDefault);
    else
        FParent->AddXY(y, x, QString(), clDefault);
}

void TTeeFunction::DoCalculation(TChartSeries* source, TChartValueList* list)
{
    if (FPeriod != 0)
        CalculateByPeriod(source, list);
    else
        CalculateAllPoints(source, list);
}

void TTeeFunction::CalculateAllPoints(TChartSeries* source, TChartValueList* list)
{
    const double v = Calculate(source, -1, -1);
    if (FParent->OnePointFunctionResult()) {
        const double middle = list->MinValue() + list->Range() * 0.5;
        if (FParent->MandatoryIsY())
            FParent->AddXY(middle, v, QString(), clDefault);
        else
            FParent->AddXY(v, middle, QString(), clDefault);
    } else {
        AddFunctionXY(source->MandatoryIsY(), list->MinValue(), v);
        AddFunctionXY(source->MandatoryIsY(), list->MaxValue(), v);
    }
}

void TTeeFunction::CalculateByPeriod(TChartSeries* source, TChartValueList* list)
{
    const int n = source->Count();
    const int points = TeePeriodPoints(FPeriod);
    const TDateTimeStep step = FindDateTimeStep(FPeriod);
    double start = list->GetValue(0);
    int s = 0;
    // Empty ranges give a point each, so a period tiny against the span of X (a stored text
    // can hold one) would make points without end: a calculation stops at a million groups.
    constexpr int MaxGroups = 1000000;
    int groups = 0;
    while (s <= n - 1 && groups++ < MaxGroups) {
        double groupStart = 0;
        double groupEnd = 0;
        int e = 0;
        bool filled = true;
        if (FPeriodStyle == psRange) {
            groupStart = start;
            // Month-exact steps come from the parent's horizontal axis when it has one.
            if (const TChartAxis* axis = FParent->GetHorizAxis())
                axis->IncDecDateTime(true, start, FPeriod, step);
            else
                TeeDateTimeIncrement(list->DateTime(), true, start, FPeriod, step);
            // A period too small to move the start at this magnitude can never reach the next point.
            if (!(start > groupStart))
                break;
            groupEnd = start - FPeriod * 0.001;
            e = s;
            while (e < n - 1 && list->GetValue(e + 1) < start)
                ++e;
            filled = list->GetValue(s) < start;
        } else {
            groupStart = list->GetValue(s);
            e = s + points - 1;
            if (e < n)
                groupEnd = list->GetValue(e);
        }
        if (e < n) {
            const double position = FPeriodAlign == paFirst  ? groupStart
                                    : FPeriodAlign == paLast ? groupEnd
                                                             : (groupStart + groupEnd) * 0.5;
            if (filled)
                CalculatePeriod(source, position, s, e);
            else
                AddFunctionXY(source->MandatoryIsY(), position, 0);
        }
        if (filled)
            s = e + 1;
    }
}

void TTeeFunction::CalculatePeriod(TChartSeries* source, double position, int first, int last)
{
    AddFunctionXY(source->MandatoryIsY(), position, Calculate(source, first, last));
}

void TTeeFunction::CalculateManySources(TChartSeries* source)
{
    QList<TChartSeries*> sources;
    TChartSeries* reference = source;
    for (TComponent* c : FParent->DataSources()) {
        if (auto* s = dynamic_cast<TChartSeries*>(c)) {
            sources.append(s);
            if (s->Count() > reference->Count())
                reference = s;
        }
    }
    TChartValueList* list = reference->PositionValues();
    for (int a = 0; a < reference->Count(); ++a) {
        double x = list->GetValue(a);
        double v = CalculateMany(sources, a);
        if (!reference->MandatoryIsY())
            std::swap(x, v);
        FParent->AddXY(x, v, reference->XLabel(a), clDefault);
    }
}

void TTeeFunction::PrepareForGallery(TCustomAxisPanel* chart)
{
    for (int i = 0; i < chart->SeriesCount(); ++i)
        chart->Series(i)->PrepareForGallery(true);
}

void TTeeFunction::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TTeeFunction*>(source)) {
        FPeriod = other->FPeriod;
        FPeriodStyle = other->FPeriodStyle;
        FPeriodAlign = other->FPeriodAlign;
    }
}

TComponent* TTeeFunction::GetParentComponent() const
{
    return FParent;
}

void TTeeFunction::SetParentComponent(TComponent* value)
{
    if (auto* series = dynamic_cast<TChartSeries*>(value))
        SetParentSeries(series);
}

TTeeMovingFunction::TTeeMovingFunction(TComponent* AOwner) : TTeeFunction(AOwner)
{
    InternalSetPeriod(1);
}

void TTeeMovingFunction::DoCalculation(TChartSeries* source, TChartValueList* list)
{
    const int p = TeePeriodPoints(Period());
    const int n = source->Count();
    for (int i = p - 1; i < n; ++i)
        AddFunctionXY(source->MandatoryIsY(), list->GetValue(i), Calculate(source, i - p + 1, i));
}
