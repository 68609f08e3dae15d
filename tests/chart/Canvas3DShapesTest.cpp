// The 3D shapes as the recording canvas sees them: faces drawn, points per arc, degenerate
// shapes, and the 2D counterparts of the 3D operations.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/core/TeCanvasSettings.h"
#include "chart/core/View3DOptions.h"
#include "platform/graphics/Picture.h"
#include "tests/chart/support/RecordingCanvas.h"

namespace {

class NoParent : public TView3DParent
{
public:
    void Invalidate() override {}
};

// Depth-1 polygons drawn by the last top-level call.
std::vector<const TCanvasCall*> Faces(const TRecordingCanvas& c)
{
    std::vector<const TCanvasCall*> result;
    for (const TCanvasCall& call : c.Calls)
        if (call.Depth == 1 && call.Name == "Polygon")
            result.push_back(&call);
    return result;
}

struct Canvas2D : TRecordingCanvas {
    Canvas2D()
    {
        InitWindow(nullptr, nullptr, clWhite, false, TRect(0, 0, 200, 200));
        Projection(100, TRect(0, 0, 200, 200));
    }
};

struct Canvas3DOrtho : TRecordingCanvas {
    NoParent parent;
    TView3DOptions options{&parent};
    Canvas3DOrtho()
    {
        InitWindow(nullptr, &options, clWhite, true, TRect(0, 0, 200, 200));
        Projection(100, TRect(0, 0, 200, 200));
    }
};

} // namespace

TEST(Canvas3DShapes, CubeSeenStraightOnDrawsOnlyItsFrontFace)
{
    Canvas2D c;
    c.Cube(10, 30, 20, 50, 0, 10, true);
    const auto faces = Faces(c);
    ASSERT_EQ(faces.size(), 1u);
    const std::vector<TPoint> front{{10, 20}, {30, 20}, {30, 50}, {10, 50}};
    EXPECT_EQ(faces[0]->Points, front);
}

TEST(Canvas3DShapes, OrthogonalCubeShowsFrontRightAndTopDarkened)
{
    Canvas3DOrtho c;
    c.Brush()->SetColor(RGB(200, 200, 200));
    c.Cube(10, 30, 20, 50, 0, 10, true);
    const auto faces = Faces(c);
    // Depth recedes up and to the right: front, right side and top face the viewer.
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[0]->BrushColor, RGB(200, 200, 200));
    EXPECT_EQ(faces[1]->BrushColor, RGB(72, 72, 72));   // right: darker by 128
    EXPECT_EQ(faces[2]->BrushColor, RGB(136, 136, 136)); // top: dark by 64, not cumulative
    // The right face runs from (right, top) at depth 0 to depth 10: ten pixels right and up.
    const TPoint rt0 = c.Calculate3DPosition(30, 20, 0);
    EXPECT_EQ(faces[1]->Points[0], rt0);
    EXPECT_EQ(faces[1]->Points[1], TPoint(rt0.X + 10, rt0.Y - 10));
}

TEST(Canvas3DShapes, WithoutDarkSidesOnlyTheTopAndBottomAreDarkened)
{
    Canvas3DOrtho c;
    c.Brush()->SetColor(RGB(200, 200, 200));
    c.Cube(10, 30, 20, 50, 0, 10, false);
    const auto faces = Faces(c);
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[0]->BrushColor, RGB(200, 200, 200)); // front
    EXPECT_EQ(faces[1]->BrushColor, RGB(200, 200, 200)); // right side: plain
    EXPECT_EQ(faces[2]->BrushColor, RGB(136, 136, 136)); // top: dark by 64 all the same
    // Depth receding down and to the right shows the bottom face, darkened too.
    NoParent parent;
    TView3DOptions below{&parent};
    below.SetOrthoAngle(-45);
    c.Clear();
    c.InitWindow(nullptr, &below, clWhite, true, TRect(0, 0, 200, 200));
    c.Projection(100, TRect(0, 0, 200, 200));
    c.Brush()->SetColor(RGB(200, 200, 200));
    c.Cube(10, 30, 20, 50, 0, 10, false);
    bool bottom = false;
    for (const TCanvasCall* f : Faces(c))
        bottom = bottom || (f->Points[0] == c.Calculate3DPosition(10, 50, 0) && f->BrushColor == RGB(136, 136, 136));
    EXPECT_TRUE(bottom);
}

