// Stored properties of the line family. Each kind stores the properties it publishes, and each
// one only when it differs from what a new series of that kind starts with: reading the text
// into a new series of the same kind gives the same series back.

#include <QStringList>
#include <algorithm>

#include "chart/components/CustomSeries.h"
#include "chart/core/ChartValueList.h"

namespace {

const QStringList& StackNames()
{
    static const QStringList names{"cssNone", "cssOverlap", "cssStack", "cssStack100"};
    return names;
}

const QStringList& MultiAreaNames()
{
    static const QStringList names{"maNone", "maStacked", "maStacked100"};
    return names;
}

void DefineBool(TTeeFiler& filer, const char* name, bool value, bool start, const std::function<void(bool)>& set)
{
    filer.DefineProperty(
        QLatin1String(name), [set](const QString& v) { set(TeeTextBool(v)); }, [value] { return TeeBoolText(value); },
        value != start);
}

void DefineBrushStyle(TTeeFiler& filer, const char* name, TBrush* brush)
{
    filer.DefineProperty(
        QLatin1String(name), [brush](const QString& v) { brush->SetStyle(TeeTextEnum(v, BrushStyleNames(), brush->Style())); },
        [brush] { return BrushStyleNames().at(brush->Style()); }, brush->Style() != bsSolid);
}

void DefineStored(TTeeFiler& filer, const char* name, TTeeStoredObject* object)
{
    filer.DefineObject(QLatin1String(name), [object](TTeeFiler& f) { object->DefineProperties(f); });
}

} // namespace

void TCustomSeries::KeepStartLook()
{
    FStartClickableLine = FClickableLine;
    FStartDrawArea = FDrawArea;
    FStartDrawLine = FDrawLine;
    FPointer->SetDefaultVisible(FPointer->Visible());
}

void TCustomSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomLineSeries::DefineProperties(filer);
    const unsigned stored = StoredProperties();
    const auto has = [stored](unsigned property) { return (stored & property) != 0; };
    if (has(spAreaBrush))
        DefineBrushStyle(filer, "AreaBrush", FAreaBrush.get());
    if (has(spAreaChartBrush))
        DefineStored(filer, "AreaChartBrush", FAreaBrush.get());
    if (has(spAreaColor))
        filer.DefineProperty(
            "AreaColor", [this](const QString& v) { SetAreaColor(TeeTextColor(v, FAreaColor)); },
            [this] { return TeeColorText(FAreaColor); }, FAreaColor != clDefault);
    if (has(spAreaLinesPen))
        DefineStored(filer, "AreaLinesPen", FAreaLinesPen.get());
    if (has(spBrush))
        DefineStored(filer, "Brush", Brush());
    if (has(spClickableLine))
        DefineBool(filer, "ClickableLine", FClickableLine, FStartClickableLine, [this](bool v) { SetClickableLine(v); });
    if (has(spColorEachLine))
        DefineBool(filer, "ColorEachLine", FColorEachLine, true, [this](bool v) { SetColorEachLine(v); });
    if (has(spDark3D))
        DefineBool(filer, "Dark3D", FDark3D, true, [this](bool v) { SetDark3D(v); });
    if (has(spDrawArea))
        DefineBool(filer, "DrawArea", FDrawArea, FStartDrawArea, [this](bool v) { SetDrawArea(v); });
    // Not published, but whether the line is drawn at all is part of the series.
    if (has(spDrawLine))
        DefineBool(filer, "DrawLine", FDrawLine, FStartDrawLine, [this](bool v) { SetDrawLine(v); });
    if (has(spGradient))
        DefineStored(filer, "Gradient", FGradient.get());
    if (has(spInvertedStairs))
        DefineBool(filer, "InvertedStairs", FInvertedStairs, false, [this](bool v) { SetInvertedStairs(v); });
    if (has(spLineBrush))
        DefineBrushStyle(filer, "LineBrush", Brush());
    if (has(spLineHeight))
        filer.DefineProperty(
            "LineHeight", [this](const QString& v) { SetLineHeight(TeeTextInt32(v, FLineHeight)); },
            [this] { return TeeIntText(FLineHeight); }, FLineHeight != 0);
    if (has(spLinePen))
        DefineStored(filer, "LinePen", LinePen());
    if (has(spOutLine))
        DefineStored(filer, "OutLine", FOutLine.get());
    if (has(spPointer))
        DefineStored(filer, "Pointer", FPointer.get());
    if (has(spStacked))
        filer.DefineProperty(
            "Stacked", [this](const QString& v) { SetStacked(TeeTextEnum(v, StackNames(), FStacked)); },
            [this] { return StackNames().at(FStacked); }, FStacked != cssNone);
    if (has(spStairs))
        DefineBool(filer, "Stairs", FStairs, false, [this](bool v) { SetStairs(v); });
    if (has(spTransparency))
        filer.DefineProperty(
            "Transparency",
            [this](const QString& v) { SetTransparency(std::clamp(TeeTextInt32(v, FTransparency), 0, 100)); },
            [this] { return TeeIntText(FTransparency); }, FTransparency != 0);
    if (has(spValueLists)) {
        DefineStored(filer, "XValues", XValues());
        DefineStored(filer, "YValues", YValues());
    }
}

unsigned TLineSeries::StoredProperties() const
{
    return spBrush | spClickableLine | spDark3D | spInvertedStairs | spLineBrush | spLineHeight | spLinePen |
           spOutLine | spPointer | spStairs | spStacked | spColorEachLine | spValueLists | spDrawLine;
}

unsigned TPointSeries::StoredProperties() const
{
    return spClickableLine | spPointer | spDrawLine;
}

unsigned TAreaSeries::StoredProperties() const
{
    return spAreaBrush | spAreaChartBrush | spAreaColor | spAreaLinesPen | spGradient | spTransparency | spDrawArea |
           spStairs | spInvertedStairs | spLinePen | spPointer | spDark3D | spClickableLine | spColorEachLine |
           spDrawLine;
}

TMultiArea TAreaSeries::MultiArea() const
{
    switch (Stacked()) {
    case cssStack: return maStacked;
    case cssStack100: return maStacked100;
    default: return maNone;
    }
}

void TAreaSeries::SetMultiArea(TMultiArea value)
{
    if (value == MultiArea())
        return;
    SetStacked(value == maStacked ? cssStack : value == maStacked100 ? cssStack100 : cssNone);
}

void TAreaSeries::DefineProperties(TTeeFiler& filer)
{
    TCustomSeries::DefineProperties(filer);
    filer.DefineProperty(
        "MultiArea", [this](const QString& v) { SetMultiArea(TeeTextEnum(v, MultiAreaNames(), MultiArea())); },
        [this] { return MultiAreaNames().at(MultiArea()); }, MultiArea() != maNone);
    // Overlap has no name among the area stackings: it keeps its own.
    filer.DefineProperty(
        "Stacked", [this](const QString& v) { SetStacked(TeeTextEnum(v, StackNames(), Stacked())); },
        [this] { return StackNames().at(Stacked()); }, Stacked() == cssOverlap);
    DefineBool(filer, "UseYOrigin", FUseYOrigin, false, [this](bool v) { SetUseYOrigin(v); });
    filer.DefineProperty(
        "YOrigin", [this](const QString& v) { SetYOrigin(TeeTextFloat(v, FYOrigin)); },
        [this] { return TeeFloatText(FYOrigin); }, FYOrigin != 0);
}
