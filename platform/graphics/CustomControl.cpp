#include "platform/graphics/CustomControl.h"

#include <QPainter>
#include <algorithm>

TCustomControl::TCustomControl(TComponent* AOwner) : TComponent(AOwner) {}

TCustomControl::~TCustomControl()
{
    if (FWindow)
        FWindow->ControlDestroyed(this);
}

void TCustomControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    FLeft = left;
    FTop = top;
    if (width == FWidth && height == FHeight)
        return;
    FWidth = width;
    FHeight = height;
    Resize();
    Invalidate();
}

void TCustomControl::SetVisible(bool value) { SetProp(FVisible, value); }
void TCustomControl::SetColor(TColor value) { SetProp(FColor, value); }

void TCustomControl::SetCursor(TCursor value)
{
    if (FCursor == value)
        return;
    FCursor = value;
    if (FWindow)
        FWindow->SetWindowCursor(value);
}

void TCustomControl::SetHint(const QString& value)
{
    FHint = value;
    if (FWindow)
        FWindow->SetWindowHint(FHint, FShowHint);
}

void TCustomControl::SetShowHint(bool value)
{
    FShowHint = value;
    if (FWindow)
        FWindow->SetWindowHint(FHint, FShowHint);
}

void TCustomControl::SetWindow(TControlWindow* window)
{
    if (FWindow == window)
        return;
    FWindow = window;
    FWindowUpdatePending = false;
    if (!FWindow)
        return;
    FWindow->SetWindowCursor(FCursor);
    FWindow->SetWindowHint(FHint, FShowHint);
    FWindow->SetWindowRegion(FWindowRegion);
    WindowAttached();
    Invalidate();
}

TColor TCustomControl::ParentColor() const
{
    return FWindow ? FWindow->ParentColor() : FColor;
}

TPoint TCustomControl::ScreenToClientCursor() const
{
    return FWindow ? FWindow->CursorPosition() : TPoint();
}

void TCustomControl::SetWindowRegion(const QRegion& region)
{
    FWindowRegion = region;
    if (FWindow)
        FWindow->SetWindowRegion(FWindowRegion);
}

void TCustomControl::Invalidate()
{
    FNeedsPaint = true;
    // One request until the window paints: a fill that invalidates for every added point
    // would otherwise ask the window again each time, which costs more than adding the point.
    if (FWindow && !FWindowUpdatePending) {
        FWindowUpdatePending = true;
        FWindow->UpdateWindow();
    }
}

void TCustomControl::WindowPainting()
{
    FWindowUpdatePending = false;
}

void TCustomControl::Update()
{
    if (!FNeedsPaint)
        return;
    EnsureBufferSize();
    // Cleared first: a paint that invalidates again (a setter called while drawing) leaves
    // the picture stale for the next round instead of looping.
    FNeedsPaint = false;
    Paint();
}

void TCustomControl::Repaint()
{
    FNeedsPaint = true;
    Update();
    if (FWindow)
        FWindow->RepaintWindow();
}

void TCustomControl::ShowBackBuffer()
{
    if (FWindow)
        FWindow->UpdateWindow();
}

QImage& TCustomControl::BackBuffer()
{
    EnsureBufferSize();
    return FBuffer;
}

void TCustomControl::EnsureBufferSize()
{
    const int w = std::max(FWidth, 1);
    const int h = std::max(FHeight, 1);
    if (FBuffer.width() != w || FBuffer.height() != h) {
        BackBufferReplacing();
        FBuffer = QImage(w, h, QImage::Format_RGB32);
        FBuffer.fill(TColorToQColor(ColorToRGB(FColor == clNone ? ParentColor() : FColor)));
        FNeedsPaint = true;
    }
}

void TCustomControl::Paint()
{
    FBuffer.fill(TColorToQColor(ColorToRGB(FColor == clNone ? ParentColor() : FColor)));
}

void TCustomControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TCustomControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TCustomControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TCustomControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TCustomControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

bool TCustomControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (!handled) {
        if (WheelDelta < 0)
            handled = DoMouseWheelDown(Shift, MousePos);
        else if (WheelDelta > 0)
            handled = DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TCustomControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TCustomControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TCustomControl::KeyDown(int& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TCustomControl::KeyUp(int& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TCustomControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TCustomControl::SysColorChange() {}
