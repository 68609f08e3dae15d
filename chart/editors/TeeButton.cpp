#include "chart/editors/TeeButton.h"

#include <QEvent>
#include <QPainter>

#include "chart/core/TeeCanvas3D.h"

TTeeButton::TTeeButton(QWidget* parent) : QPushButton(parent)
{
    resize(75, 25);
}

void TTeeButton::LinkProperty(TPersistent* instance, const TTeeColorProperty& info)
{
    FInstance = instance;
    FInfo = info.Name.isEmpty() ? TTeeColorProperty{} : info;
    update();
}

void TTeeButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!FInstance)
        return;
    // A temporary canvas over the button's painter; both go when the paint ends, also when
    // the symbol's drawing throws.
    QPainter painter(this);
    TCanvas canvas;
    canvas.BeginOnPainter(&painter);
    TTeeCanvas3D canvas3D;
    canvas3D.SetUseBuffer(false);
    canvas3D.InitWindow(&canvas, nullptr, clNone, false, TRect(0, 0, width(), height()));
    DrawSymbol(&canvas3D);
}

void TTeeButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
