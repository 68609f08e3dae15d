#include "chart/core/TeeLibrary.h"

#include <QLibrary>
#include <memory>

QLibrary* TeeLoadLibrary(const QString& name)
{
    auto library = std::make_unique<QLibrary>(name);
    if (!library->load())
        return nullptr;
    return library.release(); // the caller frees it with TeeFreeLibrary
}

void TeeFreeLibrary(QLibrary* handle)
{
    if (!handle)
        return;
    handle->unload();
    delete handle;
}
