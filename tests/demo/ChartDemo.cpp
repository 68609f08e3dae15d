// A chart with walls, titles, a legend and axes in a real window, for looking at it by eye and
// trying the mouse on it (drag to zoom, drag back to undo, right-drag to scroll, the wheel).
// Not part of the program.
#include <QApplication>

#include "chart/components/Chart.h"
#include "chart/components/UnitStartup.h"
#include "chart/core/ChartSeries.h"
#include "chart/editors/ChartWidget.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InitializeUnits();
    int rc = 0;
    {
        TChartWidget widget;
        TChart* chart = widget.Chart();
        chart->Title()->Text()->Add(QStringLiteral("スランプグラフ"));
        chart->SubTitle()->Text()->Add(QStringLiteral("Sub title"));
        chart->Foot()->Text()->Add(QStringLiteral("Foot, first line"));
        chart->Foot()->Text()->Add(QStringLiteral("Foot, second line"));
        chart->Legend()->SetCheckBoxes(true);
        chart->BottomWall()->SetSize(4);
        chart->BackWall()->SetTransparent(false);
        chart->BackWall()->SetColor(RGB(235, 240, 250));
        const char* names[] = {"Medals", "Mode", "Bonus"};
        for (int s = 0; s < 3; ++s) {
            auto* series = new TChartSeries(chart);
            series->SetTitle(QString::fromLatin1(names[s]));
            for (int i = 0; i < 40; ++i)
                series->AddXY(i, (s + 1) * 10 + ((i * (7 + s)) % 23));
            chart->AddSeries(series);
        }
        widget.setWindowTitle(QStringLiteral("Chart"));
        widget.resize(640, 460);
        widget.show();
        rc = app.exec();
    }
    FinalizeUnits();
    return rc;
}
