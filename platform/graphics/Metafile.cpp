#include "platform/graphics/Metafile.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

TMetafile::TMetafile(bool enhanced, int width, int height)
    : FEnhanced(enhanced), FWidth(std::max(width, 1)), FHeight(std::max(height, 1))
{
}

QByteArray TMetafile::SvgData() const
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(FWidth, FHeight));
    generator.setViewBox(QRect(0, 0, FWidth, FHeight));
    QPainter painter(&generator);
    painter.drawPicture(0, 0, FPicture);
    painter.end();
    return data;
}

QByteArray TMetafile::PdfData() const
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    // One point per pixel: the page is the picture's size.
    writer.setResolution(72);
    writer.setPageSize(QPageSize(QSizeF(FWidth, FHeight), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.drawPicture(0, 0, FPicture);
    painter.end();
    return data;
}

bool TMetafile::SaveToFile(const QString& fileName) const
{
    const QByteArray data = fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? PdfData() : SvgData();
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}
