#include "tests/chart/support/RecordingCanvas.h"

#include <cmath>
#include <cstdlib>

#include "chart/core/TeeFont.h"

namespace {

int64_t Degrees(double radians)
{
    return std::llround(radians / TeePiStep);
}

} // namespace

TRecordingCanvas::TScope::TScope(TRecordingCanvas* canvas, const QString& name, std::vector<TPoint> points,
                                 std::vector<int64_t> args, const QString& text)
    : FCanvas(canvas)
{
    TCanvasCall call;
    call.Name = name;
    call.Points = std::move(points);
    call.Args = std::move(args);
    call.Text = text;
    call.Depth = canvas->FDepth;
    call.PenColor = canvas->Pen()->Color();
    call.PenStyle = canvas->Pen()->Style();
    call.PenWidth = canvas->Pen()->Width();
    call.BrushColor = canvas->Brush()->Color();
    call.BrushStyle = canvas->Brush()->Style();
    call.FontColor = canvas->Font()->Color();
    canvas->Calls.push_back(std::move(call));
    ++canvas->FDepth;
}

TRecordingCanvas::TRecordingCanvas()
{
    SetUseBuffer(false);
}

std::vector<const TCanvasCall*> TRecordingCanvas::Find(const QString& name) const
{
    std::vector<const TCanvasCall*> result;
    for (const TCanvasCall& c : Calls)
        if (c.Name == name)
            result.push_back(&c);
    return result;
}

std::vector<const TCanvasCall*> TRecordingCanvas::TopLevel() const
{
    std::vector<const TCanvasCall*> result;
    for (const TCanvasCall& c : Calls)
        if (c.Depth == 0)
            result.push_back(&c);
    return result;
}

QString TRecordingCanvas::Sequence() const
{
    QStringList names;
    for (const TCanvasCall* c : TopLevel())
        names << c->Name;
    return names.join(QLatin1Char(' '));
}

int32_t TRecordingCanvas::TextWidth(const QString& text)
{
    int32_t result = CharWidth * static_cast<int32_t>(text.size());
    if (CurrentFont() && CurrentFont()->HasShadow())
        result += std::abs(CurrentFont()->ShadowIfAny()->HorizSize());
    return result;
}

int32_t TRecordingCanvas::TextHeight(const QString& /*text*/)
{
    int32_t result = LineHeight;
    if (CurrentFont() && CurrentFont()->HasShadow())
        result += std::abs(CurrentFont()->ShadowIfAny()->VertSize());
    return result;
}

TRect TRecordingCanvas::InitWindow(TCanvas* canvas, TView3DOptions* options, TColor, bool is3D, const TRect& bounds)
{
    InitWindow3D(options, is3D);
    if (canvas)
        SetCanvas(canvas);
    return bounds;
}

