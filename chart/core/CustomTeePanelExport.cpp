// Export, clipboard and printing of a panel: each draws the panel with the screen's drawing,
// unbuffered, onto another canvas.

#include "chart/core/CustomTeePanel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>

#include "platform/graphics/Canvas.h"
#include "chart/core/TeeCanvas3D.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/DeviceMapping.h"
#include "platform/graphics/Picture.h"

namespace {

// Runs undo when the scope ends, normally or by an exception.
template <class F>
class ScopeExit
{
public:
    explicit ScopeExit(F f) : FUndo(std::move(f)) {}
    ~ScopeExit() { FUndo(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F FUndo;
};

} // namespace

void TCustomTeePanel::NonBufferDraw(TCanvas* ACanvas, const TRect& R)
{
    const bool old = GetBufferedDisplay();
    SetBufferedDisplay(false);
    // The draw lays the chart out for R: the screen is drawn again afterwards, so that the
    // plot rectangle and the axes that mouse handling reads are the screen's once more.
    ScopeExit restore([&] {
        SetBufferedDisplay(old);
        Invalidate();
    });
    Draw(ACanvas, R);
}

void TCustomTeePanel::DrawToMetaCanvas(TCanvas* ACanvas, const TRect& Rect)
{
    FMetafiling = true;
    ScopeExit restore([&] { FMetafiling = false; });
    NonBufferDraw(ACanvas, Rect);
}

QImage TCustomTeePanel::TeeCreateBitmap(TColor backColor, const TRect& rect, QImage::Format format)
{
    if (FCanvas3D->GetSupportsFullRotation())
        format = QImage::Format_RGB888;
    QImage bitmap(std::max(rect.Width(), 1), std::max(rect.Height(), 1), format);
    // A new bitmap is white; any other background is filled in first.
    bitmap.fill(TColorToQColor(backColor == clWhite ? clWhite : ColorToRGB(backColor)));
    TCanvas canvas;
    if (!canvas.BeginPaint(&bitmap))
        return bitmap;
    ScopeExit end([&] { canvas.EndPaint(); });
    NonBufferDraw(&canvas, rect);
    return bitmap;
}

std::unique_ptr<TMetafile> TCustomTeePanel::TeeCreateMetafile(bool enhanced, const TRect& rect)
{
    auto metafile = std::make_unique<TMetafile>(enhanced, rect.Width(), rect.Height());
    TCanvas canvas;
    if (canvas.BeginPaint(&metafile->Picture())) {
        ScopeExit end([&] { canvas.EndPaint(); });
        DrawToMetaCanvas(&canvas, rect);
    }
    return metafile;
}

bool TCustomTeePanel::SaveToBitmapFile(const QString& fileName)
{
    return SaveToBitmapFile(fileName, GetRectangle());
}

bool TCustomTeePanel::SaveToBitmapFile(const QString& fileName, const TRect& rect)
{
    return TeeCreateBitmap(clWhite, rect).save(fileName);
}

bool TCustomTeePanel::SaveToMetafile(const QString& fileName)
{
    return SaveToMetafileRect(false, fileName, GetRectangle());
}

bool TCustomTeePanel::SaveToMetafileEnh(const QString& fileName)
{
    return SaveToMetafileRect(true, fileName, GetRectangle());
}

bool TCustomTeePanel::SaveToMetafileRect(bool enhanced, const QString& fileName, const TRect& rect)
{
    return TeeCreateMetafile(enhanced, rect)->SaveToFile(fileName);
}

void TCustomTeePanel::CopyToClipboardBitmap()
{
    CopyToClipboardBitmap(GetRectangle());
}

void TCustomTeePanel::CopyToClipboardBitmap(const TRect& rect)
{
    QGuiApplication::clipboard()->setImage(TeeCreateBitmap(clWhite, rect));
}

void TCustomTeePanel::CopyToClipboardMetafile(bool enhanced)
{
    CopyToClipboardMetafile(enhanced, GetRectangle());
}

void TCustomTeePanel::CopyToClipboardMetafile(bool enhanced, const TRect& rect)
{
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), TeeCreateMetafile(enhanced, rect)->SvgData());
    QGuiApplication::clipboard()->setMimeData(data);
}

void TCustomTeePanel::AssignTo(TPersistent* Dest)
{
    if (auto* picture = dynamic_cast<TPicture*>(Dest)) {
        picture->SetGraphic(TeeCreateBitmap(Color(), GetRectangle()));
        return;
    }
    TCustomPanelNoCaption::AssignTo(Dest);
}

// ---- printing ----

