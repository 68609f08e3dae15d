#include "chart/components/Chart.h"

#include <utility>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/ChartValueList.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"
#include "platform/graphics/ColorNames.h"

TCustomChart::TCustomChart(TComponent* AOwner) : TCustomAxisPanel(AOwner)
{
    SetRepaintEnabled(false);
    FTitle = std::make_unique<TChartTitle>(this);
    FScrollMouseButton = mbRight;
    FSubTitle = std::make_unique<TChartTitle>(this);
    FFoot = std::make_unique<TChartFootTitle>(this);
    FSubFoot = std::make_unique<TChartFootTitle>(this);
    FWalls = std::make_unique<TChartWalls>(this);
    FLegend = std::make_unique<TChartLegend>(this);
    FScalesNotSaved = true;
    SetRepaintEnabled(true);
}

TCustomChart::~TCustomChart()
{
    FSavedScales.clear();
    SetRepaintEnabled(false);
    FSubTitle.reset();
    FTitle.reset();
    FSubFoot.reset();
    FFoot.reset();
    FWalls.reset();
    FLegend.reset();
}

void TCustomChart::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomAxisPanel::Notification(AComponent, Operation);
    if (Operation == opRemove && FLegend && AComponent == FLegend->Series())
        FLegend->SetSeries(nullptr);
}

TColor TCustomChart::GetBackColor()
{
    return BackWall()->Transparent() ? Color() : BackWall()->Color();
}

void TCustomChart::SetBackColor(TColor value)
{
    BackWall()->SetColor(value);
    if (Window() && !IsLoading())
        BackWall()->Brush()->SetStyle(bsSolid);
}

bool TCustomChart::IsFreeSeriesColor(TColor AColor, bool CheckBackground)
{
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i)->SeriesColor() == AColor)
            return false;
    return !CheckBackground || (AColor != Color() && AColor != BackWall()->Color());
}

QString TCustomChart::FormattedValueLegend(TChartSeries* Series, int ValueIndex)
{
    if (!Series)
        return QString();
    TCustomChartLegend* legend = Series->DrawingLegend();
    return (legend ? legend : FLegend.get())->FormattedValue(Series, ValueIndex);
}

QString TCustomChart::InternalFormattedLegend(TCustomChartLegend* ALegend, int Index)
{
    QString text = ALegend->FormattedLegend(Index);
    if (OnGetLegendText)
        OnGetLegendText(this, ALegend->LegendStyleComputed(), Index, text);
    return text;
}

QString TCustomChart::FormattedLegend(int Index) { return InternalFormattedLegend(FLegend.get(), Index); }

TAllAxisSavedScales TCustomChart::SaveScales()
{
    TAllAxisSavedScales saved(static_cast<size_t>(AxisCount()));
    for (int i = 0; i < AxisCount(); ++i) {
        TChartAxis* axis = AxisAt(i);
        if (axis->IsDepthAxis())
            continue;
        TAxisSavedScales& s = saved[static_cast<size_t>(i)];
        s.Automatic = axis->Automatic();
        s.AutomaticMinimum = axis->AutomaticMinimum();
        s.AutomaticMaximum = axis->AutomaticMaximum();
        s.Minimum = axis->Minimum();
        s.Maximum = axis->Maximum();
    }
    return saved;
}

void TCustomChart::RestoreScales(TAllAxisSavedScales& Saved)
{
    const int n = std::min(AxisCount(), static_cast<int>(Saved.size()));
    for (int i = 0; i < n; ++i) {
        TChartAxis* axis = AxisAt(i);
        if (axis->IsDepthAxis())
            continue;
        const TAxisSavedScales& s = Saved[static_cast<size_t>(i)];
        axis->SetAutomatic(s.Automatic);
        axis->SetAutomaticMinimum(s.AutomaticMinimum);
        axis->SetAutomaticMaximum(s.AutomaticMaximum);
        if (!axis->Automatic())
            axis->SetMinMax(s.Minimum, s.Maximum);
    }
    Saved.clear();
}

