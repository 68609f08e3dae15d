#include "chart/core/ChartPen.h"

#include "platform/graphics/SystemColors.h"

#include <utility>

TChartPen::TChartPen(TNotifyEvent changeHandler)
{
    OnChange = std::move(changeHandler);
}

void TChartPen::SetEndStyle(TPenEndStyle value) { SetProp(FEndStyle, value); }
void TChartPen::SetSmallDots(bool value) { SetProp(FSmallDots, value); }
void TChartPen::SetVisible(bool value) { SetProp(FVisible, value); }

void TChartPen::Assign(TPersistent* source)
{
    if (auto* pen = dynamic_cast<TChartPen*>(source)) {
        FVisible = pen->FVisible;
        FSmallDots = pen->FSmallDots;
        FEndStyle = pen->FEndStyle;
    }
    TPen::Assign(source);
}

void TChartPen::PresetColor(TColor value)
{
    FPublishedColor = value;
    const TNotifyEvent handler = std::exchange(OnChange, {});
    SetColor(value);
    OnChange = handler;
}

void TChartPen::PresetStyle(TPenStyle value)
{
    FPublishedStyle = value;
    const TNotifyEvent handler = std::exchange(OnChange, {});
    SetStyle(value);
    OnChange = handler;
}

void TChartPen::PresetWidth(int32_t value)
{
    FPublishedWidth = value;
    const TNotifyEvent handler = std::exchange(OnChange, {});
    SetWidth(value);
    OnChange = handler;
}

TChartHiddenPen::TChartHiddenPen(TNotifyEvent changeHandler) : TChartPen(std::move(changeHandler))
{
    DefaultVisible = false;
    const TNotifyEvent handler = std::exchange(OnChange, {});
    SetVisible(false);
    OnChange = handler;
}

TDottedGrayPen::TDottedGrayPen(TNotifyEvent changeHandler) : TChartPen(std::move(changeHandler))
{
    PresetColor(clGray);
    PresetStyle(psDot);
}

TDarkGrayPen::TDarkGrayPen(TNotifyEvent changeHandler) : TChartPen(std::move(changeHandler))
{
    PresetColor(clGray);
}

TChartAxisPen::TChartAxisPen(TNotifyEvent changeHandler) : TChartPen(std::move(changeHandler))
{
    PresetWidth(2);
}

TWhitePen::TWhitePen(TNotifyEvent changeHandler) : TChartPen(std::move(changeHandler))
{
    PresetColor(clWhite);
}

void TeeSetTeePen(TDevicePen& devicePen, const TChartPen& chartPen, TColor color)
{
    if (chartPen.SmallDots()) {
        // The dots keep the pen's raster mode: exclusive-or dots drawn twice erase themselves.
        devicePen = TeeCreatePenSmallDots(color);
        devicePen.Mode = chartPen.Mode();
        return;
    }
    const QColor qcolor = TColorToQColor(ColorToRGB(color));
    if (chartPen.Width() >= 2) {
        Qt::PenCapStyle cap = Qt::RoundCap;
        Qt::PenJoinStyle join = Qt::RoundJoin;
        switch (chartPen.EndStyle()) {
        case esRound: break;
        case esSquare: cap = Qt::SquareCap; join = Qt::BevelJoin; break;
        case esFlat: cap = Qt::FlatCap; join = Qt::MiterJoin; break;
        }
        devicePen.Pen = QPen(QBrush(qcolor), chartPen.Width(), DevicePenStyle(chartPen.Style()), cap, join);
        devicePen.Mode = chartPen.Mode();
        return;
    }
    devicePen.Pen = QPen(QBrush(qcolor), chartPen.Width(), DevicePenStyle(chartPen.Style()), Qt::FlatCap, Qt::MiterJoin);
    devicePen.Mode = chartPen.Mode();
}

// Stored properties: the names and value texts that the filer reads and writes.

namespace {

const QStringList endStyleNames{"esRound", "esSquare", "esFlat"};

} // namespace

void TChartPen::DefineProperties(TTeeFiler& filer)
{
    TPen::DefineProperties(filer);
    TeeDefineEnum(filer, "EndStyle", FEndStyle, TeeStored(IsEndStyleStored()), endStyleNames,
                  [this](TPenEndStyle v) { SetEndStyle(v); });
    // A bad text reads as false, whatever the flag held.
    TeeDefineBool(filer, "SmallDots", FSmallDots, TeeStored(IsSmallDotsStored()), [this](bool v) { SetSmallDots(v); },
                  false);
    TeeDefineBool(filer, "Visible", FVisible, TeeStored(IsVisibleStored()), [this](bool v) { SetVisible(v); }, false);
}
