#include "chart/core/ChartPen.h"

#include <utility>

TChartPen::TChartPen(TNotifyEvent changeHandler)
{
    OnChange = std::move(changeHandler);
}

void TChartPen::SetEndStyle(TPenEndStyle value)
{
    if (FEndStyle != value) {
        FEndStyle = value;
        Changed();
    }
}

void TChartPen::SetSmallDots(bool value)
{
    if (FSmallDots != value) {
        FSmallDots = value;
        Changed();
    }
}

void TChartPen::SetVisible(bool value)
{
    if (FVisible != value) {
        FVisible = value;
        Changed();
    }
}

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