void TCustomChart::SeriesUp(TChartSeries* ASeries)
{
    const int i = SeriesList()->IndexOf(ASeries);
    if (i > 0)
        ExchangeSeries(i, i - 1);
}

void TCustomChart::SeriesDown(TChartSeries* ASeries)
{
    const int i = SeriesList()->IndexOf(ASeries);
    if (i >= 0 && i < SeriesCount() - 1)
        ExchangeSeries(i, i + 1);
}

void TCustomChart::NextPage()
{
    if (MaxPointsPerPage() > 0 && Page() < NumPages())
        SetPage(Page() + 1);
}

void TCustomChart::PreviousPage()
{
    if (MaxPointsPerPage() > 0 && Page() > 1)
        SetPage(Page() - 1);
}

void TCustomChart::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    TCustomAxisPanel::GetChildren(Proc, Root);
    for (int i = 0; i < Tools()->Count(); ++i)
        Proc(Tools()->Get(i));
}

void TCustomChart::FillSeriesSourceItems(TChartSeries*, const TGetStrProc&) {}

void TCustomChart::FillValueSourceItems(TChartValueList* ValueList, const TGetStrProc& Proc)
{
    auto* source = dynamic_cast<TChartSeries*>(ValueList->Owner()->DataSource());
    if (!source)
        return;
    TChartValueLists* lists = source->ValueLists();
    for (int i = 0; i < source->OwnValueListCount(); ++i)
        Proc(lists->Get(i)->Name());
}

void TCustomChart::RemoveAllSeries()
{
    while (SeriesCount() > 0)
        RemoveSeries(Series(0));
}

TChartSeries* TCustomChart::GetASeries()
{
    for (int i = 0; i < SeriesCount(); ++i)
        if (Series(i)->Active())
            return Series(i);
    return nullptr;
}

QString TCustomChart::AxisTitleOrName(TChartAxis* Axis)
{
    QString text = Axis->Title()->Caption();
    if (!text.isEmpty())
        return text;
    if (Axis->IsDepthAxis())
        return TeeMsg_DepthAxis;
    if (Axis->Horizontal())
        return Axis->OtherSide() ? TeeMsg_TopAxis : TeeMsg_BottomAxis;
    return Axis->OtherSide() ? TeeMsg_RightAxis : TeeMsg_LeftAxis;
}

bool TCustomChart::ActiveSeriesUseAxis()
{
    bool anyActive = false;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = Series(i);
        if (!s->Active())
            continue;
        anyActive = true;
        if (s->UseAxis())
            return true;
    }
    return !anyActive;
}

void TCustomChart::Assign(TPersistent* Source)
{
    if (auto* c = dynamic_cast<TCustomChart*>(Source)) {
        FFoot->Assign(c->FFoot.get());
        FLegend->Assign(c->FLegend.get());
        FScrollMouseButton = c->FScrollMouseButton;
        FSubFoot->Assign(c->FSubFoot.get());
        FSubTitle->Assign(c->FSubTitle.get());
        FTitle->Assign(c->FTitle.get());
        FWalls->Assign(c->FWalls.get());
    }
    TCustomAxisPanel::Assign(Source);
}

void TCustomChart::DefineProperties(TTeeFiler& filer)
{
    TCustomAxisPanel::DefineProperties(filer);
    // Another name for the back wall's colour: read, never written.
    filer.DefineProperty(
        "BackColor",
        [this](const QString& v) {
            bool isNumber = false;
            const qlonglong n = v.toLongLong(&isNumber);
            TColor colour = clNone;
            if (isNumber)
                colour = static_cast<TColor>(n);
            else if (!IdentToColor(v, colour))
                return;
            SetBackColor(colour);
        },
        {}, false);
    // An unknown button reads as the right one.
    TeeDefineEnum(filer, "ScrollMouseButton", FScrollMouseButton, mbRight, MouseButtonNames(),
                  [this](TMouseButton v) { SetScrollMouseButton(v); }, mbRight);
    TeeDefineObject(filer, "Title", FTitle.get());
    TeeDefineObject(filer, "SubTitle", FSubTitle.get());
    TeeDefineObject(filer, "Foot", FFoot.get());
    TeeDefineObject(filer, "SubFoot", FSubFoot.get());
    TeeDefineObject(filer, "Legend", FLegend.get());
    TeeDefineObject(filer, "BackWall", BackWall());
    TeeDefineObject(filer, "BottomWall", BottomWall());
    TeeDefineObject(filer, "LeftWall", LeftWall());
    TeeDefineObject(filer, "RightWall", RightWall());
    // The back wall's pen under its other published name: read, never written.
    filer.DefineObject("Frame", [this](TTeeFiler& f) { Frame()->DefineProperties(f); }, false);
}

