#include "chart/core/ChartAxisTitle.h"

#include "chart/core/ChartAxis.h"

TChartAxisTitle::TChartAxisTitle(TChartAxis* axis)
    : TTeeCustomShape(axis->ParentChart()->AxisShapeParent()), FAxis(axis)
{
}

void TChartAxisTitle::PropertyChanged()
{
    FAxis->ParentChart()->AxisHostInvalidate();
}

void TChartAxisTitle::SetAngle(int32_t value)
{
    SetProp(FAngle, value % 360);
}

void TChartAxisTitle::SetCaption(const QString& value)
{
    SetProp(FCaption, value);
}

void TChartAxisTitle::SetDefaultAngle(int32_t value)
{
    FDefaultAngle = value;
    FAngle = value;
}

void TChartAxisTitle::Assign(TPersistent* source)
{
    if (auto* title = dynamic_cast<TChartAxisTitle*>(source)) {
        FAngle = title->FAngle;
        FCaption = title->FCaption;
    }
    TTeeCustomShape::Assign(source);
}

void TChartAxisTitle::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomShape::DefineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("Angle"), [this](const QString& v) { SetAngle(TeeTextInt32(v, FAngle)); },
        [this] { return TeeIntText(FAngle); }, IsAngleStored());
    TeeDefineText(filer, "Caption", FCaption, QString(), [this](const QString& v) { SetCaption(v); });
}
