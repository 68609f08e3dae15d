// An axis' labels keep clear of its title, also when the marks above the bars widen the range
// after the labels were first measured (characters 6 pixels wide on the recording canvas).

#include <gtest/gtest.h>

#include "chart/components/Chart.h"
#include "chart/components/Series.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/SeriesMarks.h"
#include "tests/chart/support/RecordingCanvas.h"

TEST(AxisTitleRoom, LabelsWidenedByMarkMarginsKeepClearOfTheTitle)
{
    // marks shown, widest label drawn on the left axis
    const std::pair<bool, QString> cases[] = {
        // 0 to 980 widened by the marks' room to past 1,200: "1,200" is the widest label.
        {true, "1,200"},
        // Without marks the axis ends at 980: "800" is the widest label.
        {false, "800"},
    };
    for (const auto& [marks, widest] : cases) {
        TComponent owner(nullptr);
        auto* chart = new TChart(&owner);
        chart->SetBounds(0, 0, 597, 149);
        chart->SetView3D(false);
        auto* canvas = new TRecordingCanvas;
        chart->SetInternalCanvas(canvas);
        chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Play数"));
        auto* bars = new TBarSeries(&owner);
        chart->AddSeries(bars);
        bars->Marks()->SetVisible(marks);
        int x = 0;
        for (double v : {980.0, 450.0, 700.0, 120.0})
            bars->AddXY(x++, v);
        chart->Invalidate();
        chart->Update();

        const TChartAxis* left = chart->LeftAxis();
        QString widestDrawn;
        for (const TCanvasCall& c : canvas->Calls) {
            // Labels of the left axis are right-aligned at its label position.
            if (c.Depth != 0 || c.Name != "TextOut3D" || c.Points[0].X != left->LabelsPos)
                continue;
            EXPECT_GE(left->LabelsPos - TRecordingCanvas::CharWidth * c.Text.size(), left->TitlePos)
                << qPrintable(c.Text);
            if (c.Text.size() > widestDrawn.size())
                widestDrawn = c.Text;
        }
        EXPECT_EQ(widestDrawn, widest);
        // The room is the widest label and a space.
        EXPECT_EQ(left->LabelsPos - left->TitlePos, TRecordingCanvas::CharWidth * (widest.size() + 1)) << marks;
        chart->FreeAllSeries();
    }
}
