// Files, clipboard and printing draw the panel as the screen does.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "chart/core/AntiAlias.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeExportData.h"
#include "chart/core/TeeGradient.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/SystemColors.h"
#include "PanelTestSupport.h"

namespace {

// A panel whose background is a red gradient, which prints too (a plain colour does not).
void MakeRed(BackgroundPanel& panel)
{
    panel.SetBevelOuter(bvNone);
    panel.Gradient()->SetStartColor(clRed);
    panel.Gradient()->SetEndColor(clRed);
    panel.Gradient()->SetVisible(true);
}

TEST(PanelPrintRect, FixedMarginsOnAFourThousandByThreeThousandPage)
{
    FakePrinter printer(4000, 3000);
    PrinterScope scope(&printer);
    BackgroundPanel panel;
    panel.SetPrintProportional(false);
    EXPECT_EQ(panel.ChartPrintRect(), TRect(600, 450, 3400, 2550));
    panel.SetPrintMargins(TRect(10, 20, 5, 0));
    EXPECT_EQ(panel.ChartPrintRect(), TRect(400, 600, 3800, 3000));
}

TEST(PanelPrintRect, ProportionalMarginsKeepTheShapeAndLeaveTheUsersMargins)
{
    FakePrinter printer(4000, 3000);
    PrinterScope scope(&printer);
    BackgroundPanel panel; // 400 x 250
    panel.SetPrintMargins(TRect(1, 2, 3, 4));
    // The chart spans 70 % of the width (2800 pixels), so 1750 of the 3000 high page: the
    // 1250 left over split in two is 20.83 %, rounded to 21.
    EXPECT_EQ(panel.CalcProportionalMargins(), TRect(15, 21, 15, 21));
    const TRect r = panel.ChartPrintRect();
    EXPECT_EQ(r, TRect(600, 630, 3400, 2370));
    EXPECT_NEAR(double(r.Width()) / r.Height(), 400.0 / 250.0, 0.01);
    EXPECT_EQ(panel.PrintMargins(), TRect(1, 2, 3, 4));
}

TEST(PanelPrintRect, ProportionalMarginsForATallPanelAndUnequalResolutions)
{
    BackgroundPanel panel;
    panel.SetBounds(0, 0, 200, 400);
    FakePrinter portrait(3000, 4000);
    {
        PrinterScope scope(&portrait);
        // 70 % of 4000 high is 2800, so 1400 wide of 3000: (3000 - 1400) / 3000 / 2 = 26.67 %.
        EXPECT_EQ(panel.CalcProportionalMargins(), TRect(27, 15, 27, 15));
    }
    // Twice as many dots across as down: a 400 x 250 panel 2800 dots wide is 4.67 inches,
    // so 2.92 inches or 875 dots high on a 1500-dot page: (1500 - 875) / 1500 / 2 = 20.83 %.
    panel.SetBounds(0, 0, 400, 250);
    FakePrinter wide(4000, 1500, 600, 300);
    PrinterScope scope(&wide);
    EXPECT_EQ(panel.CalcProportionalMargins(), TRect(15, 21, 15, 21));
}

TEST(PanelPrintRect, ASquarePanelOnAFlatPageIsFittedTheOtherWayRound)
{
    BackgroundPanel panel;
    panel.SetBounds(0, 0, 300, 299);
    FakePrinter flat(4000, 2000);
    PrinterScope scope(&flat);
    // Across the width it would need 2793 of 2000 dots; across the height 1400 of 4000 fit.
    const TRect m = panel.CalcProportionalMargins();
    EXPECT_EQ(m.Top, 15);
    EXPECT_EQ(m.Bottom, 15);
    EXPECT_EQ(m.Left, 32); // (4000 - 1405) / 4000 / 2 = 32.4 %
}

TEST(PanelPrintRect, WithoutAPrinterTheScreenStandsForThePage)
{
    PrinterScope none(nullptr);
    BackgroundPanel panel;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    FakePrinter same(screen.width(), screen.height(), 96, 96);
    TRect expected;
    {
        PrinterScope scope(&same);
        expected = panel.CalcProportionalMargins();
    }
    EXPECT_EQ(panel.CalcProportionalMargins(), expected);
    EXPECT_THROW(panel.ChartPrintRect(), EPrinter);
    EXPECT_THROW(panel.Print(), EPrinter);
}

TEST(PanelPrint, DrawsThePanelIntoThePrintRectangle)
{
    FakePrinter printer(800, 600);
    PrinterScope scope(&printer);
    BackgroundPanel panel;
    panel.SetName(QStringLiteral("Chart1"));
    MakeRed(panel);
    panel.SetPrintProportional(false);
    panel.SetPrintMargins(TRect(10, 10, 10, 10)); // (80, 60, 720, 540)
    panel.Print();
    EXPECT_EQ(printer.title, QStringLiteral("Chart1"));
    EXPECT_EQ(printer.begun, 1);
    EXPECT_EQ(printer.ended, 1);
    EXPECT_EQ(printer.page.pixel(81, 61), qRgb(255, 0, 0));
    EXPECT_EQ(printer.page.pixel(718, 538), qRgb(255, 0, 0));
    EXPECT_EQ(printer.page.pixel(78, 300), qRgb(255, 255, 255));
    EXPECT_EQ(printer.page.pixel(722, 300), qRgb(255, 255, 255));
    EXPECT_EQ(printer.page.pixel(400, 542), qRgb(255, 255, 255));
    EXPECT_FALSE(panel.IsPrinting());
}

TEST(PanelPrint, AThinSlantedLineOnALargerPageStaysALine)
{
    // 400 x 250 on 4000 x 3000 with no margins: ten page pixels across, twelve down per
    // panel pixel.
    FakePrinter printer(4000, 3000);
    PrinterScope scope(&printer);
    struct LinePanel : BackgroundPanel {
        void InternalDraw(const TRect& rect) override
        {
            PanelPaint(rect);
            TChartPen pen;
            Canvas3D()->AssignVisiblePenColor(&pen, clBlack);
            Canvas3D()->Line(10, 10, 390, 240);
        }
    } panel;
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clWhite);
    panel.SetPrintProportional(false);
    panel.SetPrintMargins(TRect(0, 0, 0, 0));
    panel.Print();
    // From (100, 120) to (3900, 2880) on the page: every column along it has its pixel of the
    // line within a few rows of where the line runs.
    int gaps = 0;
    for (int x = 200; x <= 3800; ++x) {
        const int y = 120 + (x - 100) * 2760 / 3800;
        bool found = false;
        for (int dy = -3; dy <= 3 && !found; ++dy)
            found = qGray(printer.page.pixel(x, y + dy)) < 128;
        gaps += found ? 0 : 1;
    }
    EXPECT_EQ(gaps, 0);
}

