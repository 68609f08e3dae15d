// The standard series types in a real window, one chart each in a grid, for looking at them
// by eye: fast line, line with symbols, area, points, bars, horizontal bars, stacked bars and
// pies, then the line family's depth and fills: a 3D line with a front face, a gradient area,
// see-through areas and a 3D gradient area. "3d" as the first argument shows the first two
// rows in 3D. Not part of the program.
#include <QApplication>
#include <QGridLayout>
#include <QWidget>

#include <cmath>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/components/UnitStartup.h"
#include "chart/editors/ChartWidget.h"

namespace {

TChart* AddChart(QGridLayout* grid, int row, int column, const QString& title, bool is3D)
{
    auto* widget = new TChartWidget;
    widget->setMinimumSize(300, 240);
    grid->addWidget(widget, row, column);
    TChart* chart = widget->Chart();
    chart->Title()->Text()->Add(title);
    chart->SetView3D(is3D);
    chart->Legend()->SetVisible(false);
    return chart;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InitializeUnits();
    const bool is3D = argc > 1 && QString::fromLatin1(argv[1]) == QStringLiteral("3d");
    int rc = 0;
    {
        QWidget window;
        auto* grid = new QGridLayout(&window);

        TChart* c = AddChart(grid, 0, 0, QStringLiteral("Fast line"), is3D);
        auto* fast = new TFastLineSeries(c);
        fast->SetSeriesColor(clRed);
        fast->LinePen()->SetWidth(2);
        double y = 0;
        for (int i = 0; i < 100000; ++i) {
            y += std::sin(i * 0.001) + ((i * 7919) % 13 - 6) * 0.5;
            fast->AddXY(i, y);
        }
        c->AddSeries(fast);

        c = AddChart(grid, 0, 1, QStringLiteral("Line"), is3D);
        auto* line = new TLineSeries(c);
        line->Pointer()->SetVisible(true);
        for (int i = 0; i < 12; ++i)
            line->AddXY(i, 5 + 4 * std::sin(i * 0.6));
        line->SetNull(6);
        c->AddSeries(line);

        c = AddChart(grid, 0, 2, QStringLiteral("Area"), is3D);
        auto* area = new TAreaSeries(c);
        for (int i = 0; i < 12; ++i)
            area->AddXY(i, 5 + 3 * std::cos(i * 0.5));
        c->AddSeries(area);

        c = AddChart(grid, 0, 3, QStringLiteral("Points"), is3D);
        auto* points = new TPointSeries(c);
        for (int i = 0; i < 20; ++i)
            points->AddXY(i, (i * 37) % 11);
        c->AddSeries(points);

        c = AddChart(grid, 1, 0, QStringLiteral("Bars"), is3D);
        for (int s = 0; s < 2; ++s) {
            auto* bars = new TBarSeries(c);
            for (int i = 0; i < 5; ++i)
                bars->Add(3 + (i * (s + 2)) % 7);
            c->AddSeries(bars);
        }

        c = AddChart(grid, 1, 1, QStringLiteral("Horizontal bars"), is3D);
        auto* hbars = new THorizBarSeries(c);
        hbars->SetColorEachPoint(true);
        for (int i = 0; i < 5; ++i)
            hbars->Add(2 + i * 3 - (i == 2 ? 12 : 0));
        c->AddSeries(hbars);

        c = AddChart(grid, 1, 2, QStringLiteral("Stacked bars"), is3D);
        const TBarStyle styles[3] = {bsRectangle, bsPyramid, bsCilinder};
        for (int s = 0; s < 3; ++s) {
            auto* bars = new TBarSeries(c);
            bars->Marks()->SetVisible(false);
            c->AddSeries(bars);
            bars->SetMultiBar(mbStacked);
            bars->SetBarStyle(styles[s]);
            for (int i = 0; i < 4; ++i)
                bars->Add(1 + (i + s) % 4);
        }

        c = AddChart(grid, 1, 3, QStringLiteral("Pie"), is3D);
        auto* pie = new TPieSeries(c);
        const double values[5] = {30, 70, 45, 8, 4};
        const char* labels[5] = {"BIG", "REG", "リプレイ", "ベル", "チェリー"};
        for (int i = 0; i < 5; ++i)
            pie->Add(values[i], QString::fromUtf8(labels[i]));
        pie->ExplodedSlice()->Put(0, 15);
        pie->OtherSlice()->SetStyle(poBelowPercent);
        pie->OtherSlice()->SetValue(6);
        c->AddSeries(pie);
        // The chart's legend lists the slices drawn, the other slice's legend (left) the
        // values grouped into "Other".
        c->Legend()->SetVisible(true);
        pie->OtherSlice()->Legend()->SetVisible(true);
        pie->OtherSlice()->Legend()->SetAlignment(laLeft);

        c = AddChart(grid, 2, 0, QStringLiteral("3D line, height 5"), true);
        c->Set3DPercent(40);
        auto* thick = new TLineSeries(c);
        thick->SetLineHeight(5);
        const double rises[10] = {2, 3, 9, 8, 4, 4.5, 7, 2, 3, 6};
        for (int i = 0; i < 10; ++i)
            thick->AddXY(i, rises[i]);
        c->AddSeries(thick);

        c = AddChart(grid, 2, 1, QStringLiteral("Gradient area"), false);
        auto* shaded = new TAreaSeries(c);
        shaded->Gradient()->SetVisible(true);
        shaded->Gradient()->SetStartColor(clNavy);
        shaded->Gradient()->SetEndColor(clAqua);
        for (int i = 0; i < 12; ++i)
            shaded->AddXY(i, 5 + 3 * std::sin(i * 0.7));
        c->AddSeries(shaded);

        c = AddChart(grid, 2, 2, QStringLiteral("Transparent areas"), false);
        for (int s = 0; s < 2; ++s) {
            auto* glass = new TAreaSeries(c);
            glass->SetTransparency(50);
            glass->SetSeriesColor(s == 0 ? clRed : clBlue);
            if (s == 1) {
                glass->Gradient()->SetVisible(true);
                glass->Gradient()->SetStartColor(clBlue);
                glass->Gradient()->SetEndColor(clLime);
            }
            for (int i = 0; i < 12; ++i)
                glass->AddXY(i, 5 + 3 * std::sin(i * 0.6 + s * 2.0));
            c->AddSeries(glass);
        }

        c = AddChart(grid, 2, 3, QStringLiteral("3D gradient area"), true);
        c->Set3DPercent(40);
        auto* deep = new TAreaSeries(c);
        deep->Gradient()->SetVisible(true);
        deep->SetTransparency(30);
        for (int i = 0; i < 12; ++i)
            deep->AddXY(i, 5 + 3 * std::cos(i * 0.5));
        c->AddSeries(deep);

        window.setWindowTitle(QStringLiteral("Series"));
        window.resize(1260, 820);
        window.show();
        rc = app.exec();
    }
    FinalizeUnits();
    return rc;
}
