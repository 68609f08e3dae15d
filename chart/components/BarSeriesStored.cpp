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

} // namespace

void TBarSeriesGradient::DefineProperties(TTeeFiler& filer)
{
    TCustomTeeGradient::DefineProperties(filer);
    TeeDefineBool(filer, "Relative", FRelative, false, [this](bool v) { SetRelative(v); }, false);
}

void TCustomBarSeries::DefineProperties(TTeeFiler& filer)
{
    TChartSeries::DefineProperties(filer);
    TeeDefineBool(filer, "AutoBarSize", FAutoBarSize, false, [this](bool v) { SetAutoBarSize(v); }, false);
    TeeDefineBool(filer, "AutoMarkPosition", FAutoMarkPosition, true, [this](bool v) { SetAutoMarkPosition(v); }, false);
    TeeDefineObject(filer, "BarBrush", BarBrush());
    TeeDefineObject(filer, "BarPen", BarPen());
    TeeDefineEnum(filer, "BarStyle", FBarStyle, bsRectangle, barStyleNames, [this](TBarStyle v) { SetBarStyle(v); });
    TeeDefineInt(filer, "BarWidthPercent", FBarWidthPercent, 70, [this](int32_t v) { SetBarWidthPercent(v); });
    TeeDefineInt(filer, "BevelSize", FBevelSize, 1, [this](int32_t v) { SetBevelSize(v); });
    TeeDefineInt(filer, "ConePercent", FConePercent, 0, [this](int32_t v) { SetConePercent(v); });
    TeeDefineBool(filer, "Dark3D", FDark3D, true, [this](bool v) { SetDark3D(v); }, false);
    TeeDefineObject(filer, "Gradient", FGradient.get());
    TeeDefineEnum(filer, "MultiBar", FMultiBar, mbSide, multiBarNames, [this](TMultiBar v) { SetMultiBar(v); });
    TeeDefineInt(filer, "OffsetPercent", FOffsetPercent, 0, [this](int32_t v) { SetOffsetPercent(v); });
    TeeDefineBool(filer, "SideMargins", FSideMargins, true, [this](bool v) { SetSideMargins(v); }, false);
    TeeDefineInt(filer, "StackGroup", FStackGroup, 0, [this](int32_t v) { SetStackGroup(v); });
    // A blending percent outside 0..100 from a stream would wrap when it becomes a byte.
    TeeDefineInt(filer, "Transparency", FTransparency, 0, [this](int32_t v) { SetTransparency(std::clamp(v, 0, 100)); });
    TeeDefineBool(filer, "UseYOrigin", FUseYOrigin, true, [this](bool v) { SetUseYOrigin(v); }, false);
    TeeDefineFloat(filer, "YOrigin", FYOrigin, 0, [this](double v) { SetYOrigin(v); });
}

void TBarSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomBarSeries::DefineProperties(filer);
    TeeDefineInt(filer, "CustomBarWidth", CustomBarWidth(), 0, [this](int32_t v) { SetCustomBarWidth(v); });
}

void THorizBarSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomBarSeries::DefineProperties(filer);
    TeeDefineInt(filer, "CustomBarHeight", CustomBarHeight(), 0, [this](int32_t v) { SetCustomBarHeight(v); });
}