TEST(PanelPrint, OrientationIsRestoredAndAFailedPrintIsAborted)
{
    FakePrinter printer(800, 600);
    PrinterScope scope(&printer);
    struct FailingPanel : BackgroundPanel {
        void InternalDraw(const TRect&) override { throw Exception(QStringLiteral("broken")); }
    } panel;
    printer.orientation = poPortrait;
    EXPECT_THROW(panel.PrintLandscape(), Exception);
    EXPECT_EQ(printer.orientation, poPortrait);
    EXPECT_EQ(printer.aborted, 1);
    EXPECT_FALSE(panel.IsPrinting());
    EXPECT_TRUE(panel.GetBufferedDisplay());
}

TEST(PanelPrint, WhilePrintingOnePixelPatternPensThinAndPaintDoesNothing)
{
    BackgroundPanel panel;
    TPen pen;
    pen.SetStyle(psDash);
    panel.CheckPenWidth(&pen);
    EXPECT_EQ(pen.Width(), 1);
    panel.SetIsPrinting(true);
    panel.CheckPenWidth(&pen);
    EXPECT_EQ(pen.Width(), 0);
    const int draws = panel.draws;
    panel.Invalidate();
    panel.Update();
    EXPECT_EQ(panel.draws, draws);
    panel.SetIsPrinting(false);
}

// ---- files and clipboard ----

