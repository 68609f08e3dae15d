#pragma once

// A device context of our own over QPainter. It keeps the drawing state that the window
// system's device context kept and QPainter does not (current position, text alignment and
// colour, background colour and mode, character spacing, raster operation, the clip region,
// font escapement) and reproduces the pixel rules the chart code relies on: a rectangle or an
// ellipse leaves out its right and bottom edge, a line leaves out its last pixel, arcs and pies
// run counter-clockwise between radial points, polygons fill alternate (odd-even).
// It draws on any paint device: a QImage back buffer, a printer, a PDF or SVG generator; the
// one-pixel line rules apply on raster devices, vector devices get plain lines.
// Without a device it only measures text.

#include <QBrush>
#include <QFont>
#include <QHash>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QRegion>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Colors.h"
#include "platform/graphics/SystemColors.h"
#include "platform/Types.h"

// Raster operations of pen and brush drawing, numbered as the window system numbers them.
enum TRop2 : uint8_t {
    R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT, R2_XORPEN, R2_NOTMASKPEN,
    R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN, R2_COPYPEN, R2_MERGEPENNOT, R2_MERGEPEN, R2_WHITE
};

struct TPixelBounds;
class TLineWalk;

class TDeviceContext
{
public:
    TDeviceContext();
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    // Starts drawing on device with a painter of our own; false when the device refuses.
    bool Begin(QPaintDevice* device);
    // Draws with a painter that is already active (not owned), such as a widget's in its
    // paint event or a printer's.
    void BeginOnPainter(QPainter* painter);
    // Ends (or lets go of) the painter; the state is kept.
    void End();
    bool Active() const { return FPainter != nullptr; }
    QPainter* Painter() const { return FPainter; }
    QPaintDevice* Device() const { return FPainter ? FPainter->device() : nullptr; }
    // The image drawn on, when the device is one (read-only while drawing).
    const QImage* Image() const;
    // The device's size in pixels and in millimetres; zeros without a device. An image's
    // millimetres come from its exact resolution rather than the device's whole millimetres,
    // so that equal resolutions give exactly equal pixel proportions.
    QSize PixelSize() const;
    QSizeF PhysicalSize() const;
    // The drawing coordinates whose pixels can land on the device, with a pixel to spare on
    // each side, no farther than 2^29 from the origin; empty without a device.
    TRect ReachableRect() const;

    // ---- selected objects ----
    // Qt::NoPen draws no outline. A cosmetic pen of width 0 or 1 draws one-pixel lines.
    void SelectPen(const QPen& pen);
    const QPen& Pen() const { return FPen; }
    // Qt::NoBrush fills nothing.
    void SelectBrush(const QBrush& brush);
    const QBrush& Brush() const { return FBrush; }
    // escapement in tenths of a degree, counter-clockwise.
    void SelectFont(const QFont& font, int32_t escapement = 0);
    const QFont& Font() const { return FFont; }
    int32_t Escapement() const { return FEscapement; }

    // ---- state ----
    void SetRop2(TRop2 mode);
    TRop2 Rop2() const { return FRop2; }
    void SetTextAlign(uint32_t flags) { FTextAlign = flags; }
    uint32_t TextAlign() const { return FTextAlign; }
    void SetTextColor(TColor color) { FTextColor = color; }
    TColor TextColor() const { return FTextColor; }
    void SetBkColor(TColor color);
    TColor BkColor() const { return FBkColor; }
    // 1 transparent, 2 opaque.
    void SetBkMode(int32_t mode);
    int32_t BkMode() const { return FBkMode; }
    void SetTextCharacterExtra(int32_t extra);
    int32_t TextCharacterExtra() const { return FCharExtra; }
    TPoint CurrentPosition() const { return FPosition; }

