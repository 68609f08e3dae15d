// Stored properties of an axis: each written only when it differs from its default, the
// bounds only when they are not taken from the series, and the side and direction only for
// custom axes (the standard ones get them from the panel).

#include "chart/core/AxisItems.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/Teeconst.h"

namespace {

const QStringList labelAlignNames{"alDefault", "alOpposite"};
const QStringList labelStyleNames{"talAuto", "talNone", "talValue", "talMark", "talText"};
const QStringList unitNames{"muPercent", "muPixels"};

QString DoubleText(double v)
{
    return QString::number(v, 'g', 17);
}

double TextDouble(const QString& text, double fallback)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : fallback;
}

} // namespace

void TChartAxis::DefineProperties(TTeeFiler& filer)
{
    // A bad text reads as false here, whatever the value held.
    auto boolProp = [&filer](const char* name, bool& field, bool def) {
        TeeDefineBool(filer, name, field, def, [&field](bool v) { field = v; }, false);
    };
    auto intProp = [&filer](const char* name, int32_t& field, int32_t def) {
        TeeDefineInt(filer, name, field, def, [&field](int32_t v) { field = v; });
    };
    auto doubleProp = [&filer](const char* name, double& field, bool stored) {
        filer.DefineProperty(
            QLatin1String(name), [&field](const QString& v) { field = TextDouble(v, field); },
            [&field] { return DoubleText(field); }, stored);
    };

    boolProp("Automatic", FAutomatic, true);
    boolProp("AutomaticMaximum", FAutomaticMaximum, true);
    boolProp("AutomaticMinimum", FAutomaticMinimum, true);
    TeeDefineObject(filer, "Axis", FAxis.get());
    TeeDefineText(filer, "AxisValuesFormat", FAxisValuesFormat, TeeStored(IsAxisValuesFormatStored()),
                  [this](const QString& v) { FAxisValuesFormat = v; });
    TeeDefineText(filer, "DateTimeFormat", FDateTimeFormat, QString(), [this](const QString& v) { FDateTimeFormat = v; });
    boolProp("ExactDateTime", FExactDateTime, true);
    TeeDefineObject(filer, "Grid", FGrid.get());
    TeeDefineBool(filer, "GridCentered", GridCentered(), false, [this](bool v) { FGrid->SetCentered(v); }, false);
    doubleProp("Increment", FIncrement, FIncrement != 0);
    boolProp("Inverted", FInverted, false);
    const bool custom = IsCustom();
    filer.DefineProperty(
        QStringLiteral("Horizontal"),
        [this](const QString& v) {
            FHorizontal = TeeTextBool(v);
            SetCalcPosValue();
        },
        [this] { return TeeBoolText(FHorizontal); }, custom);
    TeeDefineBool(filer, "OtherSide", FOtherSide, TeeStored(custom), [this](bool v) { FOtherSide = v; }, false);
    TeeDefineBool(filer, "Labels", Labels(), true, [this](bool v) { LabelFormat()->SetVisible(v); }, false);
    TeeDefineEnum(filer, "LabelsAlign", FLabelsAlign, alDefault, labelAlignNames,
                  [this](TAxisLabelAlign v) { FLabelsAlign = v; });
    intProp("LabelsAngle", FLabelsAngle, 0);
    boolProp("LabelsExponent", FLabelsExponent, false);
    TeeDefineObject(filer, "LabelsFont", LabelsFont());
    boolProp("LabelsMultiLine", FLabelsMultiLine, false);
    boolProp("LabelsOnAxis", FLabelsOnAxis, true);
    intProp("LabelsSeparation", FLabelsSeparation, 10);
    intProp("LabelsSize", FLabelsSize, 0);
    TeeDefineEnum(filer, "LabelStyle", FLabelStyle, talAuto, labelStyleNames,
                  [this](TAxisLabelStyle v) { FLabelStyle = v; });
    filer.DefineProperty(
        QStringLiteral("Logarithmic"),
        [this](const QString& v) {
            FLogarithmic = TeeTextBool(v);
            SetCalcPosValue();
        },
        [this] { return TeeBoolText(FLogarithmic); }, FLogarithmic);
    doubleProp("LogarithmicBase", FLogarithmicBase, FLogarithmicBase != 10);
    doubleProp("Maximum", FMaximum, IsMaximumStored());
    intProp("MaximumOffset", FMaximumOffset, 0);
    doubleProp("Minimum", FMinimum, IsMinimumStored());
    intProp("MinimumOffset", FMinimumOffset, 0);
    TeeDefineObject(filer, "MinorGrid", FMinorGrid.get());
    intProp("MinorTickCount", FMinorTickCount, 3);
    intProp("MinorTickLength", FMinorTickLength, 2);
    TeeDefineObject(filer, "MinorTicks", FMinorTicks.get());
    doubleProp("StartPosition", FStartPosition, FStartPosition != 0);
    doubleProp("EndPosition", FEndPosition, FEndPosition != 100);
    doubleProp("PositionPercent", FPositionPercent, FPositionPercent != 0);
    TeeDefineEnum(filer, "PositionUnits", FPositionUnits, muPercent, unitNames,
                  [this](TTeeUnits v) { FPositionUnits = v; });
    boolProp("RoundFirstLabel", FRoundFirstLabel, true);
    intProp("TickInnerLength", FTickInnerLength, 0);
    intProp("TickLength", FTickLength, 4);
    TeeDefineObject(filer, "Ticks", FTicks.get());
    TeeDefineObject(filer, "TicksInner", FTicksInner.get());
    boolProp("TickOnLabelsOnly", FTickOnLabelsOnly, true);
    TeeDefineObject(filer, "Title", FTitle.get());
    intProp("TitleSize", FTitleSize, 0);
    boolProp("Visible", FVisible, DefaultVisible());
    doubleProp("ZPosition", FZPosition, IsZPositionStored());
}
