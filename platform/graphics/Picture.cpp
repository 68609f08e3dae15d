#include "platform/graphics/Picture.h"

#include <QBuffer>

void TPicture::SetGraphic(const QImage& image)
{
    // Images are not compared pixel by pixel: every assignment notifies.
    FGraphic = image;
    FData.clear();
    Changed();
}

void TPicture::SetTransparent(bool value)
{
    SetProp(FTransparent, value);
}

void TPicture::Clear()
{
    if (!FGraphic.isNull()) {
        FGraphic = QImage();
        FData.clear();
        Changed();
    }
}

bool TPicture::LoadFromFile(const QString& fileName)
{
    QImage image;
    if (!image.load(fileName))
        return false;
    SetGraphic(image);
    return true;
}

bool TPicture::LoadFromData(const QByteArray& data)
{
    QImage image;
    if (!image.loadFromData(data))
        return false;
    FGraphic = image;
    FData = data;
    Changed();
    return true;
}

QByteArray TPicture::SaveToData() const
{
    // What was read is given back as it was (and nothing without an image).
    if (!FData.isEmpty() || FGraphic.isNull())
        return FData;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    FGraphic.save(&buffer, "PNG");
    return data;
}

void TPicture::Assign(TPersistent* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (auto* picture = dynamic_cast<TPicture*>(source)) {
        FTransparent = picture->FTransparent;
        FGraphic = picture->FGraphic;
        FData = picture->FData;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}
