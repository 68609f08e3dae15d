#include "chart/core/Pen.h"

void TPen::SetColor(TColor value)
{
    if (FColor != value) {
        FColor = value;
        Changed();
    }
}

void TPen::SetMode(TPenMode value)
{
    if (FMode != value) {
        FMode = value;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle value)
{
    if (FStyle != value) {
        FStyle = value;
        Changed();
    }
}

void TPen::SetWidth(int32_t value)
{
    if (FWidth != value) {
        FWidth = value;
        Changed();
    }
}

void TPen::Assign(TPersistent* source)
{
    if (auto* pen = dynamic_cast<TPen*>(source)) {
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}
