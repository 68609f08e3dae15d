#pragma once

// A polyline of device points that keeps, of every run of consecutive points on one pixel
// column, only the first point, the lowest and highest of the points before the run's last,
// and the last point. The pixels are those of the polyline through every point: inside a
// column the path only moves up and down, so it covers the same span; the span of the points
// before the last decides whether the last pixel (which a line leaves out) is drawn, and it
// is kept too. Drawing then costs at most four points per column, however many points fall
// on it. With the fast paths off, a polyline keeps every point. The buffer is reused from
// frame to frame: nothing is allocated per point.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "chart/core/TeeGeometry.h"

class TTeeCanvas;

class TPixelColumnPath
{
public:
    // Starts a new polyline at p; a polyline under way is drawn first.
    void MoveTo(TTeeCanvas* canvas, TPoint p);
    // Continues the polyline to p. A point on the last one adds a piece of no length, which
    // draws nothing: it is not folded in, or the last pixel would count as passed through.
    void LineTo(TPoint p)
    {
        if (!FFolding) {
            if (FPoints.empty() || FPoints.back() != p)
                FPoints.push_back(p);
            return;
        }
        if (FHasColumn && p.X == FColumnX) {
            if (p.Y == FLast)
                return;
            FoldLast();
            FLast = p.Y;
            return;
        }
        CloseColumn();
        OpenColumn(p);
    }
    // Draws what is pending and forgets it.
    void Flush(TTeeCanvas* canvas);
    // Points of the pending polyline, for tests (the open column not included).
    const std::vector<TPoint>& Points() const { return FPoints; }

private:
    void FoldLast()
    {
        FMin = std::min(FMin, FLast);
        FMax = std::max(FMax, FLast);
    }
    void OpenColumn(TPoint p)
    {
        FHasColumn = true;
        // Empty until a point is folded in: then FMin <= FMax.
        FMin = INT32_MAX;
        FMax = INT32_MIN;
        FColumnX = p.X;
        FFirst = FLast = p.Y;
    }
    void CloseColumn();
    void Emit(int32_t y) { FPoints.push_back(TPoint(FColumnX, y)); }

    std::vector<TPoint> FPoints;
    bool FFolding = true; // as the switch was when the polyline began
    bool FHasColumn = false;
    int32_t FColumnX = 0;
    int32_t FFirst = 0;
    int32_t FMin = 0;
    int32_t FMax = 0;
    int32_t FLast = 0;
};
