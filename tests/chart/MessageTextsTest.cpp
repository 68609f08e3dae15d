// Every message text of both message units against texts typed in independently of the
// tables they come from. The texts that the chart code reads are listed in full, so that a
// failure shows the text; all texts of both units are then checked, name by name, against the
// first 32 bits of the SHA-256 of each text (so a failure names the entry), and each unit as a
// whole against one SHA-256 digest over "name NUL text NUL" (UTF-8) of its variables in the
// order listed here. The per-entry values and the two digests were computed once from the
// texts after review; the texts the chart code reads were compared with the list below then.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QHash>

#include "chart/core/Teeconst.h"
#include "chart/core/Teeproco.h"

namespace {

struct ReadText {
    const char* name;
    const QString* variable;
    const char* text; // UTF-8, CR written as \r
};

// The messages that the chart code reads, with their English texts.
const ReadText readTexts[] = {
    {"TeeMsg_LegendFirstValue", &TeeMsg_LegendFirstValue, "First Legend Value must be > 0"},
    {"TeeMsg_SeriesSetDataSource", &TeeMsg_SeriesSetDataSource, "No ParentChart to validate DataSource"},
    {"TeeMsg_SeriesInvDataSource", &TeeMsg_SeriesInvDataSource, "No valid DataSource: %s"},
    {"TeeMsg_FillSample", &TeeMsg_FillSample, "FillSampleValues NumValues must be > 0"},
    {"TeeMsg_AxisLogDateTime", &TeeMsg_AxisLogDateTime, "DateTime Axis cannot be Logarithmic"},
    {"TeeMsg_AxisLogNotPositive", &TeeMsg_AxisLogNotPositive, "Logarithmic Axis Min and Max values should be >= 0"},
    {"TeeMsg_AxisLabelSep", &TeeMsg_AxisLabelSep, "Labels Separation % must be greater than 0"},
    {"TeeMsg_AxisIncrementNeg", &TeeMsg_AxisIncrementNeg, "Axis increment must be >= 0"},
    {"TeeMsg_AxisMinMax", &TeeMsg_AxisMinMax, "Axis Minimum Value must be <= Maximum"},
    {"TeeMsg_AxisMaxMin", &TeeMsg_AxisMaxMin, "Axis Maximum Value must be >= Minimum"},
    {"TeeMsg_MaxPointsPerPage", &TeeMsg_MaxPointsPerPage, "MaxPointsPerPage must be >= 0"},
    {"TeeMsg_3dPercent", &TeeMsg_3dPercent, "3D effect percent must be between %d and %d"},
    {"TeeMsg_CircularSeries", &TeeMsg_CircularSeries, "Circular Series dependences are not allowed"},
    {"TeeMsg_DefaultPercentOf", &TeeMsg_DefaultPercentOf, "%s of %s"},
    {"TeeMsg_DefaultPercentOf2", &TeeMsg_DefaultPercentOf2, "%s\rof %s"},
    {"TeeMsg_DefPercentFormat", &TeeMsg_DefPercentFormat, "##0.## %"},
    {"TeeMsg_DefValueFormat", &TeeMsg_DefValueFormat, "#,##0.###"},
    {"TeeMsg_GalleryLine", &TeeMsg_GalleryLine, "Line"},
    {"TeeMsg_GalleryPoint", &TeeMsg_GalleryPoint, "Point"},
    {"TeeMsg_GalleryArea", &TeeMsg_GalleryArea, "Area"},
    {"TeeMsg_GalleryBar", &TeeMsg_GalleryBar, "Bar"},
    {"TeeMsg_GalleryHorizBar", &TeeMsg_GalleryHorizBar, "Horizontal\rBar"},
    {"TeeMsg_Stack", &TeeMsg_Stack, "Stack"},
    {"TeeMsg_GalleryPie", &TeeMsg_GalleryPie, "Pie"},
    {"TeeMsg_GalleryFastLine", &TeeMsg_GalleryFastLine, "Fast Line"},
    {"TeeMsg_GalleryHorizLine", &TeeMsg_GalleryHorizLine, "Horizontal\rLine"},
    {"TeeMsg_PieSample1", &TeeMsg_PieSample1, "Cars"},
    {"TeeMsg_PieSample2", &TeeMsg_PieSample2, "Phones"},
    {"TeeMsg_PieSample3", &TeeMsg_PieSample3, "Tables"},
    {"TeeMsg_PieSample4", &TeeMsg_PieSample4, "Monitors"},
    {"TeeMsg_PieSample5", &TeeMsg_PieSample5, "Lamps"},
    {"TeeMsg_PieSample6", &TeeMsg_PieSample6, "Keyboards"},
    {"TeeMsg_PieSample7", &TeeMsg_PieSample7, "Bikes"},
    {"TeeMsg_PieSample8", &TeeMsg_PieSample8, "Chairs"},
    {"TeeMsg_GalleryStandard", &TeeMsg_GalleryStandard, "Standard"},
    {"TeeMsg_TopAxis", &TeeMsg_TopAxis, "Top Axis"},
    {"TeeMsg_BottomAxis", &TeeMsg_BottomAxis, "Bottom Axis"},
    {"TeeMsg_LeftAxis", &TeeMsg_LeftAxis, "Left Axis"},
    {"TeeMsg_RightAxis", &TeeMsg_RightAxis, "Right Axis"},
    {"TeeMsg_DefaultFontSize", &TeeMsg_DefaultFontSize, "8"},
    {"TeeMsg_None", &TeeMsg_None, "(none)"},
    {"TeeMsg_DefaultFontName", &TeeMsg_DefaultFontName, "Arial"},
    {"TeeMsg_CheckPointerSize", &TeeMsg_CheckPointerSize, "Pointer size must be greater than zero"},
    {"TeeMsg_FunctionPeriod", &TeeMsg_FunctionPeriod, "Function Period should be >= 0"},
    {"TeeMsg_DepthAxis", &TeeMsg_DepthAxis, "Depth Axis"},
    {"TeeMsg_PieOther", &TeeMsg_PieOther, "Other"},
    {"TeeMsg_ValuesX", &TeeMsg_ValuesX, "X"},
    {"TeeMsg_ValuesY", &TeeMsg_ValuesY, "Y"},
    {"TeeMsg_ValuesPie", &TeeMsg_ValuesPie, "Pie"},
    {"TeeMsg_ValuesBar", &TeeMsg_ValuesBar, "Bar"},
    {"TeeMsg_ValuesAngle", &TeeMsg_ValuesAngle, "Angle"},
    {"TeeMsg_Series", &TeeMsg_Series, "Series"},
    {"TeeMsg_Normal", &TeeMsg_Normal, "Normal"},
    {"TeeMsg_NoBorder", &TeeMsg_NoBorder, "No Border"},
    {"TeeMsg_Dotted", &TeeMsg_Dotted, "Dotted"},
    {"TeeMsg_Colors", &TeeMsg_Colors, "Colors"},
    {"TeeMsg_Marks", &TeeMsg_Marks, "Marks"},
    {"TeeMsg_Stairs", &TeeMsg_Stairs, "Stairs"},
    {"TeeMsg_Points", &TeeMsg_Points, "Points"},
    {"TeeMsg_Height", &TeeMsg_Height, "Height"},
    {"TeeMsg_Hollow", &TeeMsg_Hollow, "Hollow"},
    {"TeeMsg_Point2D", &TeeMsg_Point2D, "Point 2D"},
    {"TeeMsg_Triangle", &TeeMsg_Triangle, "Triangle"},
    {"TeeMsg_Star", &TeeMsg_Star, "Star"},
    {"TeeMsg_Circle", &TeeMsg_Circle, "Circle"},
    {"TeeMsg_DownTri", &TeeMsg_DownTri, "Down Tri."},
    {"TeeMsg_Cross", &TeeMsg_Cross, "Cross"},
    {"TeeMsg_Diamond", &TeeMsg_Diamond, "Diamond"},
    {"TeeMsg_NoLines", &TeeMsg_NoLines, "No Lines"},
    {"TeeMsg_Stack100", &TeeMsg_Stack100, "Stack 100%"},
    {"TeeMsg_Pyramid", &TeeMsg_Pyramid, "Pyramid"},
    {"TeeMsg_Ellipse", &TeeMsg_Ellipse, "Ellipse"},
    {"TeeMsg_InvPyramid", &TeeMsg_InvPyramid, "Inv. Pyramid"},
    {"TeeMsg_Sides", &TeeMsg_Sides, "Sides"},
    {"TeeMsg_SideAll", &TeeMsg_SideAll, "Side All"},
    {"TeeMsg_Patterns", &TeeMsg_Patterns, "Patterns"},
    {"TeeMsg_Exploded", &TeeMsg_Exploded, "Exploded"},
    {"TeeMsg_Shadow", &TeeMsg_Shadow, "Shadow"},
    {"TeeMsg_SemiPie", &TeeMsg_SemiPie, "Semi Pie"},
    {"TeeMsg_SeriesDelete", &TeeMsg_SeriesDelete, "Series Delete: ValueIndex %d out of bounds (0 to %d)."},
    {"TeeMsg_Gradient", &TeeMsg_Gradient, "Gradient"},
    {"TeeMsg_GalleryHorizArea", &TeeMsg_GalleryHorizArea, "Horizontal\rArea"},
    {"TeeMsg_SelfStack", &TeeMsg_SelfStack, "Self Stacked"},
    {"TeeMsg_DarkPen", &TeeMsg_DarkPen, "Dark Border"},
    {"TeeMsg_CursorTool", &TeeMsg_CursorTool, "Cursor"},
    {"TeeMsg_DragMarksTool", &TeeMsg_DragMarksTool, "Drag Marks"},
    {"TeeMsg_AxisArrowTool", &TeeMsg_AxisArrowTool, "Axis Arrows"},
    {"TeeMsg_DrawLineTool", &TeeMsg_DrawLineTool, "Draw Line"},
    {"TeeMsg_NearestTool", &TeeMsg_NearestTool, "Nearest Point"},
    {"TeeMsg_ColorBandTool", &TeeMsg_ColorBandTool, "Color Band"},
    {"TeeMsg_ColorLineTool", &TeeMsg_ColorLineTool, "Color Line"},
    {"TeeMsg_RotateTool", &TeeMsg_RotateTool, "Rotate"},
    {"TeeMsg_ImageTool", &TeeMsg_ImageTool, "Image"},
    {"TeeMsg_MarksTipTool", &TeeMsg_MarksTipTool, "Mark Tips"},
    {"TeeMsg_AnnotationTool", &TeeMsg_AnnotationTool, "Annotation"},
    {"TeeMsg_DragPoint", &TeeMsg_DragPoint, "Drag Point"},
    {"TeeMsg_SeriesAnimTool", &TeeMsg_SeriesAnimTool, "Series Animation"},
    {"TeeMsg_GridBandTool", &TeeMsg_GridBandTool, "Grid Band"},
};

struct HashedEntry {
    const char* name;
    uint32_t sha256Prefix; // first four bytes of SHA-256 of the UTF-8 text, big-endian
};

const HashedEntry teeconstEntries[] = {
    {"TeeMsg_LegendFirstValue", 0xda75d167U}, {"TeeMsg_SeriesSetDataSource", 0x876800c4U},
    {"TeeMsg_SeriesInvDataSource", 0xfe9b768eU}, {"TeeMsg_FillSample", 0x4b50fa09U},
    {"TeeMsg_AxisLogDateTime", 0x632b336cU}, {"TeeMsg_AxisLogNotPositive", 0x61dd000dU},
    {"TeeMsg_AxisLabelSep", 0x52bb9a25U}, {"TeeMsg_AxisIncrementNeg", 0xc32e8fdfU},
    {"TeeMsg_AxisMinMax", 0x9d4883cbU}, {"TeeMsg_AxisMaxMin", 0x7d561705U},
    {"TeeMsg_MaxPointsPerPage", 0x66712631U}, {"TeeMsg_3dPercent", 0xdfc5314dU},
    {"TeeMsg_CircularSeries", 0x8150ddadU}, {"TeeMsg_DefaultPercentOf", 0x197cf276U},
    {"TeeMsg_DefaultPercentOf2", 0xc20a680aU}, {"TeeMsg_DefPercentFormat", 0x39ef6acaU},
    {"TeeMsg_DefValueFormat", 0xfd182488U}, {"TeeMsg_GalleryLine", 0xd7852cd0U},
    {"TeeMsg_GalleryPoint", 0x2fc0c524U}, {"TeeMsg_GalleryArea", 0x024dc204U},
    {"TeeMsg_GalleryBar", 0x95d64cacU}, {"TeeMsg_GalleryHorizBar", 0x11bb2f85U},
    {"TeeMsg_Stack", 0xe5516412U}, {"TeeMsg_GalleryPie", 0x5c9659bdU},
    {"TeeMsg_GalleryFastLine", 0x6eb15821U}, {"TeeMsg_GalleryHorizLine", 0x37c13f88U},
    {"TeeMsg_PieSample1", 0x9e499e4cU}, {"TeeMsg_PieSample2", 0x4fecd2e3U},
    {"TeeMsg_PieSample3", 0xe3fe2a3fU}, {"TeeMsg_PieSample4", 0xd2ea1516U},
    {"TeeMsg_PieSample5", 0x4960826cU}, {"TeeMsg_PieSample6", 0x775e3b12U},
    {"TeeMsg_PieSample7", 0x43a363bcU}, {"TeeMsg_PieSample8", 0x09e99d88U},
    {"TeeMsg_GalleryStandard", 0xef669154U}, {"TeeMsg_TopAxis", 0x66842e01U},
    {"TeeMsg_BottomAxis", 0x3001123dU}, {"TeeMsg_LeftAxis", 0x3363e153U}, {"TeeMsg_RightAxis", 0xa933baecU},
    {"TeeMsg_DefaultFontSize", 0x2c624232U}, {"TeeMsg_None", 0x552e4230U},
    {"TeeMsg_DefaultFontName", 0xaac91016U}, {"TeeMsg_CheckPointerSize", 0x18d3c0e5U},
    {"TeeMsg_FunctionPeriod", 0xba97d6a3U}, {"TeeMsg_DepthAxis", 0x956c6dd8U},
    {"TeeMsg_PieOther", 0xf97e9da0U}, {"TeeMsg_ValuesX", 0x4b68ab38U}, {"TeeMsg_ValuesY", 0x18f5384dU},
    {"TeeMsg_ValuesPie", 0x5c9659bdU}, {"TeeMsg_ValuesBar", 0x95d64cacU}, {"TeeMsg_ValuesAngle", 0x1968034bU},
    {"TeeMsg_Series", 0xa8295e08U}, {"TeeMsg_Normal", 0xa7248eebU}, {"TeeMsg_NoBorder", 0xad66e13cU},
    {"TeeMsg_Dotted", 0xbe454f3cU}, {"TeeMsg_Colors", 0x88c45d9eU}, {"TeeMsg_Marks", 0x65479e3eU},
    {"TeeMsg_Stairs", 0xaa8f3790U}, {"TeeMsg_Points", 0x77deabe2U}, {"TeeMsg_Height", 0xbfe2eca4U},
    {"TeeMsg_Hollow", 0x07e7305cU}, {"TeeMsg_Point2D", 0x3b70e013U}, {"TeeMsg_Triangle", 0xa0252691U},
    {"TeeMsg_Star", 0xe357d396U}, {"TeeMsg_Circle", 0xb93d3bceU}, {"TeeMsg_DownTri", 0x095b6adeU},
    {"TeeMsg_Cross", 0x1fc0e707U}, {"TeeMsg_Diamond", 0xb639c243U}, {"TeeMsg_NoLines", 0x0f066308U},
    {"TeeMsg_Stack100", 0x95f93d60U}, {"TeeMsg_Pyramid", 0xb5c3abbcU}, {"TeeMsg_Ellipse", 0xcb1ee8cbU},
    {"TeeMsg_InvPyramid", 0x3bfda510U}, {"TeeMsg_Sides", 0x1c3607d5U}, {"TeeMsg_SideAll", 0xc3fac2b4U},
    {"TeeMsg_Patterns", 0x160a13d9U}, {"TeeMsg_Exploded", 0xa87c684dU}, {"TeeMsg_Shadow", 0x4c764cb6U},
    {"TeeMsg_SemiPie", 0x0bc65a49U}, {"TeeMsg_SeriesDelete", 0x6b5257a4U}, {"TeeMsg_Gradient", 0x2523561cU},
    {"TeeMsg_GalleryHorizArea", 0x9f6aedf5U}, {"TeeMsg_SelfStack", 0x1c440729U},
    {"TeeMsg_DarkPen", 0xb41c2621U}, {"TeeMsg_CursorTool", 0x2c014f8fU},
    {"TeeMsg_DragMarksTool", 0x55f83283U}, {"TeeMsg_AxisArrowTool", 0x0a3f4be5U},
    {"TeeMsg_DrawLineTool", 0x37bcf972U}, {"TeeMsg_NearestTool", 0x5ae2c1acU},
    {"TeeMsg_ColorBandTool", 0x89ed5dffU}, {"TeeMsg_ColorLineTool", 0x59412c44U},
    {"TeeMsg_RotateTool", 0xc3613b17U}, {"TeeMsg_ImageTool", 0x1aa4cb0bU},
    {"TeeMsg_MarksTipTool", 0xbcc8b643U}, {"TeeMsg_AnnotationTool", 0xc7023e8aU},
    {"TeeMsg_DragPoint", 0x161047b8U}, {"TeeMsg_SeriesAnimTool", 0x185ba7dbU},
    {"TeeMsg_GridBandTool", 0xe4e7589aU}, {"TeeMsg_Test", 0x789c7da9U},
    {"TeeMsg_LegendColorWidth", 0xe720ca5cU}, {"TeeMsg_AxisLogBase", 0x79557f76U},
    {"TeeMsg_WarningHiColor", 0xe401151eU}, {"TeeMsg_DefLogValueFormat", 0x7abf7cf0U},
    {"TeeMsg_AxisTitle", 0x56372179U}, {"TeeMsg_AxisLabels", 0xf24ce57fU},
    {"TeeMsg_RefreshInterval", 0xde358e58U}, {"TeeMsg_SeriesParentNoSelf", 0x80da162aU},
    {"TeeMsg_GalleryCircled", 0x9b395305U}, {"TeeMsg_GalleryLogoFont", 0x12e59e49U},
    {"TeeMsg_Editing", 0xc11f2ed0U}, {"TeeMsg_GalleryExtended", 0x97b165f2U},
    {"TeeMsg_GalleryFunctions", 0x75e942e5U}, {"TeeMsg_EditChart", 0xf7cc6585U},
    {"TeeMsg_PrintPreview", 0x57a3f427U}, {"TeeMsg_ExportChart", 0x46858962U},
    {"TeeMsg_CustomAxes", 0x20ee77e0U}, {"TeeMsg_InvalidEditorClass", 0x2323bb6bU},
    {"TeeMsg_MissingEditorClass", 0x9def1115U}, {"TeeMsg_GalleryArrow", 0x05800e70U},
    {"TeeMsg_ExpFinish", 0xb1a9063dU}, {"TeeMsg_ExpNext", 0x4dc0aa57U}, {"TeeMsg_GalleryGantt", 0x0a525e7fU},
    {"TeeMsg_GanttSample1", 0x0072e6b9U}, {"TeeMsg_GanttSample2", 0x28f52a5aU},
    {"TeeMsg_GanttSample3", 0x21b6a798U}, {"TeeMsg_GanttSample4", 0x8de4e0eaU},
    {"TeeMsg_GanttSample5", 0xf5904cf7U}, {"TeeMsg_GanttSample6", 0xe806a291U},
    {"TeeMsg_GanttSample7", 0x8f1f1721U}, {"TeeMsg_GanttSample8", 0x47fc5bfbU},
    {"TeeMsg_GanttSample9", 0x6402faa1U}, {"TeeMsg_GanttSample10", 0xd7a596cdU},
    {"TeeMsg_ChangeSeriesTitle", 0xc38d5baaU}, {"TeeMsg_NewSeriesTitle", 0x5b415363U},
    {"TeeMsg_DateTime", 0x606223ceU}, {"TeeMsg_SureToDelete", 0xd8a64f96U},
    {"TeeMsg_DateTimeFormat", 0xb4da3691U}, {"TeeMsg_Default", 0x21b111cbU},
    {"TeeMsg_ValuesFormat", 0xf24ef7bfU}, {"TeeMsg_Maximum", 0x66c9ab17U}, {"TeeMsg_Minimum", 0x735beee2U},
    {"TeeMsg_DesiredIncrement", 0x55a3d2ceU}, {"TeeMsg_IncorrectMaxMinValue", 0x7f452601U},
    {"TeeMsg_EnterDateTime", 0x01876c75U}, {"TeeMsg_SureToApply", 0x421afd15U},
    {"TeeMsg_SelectedSeries", 0x7b6a646eU}, {"TeeMsg_RefreshData", 0xba787880U},
    {"TeeMsg_DefaultEditorSize", 0x8111eb15U}, {"TeeMsg_DefaultEditorHeight", 0x2289b221U},
    {"TeeMsg_FunctionAdd", 0x9fd728c6U}, {"TeeMsg_FunctionSubtract", 0x63df016fU},
    {"TeeMsg_FunctionMultiply", 0x33bcea63U}, {"TeeMsg_FunctionDivide", 0x2972ba58U},
    {"TeeMsg_FunctionHigh", 0xc4ebc6d4U}, {"TeeMsg_FunctionLow", 0xf793de20U},
    {"TeeMsg_FunctionAverage", 0xb38ae2c5U}, {"TeeMsg_GalleryShape", 0xe0e49270U},
    {"TeeMsg_GalleryBubble", 0x77d87b00U}, {"TeeMsg_FunctionNone", 0xe21f935fU},
    {"TeeMsg_PrivateDeclarations", 0xd33c3bcaU}, {"TeeMsg_PublicDeclarations", 0xd6648f7cU},
    {"TeeMsg_About", 0x44ca7309U}, {"tcAdditional", 0x9c348742U}, {"tcDControls", 0x3cd32f24U},
    {"tcQReport", 0x1c36c886U}, {"TeeMsg_DataSet", 0x4411e525U}, {"TeeMsg_AskDataSet", 0x2af9ad14U},
    {"TeeMsg_SingleRecord", 0x58ac7748U}, {"TeeMsg_AskDataSource", 0x357e09ceU},
    {"TeeMsg_Summary", 0x8e76a94aU}, {"TeeMsg_WizardTab", 0x76f68a75U}, {"TeeMsg_ClearImage", 0xf841399eU},
    {"TeeMsg_BrowseImage", 0x45d75e13U}, {"TeeMsg_WizardSureToClose", 0xfa0256f3U},
    {"TeeMsg_FieldNotFound", 0x91436a03U}, {"TeeMsg_ShapeGallery1", 0xba7816bfU},
    {"TeeMsg_ShapeGallery2", 0xa665a459U}, {"TeeMsg_ValuesGanttStart", 0xe4bb9f1eU},
    {"TeeMsg_ValuesGanttEnd", 0xf4db1e48U}, {"TeeMsg_ValuesGanttNextTask", 0x6cb36468U},
    {"TeeMsg_ValuesBubbleRadius", 0x6fe0661cU}, {"TeeMsg_ValuesArrowEndX", 0x7cf75f52U},
    {"TeeMsg_ValuesArrowEndY", 0x732a3204U}, {"TeeMsg_Legend", 0x7482e374U}, {"TeeMsg_Title", 0x7e8cd205U},
    {"TeeMsg_Foot", 0x26c87bb5U}, {"TeeMsg_Period", 0x6e795d4dU}, {"TeeMsg_PeriodRange", 0xa8149adeU},
    {"TeeMsg_CalcPeriod", 0x04534e86U}, {"TeeMsg_SmallDotsPen", 0x79dd4fa6U},
    {"TeeMsg_InvalidTeeFile", 0x0fc9a666U}, {"TeeMsg_WrongTeeFileFormat", 0x20173d8eU},
    {"TeeMsg_EmptyTeeFile", 0xe1c02834U}, {"TeeMsg_ChartAxesCategoryName", 0x3d3585abU},
    {"TeeMsg_ChartAxesCategoryDesc", 0x57ffe974U}, {"TeeMsg_ChartWallsCategoryName", 0x918748dcU},
    {"TeeMsg_ChartWallsCategoryDesc", 0x4601e066U}, {"TeeMsg_ChartTitlesCategoryName", 0x4c85a6c2U},
    {"TeeMsg_ChartTitlesCategoryDesc", 0x39adc033U}, {"TeeMsg_Chart3DCategoryName", 0xfcb824fbU},
    {"TeeMsg_Chart3DCategoryDesc", 0x6b9f5d9aU}, {"TeeMsg_CustomAxesEditor", 0xa1431716U},
    {"TeeMsg_SeriesList", 0xa493ce19U}, {"TeeMsg_PageOfPages", 0xe71ca826U}, {"TeeMsg_FileSize", 0x7a8338d5U},
    {"TeeMsg_First", 0xa151ceb1U}, {"TeeMsg_Prior", 0xdef7d604U}, {"TeeMsg_Next", 0x1ff57a29U},
    {"TeeMsg_Last", 0xeb970eb0U}, {"TeeMsg_Insert", 0x8aa318ebU}, {"TeeMsg_Delete", 0xe2d0a549U},
    {"TeeMsg_Edit", 0x464c4ffdU}, {"TeeMsg_Post", 0xa5554622U}, {"TeeMsg_Cancel", 0x19766ed6U},
    {"TeeMsg_All", 0xadf4d0f8U}, {"TeeMsg_Index", 0x39c3be11U}, {"TeeMsg_Text", 0x71988c4dU},
    {"TeeMsg_AsBMP", 0x004d79f9U}, {"TeeMsg_BMPFilter", 0x504b399fU}, {"TeeMsg_AsEMF", 0x2bde30d2U},
    {"TeeMsg_EMFFilter", 0x4aa2ec49U}, {"TeeMsg_ExportPanelNotSet", 0x95663fb8U},
    {"TeeMsg_Filled", 0x3a1bc53fU}, {"TeeMsg_Rectangle", 0x03069962U}, {"TeeMsg_VertLine", 0xef82f119U},
    {"TeeMsg_HorizLine", 0xdb1ccef9U}, {"TeeMsg_Line", 0xd7852cd0U}, {"TeeMsg_Cube", 0x67a9f6a6U},
    {"TeeMsg_DiagCross", 0xf92a02e3U}, {"TeeMsg_CanNotFindTempPath", 0x5de526ddU},
    {"TeeMsg_CanNotCreateTempChart", 0x4ec68666U}, {"TeeMsg_CanNotEmailChart", 0x501ddef0U},
    {"TeeMsg_DefaultDemoTee", 0x4c5bdc29U}, {"TeeMsg_NoSeriesSelected", 0xdfb4f223U},
    {"TeeMsg_CannotLoadChartFromURL", 0x26960379U}, {"TeeMsg_CannotLoadSeriesDataFromURL", 0x3abe6087U},
    {"TeeMsg_AsJPEG", 0x7c8fade6U}, {"TeeMsg_JPEGFilter", 0xe468c2ddU}, {"TeeMsg_AsGIF", 0xca241512U},
    {"TeeMsg_GIFFilter", 0xbbf10e34U}, {"TeeMsg_AsPNG", 0x5fe07981U}, {"TeeMsg_PNGFilter", 0x72a035d4U},
    {"TeeMsg_AsPCX", 0xf2f17a49U}, {"TeeMsg_PCXFilter", 0x398b2dd0U}, {"TeeMsg_AsVML", 0xa4a2755dU},
    {"TeeMsg_VMLFilter", 0xb04c0bfdU}, {"TeeMsg_AskLanguage", 0xfe46698dU},
    {"TeeMsg_WantToSave", 0x2a9d0f13U}, {"TeeMsg_NativeFilter", 0xbbc6bd73U},
    {"TeeMsg_Property", 0x40040cb1U}, {"TeeMsg_Value", 0x8e37953dU}, {"TeeMsg_Yes", 0x85a39ab3U},
    {"TeeMsg_No", 0x1ea442a1U}, {"TeeMsg_Image", 0xd3235ca2U}, {"TeeMsg_ActiveXVersion", 0x0502b4a4U},
    {"TeeMsg_ActiveXCannotImport", 0xe0c4fda9U}, {"TeeMsg_ActiveXVerbPrint", 0x57a3f427U},
    {"TeeMsg_ActiveXVerbExport", 0x2c718bf9U}, {"TeeMsg_ActiveXVerbImport", 0x03271c14U},
    {"TeeMsg_ActiveXVerbHelp", 0x113d0edcU}, {"TeeMsg_ActiveXVerbAbout", 0x9ed53fc6U},
    {"TeeMsg_ActiveXError", 0xfb7bae43U}, {"TeeMsg_DatasourceError", 0x2734c21fU},
    {"TeeMsg_SeriesTextSrcError", 0xc79701f4U}, {"TeeMsg_AxisTextSrcError", 0x4008cb4cU},
    {"TeeMsg_DelSeriesDatasource", 0xa0a83754U}, {"TeeMsg_OCXNoPrinter", 0x6cc1bd2cU},
    {"TeeMsg_ActiveXPictureNotValid", 0xc835a8acU}, {"TeeMsg_FunctionCustom", 0x2230f48dU},
    {"TeeMsg_AsPDF", 0xa1ed7974U}, {"TeeMsg_PDFFilter", 0xd51a6377U}, {"TeeMsg_AsPS", 0x98076f55U},
    {"TeeMsg_PSFilter", 0x3fa434ceU}, {"TeeMsg_SelectFolder", 0x4ee48645U}, {"TeeMsg_BDEAlias", 0x30f4abf5U},
    {"TeeMsg_ADOConnection", 0xc0b93ea5U}, {"TeeMsg_TextFilter1", 0x3fb5cf9aU},
    {"TeeMsg_TextFilter2", 0x7c99c08fU}, {"TeeMsg_TextFilter3", 0x5e2f8a2bU},
    {"TeeMsg_TextFilter4", 0x76033fd9U}, {"TeeMsg_XMLFilter", 0x8c81f37cU},
    {"TeeMsg_HTMLFilter", 0xde3e29fbU}, {"TeeMsg_ExcelFilter", 0xa395d044U},
};

const HashedEntry teeprocoEntries[] = {
    {"TeeMsg_GalleryPolar", 0x071f6a23U}, {"TeeMsg_GalleryCandle", 0x75656ad6U},
    {"TeeMsg_GalleryVolume", 0xb10fb966U}, {"TeeMsg_GallerySurface", 0x0905f7f5U},
    {"TeeMsg_GalleryContour", 0x8cf3a3cbU}, {"TeeMsg_GalleryBezier", 0x98ae0d2aU},
    {"TeeMsg_GalleryPoint3D", 0x1db90404U}, {"TeeMsg_GalleryRadar", 0x524f8327U},
    {"TeeMsg_GalleryDonut", 0xcf27745bU}, {"TeeMsg_GalleryCursor", 0x2c014f8fU},
    {"TeeMsg_GalleryBar3D", 0x067ca285U}, {"TeeMsg_GalleryBigCandle", 0x26d4b9b4U},
    {"TeeMsg_GalleryLinePoint", 0x2f23bea5U}, {"TeeMsg_GalleryHistogram", 0xb32dc489U},
    {"TeeMsg_GalleryWaterFall", 0x45432891U}, {"TeeMsg_GalleryWindRose", 0xb7e27c31U},
    {"TeeMsg_GalleryClock", 0x93ff9273U}, {"TeeMsg_GalleryColorGrid", 0x9a340f92U},
    {"TeeMsg_GalleryBoxPlot", 0x654615feU}, {"TeeMsg_GalleryHorizBoxPlot", 0xfbd3ec55U},
    {"TeeMsg_GalleryBarJoin", 0xa09029c6U}, {"TeeMsg_GallerySmith", 0x9f542590U},
    {"TeeMsg_GalleryPyramid", 0xb5c3abbcU}, {"TeeMsg_GalleryMap", 0xbe176b00U},
    {"TeeMsg_PolyDegreeRange", 0xb1e6c509U}, {"TeeMsg_AnswerVectorIndex", 0x77f1886eU},
    {"TeeMsg_FittingError", 0x06250f67U}, {"TeeMsg_PeriodRange", 0xa8149adeU},
    {"TeeMsg_ExpAverageWeight", 0x613e0903U}, {"TeeMsg_GalleryErrorBar", 0x0d02fb63U},
    {"TeeMsg_GalleryError", 0x54a0e8c1U}, {"TeeMsg_GalleryHighLow", 0x74fbe298U},
    {"TeeMsg_FunctionMomentum", 0x438280e0U}, {"TeeMsg_FunctionMomentumDiv", 0x19aef756U},
    {"TeeMsg_FunctionExpAverage", 0x02639769U}, {"TeeMsg_FunctionMovingAverage", 0x9837ed36U},
    {"TeeMsg_FunctionExpMovAve", 0xf2dcae29U}, {"TeeMsg_FunctionRSI", 0x8c3bfd02U},
    {"TeeMsg_FunctionCurveFitting", 0xc57947c0U}, {"TeeMsg_FunctionTrend", 0x9e217716U},
    {"TeeMsg_FunctionExpTrend", 0xeffe587fU}, {"TeeMsg_FunctionLogTrend", 0xe6ba2fdeU},
    {"TeeMsg_FunctionCumulative", 0xcecf2aadU}, {"TeeMsg_FunctionStdDeviation", 0xaacf6184U},
    {"TeeMsg_FunctionBollinger", 0xa7e275cfU}, {"TeeMsg_FunctionRMS", 0x3078e7fdU},
    {"TeeMsg_FunctionMACD", 0x5210ff85U}, {"TeeMsg_FunctionStochastic", 0x96faba2dU},
    {"TeeMsg_FunctionADX", 0xee4d7544U}, {"TeeMsg_FunctionCount", 0x37bac495U},
    {"TeeMsg_LoadChart", 0xe86daf75U}, {"TeeMsg_SaveChart", 0xd4a9f585U}, {"TeeMsg_TeeFiles", 0x94c728fbU},
    {"TeeMsg_GallerySamples", 0xf97e9da0U}, {"TeeMsg_GalleryStats", 0xb4a73657U},
    {"TeeMsg_CannotFindEditor", 0x16420b3fU}, {"TeeMsg_ValuesDate", 0x99c40ab4U},
    {"TeeMsg_ValuesOpen", 0xed077f3dU}, {"TeeMsg_ValuesHigh", 0xc4ebc6d4U}, {"TeeMsg_ValuesLow", 0xf793de20U},
    {"TeeMsg_ValuesClose", 0x7d9eb7acU}, {"TeeMsg_ValuesOffset", 0xb1a1e8e3U},
    {"TeeMsg_ValuesStdError", 0x8efb12deU}, {"TeeMsg_Grid3D", 0x1c5de0b7U},
    {"TeeMsg_LowBezierPoints", 0xfd0325b6U}, {"TeeCommanMsg_Normal", 0xa7248eebU},
    {"TeeCommanMsg_Edit", 0x464c4ffdU}, {"TeeCommanMsg_Print", 0xdf0fe798U},
    {"TeeCommanMsg_Copy", 0xe21f935fU}, {"TeeCommanMsg_Save", 0x1509f561U}, {"TeeCommanMsg_3D", 0xfcffba98U},
    {"TeeCommanMsg_Rotating", 0x92a09fc5U}, {"TeeCommanMsg_Rotate", 0xc3613b17U},
    {"TeeCommanMsg_Moving", 0x946d7e25U}, {"TeeCommanMsg_Move", 0x6ecc3df6U},
    {"TeeCommanMsg_Zooming", 0xf3f9ec8aU}, {"TeeCommanMsg_Zoom", 0x509c517eU},
    {"TeeCommanMsg_Depthing", 0x41df4badU}, {"TeeCommanMsg_Depth", 0xf1dbc339U},
    {"TeeCommanMsg_Chart", 0x3e5b90aeU}, {"TeeCommanMsg_Panel", 0xd0d91173U},
    {"TeeCommanMsg_RotateLabel", 0x95faf89cU}, {"TeeCommanMsg_MoveLabel", 0x12bf0106U},
    {"TeeCommanMsg_ZoomLabel", 0xbfdf7a1fU}, {"TeeCommanMsg_DepthLabel", 0x5243b80dU},
    {"TeeCommanMsg_NormalLabel", 0xc542af06U}, {"TeeCommanMsg_NormalPieLabel", 0x8f97ee3cU},
    {"TeeCommanMsg_PieExploding", 0xb64f14f6U}, {"TeeMsg_TriSurfaceLess", 0x5f415a50U},
    {"TeeMsg_TriSurfaceAllColinear", 0x8d745c95U}, {"TeeMsg_TriSurfaceSimilar", 0xef450c43U},
    {"TeeMsg_GalleryTriSurface", 0xdac6e83bU}, {"TeeMsg_AllSeries", 0x0df56f62U},
    {"TeeMsg_Edit", 0x464c4ffdU}, {"TeeMsg_GalleryFinancial", 0xe97ba691U},
    {"TeeMsg_CantDeleteAncestor", 0xe7a8a9b4U}, {"TeeMsg_Load", 0xf8682659U},
    {"TeeMsg_CategoryChartActions", 0x3e5b90aeU}, {"TeeMsg_CategorySeriesActions", 0x05e31d8dU},
    {"TeeMsg_Action3D", 0x8aebf693U}, {"TeeMsg_Action3DHint", 0x32001e57U},
    {"TeeMsg_ActionSeriesActive", 0x48e3b650U}, {"TeeMsg_ActionSeriesActiveHint", 0x1bbf53baU},
    {"TeeMsg_ActionEditHint", 0xaf510d6fU}, {"TeeMsg_ActionEdit", 0x66929602U},
    {"TeeMsg_ActionCopyHint", 0xfa8f2b6cU}, {"TeeMsg_ActionCopy", 0x455af676U},
    {"TeeMsg_ActionPrintHint", 0x7b8c4114U}, {"TeeMsg_ActionPrint", 0x776c39fbU},
    {"TeeMsg_ActionAxesHint", 0x6cc0cf3cU}, {"TeeMsg_ActionAxes", 0xd12d4005U},
    {"TeeMsg_ActionGridsHint", 0xaebe3fc0U}, {"TeeMsg_ActionGrids", 0xe13f89dbU},
    {"TeeMsg_ActionLegendHint", 0xbb8eec9bU}, {"TeeMsg_ActionLegend", 0x63fe90daU},
    {"TeeMsg_ActionSeriesEditHint", 0xaf569642U}, {"TeeMsg_ActionSeriesMarksHint", 0x03df2d70U},
    {"TeeMsg_ActionSeriesMarks", 0x2249a17dU}, {"TeeMsg_ActionSaveHint", 0x011418a1U},
    {"TeeMsg_ActionSave", 0x9c0eb00eU}, {"TeeMsg_CandleBar", 0x95d64cacU},
    {"TeeMsg_CandleNoOpen", 0x339141a7U}, {"TeeMsg_CandleNoClose", 0x204523a9U},
    {"TeeMsg_NoHigh", 0x5ac5c923U}, {"TeeMsg_NoLow", 0x0ae7cf70U}, {"TeeMsg_ColorRange", 0x2698c37bU},
    {"TeeMsg_WireFrame", 0x04b76574U}, {"TeeMsg_DotFrame", 0x8cdccfeaU}, {"TeeMsg_Positions", 0xfa18433bU},
    {"TeeMsg_NoGrid", 0x35b71d17U}, {"TeeMsg_NoPoint", 0x230d5a49U}, {"TeeMsg_NoLine", 0x3f03ef49U},
    {"TeeMsg_Labels", 0x934b8899U}, {"TeeMsg_NoCircle", 0xfb1584a8U}, {"TeeMsg_Lines", 0x3b26a542U},
    {"TeeMsg_Border", 0x3b4bdff3U}, {"TeeMsg_SmithResistance", 0xc35070bcU},
    {"TeeMsg_SmithReactance", 0x8e580a6cU}, {"TeeMsg_Column", 0x3fdc9a58U}, {"TeeMsg_Separator", 0xbe237edaU},
    {"TeeMsg_FunnelSegment", 0x0096a283U}, {"TeeMsg_FunnelSeries", 0xfc063af0U},
    {"TeeMsg_FunnelPercent", 0xdf14842cU}, {"TeeMsg_FunnelExceed", 0x7ee66512U},
    {"TeeMsg_FunnelWithin", 0x0ab4e577U}, {"TeeMsg_FunnelBelow", 0xbc282783U},
    {"TeeMsg_CalendarSeries", 0xd5d0a30bU}, {"TeeMsg_DeltaPointSeries", 0xcec40897U},
    {"TeeMsg_ImagePointSeries", 0xfebe11ebU}, {"TeeMsg_ImageBarSeries", 0xfe8930e2U},
    {"TeeMsg_SeriesTextFieldZero", 0xf87d921eU}, {"TeeMsg_Origin", 0xd3e1c5f8U},
    {"TeeMsg_Transparency", 0x8b773803U}, {"TeeMsg_Box", 0x512fd3c6U}, {"TeeMsg_ExtrOut", 0x3855b3dfU},
    {"TeeMsg_MildOut", 0x8fd76e85U}, {"TeeMsg_PageNumber", 0x5ffac0c9U}, {"TeeMsg_TextFile", 0xa42b88f3U},
    {"TeeMsg_OpportunityValues", 0x216c34ecU}, {"TeeMsg_QuoteValues", 0xd28a8bccU},
    {"TeeMsg_FunctionSmooth", 0xfcae13f0U}, {"TeeMsg_FunctionCross", 0xff7db385U},
    {"TeeMsg_GridTranspose", 0x761e848fU}, {"TeeMsg_FunctionCompress", 0x278b1b2aU},
    {"TeeMsg_ExtraLegendTool", 0x51b79544U}, {"TeeMsg_FunctionCLV", 0x8f339ce6U},
    {"TeeMsg_FunctionOBV", 0x54fa13a5U}, {"TeeMsg_FunctionCCI", 0xd8fca1bbU},
    {"TeeMsg_FunctionPVO", 0x0cd72c9eU}, {"TeeMsg_GalleryPointFigure", 0x9d310a0bU},
    {"TeeMsg_Up", 0x55490a4bU}, {"TeeMsg_Down", 0xb86d11afU}, {"TeeMsg_GanttTool", 0x21d5502dU},
    {"TeeMsg_XMLFile", 0x823c4301U}, {"TeeMsg_FunctionPerf", 0x442aded8U},
    {"TeeMsg_GalleryGauge", 0xf6d8f4c8U}, {"TeeMsg_GalleryGauges", 0x8f29ebdcU},
    {"TeeMsg_ValuesVectorEndZ", 0x5dc954a1U}, {"TeeMsg_GalleryVector3D", 0xe1e92145U},
    {"TeeMsg_Gallery3D", 0xfcffba98U}, {"TeeMsg_GalleryTower", 0xaeb11001U},
    {"TeeMsg_SingleColor", 0x912aa66eU}, {"TeeMsg_Cover", 0xfa8d8456U}, {"TeeMsg_Cone", 0x3b5ebcbfU},
    {"TeeMsg_PieTool", 0xf8fecd8cU},
};

const char* const teeconstDigest = "63403087716bdb97f69c96c4fc1e1c53be001ec8694bcd2781a3ac1ca46c251c";
const char* const teeprocoDigest = "5d8cc505fbfc946e74a622e5fbfce3732c715b3e39692927b0dde4f9771d2728";

void CheckUnit(const char* unit, std::span<const TTeeMessageEntry> table, std::span<const HashedEntry> expected,
               const char* expectedDigest)
{
    SCOPED_TRACE(unit);
    QHash<QString, const QString*> byName;
    for (const TTeeMessageEntry& entry : table)
        byName.insert(QString::fromLatin1(entry.Name), entry.Variable);
    EXPECT_EQ(static_cast<size_t>(byName.size()), expected.size()) << "variables beyond the list";

    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const HashedEntry& e : expected) {
        const QString* variable = byName.value(QString::fromLatin1(e.name));
        if (!variable) {
            ADD_FAILURE() << "no variable " << e.name;
            continue;
        }
        const QByteArray text = variable->toUtf8();
        const QByteArray hash = QCryptographicHash::hash(text, QCryptographicHash::Sha256);
        const uint32_t prefix = (uint32_t(uint8_t(hash[0])) << 24) | (uint32_t(uint8_t(hash[1])) << 16)
                                | (uint32_t(uint8_t(hash[2])) << 8) | uint32_t(uint8_t(hash[3]));
        EXPECT_EQ(prefix, e.sha256Prefix) << e.name << " holds \"" << text.toStdString() << "\"";
        digest.addData(QByteArray(e.name) + '\0');
        digest.addData(text + '\0');
    }
    EXPECT_EQ(digest.result().toHex().toStdString(), expectedDigest);
}

TEST(MessageTexts, TextsThatTheChartReadsMatchTheirList)
{
    for (const ReadText& r : readTexts)
        EXPECT_EQ(*r.variable, QString::fromUtf8(r.text)) << r.name;
}

TEST(MessageTexts, EveryTextOfBothUnitsMatchesItsDigest)
{
    CheckUnit("Teeconst", TeeconstMessages(), teeconstEntries, teeconstDigest);
    CheckUnit("Teeproco", TeeprocoMessages(), teeprocoEntries, teeprocoDigest);
}

} // namespace
