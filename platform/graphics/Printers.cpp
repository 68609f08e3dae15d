#include "platform/graphics/Printers.h"

const char* const SNoDefaultPrinter = "There is no default printer currently selected";

namespace {
TPrinter* currentPrinter = nullptr;
}

TPrinter* Printer()
{
    if (!currentPrinter)
        throw EPrinter(QString::fromLatin1(SNoDefaultPrinter));
    return currentPrinter;
}

void SetPrinter(TPrinter* printer)
{
    currentPrinter = printer;
}

TPrinter* InstalledPrinter()
{
    return currentPrinter;
}
