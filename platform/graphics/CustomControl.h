#pragma once

// The control base of the class library: a component with bounds, colour, cursor and hint
// that paints itself into a back buffer and takes mouse, wheel and key input through virtual
// handlers. It needs no window: a host widget (platform/widgets) shows the back buffer on
// screen and forwards the window's events; tests and exports call the handlers and read the
// buffer directly.

#include <QImage>
#include <QRegion>
#include <QString>
#include <functional>

#include "platform/Colors.h"
#include "platform/graphics/SystemColors.h"
#include "platform/Component.h"
#include "platform/Types.h"
#include "platform/graphics/ControlTypes.h"

class TCustomControl;

// What a control asks of the window that shows it.
class TControlWindow
{
public:
    virtual ~TControlWindow() = default;
    // Shows the back buffer again soon (after the control painted or drew feedback into it).
    virtual void UpdateWindow() = 0;
    // Shows the back buffer at once.
    virtual void RepaintWindow() = 0;
    // Restricts the window to a region; an empty region removes the restriction.
    virtual void SetWindowRegion(const QRegion& region) = 0;
    virtual void SetWindowCursor(TCursor cursor) = 0;
    virtual void SetWindowHint(const QString& hint, bool show) = 0;
    // The mouse position in the control's coordinates.
    virtual TPoint CursorPosition() const = 0;
    // The colour of the surface the window sits on.
    virtual TColor ParentColor() const = 0;
    // The control is going away: the window must forget it.
    virtual void ControlDestroyed(TCustomControl* control) = 0;
};

// Behaviour switches of a control.
enum TControlStyleFlag : uint32_t {
    csSetCaption = 1u << 0,   // the control's name becomes its caption when it is named
    csOpaque = 1u << 1,       // the control fills its whole area
    csDoubleClicks = 1u << 2, // double clicks arrive as such
};

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
// Key codes are Qt::Key values; a handler may set the key to 0 to swallow it.
using TKeyEvent = std::function<void(TObject* Sender, int& Key, TShiftState Shift)>;

class TCustomControl : public TComponent
{
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    // Bounds. A change of size resizes the back buffer, calls Resize and invalidates.
    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    void SetWidth(int32_t value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int32_t value) { SetBounds(FLeft, FTop, FWidth, value); }
    TRect ClientRect() const { return TRect(0, 0, FWidth, FHeight); }
    TRect BoundsRect() const { return TRect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);

    TCursor Cursor() const { return FCursor; }
    // Passed on to the window; no repaint.
    void SetCursor(TCursor value);

    const QString& Hint() const { return FHint; }
    bool ShowHint() const { return FShowHint; }
    void SetHint(const QString& value);
    void SetShowHint(bool value);

    uint32_t ControlStyle() const { return FControlStyle; }
    void SetControlStyle(uint32_t value) { FControlStyle = value; }

    // The window that shows this control, none while the control lives off screen.
    TControlWindow* Window() const { return FWindow; }
    // Called by the window when it takes or releases the control.
    void SetWindow(TControlWindow* window);
    // The colour under the control: the window's surface, the control's own colour without one.
    TColor ParentColor() const;
    // The mouse position in client coordinates (0, 0 without a window).
    TPoint ScreenToClientCursor() const;

    // Restricts the window to a region (rounded corners); empty removes it.
    void SetWindowRegion(const QRegion& region);
    const QRegion& WindowRegion() const { return FWindowRegion; }

    // Painting. Invalidate marks the picture as stale and asks the window to show it again;
    // Update paints a stale picture into the back buffer now; Repaint does both at once and
    // shows the result.
    virtual void Invalidate();
    void Update();
    void Repaint();
    bool NeedsPaint() const { return FNeedsPaint; }
    // Called by the window when it paints (shown or not): the request that Invalidate made
    // is answered, and the next Invalidate asks again.
    void WindowPainting();
    // Asks the window to show the back buffer as it is, without painting: used after drawing
    // feedback (exclusive-or rectangles) straight into the buffer.
    void ShowBackBuffer();
    // The back buffer, sized to the control (RGB32). Paint draws into it.
    QImage& BackBuffer();

    // Input handlers, called by the window (or by tests). Each runs the user's event; derived
    // controls extend them.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    // The wheel: OnMouseWheel first; when it leaves the event unhandled, a turn towards the
    // user goes to DoMouseWheelDown and one away from the user to DoMouseWheelUp.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void KeyDown(int& Key, TShiftState Shift);
    virtual void KeyUp(int& Key, TShiftState Shift);
    // The mouse left the control.
    virtual void MouseLeave();
    // The system colours changed.
    virtual void SysColorChange();
    // Whether arrow keys go to the control rather than moving the focus.
    virtual bool WantsArrowKeys() const { return false; }

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseLeave;

protected:
    // A changed property (written through SetProp) repaints the control.
    void PropertyChanged() override { Invalidate(); }
    // Draws the control into BackBuffer(); the base fills it with Color.
    virtual void Paint();
    // The size changed; runs OnResize.
    virtual void Resize();
    // A window now shows the control (window regions can be set from here on).
    virtual void WindowAttached() {}
    // The back buffer is about to be replaced by one of a new size: a painter still active on
    // it must end now.
    virtual void BackBufferReplacing() {}

private:
    void EnsureBufferSize();

    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    bool FVisible = true;
    TColor FColor = clBtnFace;
    TCursor FCursor = crDefault;
    QString FHint;
    bool FShowHint = false;
    uint32_t FControlStyle = csSetCaption | csDoubleClicks;
    TControlWindow* FWindow = nullptr;
    QRegion FWindowRegion;
    QImage FBuffer;
    bool FNeedsPaint = true;
    // Invalidate has asked the window to paint and the window has not painted yet.
    bool FWindowUpdatePending = false;
};