    // ---- clipping ----
    // True and region filled when drawing is clipped.
    bool GetClipRegion(QRegion& region) const;
    // Intersects the clip with region.
    void IntersectClipRegion(const QRegion& region);
    // Replaces the clip with region.
    void SelectClipRegion(const QRegion& region);
    void RemoveClip();
    // The outline of path (odd-even) intersected with the clip.
    void IntersectClipPath(const QPainterPath& path);
    // The area of the text drawn by TextOut at (x, y), or of its outline stroked this wide
    // when strokeWidth is above 0, intersected with the clip.
    void IntersectClipText(int32_t x, int32_t y, const QString& text, int strokeWidth);
    // A rounded rectangle as a region whose corners have this radius.
    static QRegion RoundRectRegion(const QRect& rect, double radius);
    // The pixels of a polygon filled odd-even, as a region to clip with: only those that can
    // reach the device, which keeps a polygon reaching far beyond it cheap.
    QRegion PolygonRegion(const TPoint* points, int count) const;

    // ---- primitives (device coordinates) ----
    void MoveTo(int32_t x, int32_t y) { FPosition = TPoint(x, y); }
    // From the current position to (x, y), leaving out (x, y).
    void LineTo(int32_t x, int32_t y);
    void Polyline(const TPoint* points, int count);
    // Odd-even fill, then the closed outline through every vertex.
    void Polygon(const TPoint* points, int count);
    // Right and bottom edges outside; without a pen the fill is one pixel smaller.
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height);
    // Counter-clockwise from the radial through (x3, y3) to the one through (x4, y4).
    void Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x3, int32_t y3, int32_t x4, int32_t y4);
    void Pie(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x3, int32_t y3, int32_t x4, int32_t y4);
    // Every pixel of rect with brush; no pen, no raster operation.
    void FillRect(const TRect& rect, const QBrush& brush);
    // A path stroked with the pen and/or filled with the brush.
    void DrawPath(const QPainterPath& path, bool stroke, bool fill);
    // A ring sector stroked and filled: from outerStart along the outer ellipse for span
    // degrees from startDeg, to innerEnd, back along the inner ellipse unless inner is
    // empty, and closed.
    void RingSector(const QRectF& outer, const QRectF& inner, const QPointF& outerStart,
                    const QPointF& innerEnd, double startDeg, double spanDeg);
    void SetPixel(int32_t x, int32_t y, TColor color);
    // The pixel's RGB colour; clNone outside the image or on a device that cannot be read.
    TColor GetPixel(int32_t x, int32_t y) const;

    // ---- text ----
    // Text at (x, y) placed by the alignment flags, in the text colour, on the background
    // colour when opaque, turned by the font's escapement.
    void TextOut(int32_t x, int32_t y, const QString& text);
    TSize TextExtent(const QString& text) const;
    int32_t FontAscent() const;
    int32_t FontDescent() const;
    // The outline of the text as drawn by TextOut at (x, y).
    QPainterPath TextPath(int32_t x, int32_t y, const QString& text) const;
    // The text's outline stroked with the pen, and filled with the brush when fill is true.
    void TextOutline(int32_t x, int32_t y, const QString& text, bool fill);

    // ---- pictures ----
    void DrawImage(int32_t x, int32_t y, const QImage& image);
    void StretchImage(const TRect& rect, const QImage& image);

    // The font with extra spacing, as Qt draws it, and its metrics.
    const QFont& EffectiveFont() const;
    const QFontMetrics& Metrics() const;

