// Gallery variants of the line, point and area kinds, and the point kind's gallery look.

#include "chart/components/CustomSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/Teeconst.h"

void TLineSeries::CreateSubGallery(TSubGallery& gallery)
{
    TCustomSeries::CreateSubGallery(gallery);
    gallery.Add(TeeMsg_Stairs);
    gallery.Add(TeeMsg_Points);
    gallery.Add(TeeMsg_Height);
    gallery.Add(TeeMsg_Hollow);
    gallery.Add(TeeMsg_Colors);
    gallery.Add(TeeMsg_Marks);
    gallery.Add(TeeMsg_NoBorder);
}

void TLineSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetStairs(true); break;
    case 2: Pointer()->SetVisible(true); break;
    case 3: SetLineHeight(5); break;
    case 4: SetLineBrush(bsClear); break;
    case 5: SetColorEachPoint(true); break;
    case 6: Marks()->SetVisible(true); break;
    case 7: LinePen()->Hide(); break;
    default: break;
    }
}

// The symbol variants past the fifth are offered only by a point kind that can draw them, so
// that every variant offered changes the series.
void TPointSeries::CreateSubGallery(TSubGallery& gallery)
{
    TCustomSeries::CreateSubGallery(gallery);
    gallery.Add(TeeMsg_Colors);
    gallery.Add(TeeMsg_Marks);
    gallery.Add(TeeMsg_Hollow);
    gallery.Add(TeeMsg_NoBorder);
    gallery.Add(TeeMsg_Gradient);
    if (!CanDoExtra())
        return;
    gallery.Add(TeeMsg_Point2D);
    gallery.Add(TeeMsg_Triangle);
    gallery.Add(TeeMsg_Star);
    gallery.Add(TeeMsg_Circle);
    gallery.Add(TeeMsg_DownTri);
    gallery.Add(TeeMsg_Cross);
    gallery.Add(TeeMsg_Diamond);
}

void TPointSeries::SetSubGallery(int index)
{
    TSeriesPointer* pointer = Pointer();
    switch (index) {
    case 1: SetColorEachPoint(true); return;
    case 2: Marks()->SetVisible(true); return;
    case 3: pointer->Brush()->SetStyle(bsClear); return;
    case 4: pointer->Pen()->Hide(); return;
    case 5: pointer->Gradient()->SetVisible(true); return;
    default: break;
    }
    if (!CanDoExtra())
        return;
    switch (index) {
    case 6: pointer->SetDraw3D(false); break;
    case 7: pointer->SetStyle(psTriangle); break;
    case 8: pointer->SetStyle(psStar); break;
    case 9:
        pointer->SetStyle(psCircle);
        pointer->SetHorizSize(8);
        pointer->SetVertSize(8);
        break;
    case 10: pointer->SetStyle(psDownTriangle); break;
    case 11: pointer->SetStyle(psCross); break;
    case 12: pointer->SetStyle(psDiamond); break;
    default: break;
    }
}

void TPointSeries::PrepareForGallery(bool isEnabled)
{
    TCustomSeries::PrepareForGallery(isEnabled);
    TCustomAxisPanel* chart = ParentChart();
    // Smaller symbols in a small gallery cell.
    const int size = chart && chart->Width() < 50 ? 4 : 6;
    Pointer()->SetHorizSize(size);
    Pointer()->SetVertSize(size);
    if (chart && chart->SeriesCount() > 1 && chart->Series(1) == this)
        Pointer()->SetStyle(psTriangle);
}

void TPointSeries::SetColorEachPoint(bool value)
{
    TCustomSeries::SetColorEachPoint(value);
    if (value)
        Pointer()->SetColor(clDefault);
}

void TAreaSeries::CreateSubGallery(TSubGallery& gallery)
{
    TCustomSeries::CreateSubGallery(gallery);
    gallery.Add(TeeMsg_Stairs);
    gallery.Add(TeeMsg_Marks);
    gallery.Add(TeeMsg_Colors);
    gallery.Add(TeeMsg_Hollow);
    gallery.Add(TeeMsg_NoLines);
    gallery.Add(TeeMsg_Stack);
    gallery.Add(TeeMsg_Stack100);
    gallery.Add(TeeMsg_Points);
    gallery.Add(TeeMsg_Gradient);
}

void TAreaSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetStairs(true); break;
    case 2: Marks()->SetVisible(true); break;
    case 3: SetColorEachPoint(true); break;
    case 4: SetAreaBrush(bsClear); break;
    case 5: AreaLinesPen()->Hide(); break;
    case 6: SetMultiArea(maStacked); break;
    case 7: SetMultiArea(maStacked100); break;
    case 8: Pointer()->SetVisible(true); break;
    case 9: Gradient()->SetVisible(true); break;
    default: break;
    }
}