// ---- layout ----

void TCustomChart::CalcWallsRect()
{
    CalcSize3DWalls();
    if (!View3D() || !View3DOptions()->Orthogonal())
        return;
    const int s = ActiveSeriesUseAxis() ? BackWall()->Size() : 0;
    const int d = std::abs(Depth3DHoriz());
    TRect r = PlotRect();
    if (View3DOptions()->OrthoAngle() <= 90) {
        r.Right -= d + s;
        if (RightWall()->Visible())
            r.Right -= RightWall()->Size() + 1;
    } else {
        r.Left += d + s;
        if (LeftWall()->Visible())
            r.Left += LeftWall()->Size() + 1;
    }
    r.Top += s + std::abs(Depth3DVert());
    SetPlotRect(r);
    ReCalcWidthHeight();
}

int32_t TCustomChart::CalcWallSize(const TChartAxis* Axis)
{
    if (!View3D() || !View3DWalls())
        return 0;
    const TCustomChartWall* wall = BackWall();
    if (Axis == LeftAxis())
        wall = LeftWall();
    else if (Axis == BottomAxis())
        wall = BottomWall();
    else if (Axis == RightAxis())
        wall = RightWall();
    return wall->Visible() ? wall->Size() : 0;
}

void TCustomChart::DrawTitlesAndLegend(bool BeforeSeries)
{
    TCanvas3D* canvas = Canvas3D();
    TChartTitle* blocks[] = {FTitle.get(), FSubTitle.get(), FFoot.get(), FSubFoot.get()};
    const auto drawBlocks = [&blocks](bool custom) {
        for (TChartTitle* t : blocks)
            if (t->CustomPosition() == custom)
                t->DrawTitle();
    };
    canvas->FrontPlaneBegin();
    if (BeforeSeries) {
        if (FLegend->CustomPosition() || !FLegend->ShouldDraw())
            drawBlocks(false);
        else if (FLegend->Vertical()) {
            FLegend->DrawLegend();
            drawBlocks(false);
        } else {
            drawBlocks(false);
            FLegend->DrawLegend();
        }
    } else {
        if (FLegend->CustomPosition() && FLegend->ShouldDraw())
            FLegend->DrawLegend();
        drawBlocks(true);
    }
    canvas->FrontPlaneEnd();

    if (!BeforeSeries && ActiveSeriesUseAxis() && View3D() && View3DWalls()) {
        if (DrawRightWallAfter()) {
            if (RightWall()->Visible())
                DrawRightWall();
            DrawWallAxisAfter(RightAxis());
        }
        if (DrawLeftWallFirst()) {
            if (LeftWall()->Visible())
                DrawLeftWall();
            DrawWallAxisAfter(LeftAxis());
        }
    }
}

// A side axis in front of the series: its grid lines on the back plane were drawn before the
// series, so it draws without them, and without the bands painted with them.
void TCustomChart::DrawWallAxisAfter(TChartAxis* axis)
{
    if (!IsAxisVisible(axis))
        return;
    TAxisGridPen* grid = axis->Grid();
    const TNotifyEvent handler = std::exchange(grid->OnChange, {});
    const auto bands = std::exchange(axis->OnDrawGrids, {});
    const bool oldVisible = grid->Visible();
    grid->SetVisible(false);
    axis->Draw(false);
    grid->SetVisible(oldVisible);
    axis->OnDrawGrids = bands;
    grid->OnChange = handler;
}

// ---- mouse wheel and pages through the chart ----

TChart::TChart(TComponent* AOwner) : TCustomChart(AOwner) {}
