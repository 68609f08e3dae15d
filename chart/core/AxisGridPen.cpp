#include "chart/core/AxisGridPen.h"

#include <utility>

TAxisGridPen::TAxisGridPen(TNotifyEvent changeHandler) : TDottedGrayPen(std::move(changeHandler)) {}

void TAxisGridPen::SetCentered(bool value) { SetProp(FCentered, value); }
void TAxisGridPen::SetZ(double value) { SetProp(FZPosition, value); }

void TAxisGridPen::SetDefaultZ(double value)
{
    FDefaultZ = value;
    FZPosition = value;
}

void TAxisGridPen::Assign(TPersistent* source)
{
    if (auto* pen = dynamic_cast<TAxisGridPen*>(source)) {
        FCentered = pen->FCentered;
        FZPosition = pen->FZPosition;
    }
    TChartPen::Assign(source);
}

void TAxisGridPen::DefineProperties(TTeeFiler& filer)
{
    TChartPen::DefineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("ZPosition"), [this](const QString& v) { SetZ(v.toDouble()); },
        [this] { return QString::number(FZPosition, 'g', 17); }, IsZStored());
}
