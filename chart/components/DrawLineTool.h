#pragma once

// Trend lines drawn on the chart with the mouse. Lines are kept in axis values, so they follow
// zoom and scroll; the user selects one, moves it whole or by either end, and deletes it.

#include <QString>
#include <functional>
#include <memory>

#include "chart/core/TeeCustomTool.h"
#include "platform/Collection.h"
#include "platform/TeeFiler.h"
#include "platform/Types.h"

class TDrawLineTool;

enum TDrawLineStyle { dlLine, dlHorizParallel, dlVertParallel };
// What a drag of a line moves: nothing, its start, its end, or the whole line.
enum TDrawLineDragMode { dmNone, dmStartPoint, dmEndPoint, dmWholeLine };

const QStringList& DrawLineStyleNames();

class TDrawLine : public TCollectionItem, public TTeeStoredObject
{
public:
    explicit TDrawLine(TCollection* collection);
    TDrawLine(TCollection* collection, double x0, double y0, double x1, double y1);
    // A selected line leaves the tool's selection first.
    ~TDrawLine() override;

    // The tool that owns the collection, if any.
    TDrawLineTool* Parent() const;

    TDrawLineStyle Style() const { return FStyle; }
    void SetStyle(TDrawLineStyle value) { SetProp(FStyle, value); }
    double X0() const { return FStartPos.X; }
    double Y0() const { return FStartPos.Y; }
    double X1() const { return FEndPos.X; }
    double Y1() const { return FEndPos.Y; }
    void SetX0(double value) { SetProp(FStartPos.X, value); }
    void SetY0(double value) { SetProp(FStartPos.Y, value); }
    void SetX1(double value) { SetProp(FEndPos.X, value); }
    void SetY1(double value) { SetProp(FEndPos.Y, value); }
    const TPointF& StartPos() const { return FStartPos; }
    const TPointF& EndPos() const { return FEndPos; }

    // Start, end and style of another line.
    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;
    // Whether the line holds what a new line does, so that it stores nothing.
    bool StoresNothing() const;

protected:
    // The tool that owns the line repaints.
    void PropertyChanged() override;

private:
    TPointF FStartPos;
    TPointF FEndPos;
    TDrawLineStyle FStyle = dlLine;
};

class TDrawLines : public TOwnedCollection
{
public:
    explicit TDrawLines(TPersistent* owner);
    TDrawLine* Get(int index) const { return static_cast<TDrawLine*>(Items(index)); }
    // The item at index takes the line's values.
    void Put(int index, TDrawLine* line) { Get(index)->Assign(line); }
    // Null when empty.
    TDrawLine* Last() const { return Count() ? Get(Count() - 1) : nullptr; }
};

class TDrawLineTool;
using TDrawLineSelecting = std::function<void(TDrawLineTool* sender, TDrawLine* line, bool& allow)>;

class TDrawLineTool : public TTeeCustomToolSeries
{
public:
    explicit TDrawLineTool(TComponent* AOwner);
    ~TDrawLineTool() override;

    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TDrawLineEdit"); }

    TMouseButton Button() const { return FButton; }
    void SetButton(TMouseButton value) { SetProp(FButton, value); }
    bool EnableDraw() const { return FEnableDraw; }
    void SetEnableDraw(bool value) { SetBooleanProperty(FEnableDraw, value); }
    bool EnableSelect() const { return FEnableSelect; }
    // Turning selection off also drops the selection.
    void SetEnableSelect(bool value);
    TDrawLines* Lines() const { return FLines.get(); }
    // Copies the lines.
    void SetLines(TDrawLines* value) { FLines->Assign(value); }
    TDrawLine* Selected() const { return FSelected; }
    // Also repaints.
    void SetSelected(TDrawLine* value);

    // Axis values to pixels and back, on the tool's axes.
    TPoint AxisPoint(const TPointF& point) const;
    TPointF ScreenPoint(TPoint pixel) const;
    // The line under the pixel: bodies first, then start handles, then end handles; the
    // selected line before the others in each round.
    TDrawLine* Clicked(int x, int y) const;
    // Ends drawing and dragging, frees the selected line and repaints.
    void DeleteSelected();
    // One line between two pixels in a style, through the chart's canvas.
    void DrawLine(TPoint p0, TPoint p1, TDrawLineStyle style);

    void ChartEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    void DefineProperties(TTeeFiler& filer) override;

    TNotifyEvent OnDraggedLine;
    TNotifyEvent OnDragLine;
    TNotifyEvent OnNewLine;
    TNotifyEvent OnSelect;
    TDrawLineSelecting OnSelecting;

    // Where the line being drawn or dragged is, in pixels.
    TPoint LineFromPixel() const { return FFromPoint; }
    TPoint LineToPixel() const { return FToPoint; }
    bool Drawing() const { return FDrawing; }
    TDrawLineDragMode DragMode() const { return FDragMode; }

protected:
    // Limits drawing to the tool's axes (the plot without a series) through the chart's depth.
    virtual void ClipDrawingRegion();
    // No line is added or moved.
    void EndDrag() override;

private:
    friend class TDrawLine;

    enum THit { hitBody, hitStart, hitEnd };
    // Mouse pixels, taken to the front plane first.
    bool HitLine(const TDrawLine* line, THit part, int x, int y) const;
    // The mouse pixel on the front plane, where the lines lie: the pixel itself unless the
    // chart is turned.
    TPoint PlanePoint(int x, int y) const;
    TRect HandleRect(TPoint centre) const;
    void DrawHandles(const TDrawLine* line);
    // The exclusive-or rubber band from LineFromPixel to LineToPixel.
    void RedrawLine(const TDrawLine* line);
    // Takes the figure of the drag off the screen before it is drawn at its new place.
    void EraseDraggedLine();
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp();
    // The selected line is going away.
    void LineFreed(TDrawLine* line);

    TMouseButton FButton = mbLeft;
    bool FEnableDraw = true;
    bool FEnableSelect = true;
    std::unique_ptr<TDrawLines> FLines;
    TDrawLine* FSelected = nullptr;
    bool FDrawing = false;
    TDrawLineDragMode FDragMode = dmNone;
    // Whether the mouse left the pixel it grabbed the line at: only then is the line written.
    bool FDragMoved = false;
    TPoint FDownPoint;
    TPoint FLastPoint;
    TPoint FFromPoint;
    TPoint FToPoint;
};
