// Stored properties of the bar series and their gradient: each published property is written
// only when it differs from its published default, and read back through its setter.

#include <algorithm>

#include "chart/components/BarSeries.h"
#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"

namespace {

const QStringList barStyleNames{"bsRectangle", "bsPyramid",      "bsInvPyramid", "bsCilinder", "bsEllipse",
                                "bsArrow",     "bsRectGradient", "bsCone",       "bsBevel"};

const QStringList multiBarNames{"mbNone", "mbSide", "mbStacked", "mbStacked100", "mbSideAll", "mbSelfStack"};

// A blending percent outside 0..100 from a stream would wrap when it becomes a byte.
int TransparencyFromText(const QString& text, int fallback)
{
    return std::clamp(TeeTextInt32(text, fallback), 0, 100);
}

} // namespace

void TBarSeriesGradient::DefineProperties(TTeeFiler& filer)
{
    TCustomTeeGradient::DefineProperties(filer);
    filer.DefineProperty(
        "Relative", [this](const QString& v) { SetRelative(TeeTextBool(v)); },
        [this] { return TeeBoolText(FRelative); }, FRelative);
}

void TCustomBarSeries::DefineProperties(TTeeFiler& filer)
{
    TChartSeries::DefineProperties(filer);
    filer.DefineProperty(
        "AutoBarSize", [this](const QString& v) { SetAutoBarSize(TeeTextBool(v)); },
        [this] { return TeeBoolText(FAutoBarSize); }, FAutoBarSize);
    filer.DefineProperty(
        "AutoMarkPosition", [this](const QString& v) { SetAutoMarkPosition(TeeTextBool(v)); },
        [this] { return TeeBoolText(FAutoMarkPosition); }, !FAutoMarkPosition);
    filer.DefineObject("BarBrush", [this](TTeeFiler& f) { BarBrush()->DefineProperties(f); });
    filer.DefineObject("BarPen", [this](TTeeFiler& f) { BarPen()->DefineProperties(f); });
    filer.DefineProperty(
        "BarStyle", [this](const QString& v) { SetBarStyle(TeeTextEnum(v, barStyleNames, FBarStyle)); },
        [this] { return barStyleNames.at(FBarStyle); }, FBarStyle != bsRectangle);
    filer.DefineProperty(
        "BarWidthPercent", [this](const QString& v) { SetBarWidthPercent(TeeTextInt32(v, FBarWidthPercent)); },
        [this] { return TeeIntText(FBarWidthPercent); }, FBarWidthPercent != 70);
    filer.DefineProperty(
        "BevelSize", [this](const QString& v) { SetBevelSize(TeeTextInt32(v, FBevelSize)); },
        [this] { return TeeIntText(FBevelSize); }, FBevelSize != 1);
    filer.DefineProperty(
        "ConePercent", [this](const QString& v) { SetConePercent(TeeTextInt32(v, FConePercent)); },
        [this] { return TeeIntText(FConePercent); }, FConePercent != 0);
    filer.DefineProperty(
        "Dark3D", [this](const QString& v) { SetDark3D(TeeTextBool(v)); }, [this] { return TeeBoolText(FDark3D); },
        !FDark3D);
    filer.DefineObject("Gradient", [this](TTeeFiler& f) { FGradient->DefineProperties(f); });
    filer.DefineProperty(
        "MultiBar", [this](const QString& v) { SetMultiBar(TeeTextEnum(v, multiBarNames, FMultiBar)); },
        [this] { return multiBarNames.at(FMultiBar); }, FMultiBar != mbSide);
    filer.DefineProperty(
        "OffsetPercent", [this](const QString& v) { SetOffsetPercent(TeeTextInt32(v, FOffsetPercent)); },
        [this] { return TeeIntText(FOffsetPercent); }, FOffsetPercent != 0);
    filer.DefineProperty(
        "SideMargins", [this](const QString& v) { SetSideMargins(TeeTextBool(v)); },
        [this] { return TeeBoolText(FSideMargins); }, !FSideMargins);
    filer.DefineProperty(
        "StackGroup", [this](const QString& v) { SetStackGroup(TeeTextInt32(v, FStackGroup)); },
        [this] { return TeeIntText(FStackGroup); }, FStackGroup != 0);
    filer.DefineProperty(
        "Transparency", [this](const QString& v) { SetTransparency(TransparencyFromText(v, FTransparency)); },
        [this] { return TeeIntText(FTransparency); }, FTransparency != 0);
    filer.DefineProperty(
        "UseYOrigin", [this](const QString& v) { SetUseYOrigin(TeeTextBool(v)); },
        [this] { return TeeBoolText(FUseYOrigin); }, !FUseYOrigin);
    filer.DefineProperty(
        "YOrigin", [this](const QString& v) { SetYOrigin(TeeTextFloat(v, FYOrigin)); },
        [this] { return TeeFloatText(FYOrigin); }, FYOrigin != 0);
}

void TBarSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomBarSeries::DefineProperties(filer);
    filer.DefineProperty(
        "CustomBarWidth", [this](const QString& v) { SetCustomBarWidth(TeeTextInt32(v, CustomBarWidth())); },
        [this] { return TeeIntText(CustomBarWidth()); }, CustomBarWidth() != 0);
}

void THorizBarSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomBarSeries::DefineProperties(filer);
    filer.DefineProperty(
        "CustomBarHeight", [this](const QString& v) { SetCustomBarHeight(TeeTextInt32(v, CustomBarHeight())); },
        [this] { return TeeIntText(CustomBarHeight()); }, CustomBarHeight() != 0);
}
