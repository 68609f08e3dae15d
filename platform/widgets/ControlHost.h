#pragma once

// The widget that shows a control on screen: it sizes the control to itself, paints a stale
// control into its back buffer and blits the buffer, and forwards mouse (with tracking on, so
// moves without a button arrive too), wheel, key and leave events to the control's handlers.

#include <QWidget>
#include <memory>

#include "platform/graphics/CustomControl.h"

class TControlHost : public QWidget, public TControlWindow
{
public:
    explicit TControlHost(QWidget* parent = nullptr);
    ~TControlHost() override;

    // Shows control (none to show nothing). With owned the host frees the control with itself.
    void SetControl(TCustomControl* control, bool owned = false);
    TCustomControl* Control() const { return FControl; }

    // TControlWindow
    void UpdateWindow() override;
    void RepaintWindow() override;
    void SetWindowRegion(const QRegion& region) override;
    void SetWindowCursor(TCursor cursor) override;
    void SetWindowHint(const QString& hint, bool show) override;
    TPoint CursorPosition() const override;
    TColor ParentColor() const override;
    void ControlDestroyed(TCustomControl* control) override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ReleaseControl();

    TCustomControl* FControl = nullptr;
    bool FOwned = false;
    bool FPressedInside = false;
};

// The shift state of Qt's modifiers and held buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
