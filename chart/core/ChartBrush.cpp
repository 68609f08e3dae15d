#include "chart/core/ChartBrush.h"

#include <utility>

TChartBrush::TChartBrush(TNotifyEvent changeHandler)
{
    SetColor(clDefault);
    OnChange = std::move(changeHandler);
}

TChartBrush::~TChartBrush() = default;

TPicture* TChartBrush::Image()
{
    if (!FImage)
        FImage = std::make_unique<TPicture>(SubObjectHandler());
    return FImage.get();
}

void TChartBrush::SetImage(TPicture* value)
{
    if (!value) {
        FImage.reset();
        return;
    }
    Image()->Assign(value);
}

void TChartBrush::Assign(TPersistent* source)
{
    if (auto* brush = dynamic_cast<TChartBrush*>(source)) {
        if (brush->FImage)
            Image()->Assign(brush->FImage.get());
        else
            Image()->Clear();
    }
    TBrush::Assign(source);
}
