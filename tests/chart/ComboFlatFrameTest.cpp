// The flat combo box, neither hovered nor focused, frames its client area twice in the
// button-face colour and its drop-down button in the window colour.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QStyle>

#include "chart/editors/ComboFlat.h"
#include "platform/Colors.h"
#include "platform/graphics/SystemColors.h"

namespace {

TEST(ComboFlatFrame, FlatBorderAndButtonFrameWhenIdle)
{
    TComboFlat combo;
    combo.resize(100, 21);
    const QImage image = combo.grab().toImage();
    ASSERT_EQ(image.size(), QSize(100, 21));
    const QColor face = TColorToQColor(ColorToRGB(clBtnFace));
    const QColor window = TColorToQColor(ColorToRGB(clWindow));
    ASSERT_NE(face, window);
    const int bw = combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &combo);
    const int buttonLeft = 100 - bw - 2;

    // Outer frame (0, 0) - (99, 20) and inner frame (1, 1) - (98, 19), left of the button.
    for (const QPoint p : {QPoint(0, 0), QPoint(50, 0), QPoint(0, 10), QPoint(50, 20), QPoint(99, 0),
                           QPoint(99, 20), QPoint(1, 1), QPoint(1, 10), QPoint(50, 1), QPoint(50, 19)})
        EXPECT_EQ(image.pixelColor(p), face) << p.x() << "," << p.y();
    // Button frame from buttonLeft to 99, rows 1 to 19, and the line at x = 98.
    for (const QPoint p : {QPoint(buttonLeft, 1), QPoint(buttonLeft, 10), QPoint(buttonLeft, 19),
                           QPoint(buttonLeft + 3, 1), QPoint(buttonLeft + 3, 19), QPoint(98, 10), QPoint(99, 1),
                           QPoint(99, 10), QPoint(99, 19)})
        EXPECT_EQ(image.pixelColor(p), window) << p.x() << "," << p.y();
    // The inner frame stops where the button frame begins.
    EXPECT_EQ(image.pixelColor(buttonLeft - 1, 1), face);
}

} // namespace
