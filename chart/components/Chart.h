#pragma once

// Chief header of the chart control: the chart with its walls, text blocks and legend, its
// mouse handling (tools first, clicks on its parts, zoom by a dragged rectangle, scroll by a
// dragged button, the wheel) and TChart, the class that forms place.

#include <functional>
#include <memory>
#include <vector>

#include "chart/components/ChartLegend.h"
#include "chart/components/ChartTitle.h"
#include "chart/components/ChartWalls.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCustomTool.h"

class TChartAxis;
class TChartSeries;
class TChartValueList;
class TCustomChart;

// The scales of one axis, kept before the first zoom or scroll so that an undo restores them.
#pragma pack(push, 1)
struct TAxisSavedScales {
    bool Automatic = false;
    bool AutomaticMinimum = false;
    bool AutomaticMaximum = false;
    double Minimum = 0;
    double Maximum = 0;
};
#pragma pack(pop)
static_assert(sizeof(TAxisSavedScales) == 19);
using TAllAxisSavedScales = std::vector<TAxisSavedScales>;

enum TChartClickedPartStyle : uint8_t {
    cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect, cpSeriesMarks, cpSubTitle, cpSubFoot
};

struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    int PointIndex = -1;
    TChartSeries* ASeries = nullptr;
    TChartAxis* AAxis = nullptr;
};

// Carries one clicked part of a chart while it is dragged to another control.
class TTeeDragObject
{
public:
    explicit TTeeDragObject(const TChartClickedPart& APart) : Part(APart) {}
    virtual ~TTeeDragObject() = default;
    // Nothing to tidy up when the drop ends.
    virtual void Finished(TObject*, int, int, bool) {}
    // The hand where the drop is accepted, else the no-drop cursor.
    virtual TCursor GetDragCursor(bool Accepted, int X, int Y) const;

    TChartClickedPart Part;
};

