#include "chart/components/DrawLineTool.h"

#include <algorithm>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartFeedback.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/HitTests.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"

namespace {

// Pixels around a line that still count as a hit on it.
constexpr int32_t kLineTolerance = 4;
// Half the side of the square handle at each end of the selected line.
constexpr int32_t kHandleSize = 3;

} // namespace

const QStringList& DrawLineStyleNames()
{
    static const QStringList names = {"dlLine", "dlHorizParallel", "dlVertParallel"};
    return names;
}

// ---- TDrawLine ----

TDrawLine::TDrawLine(TCollection* collection) : TCollectionItem(collection) {}

TDrawLine::TDrawLine(TCollection* collection, double x0, double y0, double x1, double y1)
    : TCollectionItem(collection), FStartPos(x0, y0), FEndPos(x1, y1)
{
}

TDrawLine::~TDrawLine()
{
    if (TDrawLineTool* tool = Parent())
        tool->LineFreed(this);
}

TDrawLineTool* TDrawLine::Parent() const
{
    TCollection* lines = Collection();
    return lines ? dynamic_cast<TDrawLineTool*>(lines->GetOwner()) : nullptr;
}

void TDrawLine::PropertyChanged()
{
    if (TDrawLineTool* tool = Parent())
        tool->Repaint();
}

void TDrawLine::Assign(TPersistent* source)
{
    if (auto* line = dynamic_cast<TDrawLine*>(source)) {
        FStartPos = line->FStartPos;
        FEndPos = line->FEndPos;
        FStyle = line->FStyle;
        return;
    }
    TCollectionItem::Assign(source);
}

void TDrawLine::DefineProperties(TTeeFiler& filer)
{
    TeeDefineEnum(filer, "Style", FStyle, dlLine, DrawLineStyleNames(), [this](TDrawLineStyle v) { SetStyle(v); });
    TeeDefineFloat(filer, "X0", FStartPos.X, 0.0, [this](double v) { SetX0(v); });
    TeeDefineFloat(filer, "Y0", FStartPos.Y, 0.0, [this](double v) { SetY0(v); });
    TeeDefineFloat(filer, "X1", FEndPos.X, 0.0, [this](double v) { SetX1(v); });
    TeeDefineFloat(filer, "Y1", FEndPos.Y, 0.0, [this](double v) { SetY1(v); });
}

bool TDrawLine::StoresNothing() const
{
    // The start values of DefineProperties, compared as it compares them.
    return !TeeIsStored(FStyle, dlLine) && !TeeIsStored(FStartPos.X, 0.0) && !TeeIsStored(FStartPos.Y, 0.0) &&
           !TeeIsStored(FEndPos.X, 0.0) && !TeeIsStored(FEndPos.Y, 0.0);
}

TDrawLines::TDrawLines(TPersistent* owner) : TOwnedCollection(owner, TCollection::ItemClassOf<TDrawLine>()) {}

// ---- TDrawLineTool ----

TDrawLineTool::TDrawLineTool(TComponent* AOwner)
    : TTeeCustomToolSeries(AOwner), FLines(std::make_unique<TDrawLines>(this))
{
}

TDrawLineTool::~TDrawLineTool()
{
    FSelected = nullptr;
    FLines.reset();
}

QString TDrawLineTool::Description() const
{
    return TeeMsg_DrawLineTool;
}

void TDrawLineTool::LineFreed(TDrawLine* line)
{
    if (FSelected == line)
        FSelected = nullptr;
}

void TDrawLineTool::SetEnableSelect(bool value)
{
    if (SetProp(FEnableSelect, value) && !value)
        FSelected = nullptr;
}

void TDrawLineTool::SetSelected(TDrawLine* value)
{
    FSelected = value;
    Repaint();
}

TPoint TDrawLineTool::AxisPoint(const TPointF& point) const
{
    return TPoint(GetHorizAxis()->CalcPosValue(point.X), GetVertAxis()->CalcPosValue(point.Y));
}