TEST(PanelExport, BitmapAndPngFilesReadBackAsDrawn)
{
    QTemporaryDir dir;
    BackgroundPanel panel;
    panel.SetColor(clYellow);
    panel.SetBevelOuter(bvRaised);
    const QImage drawn = panel.TeeCreateBitmap(clWhite, panel.GetRectangle());
    ASSERT_EQ(drawn.size(), QSize(400, 250));
    for (const char* ext : {"bmp", "png"}) {
        const QString name = dir.filePath(QStringLiteral("chart.") + QLatin1String(ext));
        ASSERT_TRUE(panel.SaveToBitmapFile(name)) << ext;
        QImage back(name);
        ASSERT_EQ(back.size(), QSize(400, 250)) << ext;
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32)) << ext;
    }
    EXPECT_EQ(drawn.pixel(0, 0), TColorToQColor(ColorToRGB(clBtnHighlight)).rgb());
    EXPECT_EQ(drawn.pixel(200, 100), qRgb(255, 255, 0));
    EXPECT_FALSE(panel.SaveToBitmapFile(dir.filePath(QStringLiteral("missing/chart.png"))));
}

TEST(PanelExport, ABitmapOfAPartIsThatSizeAndTheBufferSettingComesBack)
{
    BackgroundPanel panel;
    panel.SetBevelOuter(bvNone);
    panel.Painted();
    const QImage part = panel.TeeCreateBitmap(clRed, TRect(0, 0, 120, 80));
    EXPECT_EQ(part.size(), QSize(120, 80));
    // The export laid the chart out for its own size; the screen is drawn again.
    EXPECT_TRUE(panel.NeedsPaint());
    panel.Update();
    EXPECT_EQ(panel.PlotRect(), TRect(12, 10, 388, 240));
    EXPECT_TRUE(panel.GetBufferedDisplay());
    panel.SetBufferedDisplay(false);
    panel.TeeCreateBitmap(clWhite, TRect(0, 0, 10, 10));
    EXPECT_FALSE(panel.GetBufferedDisplay());
}

TEST(PanelExport, ClipboardImageHasThePanelsSize)
{
    BackgroundPanel panel;
    panel.CopyToClipboardBitmap();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(400, 250));
    panel.CopyToClipboardBitmap(TRect(0, 0, 50, 40));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(50, 40));
    panel.CopyToClipboardMetafile(true);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));
}

TEST(PanelExport, AssigningToAPictureGivesABitmapOnThePanelColour)
{
    BackgroundPanel panel;
    panel.SetColor(clNone); // nothing drawn over the background: the bitmap shows it
    TPicture picture;
    panel.AssignTo(&picture);
    EXPECT_EQ(picture.Width(), 400);
    EXPECT_EQ(picture.Height(), 250);
}

TEST(PanelExport, VectorFilesAsSvgAndPdf)
{
    QTemporaryDir dir;
    BackgroundPanel panel;
    MakeRed(panel);
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(panel.SaveToMetafile(svg));
    ASSERT_TRUE(panel.SaveToMetafileEnh(pdf));
    QFile s(svg), p(pdf);
    ASSERT_TRUE(s.open(QIODevice::ReadOnly));
    ASSERT_TRUE(p.open(QIODevice::ReadOnly));
    const QByteArray svgText = s.readAll();
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("viewBox=\"0 0 400 250\""));
    EXPECT_TRUE(p.readAll().startsWith("%PDF"));
}

TEST(PanelExport, VectorFilesFillTheirPageAtTheScreensSize)
{
    QTemporaryDir dir;
    BackgroundPanel panel; // 400 x 250, red all over
    MakeRed(panel);
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(panel.SaveToMetafile(svg));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    // The stated size is the panel's size at the screen's resolution.
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""))
                                             .match(QString::fromUtf8(text));
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble(), 400 * 25.4 / dpi, 0.01);
    EXPECT_NEAR(size.captured(2).toDouble(), 250 * 25.4 / dpi, 0.01);
    // Drawn at its own size the picture reaches the far corner.
    QImage drawn(400, 250, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QSvgRenderer renderer(text);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(drawn.pixel(396, 246), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(200, 125), qRgb(255, 0, 0));

    // The PDF page is one point per pixel: a 72-dpi device like it gets the whole chart.
    const auto metafile = panel.TeeCreateMetafile(true, panel.GetRectangle());
    EXPECT_TRUE(metafile->PdfData().contains("/MediaBox [0 0 400.000000 250.000000]"));
    QImage page(400, 250, QImage::Format_RGB32);
    page.setDotsPerMeterX(2835); // 72 dpi
    page.setDotsPerMeterY(2835);
    page.fill(Qt::white);
    QPainter pagePainter(&page);
    metafile->Replay(pagePainter);
    pagePainter.end();
    EXPECT_EQ(page.pixel(396, 246), qRgb(255, 0, 0));
}

