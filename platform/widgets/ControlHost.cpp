#include "platform/widgets/ControlHost.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/graphics/Cursors.h"

namespace {

bool ToMouseButton(Qt::MouseButton qtButton, TMouseButton& button)
{
    switch (qtButton) {
    case Qt::LeftButton: button = mbLeft; return true;
    case Qt::RightButton: button = mbRight; return true;
    case Qt::MiddleButton: button = mbMiddle; return true;
    default: return false;
    }
}

TPoint EventPoint(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return TPoint(p.x(), p.y());
}

} // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

TControlHost::TControlHost(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::WheelFocus);
    // The back buffer covers every pixel: no background erase before a blit.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TControlHost::~TControlHost()
{
    ReleaseControl();
}

void TControlHost::ReleaseControl()
{
    TCustomControl* old = FControl;
    const bool owned = FOwned;
    FControl = nullptr;
    FOwned = false;
    if (!old)
        return;
    old->SetWindow(nullptr);
    if (owned)
        old->Free();
}

void TControlHost::SetControl(TCustomControl* control, bool owned)
{
    if (control == FControl) {
        FOwned = owned;
        return;
    }
    ReleaseControl();
    FControl = control;
    FOwned = owned && control;
    if (!FControl)
        return;
    FControl->SetBounds(0, 0, width(), height());
    FControl->SetWindow(this);
    update();
}

void TControlHost::UpdateWindow()
{
    update();
}

void TControlHost::RepaintWindow()
{
    repaint();
}

void TControlHost::SetWindowRegion(const QRegion& region)
{
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
}

void TControlHost::SetWindowCursor(TCursor cursor)
{
    setCursor(ScreenCursor(cursor));
}

void TControlHost::SetWindowHint(const QString& hint, bool show)
{
    setToolTip(show ? hint : QString());
}

TPoint TControlHost::CursorPosition() const
{
    const QPoint p = mapFromGlobal(QCursor::pos());
    return TPoint(p.x(), p.y());
}

TColor TControlHost::ParentColor() const
{
    const QWidget* surface = parentWidget() ? parentWidget() : this;
    return QColorToTColor(surface->palette().color(QPalette::Window));
}

void TControlHost::ControlDestroyed(TCustomControl* control)
{
    if (control != FControl)
        return;
    FControl = nullptr;
    FOwned = false;
    update();
}

QSize TControlHost::sizeHint() const
{
    return FControl ? QSize(FControl->Width(), FControl->Height()) : QWidget::sizeHint();
}

void TControlHost::paintEvent(QPaintEvent*)
{
    if (FControl)
        FControl->WindowPainting();
    QPainter painter(this);
    if (!FControl || !FControl->Visible()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    FControl->Update();
    painter.drawImage(0, 0, FControl->BackBuffer());
}

void TControlHost::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (FControl)
        FControl->SetBounds(0, 0, width(), height());
}

void TControlHost::mousePressEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!FControl || !ToMouseButton(event->button(), button))
        return;
    FPressedInside = true;
    const TPoint p = EventPoint(event);
    FControl->MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()), p.X, p.Y);
}

void TControlHost::mouseDoubleClickEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!FControl || !ToMouseButton(event->button(), button))
        return;
    FPressedInside = true;
    const TPoint p = EventPoint(event);
    // A double click is told first, then arrives as a press marked double.
    if (button == mbLeft)
        FControl->DblClick();
    if (FControl)
        FControl->MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()) | ssDouble, p.X, p.Y);
}

void TControlHost::mouseReleaseEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!FControl || !ToMouseButton(event->button(), button))
        return;
    const TPoint p = EventPoint(event);
    const bool click = button == mbLeft && FPressedInside && rect().contains(event->position().toPoint());
    FPressedInside = false;
    if (click)
        FControl->Click();
    if (FControl)
        FControl->MouseUp(button, ShiftStateOf(event->modifiers(), event->buttons()), p.X, p.Y);
}

void TControlHost::mouseMoveEvent(QMouseEvent* event)
{
    if (!FControl)
        return;
    const TPoint p = EventPoint(event);
    FControl->MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), p.X, p.Y);
}

void TControlHost::wheelEvent(QWheelEvent* event)
{
    if (!FControl)
        return;
    const QPoint p = event->position().toPoint();
    const bool handled =
        FControl->DoMouseWheel(ShiftStateOf(event->modifiers(), event->buttons()), event->angleDelta().y(),
                               TPoint(p.x(), p.y()));
    event->setAccepted(handled);
}

void TControlHost::keyPressEvent(QKeyEvent* event)
{
    if (!FControl)
        return QWidget::keyPressEvent(event);
    int key = event->key();
    FControl->KeyDown(key, ShiftStateOf(event->modifiers(), Qt::NoButton));
    if (key != 0)
        QWidget::keyPressEvent(event);
}

void TControlHost::keyReleaseEvent(QKeyEvent* event)
{
    if (!FControl)
        return QWidget::keyReleaseEvent(event);
    int key = event->key();
    FControl->KeyUp(key, ShiftStateOf(event->modifiers(), Qt::NoButton));
    if (key != 0)
        QWidget::keyReleaseEvent(event);
}

void TControlHost::leaveEvent(QEvent* event)
{
    if (FControl)
        FControl->MouseLeave();
    QWidget::leaveEvent(event);
}

void TControlHost::changeEvent(QEvent* event)
{
    if (FControl && event->type() == QEvent::PaletteChange)
        FControl->SysColorChange();
    QWidget::changeEvent(event);
}
