// Every stored kind with every published setting changed: the text names exactly those
// settings, and reading it into a fresh object of the kind gives every setting back (the
// whole set of settings is compared, stored or not).

#include <gtest/gtest.h>

#include <map>

#include "tests/chart/stored/StoredObjects.h"

namespace {

// Settings that every series publishes, changed.
#define SERIES_BASE                                                                                              \
    "Active=False\nColorSource=Col\nCursor=5\nDepth=10\nHorizAxis=aTopAxis\nIdentifier=id\n"                   \
    "PercentFormat=0 %\nSeriesColor=65280\nShowInLegend=False\nStyle=3\nTitle=Some series\nValueFormat=0.0\n"  \
    "VertAxis=aRightAxis\nXLabelsSource=Lab\n"

// Settings that every axis kind shares, changed.
#define AXIS_COMMON                                                                                              \
    "Automatic=False\nAutomaticMaximum=False\nAutomaticMinimum=False\nAxis.Width=3\nAxisValuesFormat=0.0\n"   \
    "DateTimeFormat=hh:nn\nExactDateTime=False\nGrid.Color=255\nGridCentered=True\nIncrement=2.5\n"           \
    "Inverted=True\nLabels=False\nLabelsAlign=alOpposite\nLabelsAngle=90\nLabelsExponent=True\n"              \
    "LabelsFont.InterCharSize=1\nLabelsMultiLine=True\nLabelsOnAxis=False\nLabelsSeparation=20\n"             \
    "LabelsSize=30\nLabelStyle=talValue\nLogarithmic=True\nLogarithmicBase=2\nMaximum=1000\n"                 \
    "MaximumOffset=5\nMinimum=1\nMinimumOffset=6\nMinorGrid.Visible=True\nMinorTickCount=5\n"                 \
    "MinorTickLength=3\nMinorTicks.Color=255\nStartPosition=10\nEndPosition=90\nPositionPercent=15\n"         \
    "PositionUnits=muPixels\nRoundFirstLabel=False\nTickInnerLength=2\nTickLength=6\nTicks.Color=255\n"       \
    "TicksInner.Color=255\nTickOnLabelsOnly=False\nTitle.Caption=Axis\nTitleSize=12\n"

// A framed shape's own settings, changed.
#define SHAPE_LOOK                                                                                              \
    "Bevel=bvLowered\nBevelWidth=3\nBrush.Style=bsCross\nColor=255\nFont.InterCharSize=1\nFrame.Width=2\n"   \
    "Gradient.Visible=True\nShadow.HorizSize=5\nShapeStyle=fosRoundRectangle\nTransparency=20\n"

#define PEN_SETTINGS "Mode=pmXor\nWidth=3\nEndStyle=esFlat\nSmallDots=True\n"
#define GRADIENT_SETTINGS "Balance=30\nMidColor=65280\nRadialX=5\nRadialY=6\n"

const std::map<QString, const char*>& EverySettingChanged()
{
    static const std::map<QString, const char*> rows = {
        {"TPen", "Color=255\nMode=pmXor\nStyle=psDash\nWidth=3"},
        {"TBrush", "Color=255\nStyle=bsCross"},
        {"TFont", "Charset=128\nColor=255\nHeight=-20\nName=Courier New\nStyle=[fsBold,fsItalic]"},
        {"TChartPen", "Color=255\nStyle=psDash\nVisible=False\n" PEN_SETTINGS},
        {"TChartHiddenPen", "Color=255\nStyle=psDash\nVisible=True\n" PEN_SETTINGS},
        {"TDottedGrayPen", "Color=255\nStyle=psSolid\nVisible=False\n" PEN_SETTINGS},
        {"TDarkGrayPen", "Color=255\nStyle=psDash\nVisible=False\n" PEN_SETTINGS},
        {"TChartAxisPen", "Color=255\nStyle=psDash\nVisible=False\nMode=pmXor\nWidth=1\nEndStyle=esFlat\nSmallDots=True"},
        {"TWhitePen", "Color=0\nStyle=psDash\nVisible=False\n" PEN_SETTINGS},
        {"TAxisGridPen", "Color=255\nStyle=psSolid\nVisible=False\nZPosition=50\n" PEN_SETTINGS},
        {"TChartBrush", "Color=255\nStyle=bsCross"},
        {"TTeeFont", "Charset=128\nColor=255\nGradient.Visible=True\nHeight=-20\nInterCharSize=2\nName=Courier New\n"
                     "OutLine.Visible=True\nShadow.HorizSize=2\nStyle=[fsBold]"},
        {"TTeeGradient", GRADIENT_SETTINGS "Direction=gdLeftRight\nEndColor=255\nStartColor=16711680\nVisible=True"},
        {"TTeeFontGradient",
         GRADIENT_SETTINGS "Direction=gdLeftRight\nEndColor=255\nStartColor=16711680\nVisible=True\nOutline=True"},
        {"TSeriesMarksGradient", GRADIENT_SETTINGS "Direction=gdTopBottom\nEndColor=255\nStartColor=65535\nVisible=True"},
        {"TChartLegendGradient", GRADIENT_SETTINGS "Direction=gdTopBottom\nEndColor=255\nStartColor=65535\nVisible=True"},
        {"TBarSeriesGradient",
         GRADIENT_SETTINGS "Direction=gdLeftRight\nEndColor=255\nStartColor=16711680\nVisible=False\nRelative=True"},
        {"TTeeShadow", "Color=255\nHorizSize=3\nTransparency=40\nVertSize=4"},
        {"TPieShadow", "Color=255\nHorizSize=3\nTransparency=40\nVertSize=4"},
        {"TView3DOptions", "Elevation=300\nHorizOffset=5\nOrthoAngle=60\nOrthogonal=False\nPerspective=20\n"
                           "Rotation=300\nTilt=10\nVertOffset=-5\nZoom=150\nZoomText=False"},
        {"TTeeZoom", "Allow=False\nAnimated=True\nAnimatedSteps=4\nBrush.Color=255\nDirection=tzdHorizontal\n"
                     "KeyShift=1\nMinimumPixels=20\nMouseButton=mbRight\nPen.Color=255"},
        {"TChart",
         "AllowPanning=pmNone\nAxisBehind=False\nAxisVisible=False\nBackImageInside=True\nBackImageMode=pbmTile\n"
         "BevelOuter=bvNone\nBevelWidth=3\nBorder.Visible=True\nBorderRound=5\nChart3DPercent=30\nClipPoints=False\n"
         "Color=255\nGradient.Visible=True\nMarginBottom=5\nMarginLeft=6\nMarginRight=7\nMarginTop=8\n"
         "MarginUnits=muPixels\nMaxPointsPerPage=10\nPage=2\nPrintMargins=10,11,12,13\nPrintProportional=False\n"
         "ScaleLastPage=False\nScrollMouseButton=mbLeft\nShadow.HorizSize=3\nView3D=False\n"
         "View3DOptions.Zoom=150\nView3DWalls=False\nZoom.Allow=False\n"
         "BackWall.Size=2\nBottomWall.Size=2\nLeftWall.Size=2\nRightWall.Size=2\n"
         "Title.AdjustFrame=False\nSubTitle.AdjustFrame=False\nFoot.AdjustFrame=False\nSubFoot.AdjustFrame=False\n"
         "Legend.Inverted=True\nBottomAxis.Inverted=True\nTopAxis.Inverted=True\nLeftAxis.Inverted=True\n"
         "RightAxis.Inverted=True\nDepthAxis.Inverted=True\n"
         // A title's or the legend's place is always stored.
         "Title.Left=0\nTitle.Top=0\nSubTitle.Left=0\nSubTitle.Top=0\nFoot.Left=0\nFoot.Top=0\nSubFoot.Left=0\n"
         "SubFoot.Top=0\nLegend.Left=0\nLegend.Top=0"},
        {"TChartTitle", SHAPE_LOOK "AdjustFrame=False\nAlignment=taLeftJustify\nCustomPosition=True\nLeft=10\n"
                                   "Text=Hello\\nWorld\nTop=20\nTransparent=False\nVisible=False"},
        {"TChartFootTitle", SHAPE_LOOK "AdjustFrame=False\nAlignment=taRightJustify\nCustomPosition=True\nLeft=10\n"
                                       "Text=Hello\\nWorld\nTop=20\nTransparent=False\nVisible=False"},
        {"TChartLegend",
         SHAPE_LOOK "Alignment=laLeft\nCheckBoxes=True\nCurrentPage=False\nCustomPosition=True\n"
                    "DividingLines.Visible=True\nFirstValue=2\nFontSeriesColor=True\nHorizMargin=5\nInverted=True\n"
                    "Left=10\nLegendStyle=lsSeries\nMaxNumRows=5\nResizeChart=False\nSymbol.Squared=True\n"
                    "TextStyle=ltsRightValue\nTop=20\nTopPos=20\nTransparent=True\nVertMargin=6\nVertSpacing=2\n"
                    "Visible=False"},
        {"TLegendSymbol", "Continuous=True\nDefaultPen=False\nPen.Width=2\nPosition=spRight\nSquared=True\n"
                          "Visible=False\nWidth=30\nWidthUnits=lcsPixels"},
        {"TChartWall", "Brush.Style=bsCross\nColor=255\nDark3D=False\nGradient.Visible=True\nPen.Width=2\nSize=5\n"
                       "Transparency=20\nTransparent=True\nVisible=False"},
        {"TChartBackWall", "Brush.Style=bsCross\nColor=255\nDark3D=False\nGradient.Visible=True\nPen.Width=2\n"
                           "Size=5\nTransparency=20\nTransparent=False\nVisible=False"},
        {"TChartRightWall", "Brush.Style=bsCross\nColor=255\nDark3D=False\nGradient.Visible=True\nPen.Width=2\n"
                            "Size=5\nTransparency=20\nTransparent=True\nVisible=True"},
        {"TChartAxis", AXIS_COMMON "OtherSide=True\nVisible=False\nZPosition=50"},
        {"TChartAxis (other side)", AXIS_COMMON "OtherSide=False\nVisible=False\nZPosition=50"},
        {"TChartDepthAxis", AXIS_COMMON "Visible=True"},
        {"TChartAxis (custom)", AXIS_COMMON "Horizontal=True\nOtherSide=True\nVisible=False\nZPosition=50"},
        {"TChartAxisTitle", "Angle=45\nCaption=Bottom\nFont.InterCharSize=1\nVisible=False"},
        {"TAxisItem", SHAPE_LOOK "Text=ten\nTransparent=False\nValue=10"},
        {"TChartValueList", "DateTime=True\nName=Height\nOrder=loAscending\nValueSource=Field"},
        {"TSeriesMarks", SHAPE_LOOK "Angle=90\nCallout.Arrow.Color=255\nCallout.Length=12\nClip=True\nDrawEvery=2\n"
                                    "MultiLine=True\nStyle=smsValue\nTransparent=True\nVisible=True"},
        {"TMarksItem", SHAPE_LOOK "Transparent=True"},
        {"TMarksCallout", "Arrow.Color=255\nArrowHead=ahSolid\nArrowHeadSize=10\nBrush.Style=bsCross\nDark3D=False\n"
                          "Distance=3\nDraw3D=True\nGradient.Visible=True\nHorizSize=5\nInflateMargins=False\n"
                          "Length=12\nPen.Width=2\nStyle=psCircle\nVertSize=6\nVisible=True"},
        {"TSeriesPointer", "Brush.Style=bsCross\nDark3D=False\nDraw3D=False\nGradient.Visible=True\nHorizSize=5\n"
                           "InflateMargins=False\nPen.Width=2\nStyle=psCircle\nVertSize=6\nVisible=True"},
        {"TPieOtherSlice", "Color=255\nLegend.LegendStyle=lsAuto\nLegend.Visible=True\nStyle=poBelowPercent\n"
                           "Text=Rest\nValue=5"},
        {"TLineSeries",
         SERIES_BASE "Brush.Style=bsCross\nClickableLine=False\nColorEachLine=False\nColorEachPoint=True\n"
                     "Dark3D=False\nInvertedStairs=True\nLineBrush=bsCross\nLineHeight=3\nLinePen.Width=2\n"
                     "Marks.Visible=True\nOutLine.Visible=True\nPointer.Visible=True\nStacked=cssStack\nStairs=True\n"
                     "XValues.Order=loNone\nYValues.Order=loAscending"},
        {"THorizLineSeries",
         SERIES_BASE "Brush.Style=bsCross\nClickableLine=False\nColorEachLine=False\nColorEachPoint=True\n"
                     "Dark3D=False\nInvertedStairs=True\nLineBrush=bsCross\nLineHeight=3\nLinePen.Width=2\n"
                     "Marks.Visible=True\nOutLine.Visible=True\nPointer.Visible=True\nStacked=cssStack\nStairs=True\n"
                     "XValues.Order=loAscending\nYValues.Order=loNone"},
        {"TPointSeries", SERIES_BASE "ClickableLine=True\nColorEachPoint=True\nMarks.Visible=True\n"
                                     "Pointer.Visible=False\nXValues.Order=loNone\nYValues.Order=loAscending"},
        {"TAreaSeries",
         SERIES_BASE "AreaBrush=bsCross\nAreaChartBrush.Style=bsCross\nAreaColor=255\nAreaLinesPen.Width=2\n"
                     "ClickableLine=False\nColorEachLine=False\nColorEachPoint=True\nDark3D=False\nDrawArea=False\n"
                     "Gradient.Visible=True\nInvertedStairs=True\nLinePen.Width=2\nMarks.Visible=True\n"
                     "MultiArea=maStacked\nPointer.Visible=True\nStairs=True\nTransparency=20\nUseYOrigin=True\n"
                     "YOrigin=5\nXValues.Order=loNone\nYValues.Order=loAscending"},
        {"THorizAreaSeries",
         SERIES_BASE "AreaBrush=bsCross\nAreaChartBrush.Style=bsCross\nAreaColor=255\nAreaLinesPen.Width=2\n"
                     "ClickableLine=False\nColorEachLine=False\nColorEachPoint=True\nDark3D=False\nDrawArea=False\n"
                     "Gradient.Visible=True\nInvertedStairs=True\nLinePen.Width=2\nMarks.Visible=True\n"
                     "MultiArea=maStacked\nPointer.Visible=True\nStairs=True\nTransparency=20\nUseYOrigin=True\n"
                     "YOrigin=5\nXValues.Order=loAscending\nYValues.Order=loNone"},
        {"TBarSeries",
         SERIES_BASE "AutoBarSize=True\nAutoMarkPosition=False\nBarBrush.Style=bsCross\nBarPen.Width=2\n"
                     "BarStyle=bsPyramid\nBarWidthPercent=50\nBevelSize=2\nColorEachPoint=True\nConePercent=30\n"
                     "CustomBarWidth=10\nDark3D=False\nGradient.Relative=True\nMarks.Visible=False\n"
                     "MultiBar=mbStacked\nOffsetPercent=20\nSideMargins=False\nStackGroup=1\nTransparency=20\n"
                     "UseYOrigin=False\nYOrigin=5"},
        {"THorizBarSeries",
         SERIES_BASE "AutoBarSize=True\nAutoMarkPosition=False\nBarBrush.Style=bsCross\nBarPen.Width=2\n"
                     "BarStyle=bsPyramid\nBarWidthPercent=50\nBevelSize=2\nColorEachPoint=True\nConePercent=30\n"
                     "CustomBarHeight=10\nDark3D=False\nGradient.Relative=True\nMarks.Visible=False\n"
                     "MultiBar=mbStacked\nOffsetPercent=20\nSideMargins=False\nStackGroup=1\nTransparency=20\n"
                     "UseYOrigin=False\nYOrigin=5"},
        {"TPieSeries",
         SERIES_BASE "AngleSize=180\nAutoMarkPosition=False\nCircleBackColor=255\nCircled=True\nColorEachPoint=False\n"
                     "CustomXRadius=50\nCustomYRadius=40\nDark3D=False\nDarkPen=True\nExplodeBiggest=10\n"
                     "Marks.Visible=False\nOtherSlice.Style=poBelowValue\nPiePen.Width=2\nRotationAngle=90\n"
                     "Shadow.HorizSize=5\nUsePatterns=True"},
        // The line takes the series colour.
        {"TFastLineSeries", SERIES_BASE "AutoRepaint=False\nColorEachPoint=True\nDrawAllPoints=False\n"
                                        "IgnoreNulls=False\nInvertedStairs=True\nLinePen.Color=65280\n"
                                        "LinePen.Width=3\nMarks.Visible=True\nStairs=True"},
    };
    return rows;
}

// The chart's series and tools are stored as components; their own kinds check them.
QStringList Sorted(QStringList lines)
{
    lines.removeAll(QString());
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("Components.")); });
    lines.sort();
    return lines;
}

