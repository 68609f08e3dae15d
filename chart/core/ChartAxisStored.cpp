// Stored properties of an axis: each written only when it differs from its default, the
// bounds only when they are not taken from the series, and the side and direction for custom
// axes (a standard axis gets them from the panel, and stores its side only when moved).

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
    // Every value is read back through its setter, so that a value the setter refuses (a
    // negative increment or separation) leaves the setting as it was, and one it normalises
    // (an angle of 450) is normalised.
    using BoolSetter = void (TChartAxis::*)(bool);
    using IntSetter = void (TChartAxis::*)(int32_t);
    using DoubleSetter = void (TChartAxis::*)(double);
    // A bad text reads as false here, whatever the value held.
    auto boolProp = [this, &filer](const char* name, bool value, bool def, BoolSetter set) {
        TeeDefineBool(filer, name, value, def, [this, set](bool v) { (this->*set)(v); }, false);
    };
    auto intProp = [this, &filer](const char* name, int32_t value, int32_t def, IntSetter set) {
        TeeDefineInt(filer, name, value, def, [this, set](int32_t v) { (this->*set)(v); });
    };
    auto doubleProp = [this, &filer](const char* name, double value, bool stored, DoubleSetter set) {
        filer.DefineProperty(
            QLatin1String(name), [this, set, value](const QString& v) { (this->*set)(TextDouble(v, value)); },
            [value] { return DoubleText(value); }, stored);
    };

    // Read as while loading: the two bounds' flags come with lines of their own.
    TeeDefineBool(filer, "Automatic", FAutomatic, true, [this](bool v) { SetProp(FAutomatic, v); }, false);
    boolProp("AutomaticMaximum", FAutomaticMaximum, true, &TChartAxis::SetAutomaticMaximum);
    boolProp("AutomaticMinimum", FAutomaticMinimum, true, &TChartAxis::SetAutomaticMinimum);
    TeeDefineObject(filer, "Axis", FAxis.get());
    TeeDefineText(filer, "AxisValuesFormat", FAxisValuesFormat, TeeStored(IsAxisValuesFormatStored()),
                  [this](const QString& v) { SetAxisValuesFormat(v); });
    TeeDefineText(filer, "DateTimeFormat", FDateTimeFormat, QString(), [this](const QString& v) { SetDateTimeFormat(v); });
    boolProp("ExactDateTime", FExactDateTime, true, &TChartAxis::SetExactDateTime);
    TeeDefineObject(filer, "Grid", FGrid.get());
    TeeDefineBool(filer, "GridCentered", GridCentered(), false, [this](bool v) { FGrid->SetCentered(v); }, false);
    doubleProp("Increment", FIncrement, FIncrement != 0, &TChartAxis::SetDesiredIncrement);
    boolProp("Inverted", FInverted, false, &TChartAxis::SetInverted);
    // The side and direction of a standard axis come from the panel; a standard axis moved to
    // the other side stores that too, so that its depth position reads back against it.
    const bool custom = IsCustom();
    TeeDefineBool(filer, "Horizontal", FHorizontal, TeeStored(custom), [this](bool v) { SetHorizontal(v); }, false);
    TeeDefineBool(filer, "OtherSide", FOtherSide, TeeStored(custom || FOtherSide != FDefaultOtherSide),
                  [this](bool v) { SetOtherSide(v); }, false);
    TeeDefineBool(filer, "Labels", Labels(), true, [this](bool v) { SetLabels(v); }, false);
    TeeDefineEnum(filer, "LabelsAlign", FLabelsAlign, alDefault, labelAlignNames,
                  [this](TAxisLabelAlign v) { SetLabelsAlign(v); });
    intProp("LabelsAngle", FLabelsAngle, 0, &TChartAxis::SetLabelsAngle);
    boolProp("LabelsExponent", FLabelsExponent, false, &TChartAxis::SetLabelsExponent);
    TeeDefineObject(filer, "LabelsFont", LabelsFont());
    boolProp("LabelsMultiLine", FLabelsMultiLine, false, &TChartAxis::SetLabelsMultiLine);
    boolProp("LabelsOnAxis", FLabelsOnAxis, true, &TChartAxis::SetLabelsOnAxis);
    intProp("LabelsSeparation", FLabelsSeparation, 10, &TChartAxis::SetLabelsSeparation);
    intProp("LabelsSize", FLabelsSize, 0, &TChartAxis::SetLabelsSize);
    TeeDefineEnum(filer, "LabelStyle", FLabelStyle, talAuto, labelStyleNames,
                  [this](TAxisLabelStyle v) { SetLabelStyle(v); });
    TeeDefineBool(filer, "Logarithmic", FLogarithmic, false, [this](bool v) { SetLogarithmic(v); }, false);
    doubleProp("LogarithmicBase", FLogarithmicBase, FLogarithmicBase != 10, &TChartAxis::SetLogarithmicBase);
    // The bounds are read unchecked, as while loading: each comes without the other.
    doubleProp("Maximum", FMaximum, IsMaximumStored(), &TChartAxis::InternalSetMaximum);
    intProp("MaximumOffset", FMaximumOffset, 0, &TChartAxis::SetMaximumOffset);
    doubleProp("Minimum", FMinimum, IsMinimumStored(), &TChartAxis::InternalSetMinimum);
    intProp("MinimumOffset", FMinimumOffset, 0, &TChartAxis::SetMinimumOffset);
    TeeDefineObject(filer, "MinorGrid", FMinorGrid.get());
    intProp("MinorTickCount", FMinorTickCount, 3, &TChartAxis::SetMinorTickCount);
    intProp("MinorTickLength", FMinorTickLength, 2, &TChartAxis::SetMinorTickLength);
    TeeDefineObject(filer, "MinorTicks", FMinorTicks.get());
    doubleProp("StartPosition", FStartPosition, FStartPosition != 0, &TChartAxis::SetStartPosition);
    doubleProp("EndPosition", FEndPosition, FEndPosition != 100, &TChartAxis::SetEndPosition);
    doubleProp("PositionPercent", FPositionPercent, FPositionPercent != 0, &TChartAxis::SetPositionPercent);
    TeeDefineEnum(filer, "PositionUnits", FPositionUnits, muPercent, unitNames,
                  [this](TTeeUnits v) { SetPositionUnits(v); });
    boolProp("RoundFirstLabel", FRoundFirstLabel, true, &TChartAxis::SetRoundFirstLabel);
    intProp("TickInnerLength", FTickInnerLength, 0, &TChartAxis::SetTickInnerLength);
    intProp("TickLength", FTickLength, 4, &TChartAxis::SetTickLength);
    TeeDefineObject(filer, "Ticks", FTicks.get());
    TeeDefineObject(filer, "TicksInner", FTicksInner.get());
    boolProp("TickOnLabelsOnly", FTickOnLabelsOnly, true, &TChartAxis::SetTickOnLabelsOnly);
    TeeDefineObject(filer, "Title", FTitle.get());
    intProp("TitleSize", FTitleSize, 0, &TChartAxis::SetTitleSize);
    boolProp("Visible", FVisible, DefaultVisible(), &TChartAxis::SetVisible);
    doubleProp("ZPosition", FZPosition, IsZPositionStored(), &TChartAxis::SetZPosition);
}
