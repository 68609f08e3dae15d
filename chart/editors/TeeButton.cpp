#include "chart/editors/TeeButton.h"

#include <QEvent>
#include <QPainter>

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
    QPainter painter(this);
    DrawSymbol(painter);
}

void TTeeButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