TPointF TDrawLineTool::ScreenPoint(TPoint pixel) const
{
    return TPointF(GetHorizAxis()->CalcPosPoint(pixel.X), GetVertAxis()->CalcPosPoint(pixel.Y));
}

TRect TDrawLineTool::HandleRect(TPoint centre) const
{
    return TRect(centre.X - kHandleSize, centre.Y - kHandleSize, centre.X + kHandleSize, centre.Y + kHandleSize);
}

TPoint TDrawLineTool::PlanePoint(int x, int y) const
{
    ParentChart()->Canvas3D()->Calculate2DPosition(x, y, 0);
    return TPoint(x, y);
}

bool TDrawLineTool::HitLine(const TDrawLine* line, THit part, int x, int y) const
{
    const TPoint p = PlanePoint(x, y);
    const TPoint a = AxisPoint(line->StartPos());
    const TPoint b = AxisPoint(line->EndPos());
    switch (part) {
    case hitStart:
        return PointInRect(HandleRect(a), p);
    case hitEnd:
        return PointInRect(HandleRect(b), p);
    case hitBody:
        break;
    }
    switch (line->Style()) {
    case dlHorizParallel:
        return PointInLine(p, a.X, a.Y, b.X, a.Y, kLineTolerance) || PointInLine(p, a.X, b.Y, b.X, b.Y, kLineTolerance);
    case dlVertParallel:
        return PointInLine(p, a.X, a.Y, a.X, b.Y, kLineTolerance) || PointInLine(p, b.X, a.Y, b.X, b.Y, kLineTolerance);
    case dlLine:
        break;
    }
    return PointInLine(p, a, b, kLineTolerance);
}

TDrawLine* TDrawLineTool::Clicked(int x, int y) const
{
    for (THit part : {hitBody, hitStart, hitEnd}) {
        if (FSelected && HitLine(FSelected, part, x, y))
            return FSelected;
        for (int i = 0; i < FLines->Count(); ++i)
            if (HitLine(FLines->Get(i), part, x, y))
                return FLines->Get(i);
    }
    return nullptr;
}

void TDrawLineTool::DeleteSelected()
{
    if (!FSelected)
        return;
    FDrawing = false;
    FDragMode = dmNone;
    delete FSelected; // clears the selection as it leaves the collection
    Repaint();
}

void TDrawLineTool::EndDrag()
{
    FDrawing = false;
    FDragMode = dmNone;
}

void TDrawLineTool::DrawLine(TPoint p0, TPoint p1, TDrawLineStyle style)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    const bool is3D = ParentChart()->View3D();
    switch (style) {
    case dlLine:
        if (is3D)
            canvas->LineWithZ(p0, p1, 0);
        else
            canvas->Line(p0, p1);
        break;
    case dlHorizParallel:
        for (int32_t y : {p0.Y, p1.Y}) {
            if (is3D)
                canvas->HorizLine3D(p0.X, p1.X, y, 0);
            else
                canvas->DoHorizLine(p0.X, p1.X, y);
        }
        break;
    case dlVertParallel:
        for (int32_t x : {p0.X, p1.X}) {
            if (is3D)
                canvas->VertLine3D(x, p0.Y, p1.Y, 0);
            else
                canvas->DoVertLine(x, p0.Y, p1.Y);
        }
        break;
    }
}

void TDrawLineTool::ClipDrawingRegion()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart->CanClip())
        return;
    TRect r = chart->PlotRect();
    if (Series()) {
        const TChartAxis* h = GetHorizAxis();
        const TChartAxis* v = GetVertAxis();
        r = TRect(h->StartPixel, v->StartPixel, h->EndPixel, v->EndPixel);
    }
    chart->Canvas3D()->ClipCube(r, 0, chart->Depth3DHoriz());
}

void TDrawLineTool::DrawHandles(const TDrawLine* line)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    canvas->Pen()->SetStyle(psClear);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(ParentChart()->Color() == clBlack ? clSilver : clBlack);
    canvas->RectangleWithZ(HandleRect(AxisPoint(line->StartPos())), 0);
    canvas->RectangleWithZ(HandleRect(AxisPoint(line->EndPos())), 0);
}

void TDrawLineTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolSeries::ChartEvent(event);
    if (event != cteAfterDraw || FLines->Count() == 0 || !ParentChart())
        return;
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    canvas->SetBackMode(TRANSPARENT);
    ClipDrawingRegion();
    for (int i = 0; i < FLines->Count(); ++i) {
        const TDrawLine* line = FLines->Get(i);
        canvas->AssignVisiblePen(Pen());
        DrawLine(AxisPoint(line->StartPos()), AxisPoint(line->EndPos()), line->Style());
    }
    if (FSelected)
        DrawHandles(FSelected);
    canvas->UnClipRectangle();
}

void TDrawLineTool::RedrawLine(const TDrawLine* line)
{
    const TChartFeedback feedback(this, Pen(), fmNotXor, fcOverBackColor);
    DrawLine(FFromPoint, FToPoint, line ? line->Style() : dlLine);
}

void TDrawLineTool::EraseDraggedLine()
{
    if (!DragFeedbackWiped()) {
        RedrawLine(FSelected);
        return;
    }
    // A paint since then wiped the figure and drew the stored lines again: a line being moved
    // is taken from its stored place, as at the start of its drag; a new line's band is gone.
    if (FSelected && FDragMode != dmNone) {
        const TChartFeedback feedback(this, Pen(), fmNotXor, fcOverBackColor);
        DrawLine(AxisPoint(FSelected->StartPos()), AxisPoint(FSelected->EndPos()), FSelected->Style());
    }
}

void TDrawLineTool::MouseDown(int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    TDrawLine* line = FEnableSelect ? Clicked(x, y) : nullptr;
    if (line) {
        // Only a line that was selected before the click can be grabbed by an end.
        const bool wasSelected = line == FSelected;
        bool allow = true;
        if (!wasSelected) {
            if (OnSelecting)
                OnSelecting(this, line, allow);
            if (allow) {
                const bool hadSelection = FSelected != nullptr;
                FSelected = line;
                if (hadSelection) {
                    Repaint();
                } else {
                    const TChartFeedback handles(chart);
                    DrawHandles(line);
                }
                if (OnSelect)
                    OnSelect(this);
            }
        }
        // A line the handler refused is neither selected nor dragged.
        if (allow) {
            FFromPoint = AxisPoint(line->StartPos());
            FToPoint = AxisPoint(line->EndPos());
            FDragMode = dmWholeLine;
            FDragMoved = false;
            FLastPoint = FDownPoint = PlanePoint(x, y);
            if (wasSelected) {
                if (HitLine(line, hitStart, x, y))
                    FDragMode = dmStartPoint;
                else if (HitLine(line, hitEnd, x, y))
                    FDragMode = dmEndPoint;
            }
        }
    } else {
        FSelected = nullptr;
        if (!FEnableDraw)
            return;
        FDrawing = true;
        // The band and the new line lie on the front plane, under the mouse even when the
        // chart is turned.
        FFromPoint = FToPoint = PlanePoint(x, y);
        RedrawLine(nullptr);
    }
    chart->SetMouseCancelled(true);
}

void TDrawLineTool::MouseMove(int x, int y)
{
    TCustomAxisPanel* chart = ParentChart();
    if (FDrawing || FDragMode != dmNone) {
        const TPoint p = PlanePoint(x, y);
        // A mouse still on the pixel of the click has not moved the line yet.
        if (FDragMode != dmNone && !FDragMoved && p == FDownPoint) {
            chart->SetMouseCancelled(true);
            return;
        }
        if (FDragMode != dmNone)
            FDragMoved = true;
        EraseDraggedLine();
        if (FDrawing || FDragMode == dmEndPoint) {
            FToPoint = p;
        } else if (FDragMode == dmStartPoint) {
            FFromPoint = p;
        } else {
            const int dx = p.X - FLastPoint.X;
            const int dy = p.Y - FLastPoint.Y;
            FFromPoint = TPoint(FFromPoint.X + dx, FFromPoint.Y + dy);
            FToPoint = TPoint(FToPoint.X + dx, FToPoint.Y + dy);
            FLastPoint = p;
        }
        RedrawLine(FSelected);
        chart->SetMouseCancelled(true);
        if (OnDragLine)
            OnDragLine(this);
        return;
    }
    if (!FEnableSelect)
        return;
    bool over = false;
    if (FSelected && (HitLine(FSelected, hitStart, x, y) || HitLine(FSelected, hitEnd, x, y))) {
        chart->SetCursor(crCross);
        over = true;
    } else if (Clicked(x, y)) {
        chart->SetCursor(crHandPoint);
        over = true;
    }
    chart->SetMouseCancelled(over);
}

