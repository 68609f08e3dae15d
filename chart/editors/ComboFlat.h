#pragma once

#include <QComboBox>

// A drop-down list that shows a flat border while the mouse is outside and it has no focus.
class TComboFlat : public QComboBox
{
    Q_OBJECT
public:
    explicit TComboFlat(QWidget* parent = nullptr);

    bool MouseInside() const { return FMouseInside; }
    int ItemHeight() const { return 13; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool FMouseInside = false;
};