private:
    // Applies the raster operation; false when nothing must be drawn (R2_NOP).
    bool PrepareRop();
    // Orders a box's corners; false when there is no painter, the box is empty or the
    // raster operation draws nothing.
    bool BeginBox(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom);
    bool SolidHairline() const;
    bool PixelExact() const;
    void Measure() const;
    void ClipChanged();
    bool PolylineThroughMask(const TPoint* points, int count, const TPixelBounds& bounds);
    // The device's pixels in drawing coordinates (everywhere under a scaling transform).
    TPixelBounds DeviceBounds() const;
    // A long wide polyline as separate segments, where that leaves the pixels as they are.
    bool WidePolylineInPieces(const TPoint* points, int count);
    // The outline pixels of the ellipse in the pixels x0..x1, y0..y1 into FScratch, and each
    // row's outermost pixels into FRowSpans.
    void TraceEllipse(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    // The traced ellipse in the box, filled with the brush where there is one.
    void PaintTracedEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // The polygon filled with the brush where there is one, then its closed outline.
    void PaintPolygon(const TPoint* points, int count);
    // What a stamp is the picture of, its pen and brush aside: an ellipse of a size, or a
    // polygon of a shape (vertices from the corner of its pixels).
    struct TStampKey {
        enum { kEllipse, kPolygon } Kind;
        int32_t Width, Height;
        std::vector<TPoint> Shape;
        bool operator==(const TStampKey&) const = default;
    };
    // Draws the stamp of key with the current pen and brush at (left, top), made first when
    // there is none yet; false, drawing nothing, where a stamp would not give the pixels of
    // drawing.
    bool Stamped(int32_t left, int32_t top, const TStampKey& key);
    // Pixels of a line's walk into out (at most room); returns how many.
    static int AppendLinePixels(QPoint* out, int room, const TLineWalk& walk);
    // The pixels x0..x1, y0..y1 (inclusive) that lie on the device, in color.
    void FillPixels(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const QColor& color);
    // A picture stretched over a box too large for Qt's scaling, filled pixel by pixel of it;
    // false, drawing nothing, for an inverted box or where the device's pixels are not drawing
    // coordinates.
    bool StretchImageCells(const TRect& rect, const QImage& image);
    // Whether an int holds the box's width and height.
    static bool BoxFits(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // The box of an outline as Qt takes it (one pixel smaller: Qt draws one wider), in doubles,
    // which hold any box's size.
    static QRectF OutlineBox(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Cuts a box to the device with pixels to spare, so that what the device shows of its
    // filled and outlined rectangle stays the same.
    void CutToDevice(int32_t& left, int32_t& top, int32_t& right, int32_t& bottom) const;
    // Coordinates kept within this reach of the origin measure any span in an int.
    static constexpr int64_t kFarthest = int64_t(1) << 29;
    void ApplyPen();
    void ApplyBrush();
    double RadialAngle(double cx, double cy, double rx, double ry, int32_t x, int32_t y) const;
    void ArcOrPie(bool pie, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x3, int32_t y3,
                  int32_t x4, int32_t y4);

    QPainter* FPainter = nullptr;
    std::unique_ptr<QPainter> FOwnPainter;
    QPen FPen;
    QBrush FBrush;
    QFont FFont;
    int32_t FEscapement = 0;
    TRop2 FRop2 = R2_COPYPEN;
    uint32_t FTextAlign = 0;
    TColor FTextColor = clBlack;
    TColor FBkColor = clWhite;
    int32_t FBkMode = 2;
    int32_t FCharExtra = 0;
    TPoint FPosition;
    QPolygon FScratch; // reused by line drawing: no allocation per call
    QImage FMask;      // reused by long polylines
    std::vector<QLine> FLineScratch; // reused by wide polylines drawn as segments
    std::vector<int32_t> FRowSpans;  // reused by ellipse outlines
    std::vector<TPoint> FClosedScratch; // reused by polygon outlines
    struct TStamp {
        TStampKey Key;
        QPen Pen;
        QBrush Brush;
        QImage Image;
        uint64_t LastUse = 0;
    };
    std::vector<TStamp> FStamps;
    uint64_t FStampClock = 0;
    TStampKey FPolygonKey{TStampKey::kPolygon, 0, 0, {}}; // reused: no allocation per polygon
    struct TMeasure {
        QFont Font;
        QFontMetrics Metrics;
        // Widths of texts measured with this font: charts measure the same few texts (mark
        // values, axis labels) over and over, and each measure would shape the text anew.
        QHash<QString, int> Widths;
        // Glyphs of texts drawn with this font, placed from the baseline's start, for the
        // device resolution below.
        QHash<QString, QList<QGlyphRun>> Glyphs;
        int GlyphDpiX = 0;
        int GlyphDpiY = 0;
    };
    mutable std::optional<TMeasure> FMeasure;
    // The width of text in the current font.
    int TextWidth(const QString& text) const;
    // The glyphs that drawing text in the current font on the current device would place, or
    // none when text must be drawn as text (see TextOut).
    const QList<QGlyphRun>* KeptGlyphs(const QString& text);
};

// The raster operation of a pen mode, numbered as the class library numbers modes (pmBlack 0
// ... pmNotXor 15).
TRop2 Rop2OfPenMode(int mode);