TEST(PanelExport, AZeroSizedRectangleStillGivesAOneByOneMetafile)
{
    BackgroundPanel panel;
    const auto metafile = panel.TeeCreateMetafile(true, TRect(5, 5, 5, 5));
    EXPECT_EQ(metafile->Width(), 1);
    EXPECT_EQ(metafile->Height(), 1);
    EXPECT_TRUE(metafile->Enhanced());
}

TEST(PanelExport, AntiAliasedPictureHasThePanelsSizeAndRestoresTheSettings)
{
    BackgroundPanel panel;
    panel.SetColor(clYellow);
    panel.SetBevelOuter(bvNone);
    const QImage smooth = TeeAntiAlias(&panel);
    EXPECT_EQ(smooth.size(), QSize(400, 250));
    EXPECT_EQ(smooth.format(), QImage::Format_RGB888);
    EXPECT_EQ(smooth.pixel(200, 125), qRgb(255, 255, 0));
    EXPECT_TRUE(panel.RepaintEnabled());
    EXPECT_TRUE(panel.GetBufferedDisplay());
    EXPECT_EQ(panel.Canvas3D()->FontZoom(), 100.0);
    EXPECT_TRUE(panel.NeedsPaint());
}

} // namespace

namespace {

class TwoLines : public TTeeExportData
{
public:
    QString AsString() override { return QStringLiteral("a;b\r\nï;2"); }
};

TEST(ExportData, FileHoldsExactlyTheTextAndTheClipboardTakesIt)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("data.txt"));
    {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("a much longer text that must not survive");
    }
    TwoLines data;
    ASSERT_TRUE(data.SaveToFile(name));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("a;b\r\n\xC3\xAF;2"));
    data.CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a;b\r\nï;2"));
    EXPECT_FALSE(data.SaveToFile(dir.filePath(QStringLiteral("no/such/dir.txt"))));
}

TEST(PanelCanvas, AReplacedCanvasKeepsTheSettingsAndRepaints)
{
    BackgroundPanel panel;
    panel.SetMonochrome(true);
    panel.Painted();
    const int draws = panel.draws;
    auto* canvas = new TTeeCanvas3D;
    panel.SetInternalCanvas(canvas);
    EXPECT_EQ(panel.Canvas3D(), canvas);
    EXPECT_TRUE(canvas->GetMonochrome());
    EXPECT_EQ(panel.draws, draws + 1);
    panel.SetInternalCanvas(nullptr);
    EXPECT_EQ(panel.Canvas3D(), canvas);
}

TEST(PanelCanvas, APatternInTheBackColourTurnsBlackOrWhite)
{
    BackgroundPanel panel;
    panel.Painted();
    TBrush hatch;
    hatch.SetStyle(bsCross);
    panel.SetBrushCanvas(clRed, &hatch, clRed);
    EXPECT_EQ(panel.Canvas3D()->Brush()->Color(), clBlack);
    panel.SetBrushCanvas(clBlack, &hatch, clBlack);
    EXPECT_EQ(panel.Canvas3D()->Brush()->Color(), clWhite);
    panel.SetBrushCanvas(clRed, &hatch, clBlue);
    EXPECT_EQ(panel.Canvas3D()->Brush()->Color(), clRed);
    TBrush solid;
    panel.SetBrushCanvas(clRed, &solid, clRed);
    EXPECT_EQ(panel.Canvas3D()->Brush()->Color(), clRed);
}

} // namespace
