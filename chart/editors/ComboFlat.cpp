#include "chart/editors/ComboFlat.h"

#include <QPainter>
#include <QStyle>

#include "platform/Colors.h"
#include "platform/graphics/SystemColors.h"

TComboFlat::TComboFlat(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    resize(width(), 21);
}

void TComboFlat::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    if (FMouseInside || hasFocus())
        return;
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    const QRect client = rect();
    // Outlines cover one pixel more than their size, so each frame is drawn one smaller.
    painter.setPen(QPen(TColorToQColor(ColorToRGB(clBtnFace)), 0));
    painter.drawRect(client.adjusted(0, 0, -1, -1));
    painter.drawRect(client.adjusted(1, 1, -2, -2));

    const int buttonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int right = client.right() + 1;
    const QRect button(right - buttonWidth - 2, client.top() + 1, buttonWidth + 2, client.height() - 2);
    painter.setPen(QPen(TColorToQColor(ColorToRGB(clWindow)), 0));
    painter.drawRect(button.adjusted(0, 0, -1, -1));
    painter.drawLine(right - 2, button.top(), right - 2, button.bottom());
}

void TComboFlat::enterEvent(QEnterEvent* event)
{
    QComboBox::enterEvent(event);
    FMouseInside = true;
    update();
}

void TComboFlat::leaveEvent(QEvent* event)
{
    QComboBox::leaveEvent(event);
    FMouseInside = false;
    update();
}

void TComboFlat::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    FMouseInside = false;
    update();
}

void TComboFlat::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    FMouseInside = false;
    update();
}
