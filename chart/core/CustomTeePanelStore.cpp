// Stored properties of the panels, and the names that are read but never written.

#include "chart/core/CustomTeePanel.h"

#include <QStringList>

#include "chart/core/TeeGradient.h"

void TCustomTeePanel::DefineProperties(TTeeFiler& filer)
{
    static const QStringList units = {"muPercent", "muPixels"};
    static const QStringList bevels = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    // The panel's own look, against what every panel starts with.
    TeeDefineEnum(filer, "BevelOuter", BevelOuter(), bvRaised, bevels, [this](TBevelCut v) { SetBevelOuter(v); });
    TeeDefineInt(filer, "BevelWidth", BevelWidth(), 1, [this](int32_t v) { SetBevelWidth(v); });
    TeeDefineColor(filer, "Color", Color(), clBtnFace, [this](TColor v) { SetColor(v); });
    TeeDefineObject(filer, "Border", FBorder.get());
    filer.DefineProperty(
        "BorderRound", [this](const QString& v) { SetBorderRound(static_cast<int>(TeeTextInt(v))); },
        [this] { return TeeIntText(FBorderRound); }, FBorderRound != 0);
    // Read, never written: exactly "bsSingle" shows the border, anything else hides it.
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
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineEnum(filer, "MarginUnits", FMarginUnits, muPercent, units, [this](TTeeUnits v) { SetMarginUnits(v); },
                  muPercent);
    TeeDefineBool(filer, "PrintProportional", FPrintProportional, true, [this](bool v) { SetPrintProportional(v); },
                  false);
    TeeDefineObject(filer, "Shadow", FShadow.get());
    TeeDefineBool(filer, "View3D", FView3D, true, [this](bool v) { SetView3D(v); }, false);
    TeeDefineObject(filer, "View3DOptions", FView3DOptions.get());
}

void TCustomTeePanelExtended::DefineProperties(TTeeFiler& filer)
{
    TCustomTeePanel::DefineProperties(filer);
    static const QStringList panning = {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"};
    static const QStringList modes = {"pbmStretch", "pbmTile", "pbmCenter"};
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineEnum(filer, "AllowPanning", FAllowPanning, pmBoth, panning, [this](TPanningMode v) { SetAllowPanning(v); },
                  pmBoth);
    TeeDefineBool(filer, "BackImageInside", FBackImageInside, false, [this](bool v) { SetBackImageInside(v); }, false);
    TeeDefineEnum(filer, "BackImageMode", FBackImageMode, pbmStretch, modes,
                  [this](TTeeBackImageMode v) { SetBackImageMode(v); }, pbmStretch);
    filer.DefineObject("Gradient", [this](TTeeFiler& f) { Gradient()->DefineProperties(f); }, FGradient != nullptr);
    TeeDefineObject(filer, "Zoom", FZoom.get());
    // The zoom settings are also read under the panel's own names, never written there.
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