TEST(Canvas3DShapes, PieArcPointsGrowWithTheSpanUpToThirtyTwo)
{
    Canvas3DOrtho c;
    c.Pie3D(100, 100, 40, 30, 0, 10, 0.0, 2 * M_PI, false, false, 0);
    // Top face: the centre plus 32 arc points.
    size_t largest = 0;
    for (const TCanvasCall* p : Faces(c))
        largest = std::max(largest, p->Points.size());
    EXPECT_EQ(largest, 33u);

    c.Clear();
    c.Pie3D(100, 100, 40, 30, 0, 10, 0.0, 4.9 * TeePiStep, false, false, 0);
    largest = 0;
    for (const TCanvasCall* p : Faces(c))
        largest = std::max(largest, p->Points.size());
    EXPECT_EQ(largest, 3u); // centre plus 2

    c.Clear();
    c.Pie3D(100, 100, 40, 30, 0, 10, 0.0, 90 * TeePiStep, false, false, 0);
    largest = 0;
    for (const TCanvasCall* p : Faces(c))
        largest = std::max(largest, p->Points.size());
    EXPECT_EQ(largest, 12u); // 9 + 2 arc points and the centre
}

TEST(Canvas3DShapes, PieTopFacePointsLieOnTheEllipse)
{
    Canvas2D c;
    c.Pie3D(100, 100, 40, 30, 0, 10, 0.0, M_PI / 2, false, false, 0);
    const auto top = Faces(c);
    ASSERT_FALSE(top.empty());
    const TCanvasCall* face = nullptr;
    for (const TCanvasCall* p : top)
        if (p->Points.size() == 12)
            face = p;
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Points[0], TPoint(100, 100));
    EXPECT_EQ(face->Points[1], TPoint(140, 100)); // angle 0: right
    EXPECT_EQ(face->Points[11], TPoint(100, 70)); // 90 degrees: up
}

TEST(Canvas3DShapes, ArrowOfNoLengthDrawsNothingAndHeadIsCappedByLength)
{
    Canvas2D c;
    c.Arrow(true, TPoint(10, 10), TPoint(10, 10), 8, 6, 0);
    ASSERT_EQ(c.Calls.size(), 1u);
    EXPECT_EQ(c.Calls[0].Name, "Arrow");

    c.Clear();
    // Length 10 along x, head height 20: the head takes the whole length.
    c.Arrow(true, TPoint(0, 50), TPoint(10, 50), 8, 20, 0);
    const auto faces = Faces(c);
    ASSERT_EQ(faces.size(), 1u);
    const std::vector<TPoint> expected{{0, 52}, {0, 48}, {0, 48}, {0, 46}, {10, 50}, {0, 54}, {0, 52}};
    EXPECT_EQ(faces[0]->Points, expected);

    c.Clear();
    c.Arrow(false, TPoint(0, 50), TPoint(20, 50), 8, 5, 0);
    EXPECT_EQ(c.Count("LineTo"), 3);
    EXPECT_EQ(c.Find("LineTo")[1]->Points[0], TPoint(15, 54));
}

TEST(Canvas3DShapes, ConeWithNoPercentEndsInAPoint)
{
    const int32_t saved = TeeDefaultConePercent;
    TeeDefaultConePercent = 0;
    Canvas3DOrtho c;
    c.Cone(true, 10, 20, 50, 80, 0, 20, false, 0);
    const auto faces = Faces(c);
    ASSERT_FALSE(faces.empty());
    // The cap is the last polygon: 16 points, all at the apex.
    const TCanvasCall* cap = faces.back();
    ASSERT_EQ(cap->Points.size(), 16u);
    for (const TPoint& p : cap->Points)
        EXPECT_EQ(p, cap->Points[0]);
    TeeDefaultConePercent = saved;
}

TEST(Canvas3DShapes, FlatCounterpartsIn2D)
{
    Canvas2D c;
    c.EllipseWithZ(10, 20, 30, 40, 5);
    ASSERT_EQ(c.Count("Ellipse"), 1);
    const std::vector<TPoint> plusOne{{10, 20}, {31, 41}};
    EXPECT_EQ(c.Find("Ellipse")[0]->Points, plusOne);

    c.Clear();
    c.RectangleWithZ(TRect(1, 2, 3, 4), 7);
    EXPECT_EQ(c.Count("Rectangle"), 1);

    c.Clear();
    c.Pen()->SetWidth(2);
    c.SetPixel3D(5, 6, 0, clRed);
    // A wide pen draws a dot with the pen (a line of no length); the colour is not used.
    EXPECT_EQ(c.Count("LineTo"), 1);
}

TEST(Canvas3DShapes, TriangleUsesOnlyItsFirstColour)
{
    Canvas2D c;
    c.Triangle3D(Point3D(0, 0, 0), Point3D(10, 0, 0), Point3D(0, 10, 0), clRed, clLime, clBlue);
    const auto faces = Faces(c);
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(faces[0]->BrushColor, clRed);
}

