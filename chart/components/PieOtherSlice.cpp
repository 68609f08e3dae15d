// The other slice of a pie: its settings, its own legend and what it stores.

#include <QStringList>

#include "chart/components/PieSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"
#include "platform/TeeFiler.h"

namespace {

// How the other slice's legend starts: hidden, listing the owner's values even when the chart
// holds several series.
void StartOtherLegend(TChartLegend& legend)
{
    legend.SetVisible(false);
    legend.SetLegendStyle(lsValues);
}

} // namespace

TPieOtherSlice::TPieOtherSlice(TPieSeries* owner) : FOwner(owner) {}

TPieOtherSlice::~TPieOtherSlice() = default;

TChartLegend* TPieOtherSlice::Legend()
{
    if (!FLegend) {
        FLegend = std::make_unique<TChartLegend>(nullptr);
        FLegend->SetParent(FOwner->ParentChart());
        StartOtherLegend(*FLegend);
        FLegend->SetSeries(FOwner);
    }
    return FLegend.get();
}

void TPieOtherSlice::SetLegend(TCustomChartLegend* value)
{
    if (!value) {
        FLegend.reset();
        FOwner->Repaint();
        return;
    }
    TChartLegend* legend = Legend();
    legend->Assign(value);
    legend->SetSeries(FOwner);
}

void TPieOtherSlice::PropertyChanged()
{
    FOwner->Repaint();
}

void TPieOtherSlice::SetColor(TColor value)
{
    SetProp(FColor, value);
}

void TPieOtherSlice::SetStyle(TPieOtherStyle value)
{
    SetProp(FStyle, value);
}

QString TPieOtherSlice::Text() const
{
    return FText.isEmpty() ? TeeMsg_PieOther : FText;
}

void TPieOtherSlice::SetText(const QString& value)
{
    SetProp(FText, value);
}

void TPieOtherSlice::SetValue(double value)
{
    SetProp(FValue, value);
}

void TPieOtherSlice::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TPieOtherSlice*>(source)) {
        FColor = other->FColor;
        if (other->FLegend)
            SetLegend(other->FLegend.get());
        else
            FLegend.reset();
        FStyle = other->FStyle;
        FText = other->FText;
        FValue = other->FValue;
        return;
    }
    TPersistent::Assign(source);
}

void TPieOtherSlice::DefineProperties(TTeeFiler& filer)
{
    static const QStringList styles = {"poNone", "poBelowPercent", "poBelowValue"};
    // A bad text reads as the published default, whatever the value held.
    TeeDefineColor(filer, "Color", FColor, clDefault, [this](TColor v) { SetColor(v); }, clDefault);
    // The legend is written against how an other-slice legend starts, not a chart's legend.
    filer.DefineObject(
        "Legend",
        [this](TTeeFiler& f) {
            if (dynamic_cast<TTeePropertyReader*>(&f)) {
                Legend()->DefineProperties(f);
                return;
            }
            TChartLegend start(nullptr);
            StartOtherLegend(start);
            const TTeeStartValuesFiler::TStartTexts texts =
                TTeeStartValuesFiler::Record([&start](TTeeFiler& g) { start.DefineProperties(g); });
            TTeeStartValuesFiler changed(f, &texts);
            Legend()->DefineProperties(changed);
        },
        FLegend != nullptr);
    TeeDefineEnum(filer, "Style", FStyle, poNone, styles, [this](TPieOtherStyle v) { SetStyle(v); }, poNone);
    TeeDefineText(filer, "Text", FText, QString(), [this](const QString& v) { SetText(v); });
    TeeDefineFloat(filer, "Value", FValue, 0, [this](double v) { SetValue(v); }, 0);
}
