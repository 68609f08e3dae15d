#include "tests/chart/stored/StoredObjects.h"

#include "chart/components/BarSeries.h"
#include "chart/components/Chart.h"
#include "chart/components/CustomSeries.h"
#include "chart/components/FastLineSeries.h"
#include "chart/components/PieSeries.h"
#include "chart/core/AxisGridPen.h"
#include "chart/core/AxisItems.h"
#include "chart/core/Callout.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/ChartValueList.h"
#include "chart/core/MarksItem.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/SeriesPointer.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeFontGradient.h"
#include "chart/core/TeeZoom.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

namespace {

template <class T>
TTeeFiler::TObjectDefiner DefinerOf(T* object)
{
    return [object](TTeeFiler& f) { object->DefineProperties(f); };
}

template <class T, class... A>
StoredObject Own(A... args)
{
    auto object = std::make_shared<T>(args...);
    return {object, DefinerOf(object.get())};
}

// A chart of its own owner; the object is one of its parts or something placed on it.
struct ChartHost {
    TComponent owner{nullptr};
    TChart* chart = new TChart(&owner);
};

template <class Pick>
StoredObject InChart(Pick pick)
{
    auto host = std::make_shared<ChartHost>();
    return {host, DefinerOf(pick(*host))};
}

template <class S>
S* AddSeries(ChartHost& h)
{
    auto* s = new S(&h.owner);
    h.chart->AddSeries(s);
    return s;
}

template <class S>
StoredObject SeriesInChart()
{
    return InChart([](ChartHost& h) { return AddSeries<S>(h); });
}

} // namespace

const std::vector<StoredKind>& StoredKinds()
{
    static const std::vector<StoredKind> kinds = {
        {"TPen", [] { return Own<TPen>(); }},
        {"TBrush", [] { return Own<TBrush>(); }},
        {"TFont", [] { return Own<TFont>(); }},
        {"TChartPen", [] { return Own<TChartPen>(); }},
        {"TChartHiddenPen", [] { return Own<TChartHiddenPen>(); }},
        {"TDottedGrayPen", [] { return Own<TDottedGrayPen>(); }},
        {"TDarkGrayPen", [] { return Own<TDarkGrayPen>(); }},
        {"TChartAxisPen", [] { return Own<TChartAxisPen>(); }},
        {"TWhitePen", [] { return Own<TWhitePen>(); }},
        {"TAxisGridPen", [] { return Own<TAxisGridPen>(); }},
        {"TChartBrush", [] { return Own<TChartBrush>(); }},
        {"TTeeFont", [] { return Own<TTeeFont>(); }},
        {"TTeeGradient", [] { return Own<TTeeGradient>(); }},
        {"TTeeFontGradient", [] { return Own<TTeeFontGradient>(); }},
        {"TSeriesMarksGradient", [] { return Own<TSeriesMarksGradient>(); }},
        {"TChartLegendGradient", [] { return Own<TChartLegendGradient>(); }},
        {"TBarSeriesGradient", [] { return Own<TBarSeriesGradient>(); }},
        {"TTeeShadow", [] { return Own<TTeeShadow>(); }},
        {"TPieShadow", [] { return Own<TPieShadow>(); }},
        {"TView3DOptions", [] { return Own<TView3DOptions>(nullptr); }},
        {"TTeeZoom", [] { return Own<TTeeZoom>(); }},
        {"TChart", [] {
             // With 25 points in pages of 10 there is a second page to be on.
             return InChart([](ChartHost& h) {
                 auto* s = AddSeries<TLineSeries>(h);
                 for (int i = 0; i < 25; ++i)
                     s->Add(i);
                 return h.chart;
             });
         }},
        {"TChartTitle", [] { return InChart([](ChartHost& h) { return h.chart->Title(); }); }},
        {"TChartFootTitle", [] { return InChart([](ChartHost& h) { return h.chart->Foot(); }); }},
        {"TChartLegend", [] { return InChart([](ChartHost& h) { return h.chart->Legend(); }); }},
        {"TLegendSymbol", [] { return InChart([](ChartHost& h) { return h.chart->Legend()->Symbol(); }); }},
        {"TChartWall", [] { return InChart([](ChartHost& h) { return h.chart->LeftWall(); }); }},
        {"TChartBackWall", [] { return InChart([](ChartHost& h) { return h.chart->BackWall(); }); }},
        {"TChartRightWall", [] { return InChart([](ChartHost& h) { return h.chart->RightWall(); }); }},
        {"TChartAxis", [] { return InChart([](ChartHost& h) { return h.chart->LeftAxis(); }); }},
        {"TChartAxis (other side)", [] { return InChart([](ChartHost& h) { return h.chart->RightAxis(); }); }},
        {"TChartDepthAxis", [] { return InChart([](ChartHost& h) { return h.chart->DepthAxis(); }); }},
        {"TChartAxis (custom)", [] { return InChart([](ChartHost& h) { return new TChartAxis(h.chart->CustomAxes()); }); }},
        {"TChartAxisTitle", [] { return InChart([](ChartHost& h) { return h.chart->BottomAxis()->Title(); }); }},
        {"TAxisItem", [] { return InChart([](ChartHost& h) { return h.chart->LeftAxis()->Items()->Add(0); }); }},
        {"TChartValueList", [] { return InChart([](ChartHost& h) { return AddSeries<TLineSeries>(h)->YValues(); }); }},
        {"TSeriesMarks", [] { return InChart([](ChartHost& h) { return AddSeries<TLineSeries>(h)->Marks(); }); }},
        {"TMarksItem", [] { return InChart([](ChartHost& h) { return AddSeries<TLineSeries>(h)->Marks()->GetItem(0); }); }},
        {"TMarksCallout", [] { return InChart([](ChartHost& h) { return AddSeries<TLineSeries>(h)->Marks()->Callout(); }); }},
        {"TSeriesPointer", [] { return InChart([](ChartHost& h) { return AddSeries<TLineSeries>(h)->Pointer(); }); }},
        {"TPieOtherSlice", [] { return InChart([](ChartHost& h) { return AddSeries<TPieSeries>(h)->OtherSlice(); }); }},
        {"TLineSeries", [] { return SeriesInChart<TLineSeries>(); }},
        {"THorizLineSeries", [] { return SeriesInChart<THorizLineSeries>(); }},
        {"TPointSeries", [] { return SeriesInChart<TPointSeries>(); }},
        {"TAreaSeries", [] { return SeriesInChart<TAreaSeries>(); }},
        {"THorizAreaSeries", [] { return SeriesInChart<THorizAreaSeries>(); }},
        {"TBarSeries", [] { return SeriesInChart<TBarSeries>(); }},
        {"THorizBarSeries", [] { return SeriesInChart<THorizBarSeries>(); }},
        {"TPieSeries", [] { return SeriesInChart<TPieSeries>(); }},
        {"TFastLineSeries", [] { return SeriesInChart<TFastLineSeries>(); }},
    };
    return kinds;
}

QString WriteStored(const StoredObject& o)
{
    TTeePropertyWriter writer;
    o.define(writer);
    return writer.Text();
}

void ReadStored(const StoredObject& o, TTeePropertyReader& reader)
{
    o.define(reader);
}

StoredObject MakeStored(const QString& kind)
{
    for (const StoredKind& k : StoredKinds())
        if (kind == QLatin1String(k.name))
            return k.make();
    return {};
}