TEST(Canvas3DShapes, PictureOnAPlaneIsOneCellPerPixel)
{
    Canvas2D c;
    TPicture picture;
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(10, 20, 30));
    picture.SetGraphic(image);
    c.StretchDraw(TRect(0, 0, 10, 6), &picture, 0);
    const auto cells = c.Find("Rectangle");
    ASSERT_EQ(cells.size(), 4u);
    // Edges at round((column + 1) * 10 / 2) and round((row + 1) * 6 / 2).
    EXPECT_EQ(cells[0]->Points, (std::vector<TPoint>{{0, 0}, {5, 3}}));
    EXPECT_EQ(cells[1]->Points, (std::vector<TPoint>{{5, 0}, {10, 3}}));
    EXPECT_EQ(cells[3]->Points, (std::vector<TPoint>{{5, 3}, {10, 6}}));
    EXPECT_EQ(cells[0]->BrushColor, clRed);
    EXPECT_EQ(cells[2]->BrushColor, clBlue);
    EXPECT_EQ(cells[3]->BrushColor, RGB(10, 20, 30));
    EXPECT_EQ(cells[0]->PenStyle, psClear);
}

TEST(Canvas3DShapes, RotatedEllipseIsAFanOfTrianglesAndAnOutline)
{
    Canvas2D c;
    c.RotatedEllipse(0, 0, 20, 10, 0, 0);
    const auto triangles = c.Find("Polygon");
    ASSERT_EQ(triangles.size(), 63u);
    EXPECT_EQ(triangles[0]->Points[0], TPoint(10, 5)); // the centre
    EXPECT_EQ(triangles[0]->Points[1], TPoint(10, 10)); // t = 0: straight down
    EXPECT_EQ(triangles[0]->PenStyle, psClear);
    const auto outline = c.Find("Polyline");
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0]->Points.size(), 64u);
    EXPECT_EQ(outline[0]->Points.front(), outline[0]->Points.back());
    EXPECT_EQ(outline[0]->PenStyle, psSolid); // the pen comes back

    c.Clear();
    c.Brush()->SetStyle(bsClear);
    c.RotatedEllipse(0, 0, 20, 10, 0, 90);
    EXPECT_EQ(c.Count("Polygon"), 0);
    // Turned by 90 degrees, t = 0 lies to the right of the centre.
    EXPECT_EQ(c.Find("Polyline")[0]->Points[0], TPoint(15, 5));
}

TEST(Canvas3DShapes, CylinderFacesAndCap)
{
    Canvas3DOrtho c;
    c.Cylinder(true, 10, 20, 50, 80, 0, 20, true);
    const auto faces = Faces(c);
    ASSERT_GE(faces.size(), 2u);
    for (size_t i = 0; i + 1 < faces.size(); ++i)
        EXPECT_EQ(faces[i]->Points.size(), 4u);
    const TCanvasCall* cap = faces.back();
    ASSERT_EQ(cap->Points.size(), 16u);
    // The cap lies at the top (the near end), its first point at angle -3 pi / 8.
    EXPECT_EQ(cap->Points[0], c.Calculate3DPosition(30 + Round(std::sin(-3 * M_PI / 8) * 20), 20,
                                                     10 - Round(std::cos(-3 * M_PI / 8) * 10)));
}

TEST(Canvas3DShapes, DonutPieDrawsItsInnerWallFirst)
{
    Canvas3DOrtho c;
    c.Pie3D(100, 100, 40, 30, 0, 10, M_PI, 2 * M_PI, false, false, 50);
    const auto faces = Faces(c);
    ASSERT_GE(faces.size(), 2u);
    // 180 degrees: 18 + 2 points per arc; the inner wall has both arcs (2n), the top face
    // the outer arc, the inner arc back and the first point again (2n + 1).
    EXPECT_EQ(faces[0]->Points.size(), 40u);
    EXPECT_EQ(faces[1]->Points.size(), 41u);
    EXPECT_EQ(faces[1]->Points[0], c.Calculate3DPosition(60, 100, 10));
}

TEST(Canvas3DShapes, PyramidsShowTheFacesTurnedToTheViewer)
{
    // Depth recedes up and to the right: the front and the right (or upper) side show, the
    // back, the far side and the base do not.
    Canvas3DOrtho c;
    c.Brush()->SetColor(RGB(200, 200, 200));
    c.Pyramid(true, 10, 20, 50, 80, 0, 20, true);
    auto faces = Faces(c);
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0]->Points[2], c.Calculate3DPosition(30, 20, 10)); // apex of the front face
    EXPECT_EQ(faces[0]->BrushColor, RGB(200, 200, 200));
    EXPECT_EQ(faces[1]->BrushColor, RGB(72, 72, 72)); // the side, darker by 128

    c.Clear();
    c.Brush()->SetColor(RGB(200, 200, 200));
    c.Pyramid(false, 10, 20, 50, 80, 0, 20, true);
    faces = Faces(c);
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0]->Points[2], c.Calculate3DPosition(50, 50, 10));
    EXPECT_EQ(faces[1]->Points[0], c.Calculate3DPosition(10, 20, 20)); // the upper side

    // A flat pyramid (apex on the base line) draws only its base.
    c.Clear();
    c.Pyramid(true, 10, 80, 50, 80, 0, 20, false);
    EXPECT_LE(Faces(c).size(), 1u);
}
