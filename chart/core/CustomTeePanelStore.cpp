// Stored properties of the panels, with the legacy names that older streams carry.

#include "chart/core/CustomTeePanel.h"

#include <QStringList>

#include "chart/core/TeeGradient.h"

void TCustomTeePanel::DefineProperties(TTeeFiler& filer)
{
    static const QStringList units = {"muPercent", "muPixels"};
    filer.DefineObject("Border", [this](TTeeFiler& f) { FBorder->DefineProperties(f); });
    filer.DefineProperty(
        "BorderRound", [this](const QString& v) { SetBorderRound(static_cast<int>(TeeTextInt(v))); },
        [this] { return TeeIntText(FBorderRound); }, FBorderRound != 0);
    // Older streams: exactly "bsSingle" shows the border, anything else hides it.
    filer.DefineProperty(
        "BorderStyle", [this](const QString& v) { FBorder->SetVisible(v == QLatin1String("bsSingle")); }, {},
        false);
    filer.DefineProperty(
        "Chart3DPercent", [this](const QString& v) { Set3DPercent(static_cast<int>(TeeTextInt(v, 15))); },
        [this] { return TeeIntText(FChart3DPercent); }, FChart3DPercent != 15);
    static const char* const marginNames[4] = {"MarginLeft", "MarginTop", "MarginRight", "MarginBottom"};
    static const int marginDefaults[4] = {3, 4, 3, 4};
    for (int i = 0; i < 4; ++i) {
        filer.DefineProperty(
            QLatin1String(marginNames[i]),
            [this, i](const QString& v) { SetMargin(i, static_cast<int>(TeeTextInt(v, marginDefaults[i]))); },
            [this, i] { return TeeIntText(FMargins[i]); }, FMargins[i] != marginDefaults[i]);
    }
    filer.DefineProperty(
        "MarginUnits", [this](const QString& v) { SetMarginUnits(TeeTextEnum(v, units, muPercent)); },
        [this] { return units.at(FMarginUnits); }, FMarginUnits != muPercent);
    filer.DefineProperty(
        "PrintProportional", [this](const QString& v) { FPrintProportional = TeeTextBool(v); },
        [this] { return TeeBoolText(FPrintProportional); }, !FPrintProportional);
    filer.DefineObject("Shadow", [this](TTeeFiler& f) { FShadow->DefineProperties(f); });
    filer.DefineProperty(
        "View3D", [this](const QString& v) { SetView3D(TeeTextBool(v)); }, [this] { return TeeBoolText(FView3D); },
        !FView3D);
    filer.DefineObject("View3DOptions", [this](TTeeFiler& f) { FView3DOptions->DefineProperties(f); });
}

void TCustomTeePanelExtended::DefineProperties(TTeeFiler& filer)
{
    TCustomTeePanel::DefineProperties(filer);
    static const QStringList panning = {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"};
    static const QStringList modes = {"pbmStretch", "pbmTile", "pbmCenter"};
    filer.DefineProperty(
        "AllowPanning", [this](const QString& v) { FAllowPanning = TeeTextEnum(v, panning, pmBoth); },
        [this] { return panning.at(FAllowPanning); }, FAllowPanning != pmBoth);
    filer.DefineProperty(
        "BackImageInside", [this](const QString& v) { SetBackImageInside(TeeTextBool(v)); },
        [this] { return TeeBoolText(FBackImageInside); }, FBackImageInside);
    filer.DefineProperty(
        "BackImageMode", [this](const QString& v) { SetBackImageMode(TeeTextEnum(v, modes, pbmStretch)); },
        [this] { return modes.at(FBackImageMode); }, FBackImageMode != pbmStretch);
    filer.DefineObject("Gradient", [this](TTeeFiler& f) { Gradient()->DefineProperties(f); }, FGradient != nullptr);
    filer.DefineObject("Zoom", [this](TTeeFiler& f) { FZoom->DefineProperties(f); });
    // Older streams kept the zoom settings on the panel itself.
    filer.DefineProperty("AllowZoom", [this](const QString& v) { FZoom->SetAllow(TeeTextBool(v)); }, {}, false);
    filer.DefineProperty("AnimatedZoom", [this](const QString& v) { FZoom->SetAnimated(TeeTextBool(v)); }, {}, false);
    filer.DefineProperty(
        "AnimatedZoomSteps",
        [this](const QString& v) { FZoom->SetAnimatedSteps(static_cast<int>(TeeTextInt(v, 8))); }, {}, false);
    // Four integers, left, top, right and bottom, stored when any differs from 15.
    const TRect& m = PrintMargins();
    filer.DefineProperty(
        "PrintMargins",
        [this](const QString& v) {
            const QStringList parts = v.split(QLatin1Char(','));
            if (parts.size() != 4)
                return;
            SetPrintMargins(TRect(static_cast<int32_t>(TeeTextInt(parts[0], 15)),
                                  static_cast<int32_t>(TeeTextInt(parts[1], 15)),
                                  static_cast<int32_t>(TeeTextInt(parts[2], 15)),
                                  static_cast<int32_t>(TeeTextInt(parts[3], 15))));
        },
        [this] {
            const TRect& r = PrintMargins();
            return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
        },
        m.Left != 15 || m.Top != 15 || m.Right != 15 || m.Bottom != 15);
}
