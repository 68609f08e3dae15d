#include "platform/graphics/Picture.h"

#include <QBuffer>

void TPicture::SetGraphic(const QImage& image)
{
    // Images are not compared pixel by pixel: every assignment notifies.
    FGraphic = image;
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
    SetGraphic(image);
    return true;
}

QByteArray TPicture::SaveToData() const
{
    QByteArray data;
    if (FGraphic.isNull())
        return data;
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
        SetGraphic(picture->FGraphic);
        return;
    }
    TGraphicsObject::Assign(source);
}
