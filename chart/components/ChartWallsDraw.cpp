// The chart's walls on its canvas: which side walls lie behind the series, and each wall as a
// plane or, with a size, a box.

#include "chart/components/Chart.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeGradient.h"

bool TCustomChart::DrawWallFirst(int APos)
{
    TCanvas3D* canvas = Canvas3D();
    const int bottom = PlotRect().Bottom + CalcWallSize(BottomAxis());
    const TPoint a = canvas->Calculate3DPosition(APos, PlotRect().Top, 0);
    const TPoint b = canvas->Calculate3DPosition(APos, bottom, 0);
    const TPoint c = canvas->Calculate3DPosition(APos, bottom, BackWall()->Size() + Depth3DHoriz());
    return TeeCull(a, b, c);
}

void TCustomChart::PrepareWallCanvas(TCustomChartWall* wall)
{
    TCanvas3D* canvas = Canvas3D();
    canvas->AssignVisiblePen(wall->Pen());
    if (wall->Transparent())
        canvas->Brush()->SetStyle(bsClear);
    else
        SetBrushCanvas(wall->Color(), wall->Brush(), GetBackColor());
}

void TCustomChart::DrawWalls()
{
    if (!ActiveSeriesUseAxis())
        return;
    if (RightWall()->Visible() && !DrawRightWallAfter())
        DrawRightWall();
    if (BackWall()->Visible())
        DrawBackWall();
    if (View3D() && View3DWalls()) {
        if (LeftWall()->Visible() && !DrawLeftWallFirst())
            DrawLeftWall();
        if (BottomWall()->Visible())
            DrawBottomWall();
    }
}

namespace {
// A blend started for a wall ends after its plane is drawn.
void EndWallBlend(TCanvas3D* canvas, TTeeBlend* blend)
{
    if (blend)
        canvas->EndBlending(blend);
}
} // namespace

void TCustomChart::DrawRightWall()
{
    TChartRightWall* wall = RightWall();
    if (!wall->Visible() || !ActiveSeriesUseAxis() || !View3D() || !View3DWalls())
        return;
    TCanvas3D* canvas = Canvas3D();
    const TRect r = PlotRect();
    PrepareWallCanvas(wall);
    const int b = r.Bottom + CalcWallSize(BottomAxis());
    TTeeBlend* blend = wall->TryDrawWall(r.Right, b);
    const int depth = Depth3DHoriz();
    if (wall->Size() <= 0)
        canvas->RectangleZ(r.Right, r.Top, b, 0, depth + 1);
    else
        canvas->Cube(r.Right, r.Right + wall->Size(), r.Top, b, 0, BackWall()->Size() + depth, wall->ApplyDark3D());
    EndWallBlend(canvas, blend);
}

void TCustomChart::DrawLeftWall()
{
    TChartWall* wall = LeftWall();
    if (!View3D() || !View3DWalls())
        return;
    TCanvas3D* canvas = Canvas3D();
    const TRect r = PlotRect();
    PrepareWallCanvas(wall);
    const int b = r.Bottom + CalcWallSize(BottomAxis());
    TTeeBlend* blend = wall->TryDrawWall(r.Left, b);
    const int depth = Depth3DHoriz();
    if (wall->Size() <= 0)
        canvas->RectangleZ(r.Left, r.Top, b, 0, depth);
    else
        canvas->Cube(r.Left - wall->Size(), r.Left, r.Top, b, 0, depth, wall->ApplyDark3D());
    EndWallBlend(canvas, blend);
}

void TCustomChart::DrawBottomWall()
{
    TChartWall* wall = BottomWall();
    TCanvas3D* canvas = Canvas3D();
    const TRect r = PlotRect();
    const int depth = Depth3DHoriz();
    PrepareWallCanvas(wall);
    int y = r.Bottom;
    if (canvas->GetSupportsFullRotation())
        ++y;
    TTeeBlend* blend = nullptr;
    if (!wall->Transparent()) {
        y = r.Bottom;
        TFourPoints p;
        p[0] = canvas->Calculate3DPosition(r.Left, y, 0);
        p[1] = canvas->Calculate3DPosition(r.Left, y, depth);
        p[2] = canvas->Calculate3DPosition(r.Right, y, depth);
        p[3] = canvas->Calculate3DPosition(r.Right, y, 0);
        if (wall->Transparency() > 0)
            blend = canvas->BeginBlending(RectFromPolygon(p.data(), 4), static_cast<uint8_t>(wall->Transparency()));
        if (wall->HasVisibleGradient()) {
            wall->Gradient()->Draw(canvas, p);
            canvas->Brush()->SetStyle(bsClear);
        }
    }
    if (wall->Size() < 1)
        canvas->RectangleY(r.Left, y, r.Right, 0, depth);
    else
        canvas->Cube(r.Left, r.Right, y, y + wall->Size(), 0, depth, wall->ApplyDark3D());
    EndWallBlend(canvas, blend);
}

void TCustomChart::DrawBackWall()
{
    TChartBackWall* wall = BackWall();
    TCanvas3D* canvas = Canvas3D();
    const TRect plot = PlotRect();
    const int depth = Depth3DHoriz();
    PrepareWallCanvas(wall);
    TTeeBlend* blend = nullptr;
    const auto startBlend = [&](const TRect& r) {
        if (wall->Transparency() > 0)
            blend = canvas->BeginBlending(canvas->RectFromRectZ(r, depth), static_cast<uint8_t>(wall->Transparency()));
    };
    if (!View3D()) {
        const TRect r(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1);
        startBlend(r);
        if (wall->HasVisibleGradient() && !wall->Transparent()) {
            wall->Gradient()->Draw(canvas, r);
            canvas->Brush()->SetStyle(bsClear);
        }
        canvas->Rectangle(r);
    } else if (View3DWalls()) {
        const int s = depth < 0 ? -wall->Size() : wall->Size();
        TRect r = plot;
        if (wall->Size() >= 1)
            r = TRect(plot.Left - CalcWallSize(LeftAxis()), plot.Top, plot.Right,
                      plot.Bottom + CalcWallSize(BottomAxis()));
        startBlend(r);
        if (!wall->Transparent() && wall->HasVisibleGradient()) {
            if (View3DOptions()->Orthogonal())
                wall->Gradient()->Draw(canvas, canvas->CalcRect3D(r, depth));
            else
                wall->Gradient()->Draw(canvas, canvas->FourPointsFromRect(r, depth));
            canvas->Brush()->SetStyle(bsClear);
        }
        if (wall->Size() < 1)
            canvas->RectangleWithZ(r, depth);
        else
            canvas->Cube(r.Left, r.Right, r.Top, r.Bottom, depth, depth + s, wall->ApplyDark3D());
    }
    if (HasBackImage() && BackImageInside()) {
        TRect r = plot;
        if (wall->Pen()->Visible()) {
            ++r.Left;
            ++r.Top;
        }
        DrawBitmap(r, depth);
    }
    EndWallBlend(canvas, blend);
}
