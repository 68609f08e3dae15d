// The legend's layout and drawing: rows and columns, the box, each item's texts and symbol,
// and the room the legend takes from the chart.

#include <cmath>

#include "chart/components/Chart.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/TeCanvas.h"

void TCustomChartLegend::DrawLegend()
{
    CalcLegendStyle();
    FItemCount = TotalLegendItems();
    if (FComputedStyle == lsValues && FCurrentPage && FChart->MaxPointsPerPage() > 0) {
        FFirstValue = (FChart->Page() - 1) * FChart->MaxPointsPerPage();
        FItemCount = std::min(TotalLegendItems(), FChart->MaxPointsPerPage());
    }

    TCanvas3D* canvas = FChart->Canvas3D();
    FChart->SetLegendBackColor(Color());
    canvas->AssignFont(Font());
    const int space = canvas->TextWidth(QStringLiteral(" "));
    FItemHeight = CalcItemHeight();
    const int h = FItemHeight;
    int f = 0;
    if (Frame()->Visible())
        f = Frame()->Width();
    if (Bevel() != bvNone)
        f = BevelWidth();
    const int penWidth = FramePenWidth();
    const bool custom = CustomPosition();
    const bool checks = HasCheckBoxes();
    const TRect chart = FChart->PlotRect();
    const TRect bounds = FChart->PanelBounds();
    TRect r = ShapeRect;

    const auto textWidth = [&] { return FColumnWidths[0] + FColumnWidths[1] + 2 * space - 1; };

    if (Vertical()) {
        if (!custom)
            r.Top = bounds.Top + Round(FTopPos * bounds.Height() / 100.0);
        FColumns = 1;
        FRows = (r.Top >= chart.Bottom || h <= 0) ? 0
                                                   : std::min((chart.Bottom - 2 * penWidth - r.Top) / h, FItemCount);
        FLastValue = FFirstValue + std::min(FItemCount, FRows) - 1;
        BuildTexts();
    } else {
        FLastValue = FFirstValue + FItemCount - 1;
        BuildTexts();
        FTotalWidth = textWidth();
        FSymbolWidth = FSymbol->CalcWidth(FTotalWidth);
        if (!custom) {
            if (FAlignment == laBottom)
                r.Bottom = chart.Bottom - FChart->Shadow()->VertSize() - f - 1;
            else
                r.Top = chart.Top + f + 1;
        }
        const int u = FSymbolWidth + FTotalWidth + (checks ? 35 : 8);
        FColumns = (chart.Right <= 8 || u <= 0) ? 0 : std::min((chart.Width() - 2 * penWidth - 8) / u, FItemCount);
        FRows = FColumns < 1 ? 0 : std::min((FItemCount + FColumns - 1) / FColumns, FMaxNumRows);
        const int all = FLastValue;
        FLastValue = FFirstValue + std::min(FItemCount, FColumns * FRows) - 1;
        // Inverted positions count back from the last item shown: with fewer items shown
        // than measured, the texts are placed again (the measured widths stay).
        if (FInverted && FLastValue != all)
            BuildTexts(false);
    }
    if (FLastValue < FFirstValue)
        return;

    const int g = h * FRows + 2;
    if (FAlignment == laBottom && !custom)
        r.Top = r.Bottom - g;
    else
        r.Bottom = r.Top + g;

    int itemStart = 0;
    if (Vertical()) {
        FTotalWidth = textWidth();
        FSymbolWidth = FSymbol->CalcWidth(FTotalWidth + 10);
        const int width = FTotalWidth + 10 + FSymbolWidth;
        if (custom || FAlignment == laLeft) {
            if (!custom)
                r.Left = chart.Left + (Frame()->Visible() ? f + 1 : 0);
        } else {
            r.Right = chart.Right - Shadow()->HorizSize() - (Frame()->Visible() ? f + 1 : 0);
            r.Left = r.Right - width - (checks ? 15 : 0);
        }
        FCheckBoxX = r.Left + 4;
        itemStart = checks ? r.Left + 15 : r.Left;
        r.Right = itemStart + width;
    } else {
        int width = FColumns * (FTotalWidth + FSymbolWidth + 6) + 6;
        if (checks)
            width += 13 * FColumns + 8;
        width = std::min(width, chart.Width());
        const int half = width / 2;
        if (!custom)
            r.Left = Round(FTopPos * (bounds.Width() - 2 * half) / 100.0) + FChart->PlotCenterX() - half;
        r.Right = r.Left + 2 * half;
        FCheckBoxX = r.Left + 4;
        itemStart = checks ? r.Left + 15 : r.Left;
    }
    if (FSymbol->Position() == spRight) {
        FTextX = itemStart + 6;
        FSymbolX = itemStart + FTotalWidth + 6;
    } else {
        FSymbolX = itemStart + 6;
        FTextX = itemStart + FSymbolWidth + 10;
    }

    if (FChart->OnGetLegendRect)
        FChart->OnGetLegendRect(FChart, r);
    ShapeRect = r;
    Draw();

    if (FInverted)
        for (int i = FLastValue; i >= FFirstValue; --i)
            DrawItem(i, FLastValue - i);
    else
        for (int i = FFirstValue; i <= FLastValue; ++i)
            DrawItem(i, i - FFirstValue);

    TRect plot = FChart->PlotRect();
    if (FResizeChart && !custom) {
        switch (FAlignment) {
        case laLeft: plot.Left = ShapeRect.Right; break;
        case laRight: plot.Right = ShapeRect.Left; break;
        case laTop: plot.Top = ShapeRect.Bottom + FChart->Shadow()->VertSize(); break;
        case laBottom: plot.Bottom = ShapeRect.Top; break;
        }
    }
    if (Vertical()) {
        const int m = FHorizMargin != 0 ? FHorizMargin : plot.Width() * 3 / 100;
        if (FAlignment == laLeft)
            plot.Left += m;
        else
            plot.Right -= m;
    } else {
        const int m = FVertMargin != 0 ? FVertMargin : plot.Height() * 4 / 100;
        if (FAlignment == laTop)
            plot.Top += m;
        else
            plot.Bottom -= m;
    }
    FChart->SetPlotRect(plot);
    FChart->ReCalcWidthHeight();
}

