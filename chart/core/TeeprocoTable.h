#pragma once

// The English texts of the Teeproco message variables, in assignment order.
// One row per variable: X(name, text). CR inside a text is a line break where it is drawn.
// This table is the only place a name or an English text is written down.

#define TEEPROCO_MESSAGES(X) \
    X(TeeMsg_GalleryPolar,           "Polar") \
    X(TeeMsg_GalleryCandle,          "Candle") \
    X(TeeMsg_GalleryVolume,          "Volume") \
    X(TeeMsg_GallerySurface,         "Surface") \
    X(TeeMsg_GalleryContour,         "Contour") \
    X(TeeMsg_GalleryBezier,          "Bezier") \
    X(TeeMsg_GalleryPoint3D,         "Point 3D") \
    X(TeeMsg_GalleryRadar,           "Radar") \
    X(TeeMsg_GalleryDonut,           "Donut") \
    X(TeeMsg_GalleryCursor,          "Cursor") \
    X(TeeMsg_GalleryBar3D,           "Bar 3D") \
    X(TeeMsg_GalleryBigCandle,       "Big Candle") \
    X(TeeMsg_GalleryLinePoint,       "Line Point") \
    X(TeeMsg_GalleryHistogram,       "Histogram") \
    X(TeeMsg_GalleryWaterFall,       "Water Fall") \
    X(TeeMsg_GalleryWindRose,        "Wind Rose") \
    X(TeeMsg_GalleryClock,           "Clock") \
    X(TeeMsg_GalleryColorGrid,       "Color Grid") \
    X(TeeMsg_GalleryBoxPlot,         "Box Plot") \
    X(TeeMsg_GalleryHorizBoxPlot,    "Horiz. Box Plot") \
    X(TeeMsg_GalleryBarJoin,         "Bar Join") \
    X(TeeMsg_GallerySmith,           "Smith") \
    X(TeeMsg_GalleryPyramid,         "Pyramid") \
    X(TeeMsg_GalleryMap,             "Map") \
    X(TeeMsg_PolyDegreeRange,        "Polynomial degree must be between 1 and 20") \
    X(TeeMsg_AnswerVectorIndex,      "Answer Vector index must be between 1 and %d") \
    X(TeeMsg_FittingError,           "Cannot process fitting") \
    X(TeeMsg_ExpAverageWeight,       "ExpAverage Weight must be between 0 and 1") \
    X(TeeMsg_GalleryErrorBar,        "Error Bar") \
    X(TeeMsg_GalleryError,           "Error") \
    X(TeeMsg_GalleryHighLow,         "High-Low") \
    X(TeeMsg_FunctionMomentum,       "Momentum") \
    X(TeeMsg_FunctionMomentumDiv,    "Momentum Division") \
    X(TeeMsg_FunctionExpAverage,     "Exp. Average") \
    X(TeeMsg_FunctionMovingAverage,  "Moving Avg.") \
    X(TeeMsg_FunctionExpMovAve,      "Exp.Mov.Avg.") \
    X(TeeMsg_FunctionRSI,            "R.S.I.") \
    X(TeeMsg_FunctionCurveFitting,   "Curve Fitting") \
    X(TeeMsg_FunctionTrend,          "Trend") \
    X(TeeMsg_FunctionExpTrend,       "Exp.Trend") \
    X(TeeMsg_FunctionLogTrend,       "Log.Trend") \
    X(TeeMsg_FunctionCumulative,     "Cumulative") \
    X(TeeMsg_FunctionStdDeviation,   "Std.Deviation") \
    X(TeeMsg_FunctionBollinger,      "Bollinger") \
    X(TeeMsg_FunctionRMS,            "Root Mean Sq.") \
    X(TeeMsg_FunctionMACD,           "MACD") \
    X(TeeMsg_FunctionStochastic,     "Stochastic") \
    X(TeeMsg_FunctionADX,            "ADX") \
    X(TeeMsg_FunctionCount,          "Count") \
    X(TeeMsg_LoadChart,              "Open Chart...") \
    X(TeeMsg_SaveChart,              "Save Chart...") \
    X(TeeMsg_TeeFiles,               "Chart Pro files") \
    X(TeeMsg_GallerySamples,         "Other") \
    X(TeeMsg_GalleryStats,           "Stats") \
    X(TeeMsg_CannotFindEditor,       "Cannot find Series editor Form: %s") \
    X(TeeMsg_ValuesDate,             "Date") \
    X(TeeMsg_ValuesOpen,             "Open") \
    X(TeeMsg_ValuesHigh,             "High") \
    X(TeeMsg_ValuesLow,              "Low") \
    X(TeeMsg_ValuesClose,            "Close") \
    X(TeeMsg_ValuesOffset,           "Offset") \
    X(TeeMsg_ValuesStdError,         "StdError") \
    X(TeeMsg_Grid3D,                 "Grid 3D") \
    X(TeeMsg_LowBezierPoints,        "Number of Bezier points should be > 1") \
    X(TeeCommanMsg_Normal,           "Normal") \
    X(TeeCommanMsg_Edit,             "Edit") \
    X(TeeCommanMsg_Print,            "Print") \
    X(TeeCommanMsg_Copy,             "Copy") \
    X(TeeCommanMsg_Save,             "Save") \
    X(TeeCommanMsg_3D,               "3D") \
    X(TeeCommanMsg_Rotating,         "Rotation: %d° Elevation: %d°") \
    X(TeeCommanMsg_Rotate,           "Rotate") \
    X(TeeCommanMsg_Moving,           "Horiz.Offset: %d Vert.Offset: %d") \
    X(TeeCommanMsg_Move,             "Move") \
    X(TeeCommanMsg_Zooming,          "Zoom: %d %%") \
    X(TeeCommanMsg_Zoom,             "Zoom") \
    X(TeeCommanMsg_Depthing,         "3D: %d %%") \
    X(TeeCommanMsg_Depth,            "Depth") \
    X(TeeCommanMsg_Chart,            "Chart") \
    X(TeeCommanMsg_Panel,            "Panel") \
    X(TeeCommanMsg_RotateLabel,      "Drag %s to Rotate") \
    X(TeeCommanMsg_MoveLabel,        "Drag %s to Move") \
    X(TeeCommanMsg_ZoomLabel,        "Drag %s to Zoom") \
    X(TeeCommanMsg_DepthLabel,       "Drag %s to resize 3D") \
    X(TeeCommanMsg_NormalLabel,      "Drag Left button to Zoom, Right button to Scroll") \
    X(TeeCommanMsg_NormalPieLabel,   "Drag a Pie Slice to Explode it") \
    X(TeeCommanMsg_PieExploding,     "Slice: %d Exploded: %d %%") \
    X(TeeMsg_TriSurfaceLess,         "Number of points must be >= 4") \
    X(TeeMsg_TriSurfaceAllColinear,  "All colinear data points") \
    X(TeeMsg_TriSurfaceSimilar,      "Similar points - cannot execute") \
    X(TeeMsg_GalleryTriSurface,      "Triangle Surf.") \
    X(TeeMsg_AllSeries,              "All Series") \
    X(TeeMsg_GalleryFinancial,       "Financial") \
    X(TeeMsg_CantDeleteAncestor,     "Can not delete ancestor") \
    X(TeeMsg_Load,                   "Load...") \
    X(TeeMsg_CategoryChartActions,   "Chart") \
    X(TeeMsg_CategorySeriesActions,  "Chart Series") \
    X(TeeMsg_Action3D,               "&3D") \
    X(TeeMsg_Action3DHint,           "Switch 2D / 3D") \
    X(TeeMsg_ActionSeriesActive,     "&Active") \
    X(TeeMsg_ActionSeriesActiveHint, "Show / Hide Series") \
    X(TeeMsg_ActionEditHint,         "Edit Chart") \
    X(TeeMsg_ActionEdit,             "&Edit...") \
    X(TeeMsg_ActionCopyHint,         "Copy to Clipboard") \
    X(TeeMsg_ActionCopy,             "&Copy") \
    X(TeeMsg_ActionPrintHint,        "Print preview Chart") \
    X(TeeMsg_ActionPrint,            "&Print...") \
    X(TeeMsg_ActionAxesHint,         "Show / Hide Axes") \
    X(TeeMsg_ActionAxes,             "&Axes") \
    X(TeeMsg_ActionGridsHint,        "Show / Hide Grids") \
    X(TeeMsg_ActionGrids,            "&Grids") \
    X(TeeMsg_ActionLegendHint,       "Show / Hide Legend") \
    X(TeeMsg_ActionLegend,           "&Legend") \
    X(TeeMsg_ActionSeriesEditHint,   "Edit Series") \
    X(TeeMsg_ActionSeriesMarksHint,  "Show / Hide Series Marks") \
    X(TeeMsg_ActionSeriesMarks,      "&Marks") \
    X(TeeMsg_ActionSaveHint,         "Save Chart") \
    X(TeeMsg_ActionSave,             "&Save...") \
    X(TeeMsg_CandleBar,              "Bar") \
    X(TeeMsg_CandleNoOpen,           "No Open") \
    X(TeeMsg_CandleNoClose,          "No Close") \
    X(TeeMsg_NoHigh,                 "No High") \
    X(TeeMsg_NoLow,                  "No Low") \
    X(TeeMsg_ColorRange,             "Color Range") \
    X(TeeMsg_WireFrame,              "Wireframe") \
    X(TeeMsg_DotFrame,               "Dot Frame") \
    X(TeeMsg_Positions,              "Positions") \
    X(TeeMsg_NoGrid,                 "No Grid") \
    X(TeeMsg_NoPoint,                "No Point") \
    X(TeeMsg_NoLine,                 "No Line") \
    X(TeeMsg_Labels,                 "Labels") \
    X(TeeMsg_NoCircle,               "No Circle") \
    X(TeeMsg_Lines,                  "Lines") \
    X(TeeMsg_Border,                 "Border") \
    X(TeeMsg_SmithResistance,        "Resistance") \
    X(TeeMsg_SmithReactance,         "Reactance") \
    X(TeeMsg_Column,                 "Column") \
    X(TeeMsg_Separator,              "Separator") \
    X(TeeMsg_FunnelSegment,          "Segment ") \
    X(TeeMsg_FunnelSeries,           "Funnel") \
    X(TeeMsg_FunnelPercent,          "0.00 %") \
    X(TeeMsg_FunnelExceed,           "Exceeds quota") \
    X(TeeMsg_FunnelWithin,           " within quota") \
    X(TeeMsg_FunnelBelow,            " or more below quota") \
    X(TeeMsg_CalendarSeries,         "Calendar") \
    X(TeeMsg_DeltaPointSeries,       "Delta Point") \
    X(TeeMsg_ImagePointSeries,       "Image Point") \
    X(TeeMsg_ImageBarSeries,         "Image Bar") \
    X(TeeMsg_SeriesTextFieldZero,    "Series Text: Field index should be greater than zero.") \
    X(TeeMsg_Origin,                 "Origin") \
    X(TeeMsg_Transparency,           "Transparency") \
    X(TeeMsg_Box,                    "Box") \
    X(TeeMsg_ExtrOut,                "ExtrOut") \
    X(TeeMsg_MildOut,                "MildOut") \
    X(TeeMsg_PageNumber,             "Page Number") \
    X(TeeMsg_TextFile,               "Text File") \
    X(TeeMsg_OpportunityValues,      "OpportunityValues") \
    X(TeeMsg_QuoteValues,            "QuoteValues") \
    X(TeeMsg_FunctionSmooth,         "Smoothing") \
    X(TeeMsg_FunctionCross,          "Cross Points") \
    X(TeeMsg_GridTranspose,          "3D Grid Transpose") \
    X(TeeMsg_FunctionCompress,       "Compression") \
    X(TeeMsg_ExtraLegendTool,        "Extra Legend") \
    X(TeeMsg_FunctionCLV,            "Close Location Value") \
    X(TeeMsg_FunctionOBV,            "On Balance Volume") \
    X(TeeMsg_FunctionCCI,            "Commodity Channel Index") \
    X(TeeMsg_FunctionPVO,            "Volume Oscillator") \
    X(TeeMsg_GalleryPointFigure,     "Point & Figure") \
    X(TeeMsg_Up,                     "Up") \
    X(TeeMsg_Down,                   "Down") \
    X(TeeMsg_GanttTool,              "Gantt Drag") \
    X(TeeMsg_XMLFile,                "XML File") \
    X(TeeMsg_FunctionPerf,           "Performance") \
    X(TeeMsg_GalleryGauge,           "Gauge") \
    X(TeeMsg_GalleryGauges,          "Gauges") \
    X(TeeMsg_ValuesVectorEndZ,       "EndZ") \
    X(TeeMsg_GalleryVector3D,        "Vector 3D") \
    X(TeeMsg_Gallery3D,              "3D") \
    X(TeeMsg_GalleryTower,           "Tower") \
    X(TeeMsg_SingleColor,            "Single Color") \
    X(TeeMsg_Cover,                  "Cover") \
    X(TeeMsg_Cone,                   "Cone") \
    X(TeeMsg_PieTool,                "Pie Slices")

// Names that Teeconst declares as well; Teeproco keeps its own copies in namespace Teeproco.
#define TEEPROCO_OWN_MESSAGES(X) \
    X(TeeMsg_PeriodRange, "Period range") \
    X(TeeMsg_Edit,        "Edit")
