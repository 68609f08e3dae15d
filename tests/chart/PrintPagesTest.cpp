// Printing the pages of a paged chart as one document on a printer page in memory.
#include <gtest/gtest.h>

#include "FrameTestChart.h"
#include "PanelTestSupport.h"
#include "chart/core/ChartAxis.h"

namespace {

// 25 points, 10 a page: pages 1 to 3, the last holding points 20 to 24.
struct PagedChart {
    PagedChart()
    {
        chart.SetView3D(false);
        auto* s = new TTraceSeries(&chart, "A");
        for (int i = 0; i < 25; ++i)
            s->AddXY(i, i + 1);
        chart.SetMaxPointsPerPage(10);
        // Each print of the chart notes its page, the sheet it lands on and the first X shown.
        chart.OnBeforeDrawSeries = [this](TObject*) {
            printed << QStringLiteral("page %1 sheet %2 from %3")
                           .arg(chart.Page())
                           .arg(printer.sheets)
                           .arg(chart.BottomAxis()->Minimum());
            if (chart.Page() == failOnPage)
                throw Exception(QStringLiteral("out of paper"));
        };
    }
    FakePrinter printer{800, 600};
    PrinterScope scope{&printer};
    TFrameChart chart;
    QStringList printed;
    int failOnPage = 0;
};

} // namespace

TEST(PrintPages, EachPageOnItsOwnSheetInOrderAndTheCurrentPageIsKept)
{
    PagedChart p;
    p.chart.SetName(QStringLiteral("Chart1"));
    p.chart.SetPage(2);
    int pageChanges = 0;
    p.chart.OnPageChange = [&](TObject*) { ++pageChanges; };
    p.chart.PrintPages(1, 3);
    EXPECT_EQ(p.printed, (QStringList{"page 1 sheet 1 from 0", "page 2 sheet 2 from 10", "page 3 sheet 3 from 20"}));
    EXPECT_EQ(p.printer.sheets, 3);
    EXPECT_EQ(p.printer.title, QStringLiteral("Chart1"));
    EXPECT_EQ(p.printer.begun, 1);
    EXPECT_EQ(p.printer.ended, 1);
    EXPECT_EQ(p.printer.aborted, 0);
    EXPECT_EQ(p.chart.Page(), 2);
    EXPECT_EQ(pageChanges, 4); // to 1, 2, 3, then back to 2
    EXPECT_FALSE(p.chart.IsPrinting());
}

TEST(PrintPages, ZeroMeansFromTheFirstAndToTheLastPage)
{
    PagedChart p;
    p.chart.PrintPages();
    EXPECT_EQ(p.printed, (QStringList{"page 1 sheet 1 from 0", "page 2 sheet 2 from 10", "page 3 sheet 3 from 20"}));

    p.printed.clear();
    p.chart.PrintPages(2, 0);
    EXPECT_EQ(p.printed, (QStringList{"page 2 sheet 1 from 10", "page 3 sheet 2 from 20"}));

    p.printed.clear();
    p.chart.PrintPages(0, 1);
    EXPECT_EQ(p.printed, (QStringList{"page 1 sheet 1 from 0"}));
    EXPECT_EQ(p.printer.sheets, 1);
    EXPECT_EQ(p.printer.ended, 3);
}

TEST(PrintPages, AChartWithoutANameLeavesTheTitleAlone)
{
    PagedChart p;
    p.printer.title = QStringLiteral("Earlier job");
    p.chart.PrintPages(3, 3);
    EXPECT_EQ(p.printer.title, QStringLiteral("Earlier job"));
    EXPECT_EQ(p.printed, (QStringList{"page 3 sheet 1 from 20"}));
}

TEST(PrintPages, AFailureMidWayAbortsTheDocumentRestoresThePageAndIsPassedOn)
{
    PagedChart p;
    p.chart.SetPage(3);
    const bool buffered = p.chart.GetBufferedDisplay();
    p.failOnPage = 2;
    try {
        p.chart.PrintPages(1, 3);
        FAIL() << "the failure was swallowed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("out of paper"));
    }
    EXPECT_EQ(p.printed, (QStringList{"page 1 sheet 1 from 0", "page 2 sheet 2 from 10"}));
    EXPECT_EQ(p.printer.aborted, 1);
    EXPECT_EQ(p.printer.ended, 0); // the abort stopped the printing
    EXPECT_FALSE(p.printer.printing);
    EXPECT_EQ(p.chart.Page(), 3);
    EXPECT_FALSE(p.chart.IsPrinting());
    EXPECT_EQ(p.chart.GetBufferedDisplay(), buffered);
}

TEST(PrintPages, APrinterStillPrintingAfterTheAbortIsEnded)
{
    // A printer that keeps its job open on abort, as some drivers do.
    struct StubbornPrinter : FakePrinter {
        StubbornPrinter() : FakePrinter(800, 600) {}
        void Abort() override { ++aborted; }
    } stubborn;
    PagedChart p;
    PrinterScope scope(&stubborn);
    p.failOnPage = 1;
    EXPECT_THROW(p.chart.PrintPages(), Exception);
    EXPECT_EQ(stubborn.aborted, 1);
    EXPECT_EQ(stubborn.ended, 1);
    EXPECT_EQ(p.chart.Page(), 1);
}

TEST(PrintPages, WithoutAPrinterNothingIsPrintedAndThePageStays)
{
    PagedChart p;
    p.chart.SetPage(2);
    PrinterScope none(nullptr);
    EXPECT_THROW(p.chart.PrintPages(), EPrinter);
    EXPECT_TRUE(p.printed.isEmpty());
    EXPECT_EQ(p.chart.Page(), 2);
}
