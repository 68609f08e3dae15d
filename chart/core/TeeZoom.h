#pragma once

// The state of one rubber-band or pan drag, and the user's zoom settings on top of it.

#include <memory>

#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "platform/Persistent.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/ControlTypes.h"

class TZoomPanning : public TPersistent
{
public:
    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

    // Both corners at (x, y), and active.
    void Activate(int x, int y);
    // Orders the corners so that X0 <= X1 and Y0 <= Y1.
    void Check();
};

// The zoom rectangle's fill: white and clear by default.
class TTeeZoomBrush : public TChartBrush
{
public:
    explicit TTeeZoomBrush(TNotifyEvent changeHandler = {});
    bool IsColorStored() const override { return Color() != clWhite; }
    bool IsStyleStored() const override { return Style() != bsClear; }
};

// The zoom rectangle's outline: white by default.
class TTeeZoomPen : public TChartPen
{
public:
    explicit TTeeZoomPen(TNotifyEvent changeHandler = {});
};

enum TTeeZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };

class TTeeZoom : public TZoomPanning, public TTeeStoredObject
{
public:
    TTeeZoom();
    ~TTeeZoom() override;

    bool Allow() const { return FAllow; }
    bool Animated() const { return FAnimated; }
    int AnimatedSteps() const { return FAnimatedSteps; }
    TTeeZoomDirection Direction() const { return FDirection; }
    TShiftState KeyShift() const { return FKeyShift; }
    int MinimumPixels() const { return FMinimumPixels; }
    TMouseButton MouseButton() const { return FMouseButton; }
    void SetAllow(bool value) { FAllow = value; }
    void SetAnimated(bool value) { FAnimated = value; }
    void SetAnimatedSteps(int value) { FAnimatedSteps = value; }
    void SetDirection(TTeeZoomDirection value) { FDirection = value; }
    void SetKeyShift(TShiftState value) { FKeyShift = value; }
    void SetMinimumPixels(int value) { FMinimumPixels = value; }
    void SetMouseButton(TMouseButton value) { FMouseButton = value; }

    // Created on first read.
    TTeeZoomBrush* Brush();
    TTeeZoomPen* Pen();
    bool HasBrush() const { return FBrush != nullptr; }
    bool HasPen() const { return FPen != nullptr; }
    // None frees the zoom's own brush or pen; anything else is copied into it.
    void SetBrush(TBrush* value);
    void SetPen(TPen* value);

    // From another zoom only: every setting except MinimumPixels. Other sources are ignored.
    void Assign(TPersistent* Source) override;

    void DefineProperties(TTeeFiler& filer) override;

private:
    bool FAllow = true;
    bool FAnimated = false;
    int FAnimatedSteps = 8;
    std::unique_ptr<TTeeZoomBrush> FBrush;
    TTeeZoomDirection FDirection = tzdBoth;
    TShiftState FKeyShift = 0;
    int FMinimumPixels = 16;
    TMouseButton FMouseButton = mbLeft;
    std::unique_ptr<TTeeZoomPen> FPen;
};
