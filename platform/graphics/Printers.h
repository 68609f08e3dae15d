#pragma once

// The printer as the chart sees it: a page of a size in device pixels with a resolution, an
// orientation, a job title and a document to begin, end or abort. The program installs the
// system printer (platform/widgets); tests install a page of their own.

#include <QString>
#include <memory>

#include "platform/Exceptions.h"

class QPaintDevice;

// The printer cannot answer (none installed, or it failed).
class EPrinter : public Exception
{
public:
    using Exception::Exception;
};

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter
{
public:
    virtual ~TPrinter() = default;
    // Page size in device pixels and resolution in dots per inch; EPrinter when unknown.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
    virtual int XDpi() = 0;
    virtual int YDpi() = 0;
    virtual TPrinterOrientation Orientation() = 0;
    virtual void SetOrientation(TPrinterOrientation value) = 0;
    virtual void SetTitle(const QString& title) = 0;
    // A document: BeginDoc, drawing on Device(), EndDoc; Abort drops it.
    virtual void BeginDoc() = 0;
    virtual void EndDoc() = 0;
    // Ends the sheet being drawn and goes on on a fresh one, while drawing on Device() goes on;
    // EPrinter when the printer cannot.
    virtual void NewPage() = 0;
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;
    // The page being printed; valid between BeginDoc and EndDoc.
    virtual QPaintDevice* Device() = 0;
};

// The printer in use; EPrinter "There is no default printer currently selected" when none
// is installed.
TPrinter* Printer();
// The printer in use, none when none is installed.
TPrinter* InstalledPrinter();
// Installs a printer (none removes it); the caller keeps ownership.
void SetPrinter(TPrinter* printer);

extern const char* const SNoDefaultPrinter; // "There is no default printer currently selected"
