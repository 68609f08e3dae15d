#include "chart/core/TeeExportData.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

void TTeeExportData::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(AsString());
}

void TTeeExportData::SaveToStream(QIODevice& stream)
{
    stream.write(AsString().toUtf8());
}

bool TTeeExportData::SaveToFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    SaveToStream(file);
    return file.error() == QFileDevice::NoError;
}
