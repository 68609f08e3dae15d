#pragma once

// The system printer behind the chart's printer interface.

#include <QPrinter>
#include <memory>

#include "platform/graphics/Printers.h"

class TSystemPrinter : public TPrinter
{
public:
    TSystemPrinter();
    ~TSystemPrinter() override;

    int PageWidth() override;
    int PageHeight() override;
    int XDpi() override;
    int YDpi() override;
    TPrinterOrientation Orientation() override;
    void SetOrientation(TPrinterOrientation value) override;
    void SetTitle(const QString& title) override;
    void BeginDoc() override;
    void EndDoc() override;
    void NewPage() override;
    void Abort() override;
    bool Printing() const override { return FPrinting; }
    QPaintDevice* Device() override;

    // The Qt printer, made on first use.
    QPrinter& QtPrinter();

private:
    // EPrinter when no printer is installed.
    void CheckValid();

    std::unique_ptr<QPrinter> FPrinter;
    bool FPrinting = false;
};

// Installs the system printer as the chart's printer, once; FinalizeSystemPrinter removes it.
void InitializeSystemPrinter();
void FinalizeSystemPrinter();
