#pragma once

#include <QString>

class QLibrary;

// Loads a shared library quietly; null when it cannot be loaded.
QLibrary* TeeLoadLibrary(const QString& name);
// Unloads and frees a library from TeeLoadLibrary.
void TeeFreeLibrary(QLibrary* handle);
