#include "chart/editors/TeeControls.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

TTeeTranslateHook TeeTranslateHook;

void TeeDrawCheckBox(int x, int y, QPainter& canvas, bool checked, const QWidget* styleSource)
{
    QStyleOptionButton option;
    option.rect = QRect(x, y, 13, 13);
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    QStyle* style = styleSource ? styleSource->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &canvas, styleSource);
}

void EnableControls(bool enable, const QList<QWidget*>& controls)
{
    for (QWidget* control : controls) {
        if (control)
            control->setEnabled(enable);
    }
}

void TeeTranslateControl(QWidget* control)
{
    if (TeeTranslateHook)
        TeeTranslateHook(control);
}
