// Stored-property text read into a chart and its series, as loading a saved chart does.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "FuzzTargets.h"
#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/TeeFiler.h"

namespace {

constexpr int SeriesCount = 7;

// The chart's text, then the text of series 0 to 6.
std::array<QString, SeriesCount + 1> Sections(const QString& text)
{
    std::array<QString, SeriesCount + 1> sections;
    size_t current = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        // A switch line may end with CR, as every line of a CR-LF text does.
        const QStringView bare = line.endsWith(QLatin1Char('\r')) ? QStringView(line).chopped(1) : QStringView(line);
        if (bare.size() == 2 && bare.at(0) == QLatin1Char('@') && bare.at(1) >= QLatin1Char('0')
            && bare.at(1) < QLatin1Char('0' + SeriesCount)) {
            current = static_cast<size_t>(bare.at(1).digitValue()) + 1;
            continue;
        }
        sections[current] += line + QLatin1Char('\n');
    }
    return sections;
}

} // namespace

int FuzzStoredTextInput(const uint8_t* data, size_t size)
{
    const auto sections =
        Sections(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    TComponent owner(nullptr);
    auto* chart = new TChart(&owner);
    chart->SetName(QStringLiteral("Chart"));
    chart->SetBounds(0, 0, 320, 240);
    TChartSeries* series[SeriesCount] = {
        new TLineSeries(&owner),  new TBarSeries(&owner),      new THorizBarSeries(&owner),
        new TAreaSeries(&owner),  new TPointSeries(&owner),    new TFastLineSeries(&owner),
        new TPieSeries(&owner),
    };
    for (int i = 0; i < SeriesCount; ++i) {
        series[i]->SetName(QStringLiteral("S%1").arg(i));
        chart->AddSeries(series[i]);
    }

    owner.BeginLoading();
    // A chart's text that makes more than one text may is refused as a whole and leaves
    // nothing that it made; the series' texts make nothing by count.
    try {
        TeeReadProperties(*chart, sections[0]);
    } catch (const EReadError&) {
        if (owner.ComponentCount() != SeriesCount + 1 || chart->CustomAxes()->Count() != 0) {
            std::fprintf(stderr, "a refused text left %d components and %d custom axes\n", owner.ComponentCount(),
                         chart->CustomAxes()->Count());
            std::abort();
        }
    }
    for (int i = 0; i < SeriesCount; ++i)
        TeeReadProperties(*series[i], sections[static_cast<size_t>(i) + 1]);
    owner.EndLoading();

    chart->Invalidate();
    chart->Update();
    TeeWriteProperties(*chart);
    for (TChartSeries* s : series)
        TeeWriteProperties(*s);
    return 0;
}