// What got lacks of want and has beyond it; empty when they are equal.
std::string Difference(const QStringList& got, const QStringList& want)
{
    QStringList missing, extra;
    for (const QString& line : want)
        if (!got.contains(line))
            missing << line;
    for (const QString& line : got)
        if (!want.contains(line))
            extra << line;
    if (missing.isEmpty() && extra.isEmpty())
        return {};
    return ("missing: " + missing.join(" | ") + "\nunexpected: " + extra.join(" | ")).toStdString();
}

// Every setting of the object, stored or not, one "Path=value" a line.
QStringList AllSettings(const StoredObject& o)
{
    const TTeeStartValuesFiler::TStartTexts texts = TTeeStartValuesFiler::Record(o.define);
    QStringList lines;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        lines << it.key() + QLatin1Char('=') + it.value();
    return Sorted(lines);
}

TEST(StoredEverySetting, EveryKindHasItsList)
{
    for (const StoredKind& kind : StoredKinds())
        EXPECT_TRUE(EverySettingChanged().count(QLatin1String(kind.name))) << kind.name;
}

TEST(StoredEverySetting, WrittenByNameAndReadBackWhole)
{
    for (const auto& [kind, changedText] : EverySettingChanged()) {
        SCOPED_TRACE(kind.toStdString());
        const QStringList changed = Sorted(QString::fromUtf8(changedText).split(QLatin1Char('\n')));
        const StoredObject a = MakeStored(kind);
        ASSERT_TRUE(a.define);
        TTeePropertyReader reader(changed.join(QLatin1Char('\n')));
        ReadStored(a, reader);
        EXPECT_EQ(reader.Unread().join(' ').toStdString(), "");
        EXPECT_EQ(reader.Refused().join(' ').toStdString(), "");
        // Exactly the changed settings are written, under the names given.
        const QString text = WriteStored(a);
        EXPECT_EQ(Difference(Sorted(text.split(QLatin1Char('\n'))), changed), "");
        // A fresh object reads every setting back.
        const StoredObject b = MakeStored(kind);
        TTeePropertyReader back(text);
        ReadStored(b, back);
        EXPECT_EQ(Difference(AllSettings(b), AllSettings(a)), "");
    }
}

} // namespace