TRect TCustomTeePanel::CalcProportionalMargins()
{
    const TRect panel = GetRectangle();
    const double w = panel.Width();
    const double h = panel.Height();
    double pageW;
    double pageH;
    double xDpi = 1;
    double yDpi = 1;
    try {
        TPrinter* printer = Printer();
        pageW = printer->PageWidth();
        pageH = printer->PageHeight();
        xDpi = printer->XDpi();
        yDpi = printer->YDpi();
    } catch (const EPrinter&) {
        // Without a printer the screen stands for the page.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize size = screen ? screen->size() : QSize(1024, 768);
        pageW = size.width();
        pageH = size.height();
    }
    constexpr int side = 15;
    // The chart spans the page between the two side margins along one direction; the margins
    // of the other direction centre it at the panel's aspect ratio, measured in inches so that
    // unequal resolutions keep the shape too.
    const auto centred = [](double along, double across, double ratio) {
        const double used = along * (100 - 2 * side) / 100.0 * ratio;
        return Round((across - used) * 100.0 / across / 2.0);
    };
    const auto acrossTopBottom = [&] { return centred(pageW, pageH, w > 0 ? h / w * yDpi / xDpi : 0); };
    const auto acrossLeftRight = [&] { return centred(pageH, pageW, h > 0 ? w / h * xDpi / yDpi : 0); };
    if (h < w) {
        const int m = acrossTopBottom();
        if (m >= 0)
            return TRect(side, m, side, m);
        const int n = acrossLeftRight(); // too tall for the page this way round
        return TRect(n, side, n, side);
    }
    const int m = acrossLeftRight();
    if (m >= 0)
        return TRect(m, side, m, side);
    const int n = acrossTopBottom();
    return TRect(side, n, side, n);
}

TRect TCustomTeePanel::ChartPrintRect()
{
    // Proportional margins are worked out for this print only: the margins the user set stay.
    const TRect margins = FPrintProportional ? CalcProportionalMargins() : FPrintMargins;
    TPrinter* printer = Printer();
    const double pageW = printer->PageWidth();
    const double pageH = printer->PageHeight();
    return TRect(Round(margins.Left * pageW / 100.0), Round(margins.Top * pageH / 100.0),
                 static_cast<int32_t>(pageW) - Round(margins.Right * pageW / 100.0),
                 static_cast<int32_t>(pageH) - Round(margins.Bottom * pageH / 100.0));
}

void TCustomTeePanel::CalcMetaBounds(TRect& r, const TRect& panelRect, int& printW, int& printH, int& panelW,
                                     int& panelH)
{
    printW = std::max(r.Width(), 1);
    printH = std::max(r.Height(), 1);
    panelW = panelRect.Width();
    panelH = panelRect.Height();
    panelW -= MulDiv(panelW, FPrintShrinkPercent, 100);
    panelH -= MulDiv(panelH, FPrintShrinkPercent, 100);
    r.Left = MulDiv(r.Left, panelW, printW);
    r.Right = MulDiv(r.Right, panelW, printW);
    r.Top = MulDiv(r.Top, panelH, printH);
    r.Bottom = MulDiv(r.Bottom, panelH, printH);
}

void TCustomTeePanel::PrintPartialCanvas(TCanvas* PrintCanvas, const TRect& PrintRect)
{
    TRect r = PrintRect.Normalized();
    int printW, printH, panelW, panelH;
    CalcMetaBounds(r, GetRectangle(), printW, printH, panelW, panelH);
    TDeviceContext* dc = PrintCanvas->Handle();
    // Panel units on the page: the panel's size maps onto the print size.
    TDeviceMapping mapping(dc, panelW, panelH, printW, printH);
    FIsPrinting = true;
    ScopeExit endPrinting([&] {
        dc->RemoveClip();
        FIsPrinting = false;
    });
    if (CanClip())
        dc->IntersectClipRegion(QRegion(r.ToQRect()));
    DrawToMetaCanvas(PrintCanvas, r);
}

void TCustomTeePanel::PrintPartial(const TRect& rect)
{
    TCanvas canvas;
    if (!canvas.BeginPaint(Printer()->Device()))
        throw EPrinter(QStringLiteral("Printing failed"));
    ScopeExit end([&] { canvas.EndPaint(); });
    PrintPartialCanvas(&canvas, rect);
}

void TCustomTeePanel::PrintRect(const TRect& rect)
{
    TPrinter* printer = Printer();
    if (!Name().isEmpty())
        printer->SetTitle(Name());
    printer->BeginDoc();
    try {
        PrintPartial(rect);
    } catch (...) {
        printer->Abort();
        if (printer->Printing())
            printer->EndDoc();
        throw;
    }
    printer->EndDoc();
}

void TCustomTeePanel::Print()
{
    PrintRect(ChartPrintRect());
}

void TCustomTeePanel::PrintOrientation(TPrinterOrientation orientation)
{
    TPrinter* printer = Printer();
    const TPrinterOrientation old = printer->Orientation();
    printer->SetOrientation(orientation);
    ScopeExit restore([&] { printer->SetOrientation(old); });
    Print();
}

void TCustomTeePanel::PrintPortrait()
{
    PrintOrientation(poPortrait);
}

void TCustomTeePanel::PrintLandscape()
{
    PrintOrientation(poLandscape);
}