void TRecordingCanvas::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4)
{
    TScope scope(this, QStringLiteral("Arc"), std::vector<TPoint>{{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TRecordingCanvas::Donut(int32_t xCenter, int32_t yCenter, int32_t xRadius, int32_t yRadius, double startAngle, double endAngle, double holePercent)
{
    TScope scope(this, QStringLiteral("Donut"), std::vector<TPoint>{{xCenter, yCenter}}, std::vector<int64_t>{xRadius, yRadius, Degrees(startAngle), Degrees(endAngle), std::llround(holePercent)}, QString());
    TTeeCanvas3D::Donut(xCenter, yCenter, xRadius, yRadius, startAngle, endAngle, holePercent);
}

void TRecordingCanvas::Draw(int32_t x, int32_t y, const TPicture* graphic)
{
    TScope scope(this, QStringLiteral("Draw"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Draw(x, y, graphic);
}

void TRecordingCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    TScope scope(this, QStringLiteral("Ellipse"), std::vector<TPoint>{{x1, y1}, {x2, y2}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Ellipse(x1, y1, x2, y2);
}

void TRecordingCanvas::FillRect(const TRect& rect)
{
    TScope scope(this, QStringLiteral("FillRect"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::FillRect(rect);
}

void TRecordingCanvas::Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int32_t width)
{
    TScope scope(this, QStringLiteral("Frame3D"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{topColor, bottomColor, width}, QString());
    TTeeCanvas3D::Frame3D(rect, topColor, bottomColor, width);
}

void TRecordingCanvas::LineTo(int32_t x, int32_t y)
{
    TScope scope(this, QStringLiteral("LineTo"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::LineTo(x, y);
}

void TRecordingCanvas::MoveTo(int32_t x, int32_t y)
{
    TScope scope(this, QStringLiteral("MoveTo"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::MoveTo(x, y);
}

void TRecordingCanvas::Pie(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4)
{
    TScope scope(this, QStringLiteral("Pie"), std::vector<TPoint>{{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TRecordingCanvas::Rectangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    TScope scope(this, QStringLiteral("Rectangle"), std::vector<TPoint>{{x0, y0}, {x1, y1}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Rectangle(x0, y0, x1, y1);
}

void TRecordingCanvas::RoundRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3)
{
    TScope scope(this, QStringLiteral("RoundRect"), std::vector<TPoint>{{x1, y1}, {x2, y2}}, std::vector<int64_t>{x3, y3}, QString());
    TTeeCanvas3D::RoundRect(x1, y1, x2, y2, x3, y3);
}

void TRecordingCanvas::StretchDraw(const TRect& rect, const TPicture* graphic)
{
    TScope scope(this, QStringLiteral("StretchDraw"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::StretchDraw(rect, graphic);
}

void TRecordingCanvas::TextOut(int32_t x, int32_t y, const QString& text)
{
    TScope scope(this, QStringLiteral("TextOut"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{}, text);
    TTeeCanvas3D::TextOut(x, y, text);
}

void TRecordingCanvas::ClipRectangle(const TRect& rect)
{
    TScope scope(this, QStringLiteral("ClipRectangle"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::ClipRectangle(rect);
}

void TRecordingCanvas::DoHorizLine(int32_t x0, int32_t x1, int32_t y)
{
    TScope scope(this, QStringLiteral("DoHorizLine"), std::vector<TPoint>{{x0, y}, {x1, y}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::DoHorizLine(x0, x1, y);
}

void TRecordingCanvas::DoVertLine(int32_t x, int32_t y0, int32_t y1)
{
    TScope scope(this, QStringLiteral("DoVertLine"), std::vector<TPoint>{{x, y0}, {x, y1}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::DoVertLine(x, y0, y1);
}

void TRecordingCanvas::EraseBackground(const TRect& rect)
{
    TScope scope(this, QStringLiteral("EraseBackground"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::EraseBackground(rect);
}

void TRecordingCanvas::GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction, int32_t balance)
{
    TScope scope(this, QStringLiteral("GradientFill"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{startColor, endColor, direction, balance}, QString());
    TTeeCanvas3D::GradientFill(rect, startColor, endColor, direction, balance);
}

void TRecordingCanvas::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    TScope scope(this, QStringLiteral("Line"), std::vector<TPoint>{{x0, y0}, {x1, y1}}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Line(x0, y0, x1, y1);
}

void TRecordingCanvas::Polyline(const TPoint* points, int32_t highIndex)
{
    TScope scope(this, QStringLiteral("Polyline"), std::vector<TPoint>(points, points + highIndex + 1), std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Polyline(points, highIndex);
}

void TRecordingCanvas::Polygon(const TPoint* points, int32_t highIndex)
{
    TScope scope(this, QStringLiteral("Polygon"), std::vector<TPoint>(points, points + highIndex + 1), std::vector<int64_t>{}, QString());
    TTeeCanvas3D::Polygon(points, highIndex);
}

void TRecordingCanvas::RotateLabel(int32_t x, int32_t y, const QString& text, int32_t angle)
{
    TScope scope(this, QStringLiteral("RotateLabel"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{angle}, text);
    TTeeCanvas3D::RotateLabel(x, y, text, angle);
}

void TRecordingCanvas::UnClipRectangle()
{
    TScope scope(this, QStringLiteral("UnClipRectangle"), std::vector<TPoint>{}, std::vector<int64_t>{}, QString());
    TTeeCanvas3D::UnClipRectangle();
}

void TRecordingCanvas::Arrow(bool filled, TPoint from, TPoint to, int32_t headWidth, int32_t headHeight, int32_t z)
{
    TScope scope(this, QStringLiteral("Arrow"), std::vector<TPoint>{from, to}, std::vector<int64_t>{filled, headWidth, headHeight, z}, QString());
    TTeeCanvas3D::Arrow(filled, from, to, headWidth, headHeight, z);
}

void TRecordingCanvas::ClipCube(const TRect& rect, int32_t z0, int32_t z1)
{
    TScope scope(this, QStringLiteral("ClipCube"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{z0, z1}, QString());
    TTeeCanvas3D::ClipCube(rect, z0, z1);
}

void TRecordingCanvas::Cone(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0, int32_t z1, bool darkSides, int32_t conePercent)
{
    TScope scope(this, QStringLiteral("Cone"), std::vector<TPoint>{{left, top}, {right, bottom}}, std::vector<int64_t>{vertical, z0, z1, darkSides, conePercent}, QString());
    TTeeCanvas3D::Cone(vertical, left, top, right, bottom, z0, z1, darkSides, conePercent);
}

void TRecordingCanvas::Cube(int32_t left, int32_t right, int32_t top, int32_t bottom, int32_t z0, int32_t z1, bool darkSides)
{
    TScope scope(this, QStringLiteral("Cube"), std::vector<TPoint>{{left, top}, {right, bottom}}, std::vector<int64_t>{z0, z1, darkSides}, QString());
    TTeeCanvas3D::Cube(left, right, top, bottom, z0, z1, darkSides);
}

void TRecordingCanvas::Cylinder(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0, int32_t z1, bool darkSides)
{
    TScope scope(this, QStringLiteral("Cylinder"), std::vector<TPoint>{{left, top}, {right, bottom}}, std::vector<int64_t>{vertical, z0, z1, darkSides}, QString());
    TTeeCanvas3D::Cylinder(vertical, left, top, right, bottom, z0, z1, darkSides);
}

void TRecordingCanvas::HorizLine3D(int32_t left, int32_t right, int32_t y, int32_t z)
{
    TScope scope(this, QStringLiteral("HorizLine3D"), std::vector<TPoint>{{left, y}, {right, y}}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::HorizLine3D(left, right, y, z);
}

void TRecordingCanvas::VertLine3D(int32_t x, int32_t top, int32_t bottom, int32_t z)
{
    TScope scope(this, QStringLiteral("VertLine3D"), std::vector<TPoint>{{x, top}, {x, bottom}}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::VertLine3D(x, top, bottom, z);
}

void TRecordingCanvas::ZLine3D(int32_t x, int32_t y, int32_t z0, int32_t z1)
{
    TScope scope(this, QStringLiteral("ZLine3D"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{z0, z1}, QString());
    TTeeCanvas3D::ZLine3D(x, y, z0, z1);
}

void TRecordingCanvas::EllipseWithZ(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t z)
{
    TScope scope(this, QStringLiteral("EllipseWithZ"), std::vector<TPoint>{{x1, y1}, {x2, y2}}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::EllipseWithZ(x1, y1, x2, y2, z);
}

void TRecordingCanvas::LineWithZ(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t z)
{
    TScope scope(this, QStringLiteral("LineWithZ"), std::vector<TPoint>{{x0, y0}, {x1, y1}}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::LineWithZ(x0, y0, x1, y1, z);
}

void TRecordingCanvas::MoveTo3D(int32_t x, int32_t y, int32_t z)
{
    TScope scope(this, QStringLiteral("MoveTo3D"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::MoveTo3D(x, y, z);
}

void TRecordingCanvas::LineTo3D(int32_t x, int32_t y, int32_t z)
{
    TScope scope(this, QStringLiteral("LineTo3D"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::LineTo3D(x, y, z);
}

void TRecordingCanvas::Pie3D(int32_t xCenter, int32_t yCenter, int32_t xRadius, int32_t yRadius, int32_t z0, int32_t z1, double startAngle, double endAngle, bool darkSides, bool drawSides, int32_t donutPercent)
{
    TScope scope(this, QStringLiteral("Pie3D"), std::vector<TPoint>{{xCenter, yCenter}}, std::vector<int64_t>{xRadius, yRadius, z0, z1, Degrees(startAngle), Degrees(endAngle), darkSides, drawSides, donutPercent}, QString());
    TTeeCanvas3D::Pie3D(xCenter, yCenter, xRadius, yRadius, z0, z1, startAngle, endAngle, darkSides, drawSides, donutPercent);
}

void TRecordingCanvas::Plane3D(TPoint a, TPoint b, int32_t z0, int32_t z1)
{
    TScope scope(this, QStringLiteral("Plane3D"), std::vector<TPoint>{a, b}, std::vector<int64_t>{z0, z1}, QString());
    TTeeCanvas3D::Plane3D(a, b, z0, z1);
}

void TRecordingCanvas::PlaneWithZ(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int32_t z)
{
    TScope scope(this, QStringLiteral("PlaneWithZ"), std::vector<TPoint>{p1, p2, p3, p4}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::PlaneWithZ(p1, p2, p3, p4, z);
}

void TRecordingCanvas::PlaneFour3D(const TFourPoints& points, int32_t z0, int32_t z1)
{
    TScope scope(this, QStringLiteral("PlaneFour3D"), std::vector<TPoint>{points.begin(), points.end()}, std::vector<int64_t>{z0, z1}, QString());
    TTeeCanvas3D::PlaneFour3D(points, z0, z1);
}

void TRecordingCanvas::PolygonWithZ(const TPoint* points, int32_t highIndex, int32_t z)
{
    TScope scope(this, QStringLiteral("PolygonWithZ"), std::vector<TPoint>(points, points + highIndex + 1), std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::PolygonWithZ(points, highIndex, z);
}

void TRecordingCanvas::Polyline(const TPoint* points, int32_t highIndex, int32_t z)
{
    TScope scope(this, QStringLiteral("Polyline3D"), std::vector<TPoint>(points, points + highIndex + 1), std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::Polyline(points, highIndex, z);
}

void TRecordingCanvas::Pyramid(bool vertical, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z0, int32_t z1, bool darkSides)
{
    TScope scope(this, QStringLiteral("Pyramid"), std::vector<TPoint>{{left, top}, {right, bottom}}, std::vector<int64_t>{vertical, z0, z1, darkSides}, QString());
    TTeeCanvas3D::Pyramid(vertical, left, top, right, bottom, z0, z1, darkSides);
}

void TRecordingCanvas::PyramidTrunc(const TRect& rect, int32_t startZ, int32_t endZ, int32_t truncX, int32_t truncZ)
{
    TScope scope(this, QStringLiteral("PyramidTrunc"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{startZ, endZ, truncX, truncZ}, QString());
    TTeeCanvas3D::PyramidTrunc(rect, startZ, endZ, truncX, truncZ);
}

void TRecordingCanvas::RectangleWithZ(const TRect& rect, int32_t z)
{
    TScope scope(this, QStringLiteral("RectangleWithZ"), std::vector<TPoint>{rect.TopLeft(), rect.BottomRight()}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::RectangleWithZ(rect, z);
}

void TRecordingCanvas::RectangleY(int32_t left, int32_t top, int32_t right, int32_t z0, int32_t z1)
{
    TScope scope(this, QStringLiteral("RectangleY"), std::vector<TPoint>{{left, top}, {right, top}}, std::vector<int64_t>{z0, z1}, QString());
    TTeeCanvas3D::RectangleY(left, top, right, z0, z1);
}

void TRecordingCanvas::RectangleZ(int32_t left, int32_t top, int32_t bottom, int32_t z0, int32_t z1)
{
    TScope scope(this, QStringLiteral("RectangleZ"), std::vector<TPoint>{{left, top}, {left, bottom}}, std::vector<int64_t>{z0, z1}, QString());
    TTeeCanvas3D::RectangleZ(left, top, bottom, z0, z1);
}

void TRecordingCanvas::RotateLabel3D(int32_t x, int32_t y, int32_t z, const QString& text, int32_t angle)
{
    TScope scope(this, QStringLiteral("RotateLabel3D"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{z, angle}, text);
    TTeeCanvas3D::RotateLabel3D(x, y, z, text, angle);
}

void TRecordingCanvas::Sphere(int32_t x, int32_t y, int32_t z, double radius)
{
    TScope scope(this, QStringLiteral("Sphere"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{z, std::llround(radius)}, QString());
    TTeeCanvas3D::Sphere(x, y, z, radius);
}

void TRecordingCanvas::TextOut3D(int32_t x, int32_t y, int32_t z, const QString& text)
{
    TScope scope(this, QStringLiteral("TextOut3D"), std::vector<TPoint>{{x, y}}, std::vector<int64_t>{z}, text);
    TTeeCanvas3D::TextOut3D(x, y, z, text);
}

void TRecordingCanvas::Triangle3D(const TPoint3D& p0, const TPoint3D& p1, const TPoint3D& p2, TColor color0, TColor color1, TColor color2)
{
    TScope scope(this, QStringLiteral("Triangle3D"), std::vector<TPoint>{{p0.X, p0.Y}, {p1.X, p1.Y}, {p2.X, p2.Y}}, std::vector<int64_t>{p0.Z, p1.Z, p2.Z, color0, color1, color2}, QString());
    TTeeCanvas3D::Triangle3D(p0, p1, p2, color0, color1, color2);
}

void TRecordingCanvas::TriangleWithZ(TPoint p1, TPoint p2, TPoint p3, int32_t z)
{
    TScope scope(this, QStringLiteral("TriangleWithZ"), std::vector<TPoint>{p1, p2, p3}, std::vector<int64_t>{z}, QString());
    TTeeCanvas3D::TriangleWithZ(p1, p2, p3, z);
}

