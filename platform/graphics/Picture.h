#pragma once

#include <QImage>

#include "platform/graphics/GraphicsObject.h"

// A picture holding one image, or none.
class TPicture : public TGraphicsObject
{
public:
    explicit TPicture(TNotifyEvent changeHandler = {}) : TGraphicsObject(std::move(changeHandler)) {}

    const QImage& Graphic() const { return FGraphic; }
    void SetGraphic(const QImage& image);
    bool Empty() const { return FGraphic.isNull(); }
    int Width() const { return FGraphic.width(); }
    int Height() const { return FGraphic.height(); }
    // Whether the picture's background shows through where it is drawn.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Removes the image.
    void Clear();
    // Reads an image file; false (and the picture unchanged) when it cannot be read.
    bool LoadFromFile(const QString& fileName);

    // From another picture: a copy of its image (none when it has none).
    void Assign(TPersistent* source) override;

private:
    QImage FGraphic;
    bool FTransparent = false;
};
