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
        TeeDefineEnum(filer, "AreaBrush", FAreaBrush->Style(), bsSolid, BrushStyleNames(),
                      [this](TBrushStyle v) { FAreaBrush->SetStyle(v); });
    if (has(spAreaChartBrush))
        TeeDefineObject(filer, "AreaChartBrush", FAreaBrush.get());
    if (has(spAreaColor))
        TeeDefineColor(filer, "AreaColor", FAreaColor, clDefault, [this](TColor v) { SetAreaColor(v); });
    if (has(spAreaLinesPen))
        TeeDefineObject(filer, "AreaLinesPen", FAreaLinesPen.get());
    if (has(spBrush))
        TeeDefineObject(filer, "Brush", Brush());
    if (has(spClickableLine))
        TeeDefineBool(filer, "ClickableLine", FClickableLine, FStartClickableLine, [this](bool v) { SetClickableLine(v); }, false);
    if (has(spColorEachLine))
        TeeDefineBool(filer, "ColorEachLine", FColorEachLine, true, [this](bool v) { SetColorEachLine(v); }, false);
    if (has(spDark3D))
        TeeDefineBool(filer, "Dark3D", FDark3D, true, [this](bool v) { SetDark3D(v); }, false);
    if (has(spDrawArea))
        TeeDefineBool(filer, "DrawArea", FDrawArea, FStartDrawArea, [this](bool v) { SetDrawArea(v); }, false);
    // Not published, but whether the line is drawn at all is part of the series.
    if (has(spDrawLine))
        TeeDefineBool(filer, "DrawLine", FDrawLine, FStartDrawLine, [this](bool v) { SetDrawLine(v); }, false);
    if (has(spGradient))
        TeeDefineObject(filer, "Gradient", FGradient.get());
    if (has(spInvertedStairs))
        TeeDefineBool(filer, "InvertedStairs", FInvertedStairs, false, [this](bool v) { SetInvertedStairs(v); }, false);
    if (has(spLineBrush))
        TeeDefineEnum(filer, "LineBrush", Brush()->Style(), bsSolid, BrushStyleNames(),
                      [this](TBrushStyle v) { Brush()->SetStyle(v); });
    if (has(spLineHeight))
        TeeDefineInt(filer, "LineHeight", FLineHeight, 0, [this](int32_t v) { SetLineHeight(v); });
    if (has(spLinePen))
        TeeDefineObject(filer, "LinePen", LinePen());
    if (has(spOutLine))
        TeeDefineObject(filer, "OutLine", FOutLine.get());
    if (has(spPointer))
        TeeDefineObject(filer, "Pointer", FPointer.get());
    if (has(spStacked))
        TeeDefineEnum(filer, "Stacked", FStacked, cssNone, StackNames(), [this](TCustomSeriesStack v) { SetStacked(v); });
    if (has(spStairs))
        TeeDefineBool(filer, "Stairs", FStairs, false, [this](bool v) { SetStairs(v); }, false);
    if (has(spTransparency))
        TeeDefineInt(filer, "Transparency", FTransparency, 0,
                     [this](int32_t v) { SetTransparency(std::clamp(v, 0, 100)); });
}

void TCustomSeries::DefineStartProperties(TTeeFiler& filer)
{
    TCustomLineSeries::DefineStartProperties(filer);
    if (StoredProperties() & spValueLists) {
        TeeDefineObject(filer, "XValues", XValues());
        TeeDefineObject(filer, "YValues", YValues());
    }
}

unsigned TLineSeries::StoredProperties() const
{
    return spBrush | spClickableLine | spDark3D | spInvertedStairs | spLineBrush | spLineHeight | spLinePen |
           spOutLine | spPointer | spStairs | spStacked | spColorEachLine | spValueLists | spDrawLine;
}

unsigned TPointSeries::StoredProperties() const
{
    return spClickableLine | spPointer | spDrawLine | spValueLists;
}

unsigned TAreaSeries::StoredProperties() const
{
    return spAreaBrush | spAreaChartBrush | spAreaColor | spAreaLinesPen | spGradient | spTransparency | spDrawArea |
           spStairs | spInvertedStairs | spLinePen | spPointer | spDark3D | spClickableLine | spColorEachLine |
           spDrawLine | spValueLists;
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
    TeeDefineEnum(filer, "MultiArea", MultiArea(), maNone, MultiAreaNames(), [this](TMultiArea v) { SetMultiArea(v); });
    // Overlap has no name among the area stackings: it keeps its own.
    TeeDefineEnum(filer, "Stacked", Stacked(), TeeStored(Stacked() == cssOverlap), StackNames(),
                  [this](TCustomSeriesStack v) { SetStacked(v); });
    TeeDefineBool(filer, "UseYOrigin", FUseYOrigin, false, [this](bool v) { SetUseYOrigin(v); }, false);
    TeeDefineFloat(filer, "YOrigin", FYOrigin, 0, [this](double v) { SetYOrigin(v); });
}
