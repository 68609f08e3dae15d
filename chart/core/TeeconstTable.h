#pragma once

// The English texts of the Teeconst message variables, in assignment order.
// One row per variable: X(name, text). CR inside a text is a line break where it is drawn.
// This table is the only place a name or an English text is written down.

#define TEECONST_MESSAGES(X) \
    X(TeeMsg_LegendFirstValue,            "First Legend Value must be > 0") \
    X(TeeMsg_SeriesSetDataSource,         "No ParentChart to validate DataSource") \
    X(TeeMsg_SeriesInvDataSource,         "No valid DataSource: %s") \
    X(TeeMsg_FillSample,                  "FillSampleValues NumValues must be > 0") \
    X(TeeMsg_AxisLogDateTime,             "DateTime Axis cannot be Logarithmic") \
    X(TeeMsg_AxisLogNotPositive,          "Logarithmic Axis Min and Max values should be >= 0") \
    X(TeeMsg_AxisLabelSep,                "Labels Separation % must be greater than 0") \
    X(TeeMsg_AxisIncrementNeg,            "Axis increment must be >= 0") \
    X(TeeMsg_AxisMinMax,                  "Axis Minimum Value must be <= Maximum") \
    X(TeeMsg_AxisMaxMin,                  "Axis Maximum Value must be >= Minimum") \
    X(TeeMsg_MaxPointsPerPage,            "MaxPointsPerPage must be >= 0") \
    X(TeeMsg_3dPercent,                   "3D effect percent must be between %d and %d") \
    X(TeeMsg_CircularSeries,              "Circular Series dependences are not allowed") \
    X(TeeMsg_DefaultPercentOf,            "%s of %s") \
    X(TeeMsg_DefaultPercentOf2,           "%s\rof %s") \
    X(TeeMsg_DefPercentFormat,            "##0.## %") \
    X(TeeMsg_DefValueFormat,              "#,##0.###") \
    X(TeeMsg_GalleryLine,                 "Line") \
    X(TeeMsg_GalleryPoint,                "Point") \
    X(TeeMsg_GalleryArea,                 "Area") \
    X(TeeMsg_GalleryBar,                  "Bar") \
    X(TeeMsg_GalleryHorizBar,             "Horizontal\rBar") \
    X(TeeMsg_Stack,                       "Stack") \
    X(TeeMsg_GalleryPie,                  "Pie") \
    X(TeeMsg_GalleryFastLine,             "Fast Line") \
    X(TeeMsg_GalleryHorizLine,            "Horizontal\rLine") \
    X(TeeMsg_PieSample1,                  "Cars") \
    X(TeeMsg_PieSample2,                  "Phones") \
    X(TeeMsg_PieSample3,                  "Tables") \
    X(TeeMsg_PieSample4,                  "Monitors") \
    X(TeeMsg_PieSample5,                  "Lamps") \
    X(TeeMsg_PieSample6,                  "Keyboards") \
    X(TeeMsg_PieSample7,                  "Bikes") \
    X(TeeMsg_PieSample8,                  "Chairs") \
    X(TeeMsg_GalleryStandard,             "Standard") \
    X(TeeMsg_TopAxis,                     "Top Axis") \
    X(TeeMsg_BottomAxis,                  "Bottom Axis") \
    X(TeeMsg_LeftAxis,                    "Left Axis") \
    X(TeeMsg_RightAxis,                   "Right Axis") \
    X(TeeMsg_DefaultFontSize,             "8") \
    X(TeeMsg_None,                        "(none)") \
    X(TeeMsg_DefaultFontName,             "Arial") \
    X(TeeMsg_CheckPointerSize,            "Pointer size must be greater than zero") \
    X(TeeMsg_FunctionPeriod,              "Function Period should be >= 0") \
    X(TeeMsg_DepthAxis,                   "Depth Axis") \
    X(TeeMsg_PieOther,                    "Other") \
    X(TeeMsg_ValuesX,                     "X") \
    X(TeeMsg_ValuesY,                     "Y") \
    X(TeeMsg_ValuesPie,                   "Pie") \
    X(TeeMsg_ValuesBar,                   "Bar") \
    X(TeeMsg_ValuesAngle,                 "Angle") \
    X(TeeMsg_Series,                      "Series") \
    X(TeeMsg_Normal,                      "Normal") \
    X(TeeMsg_NoBorder,                    "No Border") \
    X(TeeMsg_Dotted,                      "Dotted") \
    X(TeeMsg_Colors,                      "Colors") \
    X(TeeMsg_Marks,                       "Marks") \
    X(TeeMsg_Stairs,                      "Stairs") \
    X(TeeMsg_Points,                      "Points") \
    X(TeeMsg_Height,                      "Height") \
    X(TeeMsg_Hollow,                      "Hollow") \
    X(TeeMsg_Point2D,                     "Point 2D") \
    X(TeeMsg_Triangle,                    "Triangle") \
    X(TeeMsg_Star,                        "Star") \
    X(TeeMsg_Circle,                      "Circle") \
    X(TeeMsg_DownTri,                     "Down Tri.") \
    X(TeeMsg_Cross,                       "Cross") \
    X(TeeMsg_Diamond,                     "Diamond") \
    X(TeeMsg_NoLines,                     "No Lines") \
    X(TeeMsg_Stack100,                    "Stack 100%") \
    X(TeeMsg_Pyramid,                     "Pyramid") \
    X(TeeMsg_Ellipse,                     "Ellipse") \
    X(TeeMsg_InvPyramid,                  "Inv. Pyramid") \
    X(TeeMsg_Sides,                       "Sides") \
    X(TeeMsg_SideAll,                     "Side All") \
    X(TeeMsg_Patterns,                    "Patterns") \
    X(TeeMsg_Exploded,                    "Exploded") \
    X(TeeMsg_Shadow,                      "Shadow") \
    X(TeeMsg_SemiPie,                     "Semi Pie") \
    X(TeeMsg_SeriesDelete,                "Series Delete: ValueIndex %d out of bounds (0 to %d).") \
    X(TeeMsg_Gradient,                    "Gradient") \
    X(TeeMsg_GalleryHorizArea,            "Horizontal\rArea") \
    X(TeeMsg_SelfStack,                   "Self Stacked") \
    X(TeeMsg_DarkPen,                     "Dark Border") \
    X(TeeMsg_CursorTool,                  "Cursor") \
    X(TeeMsg_DragMarksTool,               "Drag Marks") \
    X(TeeMsg_AxisArrowTool,               "Axis Arrows") \
    X(TeeMsg_DrawLineTool,                "Draw Line") \
    X(TeeMsg_NearestTool,                 "Nearest Point") \
    X(TeeMsg_ColorBandTool,               "Color Band") \
    X(TeeMsg_ColorLineTool,               "Color Line") \
    X(TeeMsg_RotateTool,                  "Rotate") \
    X(TeeMsg_ImageTool,                   "Image") \
    X(TeeMsg_MarksTipTool,                "Mark Tips") \
    X(TeeMsg_AnnotationTool,              "Annotation") \
    X(TeeMsg_DragPoint,                   "Drag Point") \
    X(TeeMsg_SeriesAnimTool,              "Series Animation") \
    X(TeeMsg_GridBandTool,                "Grid Band") \
    X(TeeMsg_Test,                        "Test...") \
    X(TeeMsg_LegendColorWidth,            "Legend Color Width must be > 0%") \
    X(TeeMsg_AxisLogBase,                 "Axis Logarithmic Base should be >= 2") \
    X(TeeMsg_WarningHiColor,              "16k Color or greater required to get better look") \
    X(TeeMsg_DefLogValueFormat,           "#.0 \"x10\" E+0") \
    X(TeeMsg_AxisTitle,                   "Axis Title") \
    X(TeeMsg_AxisLabels,                  "Axis Labels") \
    X(TeeMsg_RefreshInterval,             "Refresh Interval must be between 0 and 60") \
    X(TeeMsg_SeriesParentNoSelf,          "Series.ParentChart is not myself!") \
    X(TeeMsg_GalleryCircled,              "Circled") \
    X(TeeMsg_GalleryLogoFont,             "Courier New") \
    X(TeeMsg_Editing,                     "Editing %s") \
    X(TeeMsg_GalleryExtended,             "Extended") \
    X(TeeMsg_GalleryFunctions,            "Functions") \
    X(TeeMsg_EditChart,                   "E&dit Chart...") \
    X(TeeMsg_PrintPreview,                "&Print Preview...") \
    X(TeeMsg_ExportChart,                 "E&xport Chart...") \
    X(TeeMsg_CustomAxes,                  "Custom Axes...") \
    X(TeeMsg_InvalidEditorClass,          "%s: Invalid Editor Class: %s") \
    X(TeeMsg_MissingEditorClass,          "%s: has no Editor Dialog") \
    X(TeeMsg_GalleryArrow,                "Arrow") \
    X(TeeMsg_ExpFinish,                   "&Finish") \
    X(TeeMsg_ExpNext,                     "&Next >") \
    X(TeeMsg_GalleryGantt,                "Gantt") \
    X(TeeMsg_GanttSample1,                "Design") \
    X(TeeMsg_GanttSample2,                "Prototyping") \
    X(TeeMsg_GanttSample3,                "Development") \
    X(TeeMsg_GanttSample4,                "Sales") \
    X(TeeMsg_GanttSample5,                "Marketing") \
    X(TeeMsg_GanttSample6,                "Testing") \
    X(TeeMsg_GanttSample7,                "Manufacture") \
    X(TeeMsg_GanttSample8,                "Debugging") \
    X(TeeMsg_GanttSample9,                "New Version") \
    X(TeeMsg_GanttSample10,               "Banking") \
    X(TeeMsg_ChangeSeriesTitle,           "Change Series Title") \
    X(TeeMsg_NewSeriesTitle,              "New Series Title:") \
    X(TeeMsg_DateTime,                    "DateTime") \
    X(TeeMsg_SureToDelete,                "Delete %s ?") \
    X(TeeMsg_DateTimeFormat,              "DateTime For&mat:") \
    X(TeeMsg_Default,                     "Default") \
    X(TeeMsg_ValuesFormat,                "Values For&mat:") \
    X(TeeMsg_Maximum,                     "Maximum") \
    X(TeeMsg_Minimum,                     "Minimum") \
    X(TeeMsg_DesiredIncrement,            "Desired %s Increment") \
    X(TeeMsg_IncorrectMaxMinValue,        "Incorrect value. Reason: %s") \
    X(TeeMsg_EnterDateTime,               "Enter [Number of Days] [hh:mm:ss]") \
    X(TeeMsg_SureToApply,                 "Apply Changes ?") \
    X(TeeMsg_SelectedSeries,              "(Selected Series)") \
    X(TeeMsg_RefreshData,                 "&Refresh Data") \
    X(TeeMsg_DefaultEditorSize,           "414") \
    X(TeeMsg_DefaultEditorHeight,         "347") \
    X(TeeMsg_FunctionAdd,                 "Add") \
    X(TeeMsg_FunctionSubtract,            "Subtract") \
    X(TeeMsg_FunctionMultiply,            "Multiply") \
    X(TeeMsg_FunctionDivide,              "Divide") \
    X(TeeMsg_FunctionHigh,                "High") \
    X(TeeMsg_FunctionLow,                 "Low") \
    X(TeeMsg_FunctionAverage,             "Average") \
    X(TeeMsg_GalleryShape,                "Shape") \
    X(TeeMsg_GalleryBubble,               "Bubble") \
    X(TeeMsg_FunctionNone,                "Copy") \
    X(TeeMsg_PrivateDeclarations,         "{ Private declarations }") \
    X(TeeMsg_PublicDeclarations,          "{ Public declarations }") \
    X(TeeMsg_About,                       "Abo&ut Pelvaro Chart...") \
    X(tcAdditional,                       "Additional") \
    X(tcDControls,                        "Data Controls") \
    X(tcQReport,                          "QReport") \
    X(TeeMsg_DataSet,                     "Dataset") \
    X(TeeMsg_AskDataSet,                  "&Dataset:") \
    X(TeeMsg_SingleRecord,                "Single Record") \
    X(TeeMsg_AskDataSource,               "&DataSource:") \
    X(TeeMsg_Summary,                     "Summary") \
    X(TeeMsg_WizardTab,                   "Business") \
    X(TeeMsg_ClearImage,                  "Clea&r") \
    X(TeeMsg_BrowseImage,                 "B&rowse...") \
    X(TeeMsg_WizardSureToClose,           "Are you sure that you want to close the Chart Wizard?") \
    X(TeeMsg_FieldNotFound,               "Field %s does not exist") \
    X(TeeMsg_ShapeGallery1,               "abc") \
    X(TeeMsg_ShapeGallery2,               "123") \
    X(TeeMsg_ValuesGanttStart,            "Start") \
    X(TeeMsg_ValuesGanttEnd,              "End") \
    X(TeeMsg_ValuesGanttNextTask,         "NextTask") \
    X(TeeMsg_ValuesBubbleRadius,          "Radius") \
    X(TeeMsg_ValuesArrowEndX,             "EndX") \
    X(TeeMsg_ValuesArrowEndY,             "EndY") \
    X(TeeMsg_Legend,                      "Legend") \
    X(TeeMsg_Title,                       "Title") \
    X(TeeMsg_Foot,                        "Footer") \
    X(TeeMsg_Period,                      "Period") \
    X(TeeMsg_PeriodRange,                 "Period range") \
    X(TeeMsg_CalcPeriod,                  "Calculate %s every:") \
    X(TeeMsg_SmallDotsPen,                "Small Dots") \
    X(TeeMsg_InvalidTeeFile,              "Invalid Chart in *.tee file") \
    X(TeeMsg_WrongTeeFileFormat,          "Wrong *.tee file format") \
    X(TeeMsg_EmptyTeeFile,                "Empty *.tee file") \
    X(TeeMsg_ChartAxesCategoryName,       "Chart Axes") \
    X(TeeMsg_ChartAxesCategoryDesc,       "Chart Axes properties and events") \
    X(TeeMsg_ChartWallsCategoryName,      "Chart Walls") \
    X(TeeMsg_ChartWallsCategoryDesc,      "Chart Walls properties and events") \
    X(TeeMsg_ChartTitlesCategoryName,     "Chart Titles") \
    X(TeeMsg_ChartTitlesCategoryDesc,     "Chart Titles properties and events") \
    X(TeeMsg_Chart3DCategoryName,         "Chart 3D") \
    X(TeeMsg_Chart3DCategoryDesc,         "Chart 3D properties and events") \
    X(TeeMsg_CustomAxesEditor,            "Custom ") \
    X(TeeMsg_SeriesList,                  "Series...") \
    X(TeeMsg_PageOfPages,                 "Page %d of %d") \
    X(TeeMsg_FileSize,                    "%d bytes") \
    X(TeeMsg_First,                       "First") \
    X(TeeMsg_Prior,                       "Prior") \
    X(TeeMsg_Next,                        "Next") \
    X(TeeMsg_Last,                        "Last") \
    X(TeeMsg_Insert,                      "Insert") \
    X(TeeMsg_Delete,                      "Delete") \
    X(TeeMsg_Edit,                        "Edit") \
    X(TeeMsg_Post,                        "Post") \
    X(TeeMsg_Cancel,                      "Cancel") \
    X(TeeMsg_All,                         "(all)") \
    X(TeeMsg_Index,                       "Index") \
    X(TeeMsg_Text,                        "Text") \
    X(TeeMsg_AsBMP,                       "as &Bitmap") \
    X(TeeMsg_BMPFilter,                   "Bitmaps (*.bmp)|*.bmp") \
    X(TeeMsg_AsEMF,                       "as &Metafile") \
    X(TeeMsg_EMFFilter,                   "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf") \
    X(TeeMsg_ExportPanelNotSet,           "Panel property is not set in Export format") \
    X(TeeMsg_Filled,                      "Filled") \
    X(TeeMsg_Rectangle,                   "Rectangle") \
    X(TeeMsg_VertLine,                    "Vert.Line") \
    X(TeeMsg_HorizLine,                   "Horiz.Line") \
    X(TeeMsg_Line,                        "Line") \
    X(TeeMsg_Cube,                        "Cube") \
    X(TeeMsg_DiagCross,                   "Diag.Cross") \
    X(TeeMsg_CanNotFindTempPath,          "Can not find Temp folder") \
    X(TeeMsg_CanNotCreateTempChart,       "Can not create Temp file") \
    X(TeeMsg_CanNotEmailChart,            "Can not email Chart. Mail error: ") \
    X(TeeMsg_DefaultDemoTee,              "http://www.example.com/demo.tee") \
    X(TeeMsg_NoSeriesSelected,            "No Series selected") \
    X(TeeMsg_CannotLoadChartFromURL,      "Error code: %d downloading Chart from URL: %s") \
    X(TeeMsg_CannotLoadSeriesDataFromURL, "Error code: %d downloading Series data from URL: %s") \
    X(TeeMsg_AsJPEG,                      "as &JPEG") \
    X(TeeMsg_JPEGFilter,                  "JPEG files (*.jpg)|*.jpg") \
    X(TeeMsg_AsGIF,                       "as &GIF") \
    X(TeeMsg_GIFFilter,                   "GIF files (*.gif)|*.gif") \
    X(TeeMsg_AsPNG,                       "as &PNG") \
    X(TeeMsg_PNGFilter,                   "PNG files (*.png)|*.png") \
    X(TeeMsg_AsPCX,                       "as PC&X") \
    X(TeeMsg_PCXFilter,                   "PCX files (*.pcx)|*.pcx") \
    X(TeeMsg_AsVML,                       "as &VML (HTM)") \
    X(TeeMsg_VMLFilter,                   "VML files (*.htm)|*.htm") \
    X(TeeMsg_AskLanguage,                 "&Language...") \
    X(TeeMsg_WantToSave,                  "Do you want to save %s?") \
    X(TeeMsg_NativeFilter,                "Chart files (*.tee)|*.tee") \
    X(TeeMsg_Property,                    "Property") \
    X(TeeMsg_Value,                       "Value") \
    X(TeeMsg_Yes,                         "Yes") \
    X(TeeMsg_No,                          "No") \
    X(TeeMsg_Image,                       "(image)") \
    X(TeeMsg_ActiveXVersion,              "ActiveX Release ") \
    X(TeeMsg_ActiveXCannotImport,         "Chart cannot import from %s") \
    X(TeeMsg_ActiveXVerbPrint,            "&Print Preview...") \
    X(TeeMsg_ActiveXVerbExport,           "E&xport...") \
    X(TeeMsg_ActiveXVerbImport,           "&Import...") \
    X(TeeMsg_ActiveXVerbHelp,             "&Help...") \
    X(TeeMsg_ActiveXVerbAbout,            "&About...") \
    X(TeeMsg_ActiveXError,                "Chart: Error code: %d downloading: %s") \
    X(TeeMsg_DatasourceError,             "Chart DataSource is not a Series or RecordSet") \
    X(TeeMsg_SeriesTextSrcError,          "Invalid Series type") \
    X(TeeMsg_AxisTextSrcError,            "Invalid Axis type") \
    X(TeeMsg_DelSeriesDatasource,         "Are you sure you want to delete %s ?") \
    X(TeeMsg_OCXNoPrinter,                "No default printer installed.") \
    X(TeeMsg_ActiveXPictureNotValid,      "Picture not valid") \
    X(TeeMsg_FunctionCustom,              "y = f(x)") \
    X(TeeMsg_AsPDF,                       "as &PDF") \
    X(TeeMsg_PDFFilter,                   "PDF files (*.pdf)|*.pdf") \
    X(TeeMsg_AsPS,                        "as PostScript") \
    X(TeeMsg_PSFilter,                    "PostScript files (*.eps)|*.eps") \
    X(TeeMsg_SelectFolder,                "Select database folder") \
    X(TeeMsg_BDEAlias,                    "&Alias:") \
    X(TeeMsg_ADOConnection,               "&Connection:") \
    X(TeeMsg_TextFilter1,                 "Text files (*.txt)|*.txt") \
    X(TeeMsg_TextFilter2,                 "Comma separated files (*.csv)|*.csv") \
    X(TeeMsg_TextFilter3,                 "Tab separated files (*.tab)|*.tab") \
    X(TeeMsg_TextFilter4,                 "Space separated files (*.txt)|*.txt") \
    X(TeeMsg_XMLFilter,                   "XML files (*.xml)|*.xml") \
    X(TeeMsg_HTMLFilter,                  "HTML files (*.htm)|*.htm") \
    X(TeeMsg_ExcelFilter,                 "Microsoft Excel files (*.xls)|*.xls")
