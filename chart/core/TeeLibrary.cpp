#include "chart/core/TeeLibrary.h"

#include <QLibrary>

QLibrary* TeeLoadLibrary(const QString& name)
{
    auto* library = new QLibrary(name);
    if (!library->load()) {
        delete library;
        return nullptr;
    }
    return library;
}

void TeeFreeLibrary(QLibrary* handle)
{
    if (!handle)
        return;
    handle->unload();
    delete handle;
}
