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

void TMetafile::Replay(QPainter& painter) const
{
    // A picture replays scaled by the device's resolution over the one it was recorded at;
    // the scale is undone so that one recorded pixel is one device pixel.
    const QPaintDevice* device = painter.device();
    painter.save();
    if (device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
        painter.scale(double(FPicture.logicalDpiX()) / device->logicalDpiX(),
                      double(FPicture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, FPicture);
    painter.restore();
}

QByteArray TMetafile::SvgData() const
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(FPicture.logicalDpiX());
    generator.setSize(QSize(FWidth, FHeight));
    generator.setViewBox(QRect(0, 0, FWidth, FHeight));
    QPainter painter(&generator);
    Replay(painter);
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
    Replay(painter);
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
