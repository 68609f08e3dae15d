// One drawing on different paint devices: the same primitives reach each device, whatever
// its resolution or whether it knows raster operations; a PDF page and an image both get it.

#include <gtest/gtest.h>

#include <QPaintEngine>
#include <QBuffer>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTextItem>

#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeFont.h"
#include "chart/core/View3DOptions.h"

namespace {

// A paint engine that writes down what it is asked to draw.
class TLogEngine : public QPaintEngine
{
public:
    explicit TLogEngine(bool rasterOps)
        : QPaintEngine(rasterOps ? QPaintEngine::AllFeatures
                                 : QPaintEngine::PaintEngineFeatures(QPaintEngine::AllFeatures & ~QPaintEngine::RasterOpModes))
    {
    }
    QStringList Log;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { Add("pixmap", r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        Add("image", r);
    }
    void drawRects(const QRect* rects, int n) override
    {
        for (int i = 0; i < n; ++i)
            Add("rect", QRectF(rects[i]));
    }
    void drawRects(const QRectF* rects, int n) override
    {
        for (int i = 0; i < n; ++i)
            Add("rect", rects[i]);
    }
    void drawLines(const QLine* lines, int n) override
    {
        for (int i = 0; i < n; ++i)
            Log << QStringLiteral("line %1,%2-%3,%4").arg(lines[i].x1()).arg(lines[i].y1()).arg(lines[i].x2()).arg(lines[i].y2());
    }
    void drawEllipse(const QRect& r) override { Add("ellipse", QRectF(r)); }
    void drawEllipse(const QRectF& r) override { Add("ellipse", r); }
    void drawPath(const QPainterPath& path) override { Add("path", path.boundingRect()); }
    void drawPoints(const QPoint* points, int n) override
    {
        Log << QStringLiteral("points %1 from %2,%3").arg(n).arg(points[0].x()).arg(points[0].y());
    }
    void drawPoints(const QPointF* points, int n) override
    {
        Log << QStringLiteral("points %1 from %2,%3").arg(n).arg(points[0].x()).arg(points[0].y());
    }
    void drawPolygon(const QPoint* points, int n, PolygonDrawMode mode) override
    {
        Log << QStringLiteral("polygon %1 mode %2 from %3,%4").arg(n).arg(mode).arg(points[0].x()).arg(points[0].y());
    }
    void drawPolygon(const QPointF* points, int n, PolygonDrawMode mode) override
    {
        Log << QStringLiteral("polygon %1 mode %2 from %3,%4").arg(n).arg(mode).arg(points[0].x()).arg(points[0].y());
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        Log << QStringLiteral("text %1 at %2,%3").arg(item.text()).arg(p.x()).arg(p.y());
    }

private:
    void Add(const char* what, const QRectF& r)
    {
        Log << QStringLiteral("%1 %2,%3 %4x%5").arg(QLatin1String(what)).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

class TLogDevice : public QPaintDevice
{
public:
    TLogDevice(int dpi, bool rasterOps) : FDpi(dpi), FEngine(rasterOps) {}
    QPaintEngine* paintEngine() const override { return const_cast<TLogEngine*>(&FEngine); }
    const QStringList& Log() const { return FEngine.Log; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 300;
        case PdmHeight: return 200;
        case PdmWidthMM: return 300 * 254 / (10 * FDpi);
        case PdmHeightMM: return 200 * 254 / (10 * FDpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return FDpi;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    int FDpi;
    TLogEngine FEngine;
};

// A small chart-like drawing: background, framed text, lines, shapes, a clip and a 3D box.
void DrawScene(TCanvas* device)
{
    class NoParent : public TView3DParent
    {
    public:
        void Invalidate() override {}
    } parent;
    TView3DOptions options(&parent);
    TTeeCanvas3D canvas;
    canvas.SetUseBuffer(false);
    const TRect r = canvas.InitWindow(device, &options, clWhite, true, TRect(0, 0, 300, 200));
    canvas.Projection(20, r);
    canvas.ResetState();
    canvas.GradientFill(TRect(0, 0, 300, 40), clWhite, clSilver, gdTopBottom);
    TTeeFont font;
    font.SetHeight(-14);
    font.Shadow()->SetSize(2);
    canvas.AssignFont(&font);
    canvas.SetTextAlign(TA_CENTER);
    canvas.TextOut(150, 10, QStringLiteral("Pelvaro 2D/3D"));
    canvas.Pen()->SetMode(pmNotXor);
    canvas.Line(10, 190, 290, 50);
    canvas.Pen()->SetMode(pmCopy);
    const TPoint zigzag[5] = {{10, 100}, {40, 60}, {70, 120}, {100, 70}, {130, 110}};
    canvas.Polyline(zigzag, 4);
    canvas.Brush()->SetColor(clRed);
    canvas.Ellipse(150, 60, 200, 100);
    canvas.Pie(210, 60, 260, 110, 260, 85, 235, 60);
    canvas.ClipRectangle(TRect(20, 130, 120, 180));
    canvas.Brush()->SetColor(clBlue);
    canvas.Cube(30, 80, 140, 190, 0, 15, true);
    canvas.UnClipRectangle();
    canvas.Pie3D(200, 150, 30, 20, 0, 10, 0.0, 4.0, true, true, 40);
}

} // namespace

TEST(CanvasDevices, SameDrawingSamePrimitivesOnScreenAndPrinterLikeDevices)
{
    TLogDevice screen(96, true), printer(1200, false);
    {
        TCanvas device;
        ASSERT_TRUE(device.BeginPaint(&screen));
        DrawScene(&device);
    }
    {
        TCanvas device;
        ASSERT_TRUE(device.BeginPaint(&printer));
        DrawScene(&device);
    }
    ASSERT_GT(screen.Log().size(), 20);
    EXPECT_EQ(screen.Log(), printer.Log());
}

TEST(CanvasDevices, ImageAndPdfPageBothReceiveTheDrawing)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas device;
        ASSERT_TRUE(device.BeginPaint(&image));
        DrawScene(&device);
    }
    int coloured = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            coloured += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(coloured, 3000);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scene.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(96);
        TCanvas device;
        ASSERT_TRUE(device.BeginPaint(&pdf));
        DrawScene(&device);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 2000);
}

TEST(CanvasDevices, VectorDevicesGetLinesAsLines)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(300, 200));
        TCanvas device;
        ASSERT_TRUE(device.BeginPaint(&svg));
        TTeeCanvas3D canvas;
        canvas.SetUseBuffer(false);
        canvas.InitWindow(&device, nullptr, clWhite, false, TRect(0, 0, 300, 200));
        const TPoint zigzag[4] = {{10, 100}, {40, 60}, {70, 120}, {100, 70}};
        canvas.Polyline(zigzag, 3);
        canvas.Line(0, 0, 50, 30);
    }
    const QByteArray svgText = buffer.data();
    // One polyline element with the four points, and one line: no pixel-by-pixel dots.
    EXPECT_TRUE(svgText.contains("polyline")) << svgText.constData();
    EXPECT_LT(svgText.count("<rect"), 3);
}
