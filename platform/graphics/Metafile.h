#pragma once

// The class library's metafile: a recorded vector picture, written as SVG, or as PDF where
// clipping must survive (SVG output drops clip regions).

#include <QByteArray>
#include <QPainter>
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
    // SVG at the resolution the picture was recorded at (the screen's), so that its stated
    // size is the chart's size on screen.
    QByteArray SvgData() const;
    QByteArray PdfData() const;
    // Draws the picture with painter so that it fills the picture's size in the device's
    // pixels, whatever the device's resolution.
    void Replay(QPainter& painter) const;

private:
    bool FEnhanced;
    int FWidth;
    int FHeight;
    QPicture FPicture;
};