// A small box with a tick, drawn on the legend's colour.
void TCustomChartLegend::DrawCheckBox(int x, int y, bool checked)
{
    TCanvas3D* canvas = FChart->Canvas3D();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(clGray);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWhite);
    canvas->Rectangle(x, y, x + 13, y + 13);
    if (checked) {
        canvas->Pen()->SetColor(clBlack);
        for (int i = 0; i < 3; ++i) {
            canvas->Line(x + 3, y + 5 + i, x + 5, y + 7 + i);
            canvas->Line(x + 5, y + 7 + i, x + 10, y + 2 + i);
        }
    }
}

void TCustomChartLegend::DrawItem(int index, int position)
{
    if (position >= FItemCount)
        return;
    TCanvas3D* canvas = FChart->Canvas3D();
    const bool checks = HasCheckBoxes();
    const int h = FItemHeight;
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsClear);
    // The clear brush alone leaves the device's background mode as the previous item's
    // symbol set it (opaque behind a pie slice's): the text is written without a box.
    canvas->SetBackMode(TRANSPARENT);
    PrepareSymbolPen();

    int row = position;
    int textX = FTextX;
    int symbolX = FSymbolX;
    int checkX = FCheckBoxX;
    int y = ShapeRect.Top + 1;
    if (!Vertical()) {
        row = position / FColumns;
        const int o = (position % FColumns) * (FTotalWidth + FSymbolWidth + 6 + (checks ? 15 : 0));
        textX += o;
        symbolX += o;
        checkX += o;
    }
    y += row * h + FVertSpacing / 2;
    if (FChart->OnGetLegendPos)
        FChart->OnGetLegendPos(FChart, index, textX, y, symbolX);

    canvas->AssignFont(Font());
    if (FFontSeriesColor) {
        if (FComputedStyle == lsValues) {
            if (TChartSeries* s = GetLegendSeries())
                canvas->Font()->SetColor(s->LegendItemColor(index));
        } else if (TChartSeries* s = FChart->SeriesLegend(index, !FCheckBoxes))
            canvas->Font()->SetColor(s->SeriesColor());
    }

    const std::array<QString, 2>& texts = FItems[static_cast<size_t>(position)];
    const int space = canvas->TextWidth(QStringLiteral(" "));
    int x = textX;
    for (int c = 0; c < 2; ++c) {
        bool right = false;
        if (FComputedStyle != lsSeries) {
            if (c == 0)
                right = FTextStyle == ltsLeftValue || FTextStyle == ltsLeftPercent || FTextStyle == ltsXValue ||
                        FTextStyle == ltsValue || FTextStyle == ltsPercent || FTextStyle == ltsXAndValue ||
                        FTextStyle == ltsXAndPercent;
            else
                right = FTextStyle == ltsRightValue || FTextStyle == ltsRightPercent ||
                        FTextStyle == ltsXAndValue || FTextStyle == ltsXAndPercent;
        }
        if (right) {
            x += FColumnWidths[c];
            canvas->SetTextAlign(TA_RIGHT);
        } else
            canvas->SetTextAlign(TA_LEFT);
        const QString& text = texts[static_cast<size_t>(c)];
        if (!text.isEmpty())
            canvas->TextOut(x, checks ? y + 1 : y, text);
        if (!right)
            x += FColumnWidths[c];
        x += space;
    }
    canvas->SetTextAlign(TA_LEFT);

    TRect symbol(symbolX, y, symbolX + FSymbolWidth, y + h + 1);
    if (!FSymbol->Continuous() || position == 0)
        symbol.Top = y + 2;
    if (!FSymbol->Continuous() || position == FLastValue - FFirstValue)
        symbol.Bottom -= FVertSpacing + 3;

    if (FSymbolWidth > 0) {
        if (FComputedStyle == lsValues) {
            if (TChartSeries* s = GetLegendSeries())
                s->DrawLegend(s->LegendToValueIndex(index), symbol);
            else {
                canvas->AssignVisiblePen(FSymbol->Pen());
                canvas->Brush()->SetStyle(bsSolid);
                canvas->Brush()->SetColor(clWhite);
                canvas->Rectangle(symbol);
            }
        } else if (checks) {
            if (TChartSeries* s = CheckBoxSeries(index)) {
                DrawCheckBox(checkX, y - 1 + (h - FVertSpacing - 11) / 2, s->Active());
                s->DrawLegend(-1, symbol);
            }
        } else if (TChartSeries* s = FChart->ActiveSeriesLegend(index))
            s->DrawLegend(-1, symbol);
    }

    if (position > 0 && FDividingLines->Visible()) {
        canvas->AssignVisiblePen(FDividingLines.get());
        canvas->Brush()->SetStyle(bsClear);
        if (Vertical()) {
            const int ly = y - FVertSpacing / 2;
            canvas->Line(ShapeRect.Left, ly, ShapeRect.Right, ly);
        } else {
            const int lx = ShapeRect.Left + (position % FColumns) * (FTotalWidth + FSymbolWidth + 6 + (checks ? 15 : 0)) + 2;
            canvas->Line(lx, ShapeRect.Top, lx, ShapeRect.Bottom);
        }
    }
}
