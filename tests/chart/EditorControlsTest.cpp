#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chart/editors/ButtonColor.h"
#include "chart/editors/ComboFlat.h"
#include "chart/editors/EditColor.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/editors/TeeControls.h"
#include "platform/Persistent.h"
#include "platform/widgets/Dialogs.h"

namespace {

// A dialog that answers at once with a scripted result and remembers what it was shown.
class ScriptedColorDialog : public DialogSeam
{
public:
    bool accept = true;
    TColor answer = clRed;
    QStringList answerCustom;
    int shown = 0;
    TColor shownColor = 0;
    QStringList shownCustom;

    bool ColorDialog(QWidget*, TColor& color, QStringList& customColors) override
    {
        ++shown;
        shownColor = color;
        shownCustom = customColors;
        if (!accept)
            return false;
        color = answer;
        customColors = answerCustom;
        return true;
    }
};

class ColorDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetDialogSeam(&dialog);
        TeeCustomEditColors.reset();
    }
    void TearDown() override
    {
        SetDialogSeam(nullptr);
        TeeCustomEditColors.reset();
    }
    ScriptedColorDialog dialog;
};

TEST_F(ColorDialog, AcceptedColourAndCustomColoursAreKept)
{
    dialog.answerCustom = CustomColorEntries({clRed, clBlue});
    EXPECT_EQ(EditColor(nullptr, clGreen), clRed);
    EXPECT_EQ(dialog.shownColor, clGreen);
    EXPECT_TRUE(dialog.shownCustom.isEmpty());
    ASSERT_TRUE(TeeCustomEditColors);
    EXPECT_EQ(*TeeCustomEditColors, (QStringList{"ColorA=0000FF", "ColorB=FF0000"}));

    dialog.answerCustom.clear();
    EditColor(nullptr, clGreen);
    EXPECT_EQ(dialog.shownCustom, (QStringList{"ColorA=0000FF", "ColorB=FF0000"})); // shown again next time
    EXPECT_EQ(CustomColorValues(dialog.shownCustom), (QList<TColor>{clRed, clBlue}));
}

TEST_F(ColorDialog, CancelReturnsTheOldColourAndLeavesCustomColoursAlone)
{
    TeeCustomEditColors = std::make_unique<QStringList>(QStringList{"ColorA=00FF00"});
    dialog.accept = false;
    dialog.answerCustom = {"ColorA=123456"};
    EXPECT_EQ(EditColor(nullptr, clNavy), clNavy);
    EXPECT_EQ(*TeeCustomEditColors, QStringList{"ColorA=00FF00"});

    TColor c = clNavy;
    EXPECT_FALSE(EditColorDialog(nullptr, c));
    EXPECT_EQ(c, clNavy);
}

TEST_F(ColorDialog, EditColorDialogIsTrueOnlyForADifferentColour)
{
    TColor c = clRed;
    dialog.answer = clRed;
    EXPECT_FALSE(EditColorDialog(nullptr, c));
    dialog.answer = clLime;
    EXPECT_TRUE(EditColorDialog(nullptr, c));
    EXPECT_EQ(c, clLime);
}

// An object with one colour property for the button to edit.
struct ColoredThing : TPersistent {
    TColor color = clYellow;
    int sets = 0;
    TTeeColorProperty Property()
    {
        return {QStringLiteral("Color"), [this] { return color; }, [this](TColor c) { color = c; ++sets; }};
    }
};

TEST_F(ColorDialog, ButtonColorClickEditsTheLinkedProperty)
{
    TButtonColor button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    ColoredThing thing;
    int clicks = 0;
    button.OnClick = [&](TButtonColor*) { ++clicks; };
    EXPECT_EQ(button.GetTeeColor(), clNone);
    button.Click(); // no object: only the click event
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dialog.shown, 0);

    button.LinkProperty(&thing, thing.Property());
    EXPECT_EQ(button.GetTeeColor(), clYellow);
    dialog.answer = clYellow; // unchanged: the click ends there
    button.Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(thing.sets, 0);
    dialog.answer = clPurple;
    button.Click();
    EXPECT_EQ(thing.color, clPurple);
    EXPECT_EQ(clicks, 2);

    button.GetColorProc = [] { return clTeal; };
    EXPECT_EQ(button.GetTeeColor(), clTeal);

    button.LinkProperty(&thing, TTeeColorProperty{});
    EXPECT_EQ(button.Info().IsEmpty(), true);
}

TEST_F(ColorDialog, ButtonColorPaintsItsSwatch)
{
    TButtonColor button;
    ColoredThing thing;
    thing.color = clBlue;
    button.resize(75, 25);
    button.LinkProperty(&thing, thing.Property());
    // Swatch from (75 - 19, 25 - 3 * 6) to (75 - 6, 25 - 6): (56, 7) - (69, 19).
    EXPECT_EQ(button.SwatchRect(), QRect(56, 7, 13, 12));
    QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(62, 13), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(56, 7), QColor(0, 0, 0));   // outline inside the rectangle
    EXPECT_EQ(image.pixelColor(68, 18), QColor(0, 0, 0));
    EXPECT_NE(image.pixelColor(69, 13), QColor(0, 0, 0));  // right edge outside

    button.setEnabled(false);
    image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(56, 7), QColor(0, 0, 255)); // no outline when disabled
}

TEST(EditorControls, ComboFlatDefaultsAndMouseFlag)
{
    TComboFlat combo;
    EXPECT_FALSE(combo.isEditable());
    EXPECT_EQ(combo.height(), 21);
    EXPECT_EQ(combo.ItemHeight(), 13);
    EXPECT_FALSE(combo.MouseInside()); // its flat frame: ComboFlatFrameTest.cpp
}

TEST(EditorControls, CheckBoxIsDrawnInThirteenPixels)
{
    QImage off(30, 30, QImage::Format_RGB32), on(30, 30, QImage::Format_RGB32);
    off.fill(Qt::magenta);
    on.fill(Qt::magenta);
    {
        QPainter p(&off);
        TeeDrawCheckBox(5, 6, p, false);
    }
    {
        QPainter p(&on);
        TeeDrawCheckBox(5, 6, p, true);
    }
    int changedOutside = 0, differs = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 5 && x < 18 && y >= 6 && y < 19;
            if (!inside && (off.pixel(x, y) != qRgb(255, 0, 255) || on.pixel(x, y) != qRgb(255, 0, 255)))
                ++changedOutside;
            if (inside && off.pixel(x, y) != on.pixel(x, y))
                ++differs;
        }
    }
    EXPECT_EQ(changedOutside, 0);
    EXPECT_GT(differs, 0); // the check mark shows
}

TEST(EditorControls, EnableControlsSkipsNullAndTranslateHookIsOptional)
{
    QWidget a, b;
    EnableControls(false, {&a, nullptr, &b});
    EXPECT_FALSE(a.isEnabled());
    EXPECT_FALSE(b.isEnabled());
    TeeTranslateControl(&a); // no hook: nothing happens
    QWidget* seen = nullptr;
    TeeTranslateHook = [&](QWidget* w) { seen = w; };
    TeeTranslateControl(&b);
    TeeTranslateHook = nullptr;
    EXPECT_EQ(seen, &b);
}

} // namespace
