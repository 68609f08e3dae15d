#pragma once

// A free text box drawn over the chart after everything else, in a corner of the control or
// at a place of its own, optionally with a callout pointing at a pixel.

#include <functional>
#include <memory>

#include "chart/components/ChartTitle.h"
#include "chart/core/Callout.h"
#include "chart/core/TeeCustomTool.h"

// The text box: a shape that may be placed by hand.
class TTeeShapePosition : public TTeeCustomShapePosition
{
public:
    using TTeeCustomShapePosition::TTeeCustomShapePosition;
};

// A callout that points at a place of the control (pixels, and a depth) instead of a point of a
// series. Hidden, with its arrow hidden, until shown.
class TAnnotationCallout : public TCallout
{
public:
    explicit TAnnotationCallout(TChartSeries* series);

    int XPosition() const { return FXPosition; }
    int YPosition() const { return FYPosition; }
    int ZPosition() const { return FZPosition; }
    void SetXPosition(int value) { SetProp(FXPosition, value); }
    void SetYPosition(int value) { SetProp(FYPosition, value); }
    void SetZPosition(int value) { SetProp(FZPosition, value); }

    // The point of rect's outline where a line to point starts: the nearer edge on each axis,
    // the middle when point lies within the rectangle's span.
    static TPoint CloserPoint(const TRect& rect, TPoint point);

    // The three positions, then the callout's settings.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    int FXPosition = 0;
    int FYPosition = 0;
    int FZPosition = 0;
};

enum TAnnotationPosition { ppLeftTop, ppLeftBottom, ppRightTop, ppRightBottom };

class TAnnotationTool;
using TAnnotationClick =
    std::function<void(TAnnotationTool* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

class TAnnotationTool : public TTeeCustomTool
{
public:
    explicit TAnnotationTool(TComponent* AOwner);
    ~TAnnotationTool() override;

    TAnnotationCallout* Callout() const { return FCallout.get(); }
    void SetCallout(TAnnotationCallout* value) { FCallout->Assign(value); }
    // 0: the chart keeps its own cursor over the box.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { SetProp(FCursor, value); }
    TAnnotationPosition Position() const { return FPosition; }
    // Also puts a shape placed by hand back into the corner.
    void SetPosition(TAnnotationPosition value);
    TTeeShapePosition* Shape() const { return FShape.get(); }
    void SetShape(TTeeShapePosition* value) { FShape->Assign(value); }
    const QString& Text() const { return FText; }
    void SetText(const QString& value) { SetStringProperty(FText, value); }
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value) { SetProp(FTextAlignment, value); }
    TAnnotationClick OnClick;

    // The text drawn; descendants may supply another.
    virtual QString GetText() const { return FText; }
    // The point lies in the box as last drawn.
    bool Clicked(int x, int y) const;

    // The shape and callout draw on the chart the tool joins.
    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString GetEditorClass() const override { return QStringLiteral("TAnnotationToolEdit"); }
    QString Description() const override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    void DrawText();

    TCursor FCursor = crDefault;
    TAnnotationPosition FPosition = ppLeftTop;
    QString FText;
    TAlignment FTextAlignment = taLeftJustify;
    std::unique_ptr<TTeeShapePosition> FShape;
    std::unique_ptr<TAnnotationCallout> FCallout;
};
