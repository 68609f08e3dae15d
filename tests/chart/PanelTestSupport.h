#pragma once

// A panel that draws only its background, and a printer page of our own.

#include <QImage>

#include "chart/core/CustomTeePanel.h"
#include "platform/graphics/Printers.h"

class BackgroundPanel : public TCustomTeePanelExtended
{
public:
    explicit BackgroundPanel(TComponent* owner = nullptr) : TCustomTeePanelExtended(owner) {}
    int draws = 0;
    void InternalDraw(const TRect& rect) override
    {
        ++draws;
        PanelPaint(rect);
    }
    // Paints into the back buffer as the screen would.
    const QImage& Painted()
    {
        Invalidate();
        Update();
        return BackBuffer();
    }
};

// A page in memory: sizes and resolutions as given, drawing into an image when printing.
class FakePrinter : public TPrinter
{
public:
    FakePrinter(int width, int height, int xDpi = 600, int yDpi = 600)
        : FWidth(width), FHeight(height), FXDpi(xDpi), FYDpi(yDpi)
    {
    }
    int PageWidth() override { return FWidth; }
    int PageHeight() override { return FHeight; }
    int XDpi() override { return FXDpi; }
    int YDpi() override { return FYDpi; }
    TPrinterOrientation Orientation() override { return orientation; }
    void SetOrientation(TPrinterOrientation value) override { orientation = value; }
    void SetTitle(const QString& value) override { title = value; }
    void BeginDoc() override
    {
        page = QImage(FWidth, FHeight, QImage::Format_RGB32);
        page.fill(Qt::white);
        printing = true;
        sheets = 1;
        ++begun;
    }
    void EndDoc() override
    {
        printing = false;
        ++ended;
    }
    void NewPage() override { ++sheets; }
    void Abort() override
    {
        printing = false;
        ++aborted;
    }
    bool Printing() const override { return printing; }
    QPaintDevice* Device() override { return &page; }

    QImage page;
    QString title;
    TPrinterOrientation orientation = poPortrait;
    bool printing = false;
    int begun = 0;
    // Sheets of the current document: one from BeginDoc, one more for each NewPage.
    int sheets = 0;
    int ended = 0;
    int aborted = 0;

private:
    int FWidth;
    int FHeight;
    int FXDpi;
    int FYDpi;
};

// Installs a printer for one test.
class PrinterScope
{
public:
    explicit PrinterScope(TPrinter* printer) : FOld(InstalledPrinter()) { SetPrinter(printer); }
    ~PrinterScope() { SetPrinter(FOld); }

private:
    TPrinter* FOld;
};
