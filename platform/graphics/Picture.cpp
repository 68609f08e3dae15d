#include "platform/graphics/Picture.h"

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
