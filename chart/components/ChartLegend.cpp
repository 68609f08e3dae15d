#include "chart/components/ChartLegend.h"

#include <algorithm>
#include <cmath>

#include "chart/components/Chart.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/Teeconst.h"

// ---- symbol ----

TLegendSymbol::TLegendSymbol(TCustomChartLegend* legend) : FLegend(legend)
{
    FPen = std::make_unique<TChartPen>([this](TObject*) { Changed(); });
}

TLegendSymbol::~TLegendSymbol() = default;

void TLegendSymbol::Changed() { FLegend->Repaint(); }

void TLegendSymbol::Assign(TPersistent* Source)
{
    if (auto* s = dynamic_cast<TLegendSymbol*>(Source)) {
        FContinuous = s->FContinuous;
        FPen->Assign(s->FPen.get());
        FPosition = s->FPosition;
        FSquared = s->FSquared;
        FWidth = s->FWidth;
        FWidthUnits = s->FWidthUnits;
        FVisible = s->FVisible;
        return;
    }
    TPersistent::Assign(Source);
}

void TLegendSymbol::DefineProperties(TTeeFiler& filer)
{
    static const QStringList positions = {"spLeft", "spRight"};
    static const QStringList units = {"lcsPercent", "lcsPixels"};
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineBool(filer, "Continuous", FContinuous, false, [this](bool v) { SetContinuous(v); }, false);
    TeeDefineBool(filer, "DefaultPen", FDefaultPen, true, [this](bool v) { SetDefaultPen(v); }, false);
    TeeDefineObject(filer, "Pen", FPen.get());
    TeeDefineEnum(filer, "Position", FPosition, spLeft, positions, [this](TLegendSymbolPosition v) { SetPosition(v); },
                  spLeft);
    TeeDefineBool(filer, "Squared", FSquared, false, [this](bool v) { SetSquared(v); }, false);
    TeeDefineBool(filer, "Visible", FVisible, true, [this](bool v) { SetVisible(v); }, false);
    TeeDefineInt(filer, "Width", FWidth, 20, [this](int32_t v) { SetWidth(v); }, 20);
    TeeDefineEnum(filer, "WidthUnits", FWidthUnits, lcsPercent, units, [this](TLegendSymbolSize v) { SetWidthUnits(v); },
                  lcsPercent);
}

void TLegendSymbol::SetContinuous(bool value)
{
    SetProp(FContinuous, value);
}
void TLegendSymbol::SetDefaultPen(bool value)
{
    SetProp(FDefaultPen, value);
}
void TLegendSymbol::SetPosition(TLegendSymbolPosition value)
{
    SetProp(FPosition, value);
}
void TLegendSymbol::SetSquared(bool value)
{
    SetProp(FSquared, value);
}
void TLegendSymbol::SetVisible(bool value)
{
    SetProp(FVisible, value);
}
void TLegendSymbol::SetWidth(int value)
{
    SetProp(FWidth, value);
}
void TLegendSymbol::SetWidthUnits(TLegendSymbolSize value)
{
    SetProp(FWidthUnits, value);
}

int TLegendSymbol::CalcWidth(int textWidth)
{
    if (!FVisible)
        return 0;
    if (FSquared)
        return FLegend->CalcItemHeight() - 5;
    if (FWidthUnits == lcsPixels)
        return FWidth;
    return Round(FWidth * textWidth * 0.01);
}

TChartLegendGradient::TChartLegendGradient(TNotifyEvent changeHandler) : TTeeGradient(std::move(changeHandler))
{
    SetStartDirection(gdRightLeft);
    SetStartColors(clSilver, clWhite);
}

// ---- legend ----

TTeeGradientClass TCustomChartLegend::GetGradientClass() const
{
    return [](TNotifyEvent changeHandler) -> std::unique_ptr<TTeeGradient> {
        return std::make_unique<TChartLegendGradient>(std::move(changeHandler));
    };
}

TCustomChartLegend::TCustomChartLegend(TCustomChart* AOwner) : TTeeCustomShapePosition(AOwner), FChart(AOwner)
{
    FSymbol = std::make_unique<TLegendSymbol>(this);
    FDividingLines = std::make_unique<TChartHiddenPen>([this](TObject* sender) {
        if (Parent())
            Parent()->CanvasChanged(sender);
    });
}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::SetParent(TCustomTeePanel* value)
{
    TTeeCustomShapePosition::SetParent(value);
    FChart = dynamic_cast<TCustomChart*>(value);
}

void TCustomChartLegend::Assign(TPersistent* Source)
{
    if (auto* l = dynamic_cast<TCustomChartLegend*>(Source)) {
        FAlignment = l->FAlignment;
        FCheckBoxes = l->FCheckBoxes;
        FCurrentPage = l->FCurrentPage;
        FDividingLines->Assign(l->FDividingLines.get());
        FFirstValue = l->FFirstValue;
        FFontSeriesColor = l->FFontSeriesColor;
        FHorizMargin = l->FHorizMargin;
        FInverted = l->FInverted;
        FLegendStyle = l->FLegendStyle;
        FMaxNumRows = l->FMaxNumRows;
        FResizeChart = l->FResizeChart;
        FSymbol->Assign(l->FSymbol.get());
        FTextStyle = l->FTextStyle;
        FTopPos = l->FTopPos;
        FVertMargin = l->FVertMargin;
        FVertSpacing = l->FVertSpacing;
    }
    TTeeCustomShapePosition::Assign(Source);
}