void TDrawLineTool::MouseUp()
{
    if (FDragMode != dmNone) {
        const TDrawLineDragMode mode = FDragMode;
        FDragMode = dmNone;
        // A click that selects a line leaves it as it was, to the last digit.
        if (!FDragMoved)
            return;
        Repaint();
        // A line freed during its drag has nothing left to write to.
        if (!FSelected)
            return;
        if (mode == dmStartPoint || mode == dmWholeLine) {
            const TPointF start = ScreenPoint(FFromPoint);
            FSelected->SetX0(start.X);
            FSelected->SetY0(start.Y);
        }
        if (mode == dmEndPoint || mode == dmWholeLine) {
            const TPointF end = ScreenPoint(FToPoint);
            FSelected->SetX1(end.X);
            FSelected->SetY1(end.Y);
        }
        if (OnDraggedLine)
            OnDraggedLine(this);
    } else if (FDrawing) {
        FDrawing = false;
        if (FFromPoint != FToPoint) {
            const TPointF a = ScreenPoint(FFromPoint);
            const TPointF b = ScreenPoint(FToPoint);
            new TDrawLine(FLines.get(), a.X, a.Y, b.X, b.Y);
            Repaint();
            if (OnNewLine)
                OnNewLine(this);
        }
    }
}

void TDrawLineTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState, int x, int y)
{
    if (!ParentChart())
        return;
    switch (event) {
    case cmeDown:
        if (button == FButton)
            MouseDown(x, y);
        break;
    case cmeMove:
        MouseMove(x, y);
        break;
    case cmeUp:
        if (button == FButton)
            MouseUp();
        break;
    }
}

void TDrawLineTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    TeeDefineEnum(filer, "Button", FButton, mbLeft, MouseButtonNames(), [this](TMouseButton v) { SetButton(v); });
    TeeDefineBool(filer, "EnableDraw", FEnableDraw, true, [this](bool v) { SetEnableDraw(v); });
    TeeDefineBool(filer, "EnableSelect", FEnableSelect, true, [this](bool v) { SetEnableSelect(v); });
    // The count comes first so that reading knows how many lines to make; a line keeps only
    // what differs from a new one.
    filer.DefineObject(
        "Lines",
        [this](TTeeFiler& f) {
            f.DefineProperty(
                "Count",
                [this, &f](const QString& v) {
                    // Within what the whole text may still make, or the text is refused with
                    // the lines as they were.
                    const int64_t count = f.AllowNewObjects(TeeTextInt(v, 0));
                    FSelected = nullptr;
                    FLines->Clear();
                    for (int64_t i = 0; i < count; ++i)
                        new TDrawLine(FLines.get());
                },
                [this] { return TeeIntText(FLines->Count()); }, true);
            // A count may make a hundred thousand lines that store nothing: writing passes over
            // them rather than ask the filer about each of their properties.
            const bool reading = dynamic_cast<TTeePropertyReader*>(&f) != nullptr;
            for (int i = 0; i < FLines->Count(); ++i)
                if (reading || !FLines->Get(i)->StoresNothing())
                    TeeDefineObject(f, QString::number(i), FLines->Get(i));
        },
        FLines->Count() > 0);
    TeeDefineObject(filer, "Pen", Pen());
}
