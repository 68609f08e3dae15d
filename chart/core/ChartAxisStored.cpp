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

int32_t TextInt32(const QString& text, int32_t fallback)
{
    const int64_t v = TeeTextInt(text, fallback);
    return v < INT32_MIN || v > INT32_MAX ? fallback : static_cast<int32_t>(v);
}

} // namespace

void TChartAxis::DefineProperties(TTeeFiler& filer)
{
    auto boolProp = [&filer](const char* name, bool& field, bool def) {
        filer.DefineProperty(
            QLatin1String(name), [&field](const QString& v) { field = TeeTextBool(v); },
            [&field] { return TeeBoolText(field); }, field != def);
    };
    auto intProp = [&filer](const char* name, int32_t& field, int32_t def) {
        filer.DefineProperty(
            QLatin1String(name), [&field](const QString& v) { field = TextInt32(v, field); },
            [&field] { return TeeIntText(field); }, field != def);
    };
    auto doubleProp = [&filer](const char* name, double& field, bool stored) {
        filer.DefineProperty(
            QLatin1String(name), [&field](const QString& v) { field = TextDouble(v, field); },
            [&field] { return DoubleText(field); }, stored);
    };
    auto penProp = [&filer](const char* name, TChartPen* pen) {
        filer.DefineObject(QLatin1String(name), [pen](TTeeFiler& f) { pen->DefineProperties(f); });
    };

    boolProp("Automatic", FAutomatic, true);
    boolProp("AutomaticMaximum", FAutomaticMaximum, true);
    boolProp("AutomaticMinimum", FAutomaticMinimum, true);
    penProp("Axis", FAxis.get());
    filer.DefineProperty(
        QStringLiteral("AxisValuesFormat"), [this](const QString& v) { FAxisValuesFormat = TeeUnescapeText(v); },
        [this] { return TeeEscapeText(FAxisValuesFormat); }, IsAxisValuesFormatStored());
    filer.DefineProperty(
        QStringLiteral("DateTimeFormat"), [this](const QString& v) { FDateTimeFormat = TeeUnescapeText(v); },
        [this] { return TeeEscapeText(FDateTimeFormat); }, !FDateTimeFormat.isEmpty());
    boolProp("ExactDateTime", FExactDateTime, true);
    penProp("Grid", FGrid.get());
    filer.DefineProperty(
        QStringLiteral("GridCentered"), [this](const QString& v) { FGrid->SetCentered(TeeTextBool(v)); },
        [this] { return TeeBoolText(GridCentered()); }, GridCentered());
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
    filer.DefineProperty(
        QStringLiteral("OtherSide"), [this](const QString& v) { FOtherSide = TeeTextBool(v); },
        [this] { return TeeBoolText(FOtherSide); }, custom);
    filer.DefineProperty(
        QStringLiteral("Labels"), [this](const QString& v) { LabelFormat()->SetVisible(TeeTextBool(v)); },
        [this] { return TeeBoolText(Labels()); }, !Labels());
    filer.DefineProperty(
        QStringLiteral("LabelsAlign"),
        [this](const QString& v) { FLabelsAlign = TeeTextEnum(v, labelAlignNames, FLabelsAlign); },
        [this] { return labelAlignNames[FLabelsAlign]; }, FLabelsAlign != alDefault);
    intProp("LabelsAngle", FLabelsAngle, 0);
    boolProp("LabelsExponent", FLabelsExponent, false);
    filer.DefineObject(QStringLiteral("LabelsFont"), [this](TTeeFiler& f) { LabelsFont()->DefineProperties(f); });
    boolProp("LabelsMultiLine", FLabelsMultiLine, false);
    boolProp("LabelsOnAxis", FLabelsOnAxis, true);
    intProp("LabelsSeparation", FLabelsSeparation, 10);
    intProp("LabelsSize", FLabelsSize, 0);
    filer.DefineProperty(
        QStringLiteral("LabelStyle"),
        [this](const QString& v) { FLabelStyle = TeeTextEnum(v, labelStyleNames, FLabelStyle); },
        [this] { return labelStyleNames[FLabelStyle]; }, FLabelStyle != talAuto);
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
    penProp("MinorGrid", FMinorGrid.get());
    intProp("MinorTickCount", FMinorTickCount, 3);
    intProp("MinorTickLength", FMinorTickLength, 2);
    penProp("MinorTicks", FMinorTicks.get());
    doubleProp("StartPosition", FStartPosition, FStartPosition != 0);
    doubleProp("EndPosition", FEndPosition, FEndPosition != 100);
    doubleProp("PositionPercent", FPositionPercent, FPositionPercent != 0);
    filer.DefineProperty(
        QStringLiteral("PositionUnits"),
        [this](const QString& v) { FPositionUnits = TeeTextEnum(v, unitNames, FPositionUnits); },
        [this] { return unitNames[FPositionUnits]; }, FPositionUnits != muPercent);
    boolProp("RoundFirstLabel", FRoundFirstLabel, true);
    intProp("TickInnerLength", FTickInnerLength, 0);
    intProp("TickLength", FTickLength, 4);
    penProp("Ticks", FTicks.get());
    penProp("TicksInner", FTicksInner.get());
    boolProp("TickOnLabelsOnly", FTickOnLabelsOnly, true);
    filer.DefineObject(QStringLiteral("Title"), [this](TTeeFiler& f) { FTitle->DefineProperties(f); });
    intProp("TitleSize", FTitleSize, 0);
    boolProp("Visible", FVisible, DefaultVisible());
    doubleProp("ZPosition", FZPosition, IsZPositionStored());
}
