#pragma once

// Geometry records and integer arithmetic of the class library, as the chart code expects them.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;

    constexpr TPoint() = default;
    constexpr TPoint(int32_t x, int32_t y) : X(x), Y(y) {}

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
    QPoint ToQPoint() const { return QPoint(X, Y); }
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;

    constexpr TSize() = default;
    constexpr TSize(int32_t w, int32_t h) : cx(w), cy(h) {}

    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle whose right and bottom edges lie outside it (device convention).
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int32_t l, int32_t t, int32_t r, int32_t b) : Left(l), Top(t), Right(r), Bottom(b) {}
    constexpr TRect(TPoint topLeft, TPoint bottomRight)
        : Left(topLeft.X), Top(topLeft.Y), Right(bottomRight.X), Bottom(bottomRight.Y) {}

    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    // Empty when it covers no pixel (also when inverted).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Right and bottom are exclusive.
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    // Left <= Right and Top <= Bottom.
    TRect Normalized() const;
    void Offset(int32_t dx, int32_t dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
    void Inflate(int32_t dx, int32_t dy) { Left -= dx; Right += dx; Top -= dy; Bottom += dy; }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;

    // The pixels (Left..Right-1, Top..Bottom-1) as a Qt rectangle, and back.
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect& r) { return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
};

// A point in floating-point coordinates.
struct TPointF {
    double X = 0;
    double Y = 0;

    constexpr TPointF() = default;
    constexpr TPointF(double x, double y) : X(x), Y(y) {}
    friend constexpr bool operator==(const TPointF&, const TPointF&) = default;
};

constexpr TPoint Point(int32_t x, int32_t y) { return TPoint(x, y); }
constexpr TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return TRect(left, top, right, bottom); }
constexpr TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return TRect(left, top, left + width, top + height);
}

// Window-system style rectangle helpers. The bool results tell whether the result is non-empty.
bool PtInRect(const TRect& r, TPoint p);
bool IsRectEmpty(const TRect& r);
bool IntersectRect(TRect& dest, const TRect& a, const TRect& b); // empty (0,0,0,0) when they do not meet
bool UnionRect(TRect& dest, const TRect& a, const TRect& b);     // an empty operand is ignored
void OffsetRect(TRect& r, int32_t dx, int32_t dy);
void InflateRect(TRect& r, int32_t dx, int32_t dy);

// a * b / c with a 64-bit intermediate, halves rounded away from zero.
// -1 when c is 0 or the result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// Nearest integer, halves to the even neighbour. NaN gives 0; values beyond the 32-bit range
// saturate at its ends (never an out-of-range conversion).
int32_t Round(double value);
// Same rounding into 64 bits, saturating at the 64-bit range.
int64_t Round64(double value);
// Toward zero, saturating as Round does.
int32_t Trunc(double value);
int64_t Trunc64(double value);
// Fractional part, with the sign of value (Frac(-1.25) = -0.25).
double Frac(double value);