namespace {

// Stored values that the setter refuses (the start value stays) or normalises.
struct SetterCase {
    const char* kind;
    const char* stored;
    const char* readBack; // the setting afterwards
    bool refused;
};

const SetterCase setterCases[] = {
    {"TChartAxis", "LabelsAngle=450", "LabelsAngle=90", false},
    {"TChartAxis", "LabelsAngle=-90", "LabelsAngle=-90", false},
    {"TChartAxis", "LabelsSeparation=-5", "LabelsSeparation=10", true},
    {"TChartAxis", "LabelsSeparation=0", "LabelsSeparation=0", false},
    {"TChartAxis", "Increment=-1", "Increment=0", true},
    {"TChartAxis", "LogarithmicBase=nan", "LogarithmicBase=10", false},
    {"TChartAxisTitle", "Angle=400", "Angle=40", false},
    {"TSeriesPointer", "HorizSize=0", "HorizSize=4", true},
    {"TSeriesPointer", "VertSize=-3", "VertSize=4", true},
    {"TMarksCallout", "HorizSize=0", "HorizSize=4", true},
    {"TChartLegend", "FirstValue=-4", "FirstValue=0", true},
    {"TPieSeries", "RotationAngle=370", "RotationAngle=10", false},
    {"TChart", "MaxPointsPerPage=-1", "MaxPointsPerPage=0", true},
    {"TChart", "Chart3DPercent=0", "Chart3DPercent=15", true},
    {"TChart", "Chart3DPercent=101", "Chart3DPercent=15", true},
    // 25 points in pages of 10 make three pages.
    {"TChart", "MaxPointsPerPage=10\nPage=7", "Page=3", false},
    // Settings published under a second name are read under it too.
    {"TSeriesMarks", "ArrowLength=12", "Callout.Length=12", false},
    {"TSeriesMarks", "Arrow.Color=255", "Callout.Arrow.Color=255", false},
    {"TSeriesMarks", "BackColor=255", "Color=255", false},
    {"TChartLegend", "ColorWidth=30", "Symbol.Width=30", false},
    {"TChart", "Frame.Width=3", "BackWall.Pen.Width=3", false},
};

TEST(StoredEverySetting, ValuesGoThroughTheirSetters)
{
    for (const SetterCase& c : setterCases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.stored);
        const StoredObject o = MakeStored(QLatin1String(c.kind));
        TTeePropertyReader reader(QLatin1String(c.stored));
        ReadStored(o, reader);
        EXPECT_TRUE(AllSettings(o).contains(QLatin1String(c.readBack)));
        EXPECT_EQ(!reader.Refused().isEmpty(), c.refused);
        EXPECT_EQ(reader.Unread().join(' ').toStdString(), "");
    }
}

} // namespace
