#include "platform/widgets/SystemPrinter.h"

#include <QPageLayout>
#include <QPrinterInfo>

TSystemPrinter::TSystemPrinter() = default;

QPrinter& TSystemPrinter::QtPrinter()
{
    // The print system is asked only when something is printed.
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

TSystemPrinter::~TSystemPrinter() = default;

void TSystemPrinter::CheckValid()
{
    if (!QtPrinter().isValid()
        || (QtPrinter().outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty()))
        throw EPrinter(QString::fromLatin1(SNoDefaultPrinter));
}

int TSystemPrinter::PageWidth()
{
    CheckValid();
    return QtPrinter().width();
}

int TSystemPrinter::PageHeight()
{
    CheckValid();
    return QtPrinter().height();
}

int TSystemPrinter::XDpi()
{
    CheckValid();
    return QtPrinter().logicalDpiX();
}

int TSystemPrinter::YDpi()
{
    CheckValid();
    return QtPrinter().logicalDpiY();
}

TPrinterOrientation TSystemPrinter::Orientation()
{
    return QtPrinter().pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TSystemPrinter::SetOrientation(TPrinterOrientation value)
{
    QtPrinter().setPageOrientation(value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TSystemPrinter::SetTitle(const QString& title)
{
    QtPrinter().setDocName(title);
}

void TSystemPrinter::BeginDoc()
{
    CheckValid();
    FPrinting = true;
}

void TSystemPrinter::EndDoc()
{
    // The job is sent when the page's painter ends.
    FPrinting = false;
}

void TSystemPrinter::NewPage()
{
    // Qt can only start a sheet while a painter is drawing on the printer.
    if (!QtPrinter().newPage())
        throw EPrinter(QStringLiteral("Printing failed"));
}

void TSystemPrinter::Abort()
{
    // While a painter is still drawing, the job is dropped instead of sent when it ends.
    if (QtPrinter().printerState() == QPrinter::Active)
        QtPrinter().abort();
    FPrinting = false;
}

QPaintDevice* TSystemPrinter::Device()
{
    return &QtPrinter();
}

namespace {
std::unique_ptr<TSystemPrinter> systemPrinter;
}

void InitializeSystemPrinter()
{
    if (systemPrinter)
        return;
    systemPrinter = std::make_unique<TSystemPrinter>();
    SetPrinter(systemPrinter.get());
}

void FinalizeSystemPrinter()
{
    if (InstalledPrinter() == systemPrinter.get())
        SetPrinter(nullptr);
    systemPrinter.reset();
}
