#pragma once

// Helpers for the controls of chart editors.

#include <QList>
#include <functional>

class QPainter;
class QWidget;

// Draws a 13 x 13 system check box at (x, y), checked or not.
void TeeDrawCheckBox(int x, int y, QPainter& canvas, bool checked, const QWidget* styleSource = nullptr);

// Enables or disables every control that is not null.
void EnableControls(bool enable, const QList<QWidget*>& controls);

// Translates a control's texts; none by default.
using TTeeTranslateHook = std::function<void(QWidget* control)>;
extern TTeeTranslateHook TeeTranslateHook;
void TeeTranslateControl(QWidget* control);