void TCustomChartLegend::DefineProperties(TTeeFiler& filer)
{
    static const QStringList alignments = {"laLeft", "laRight", "laTop", "laBottom"};
    static const QStringList styles = {"lsAuto", "lsSeries", "lsValues", "lsLastValues"};
    static const QStringList textStyles = {"ltsPlain",      "ltsLeftValue",    "ltsRightValue", "ltsLeftPercent",
                                           "ltsRightPercent", "ltsXValue",     "ltsValue",      "ltsPercent",
                                           "ltsXAndValue",  "ltsXAndPercent"};
    TTeeCustomShapePosition::DefineProperties(filer);
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineEnum(filer, "Alignment", FAlignment, laRight, alignments, [this](TLegendAlignment v) { SetAlignment(v); },
                  laRight);
    TeeDefineBool(filer, "CheckBoxes", FCheckBoxes, false, [this](bool v) { SetCheckBoxes(v); }, false);
    TeeDefineEnum(filer, "LegendStyle", FLegendStyle, lsAuto, styles, [this](TLegendStyle v) { SetLegendStyle(v); },
                  lsAuto);
    TeeDefineInt(filer, "MaxNumRows", FMaxNumRows, 10, [this](int32_t v) { SetMaxNumRows(v); }, 10);
    TeeDefineInt(filer, "TopPos", FTopPos, 10, [this](int32_t v) { SetTopPos(v); }, 10);
    TeeDefineBool(filer, "ResizeChart", FResizeChart, true, [this](bool v) { SetResizeChart(v); }, false);
    TeeDefineBool(filer, "CurrentPage", FCurrentPage, true, [this](bool v) { SetCurrentPage(v); }, false);
    TeeDefineObject(filer, "DividingLines", FDividingLines.get());
    TeeDefineInt(filer, "FirstValue", FFirstValue, 0, [this](int32_t v) { SetFirstValue(v); }, 0);
    TeeDefineBool(filer, "FontSeriesColor", FFontSeriesColor, false, [this](bool v) { SetFontSeriesColor(v); }, false);
    TeeDefineInt(filer, "HorizMargin", FHorizMargin, 0, [this](int32_t v) { SetHorizMargin(v); }, 0);
    TeeDefineBool(filer, "Inverted", FInverted, false, [this](bool v) { SetInverted(v); }, false);
    TeeDefineObject(filer, "Symbol", FSymbol.get());
    TeeDefineEnum(filer, "TextStyle", FTextStyle, ltsLeftValue, textStyles,
                  [this](TLegendTextStyle v) { SetTextStyle(v); }, ltsLeftValue);
    TeeDefineInt(filer, "VertMargin", FVertMargin, 0, [this](int32_t v) { SetVertMargin(v); }, 0);
    TeeDefineInt(filer, "VertSpacing", FVertSpacing, 0, [this](int32_t v) { SetVertSpacing(v); }, 0);
    // The symbol's width under its other published name: read, never written (the symbol
    // writes it).
    filer.DefineProperty(
        "ColorWidth", [this](const QString& v) { FSymbol->SetWidth(TeeTextInt32(v, FSymbol->Width())); }, {}, false);
}

void TCustomChartLegend::SetAlignment(TLegendAlignment value)
{
    SetProp(FAlignment, value);
}

void TCustomChartLegend::SetTextStyle(TLegendTextStyle value)
{
    SetProp(FTextStyle, value);
}

void TCustomChartLegend::SetFirstValue(int value)
{
    if (value < 0)
        throw LegendException(TeeMsg_LegendFirstValue);
    SetProp(FFirstValue, value);
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle value)
{
    if (SetProp(FLegendStyle, value))
        CalcLegendStyle();
}

void TCustomChartLegend::SetSeries(TChartSeries* value)
{
    // The chart hears when the series is freed and makes the legend forget it.
    FSeries = value;
    if (FSeries && FChart)
        FSeries->FreeNotification(FChart);
    Repaint();
}

void TCustomChartLegend::CalcLegendStyle()
{
    if (FLegendStyle != lsAuto || FCheckBoxes)
        FComputedStyle = FLegendStyle == lsAuto ? lsSeries : FLegendStyle;
    else
        FComputedStyle = FChart->CountActiveSeries() < 2 ? lsValues : lsSeries;
}

bool TCustomChartLegend::ShouldDraw()
{
    return Visible() && (HasCheckBoxes() || FChart->CountActiveSeries() > 0);
}

