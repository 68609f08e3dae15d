#pragma once

#include <QByteArray>
#include <QImage>

#include "platform/Exceptions.h"
#include "platform/graphics/GraphicsObject.h"

// Data that is not a picture the program can read.
class EInvalidGraphic : public Exception
{
public:
    using Exception::Exception;
};

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
    // Image file data in any readable format; false (and the picture unchanged) when it is not.
    // The data is kept to be saved again as it was.
    bool LoadFromData(const QByteArray& data);
    // The data the image was read from, or the image as PNG data; empty without an image.
    QByteArray SaveToData() const;

    // From another picture: a copy of its image (none when it has none).
    void Assign(TPersistent* source) override;

private:
    QImage FGraphic;
    // What LoadFromData read, until the image is replaced: writing the image anew would not
    // give it back (a PNG's gamma becomes a colour profile that changes on every round).
    QByteArray FData;
    bool FTransparent = false;
};