using TChartClick = std::function<void(TCustomChart* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickAxis =
    std::function<void(TCustomChart* Sender, TChartAxis* Axis, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickSeries = std::function<void(TCustomChart* Sender, TChartSeries* Series, int ValueIndex,
                                             TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickTitle =
    std::function<void(TCustomChart* Sender, TChartTitle* ATitle, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartAllowScrollEvent =
    std::function<void(TChartAxis* Sender, double& AMin, double& AMax, bool& AllowScroll)>;
using TOnGetLegendPos = std::function<void(TCustomChart* Sender, int Index, int& X, int& Y, int& XColor)>;
using TOnGetLegendRect = std::function<void(TCustomChart* Sender, TRect& Rect)>;
// Called once per name offered as a value source.
using TGetStrProc = std::function<void(const QString& Name)>;
using TOnGetLegendText =
    std::function<void(TCustomAxisPanel* Sender, TLegendStyle LegendStyle, int Index, QString& LegendText)>;

// Keys that must be held to scroll; none by default.
extern TShiftState TeeScrollKeyShift;
// The wheel scrolls the vertical axes.
extern bool TeeUseMouseWheel;
// One animated zoom step covers this fraction (1 / factor) of what is left.
extern double AnimatedZoomFactor;

class TCustomChart : public TCustomAxisPanel
{
public:
    explicit TCustomChart(TComponent* AOwner);
    ~TCustomChart() override;

    // ---- overrides of the axis panel ----
    void DefineProperties(TTeeFiler& filer) override;
    void Assign(TPersistent* Source) override;
    TColor GetBackColor() override;
    void CalcWallsRect() override;
    int32_t CalcWallSize(const TChartAxis* Axis) override;
    void DrawTitlesAndLegend(bool BeforeSeries) override;
    void DrawWalls() override;
    QString FormattedValueLegend(TChartSeries* Series, int ValueIndex) override;
    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground) override;
    void UndoZoom() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

    // ---- parts ----
    TChartTitle* Title() const { return FTitle.get(); }
    TChartTitle* SubTitle() const { return FSubTitle.get(); }
    TChartTitle* Foot() const { return FFoot.get(); }
    TChartTitle* SubFoot() const { return FSubFoot.get(); }
    TChartWalls* Walls() const { return FWalls.get(); }
    TChartLegend* Legend() const { return FLegend.get(); }
    void SetTitle(TChartTitle* value) { FTitle->Assign(value); }
    void SetSubTitle(TChartTitle* value) { FSubTitle->Assign(value); }
    void SetFoot(TChartTitle* value) { FFoot->Assign(value); }
    void SetSubFoot(TChartTitle* value) { FSubFoot->Assign(value); }
    void SetWalls(TChartWalls* value) { FWalls->Assign(value); }
    void SetLegend(TCustomChartLegend* value) { FLegend->Assign(value); }
    TChartBackWall* BackWall() const { return FWalls->Back(); }
    TChartWall* BottomWall() const { return FWalls->Bottom(); }
    TChartWall* LeftWall() const { return FWalls->Left(); }
    TChartRightWall* RightWall() const { return FWalls->Right(); }
    void SetBackWall(TChartBackWall* value) { FWalls->SetBack(value); }
    void SetBottomWall(TChartWall* value) { FWalls->SetBottom(value); }
    void SetLeftWall(TChartWall* value) { FWalls->SetLeft(value); }
    void SetRightWall(TChartRightWall* value) { FWalls->SetRight(value); }
    // The back wall's pen.
    TChartPen* Frame() const { return FWalls->Back()->Pen(); }
    void SetFrame(TChartPen* value) { FWalls->Back()->Pen()->Assign(value); }
    TMouseButton ScrollMouseButton() const { return FScrollMouseButton; }
    void SetScrollMouseButton(TMouseButton value) { FScrollMouseButton = value; }

    // The back wall's colour under a name that is read, never written; with a window and not
    // loading, the wall's brush turns solid.
    void SetBackColor(TColor value);

    // ---- services ----
    QString FormattedLegend(int Index);
    QString InternalFormattedLegend(TCustomChartLegend* ALegend, int Index);
    TAllAxisSavedScales SaveScales();
    void RestoreScales(TAllAxisSavedScales& Saved);
    bool ScalesSaved() const { return !FScalesNotSaved; }
    void SeriesUp(TChartSeries* ASeries);
    void SeriesDown(TChartSeries* ASeries);
    void NextPage();
    void PreviousPage();
    // For streaming: every series but the internal ones, in order, then every tool.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    // Nothing: the chart offers no series sources of its own.
    void FillSeriesSourceItems(TChartSeries* ASeries, const TGetStrProc& Proc);
    // When the list's series is fed by another series, the names of that series' value lists.
    void FillValueSourceItems(TChartValueList* ValueList, const TGetStrProc& Proc);
    // Takes every series out of the chart without freeing them.
    void RemoveAllSeries();
    TChartSeries* GetASeries();
    QString AxisTitleOrName(TChartAxis* Axis);
    bool ActiveSeriesUseAxis();

    // ---- walls ----
    bool DrawWallFirst(int APos);
    bool DrawLeftWallFirst() { return DrawWallFirst(PlotRect().Left); }
    bool DrawRightWallAfter() { return !DrawWallFirst(PlotRect().Right); }
    void DrawBackWall();
    void DrawLeftWall();
    void DrawBottomWall();
    void DrawRightWall();

    // ---- mouse, zoom and scroll ----
    using TCustomAxisPanel::BroadcastMouseEvent;
    void BroadcastMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X, int Y);
    TChartClickedPart CalcClickedPart(TPoint Pos);
    TChartClickedPart CalcNeedClickedPart(TPoint Pos, bool OnlyNeeded);
    void DoZoom(double topMin, double topMax, double botMin, double botMax, double leftMin, double leftMax,
                double rightMin, double rightMax);
    void ZoomRect(const TRect& Rect);
    void CalcZoomPoints();
    void ZoomPercent(double PercentZoom);
    void ScrollVerticalAxes(bool Up);

    // ---- events ----
    TChartAllowScrollEvent OnAllowScroll;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickBackground;
    TChartClick OnClickLegend;
    TChartClickSeries OnClickSeries;
    TChartClickTitle OnClickTitle;
    TOnGetLegendPos OnGetLegendPos;
    TOnGetLegendRect OnGetLegendRect;
    TOnGetLegendText OnGetLegendText;

protected:
    // A freed series that the legend lists is forgotten.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The end of the zoom rectangle for a mouse at (X, Y), by the zoom's direction.
    TPoint ZoomEndPoint(int X, int Y) const;
    void DrawWallAxisAfter(TChartAxis* axis);
    void PrepareWallCanvas(TCustomChartWall* wall);
    void StartZoomOrScroll(TMouseButton Button, TShiftState Shift, int X, int Y);
    bool RaiseClick(const std::function<void()>& handler);
    void ScrollAxes(bool horizontal, int from, int to);

    std::unique_ptr<TChartTitle> FTitle;
    std::unique_ptr<TChartTitle> FSubTitle;
    std::unique_ptr<TChartTitle> FFoot;
    std::unique_ptr<TChartTitle> FSubFoot;
    std::unique_ptr<TChartWalls> FWalls;
    std::unique_ptr<TChartLegend> FLegend;
    TMouseButton FScrollMouseButton = mbRight;
    TAllAxisSavedScales FSavedScales;
    bool FScalesNotSaved = true;
};

// The chart that forms place; it only publishes what TCustomChart holds.
class TChart : public TCustomChart
{
public:
    explicit TChart(TComponent* AOwner);
};