TChartSeries* TCustomChartLegend::GetLegendSeries() { return FSeries ? FSeries : FChart->GetASeries(); }

void TCustomChartLegend::PrepareSymbolPen()
{
    FChart->SetLegendSymbolPen(FSymbol->DefaultPen() ? nullptr : FSymbol->Pen());
}

int TCustomChartLegend::CalcItemHeight()
{
    int h = FChart->Canvas3D()->FontHeight();
    if (FCheckBoxes)
        h = std::max(17, h);
    h += FVertSpacing;
    if (Vertical() && FDividingLines->Visible())
        h += FDividingLines->Width();
    return h;
}

int TCustomChartLegend::TotalLegendItems()
{
    int n = 0;
    if (FComputedStyle == lsValues) {
        TChartSeries* s = GetLegendSeries();
        if (s && s->ShowInLegend())
            n = s->CountLegendItems() - FFirstValue;
    } else {
        for (int i = 0; i < FChart->SeriesCount(); ++i) {
            TChartSeries* s = FChart->Series(i);
            if (s->ShowInLegend() && (s->Active() || FCheckBoxes))
                ++n;
        }
        n -= FFirstValue;
    }
    return std::max(0, n);
}

QString TCustomChartLegend::FormattedLegend(int Index)
{
    switch (FComputedStyle) {
    case lsValues:
        return FChart->FormattedValueLegend(GetLegendSeries(), Index);
    case lsLastValues: {
        TChartSeries* s = FChart->SeriesLegend(Index, !FCheckBoxes);
        return s ? FormattedValue(s, s->Count() - 1) : QString();
    }
    default:
        return FChart->SeriesTitleLegend(Index, !FCheckBoxes);
    }
}

QString TCustomChartLegend::FormattedValue(TChartSeries* ASeries, int ValueIndex)
{
    if (ValueIndex == -1 || !ASeries)
        return QString();
    QString text = ASeries->LegendString(ValueIndex, FTextStyle);
    text.replace(TeeLineSeparator, QLatin1Char(' '));
    return text;
}

void TCustomChartLegend::BuildTexts(bool widths)
{
    FItems.assign(static_cast<size_t>(std::max(0, FLastValue - FFirstValue + 1)), {});
    for (int i = FFirstValue; i <= FLastValue; ++i) {
        const QString text = FChart->InternalFormattedLegend(this, i);
        std::array<QString, 2> columns;
        const qsizetype first = text.indexOf(TeeColumnSeparator);
        if (first < 0)
            columns[0] = text;
        else {
            columns[0] = text.left(first);
            const qsizetype second = text.indexOf(TeeColumnSeparator, first + 1);
            columns[1] = second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
        }
        const int p = FInverted ? FLastValue - i : i - FFirstValue;
        FItems[static_cast<size_t>(p)] = columns;
    }
    if (widths)
        CalcColumnWidths();
}

void TCustomChartLegend::CalcColumnWidths()
{
    if (!FAutoColumnWidth)
        return;
    TCanvas3D* canvas = FChart->Canvas3D();
    for (int c = 0; c < 2; ++c) {
        int w = 0;
        for (const auto& item : FItems)
            w = std::max(w, canvas->TextWidth(item[static_cast<size_t>(c)]));
        FColumnWidths[c] = w;
    }
}

int TCustomChartLegend::FramePenWidth() const { return Frame()->Visible() ? Frame()->Width() : 0; }

int TCustomChartLegend::Clicked(int x, int y)
{
    const TRect& r = ShapeRect;
    if (!PointInRect(r, x, y))
        return -1;
    FChart->Canvas3D()->AssignFont(Font());
    const int h = CalcItemHeight();
    const auto rowAt = [&]() {
        for (int row = 0; row < FRows; ++row) {
            const int top = r.Top + row * h + 1;
            if (y >= top && y <= top + h)
                return FInverted ? FRows - row - 1 : row;
        }
        return -1;
    };
    if (Vertical())
        return rowAt();
    int result = -1;
    if (FColumns > 0) {
        const int cw = r.Width() / FColumns;
        for (int c = 0; c < FColumns; ++c) {
            const int left = r.Left + c * cw + 1;
            if (x < left || x > left + cw)
                continue;
            const int row = rowAt();
            if (row == -1)
                continue;
            int p = FInverted ? (row + 1) * FColumns - c - 1 : row * FColumns + c;
            if (p > FItemCount - 1)
                p = -1;
            result = p;
        }
    }
    return result;
}

TChartSeries* TCustomChartLegend::CheckBoxSeries(int legendIndex) { return FChart->SeriesLegend(legendIndex, false); }

bool TCustomChartLegend::DoMouseDown(int x, int y)
{
    if (!HasCheckBoxes())
        return false;
    const int p = Clicked(x, y);
    if (p == -1)
        return false;
    // Clicked counts from the first item shown; the series list counts from the first series.
    if (TChartSeries* s = CheckBoxSeries(p + FFirstValue)) {
        s->SetActive(!s->Active());
        return true;
    }
    return false;
}
