#include "platform/graphics/ApplicationServices.h"

namespace {
TApplicationServices windowless;
TApplicationServices* current = &windowless;
} // namespace

TApplicationServices& Application()
{
    return *current;
}

void SetApplicationServices(TApplicationServices* services)
{
    current = services ? services : &windowless;
}
