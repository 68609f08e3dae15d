#pragma once

// The class library's metafile: a recorded vector picture, written as SVG, or as PDF where
// clipping must survive (SVG output drops clip regions).

#include <QByteArray>
#include <QPicture>
#include <QString>

class TMetafile
{
public:
    TMetafile(bool enhanced, int width, int height);

    bool Enhanced() const { return FEnhanced; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // The recording, drawn on as a paint device.
    QPicture& Picture() { return FPicture; }

    // A ".pdf" name gives a PDF page of the picture's size, any other an SVG file. An
    // existing file is replaced; false when the file cannot be written.
    bool SaveToFile(const QString& fileName) const;
    QByteArray SvgData() const;
    QByteArray PdfData() const;

private:
    bool FEnhanced;
    int FWidth;
    int FHeight;
    QPicture FPicture;
};
