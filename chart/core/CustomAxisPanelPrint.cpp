// Printing the pages of an axis panel as one document.

#include "chart/core/CustomAxisPanel.h"

#include "platform/graphics/Canvas.h"

void TCustomAxisPanel::PrintPages(int FromPage, int ToPage)
{
    TPrinter* printer = Printer();
    if (!Name().isEmpty())
        printer->SetTitle(Name());
    printer->BeginDoc();
    const int oldPage = FPage;
    // One painter for the whole document: a printer starts a new sheet only while it is drawn on.
    TCanvas canvas;
    try {
        if (ToPage == 0)
            ToPage = NumPages();
        if (FromPage == 0)
            FromPage = 1;
        const TRect rect = ChartPrintRect();
        if (!canvas.BeginPaint(printer->Device()))
            throw EPrinter(QStringLiteral("Printing failed"));
        for (int page = FromPage; page <= ToPage; ++page) {
            SetPage(page);
            PrintPartialCanvas(&canvas, rect);
            if (page < ToPage)
                printer->NewPage();
        }
    } catch (...) {
        // The job is dropped while the painter is still on it, so that nothing half-drawn is sent.
        printer->Abort();
        canvas.EndPaint();
        if (printer->Printing())
            printer->EndDoc();
        SetPage(oldPage);
        throw;
    }
    canvas.EndPaint();
    SetPage(oldPage);
    printer->EndDoc();
}
