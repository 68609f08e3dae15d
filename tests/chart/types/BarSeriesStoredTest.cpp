// What the bar series and its gradient store: nothing for values at their published defaults,
// every changed value under its published name, and the same values read back.
#include <gtest/gtest.h>

#include "chart/components/Series.h"
#include "platform/TeeFiler.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

// The names whose published default a fresh series holds.
const QStringList defaultedNames{"AutoBarSize", "AutoMarkPosition", "BarStyle",      "BarWidthPercent", "BevelSize",
                                 "ConePercent", "Dark3D",           "MultiBar",      "OffsetPercent",   "SideMargins",
                                 "StackGroup",  "Transparency",     "UseYOrigin",    "YOrigin",         "CustomBarWidth",
                                 "CustomBarHeight", "Gradient.",    "BarBrush.",     "BarPen."};

QStringList DefaultedNamesIn(const QString& text)
{
    QStringList found;
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
        for (const QString& name : defaultedNames)
            if (line.startsWith(name))
                found << line;
    return found;
}

// Every bar property away from its default, as a user would set them.
void ChangeEverything(TCustomBarSeries* s)
{
    s->SetAutoBarSize(true);
    s->SetAutoMarkPosition(false);
    s->SetBarStyle(bsCone);
    s->SetBarWidthPercent(55);
    s->SetBevelSize(3);
    s->SetConePercent(40);
    s->SetDark3D(false);
    s->SetMultiBar(mbStacked100);
    s->SetOffsetPercent(-20);
    s->SetSideMargins(false);
    s->SetStackGroup(2);
    s->SetTransparency(35);
    s->SetUseYOrigin(false);
    s->SetYOrigin(2.5);
    s->SetCustomBarWidth(12);
    s->BarPen()->SetWidth(2);
    s->BarBrush()->SetStyle(bsCross);
    s->Gradient()->SetVisible(false);
    s->Gradient()->SetRelative(true);
    s->Gradient()->SetStartColor(clRed);
}

void ExpectEverythingChanged(TCustomBarSeries* s)
{
    EXPECT_TRUE(s->AutoBarSize());
    EXPECT_FALSE(s->AutoMarkPosition());
    EXPECT_EQ(s->BarStyle(), bsCone);
    EXPECT_EQ(s->BarWidthPercent(), 55);
    EXPECT_EQ(s->BevelSize(), 3);
    EXPECT_EQ(s->ConePercent(), 40);
    EXPECT_FALSE(s->Dark3D());
    EXPECT_EQ(s->MultiBar(), mbStacked100);
    EXPECT_EQ(s->OffsetPercent(), -20);
    EXPECT_FALSE(s->SideMargins());
    EXPECT_EQ(s->StackGroup(), 2);
    EXPECT_EQ(s->Transparency(), 35);
    EXPECT_FALSE(s->UseYOrigin());
    EXPECT_EQ(s->YOrigin(), 2.5);
    EXPECT_EQ(s->CustomBarWidth(), 12);
    EXPECT_EQ(s->BarPen()->Width(), 2);
    EXPECT_EQ(s->BarBrush()->Style(), bsCross);
    EXPECT_FALSE(s->Gradient()->Visible());
    EXPECT_TRUE(s->Gradient()->Relative());
    EXPECT_EQ(s->Gradient()->StartColor(), clRed);
}

template <class T> T* AddTo(TSeriesChart& chart)
{
    auto* s = new T(nullptr);
    chart.AddSeries(s);
    return s;
}

} // namespace

TEST(BarSeriesStored, FreshSeriesWriteNoneOfTheDefaultedNames)
{
    TSeriesChart chart;
    auto* bar = AddTo<TBarSeries>(chart);
    auto* horiz = AddTo<THorizBarSeries>(chart);
    EXPECT_EQ(DefaultedNamesIn(TeeWriteProperties(*bar)), QStringList());
    // The horizontal kind's gradient starts left to right: that is its default, not stored.
    EXPECT_EQ(DefaultedNamesIn(TeeWriteProperties(*horiz)), QStringList());
    // Both start with their marks shown on callouts 20 long.
    for (TCustomBarSeries* s : {static_cast<TCustomBarSeries*>(bar), static_cast<TCustomBarSeries*>(horiz)}) {
        EXPECT_TRUE(s->Marks()->Visible());
        EXPECT_EQ(s->Marks()->ArrowLength(), 20);
    }
}

TEST(BarSeriesStored, VerticalBarsRoundTrip)
{
    TSeriesChart chart;
    auto* s = AddTo<TBarSeries>(chart);
    ChangeEverything(s);
    const QString text = TeeWriteProperties(*s);
    const QStringList lines = text.split('\n');
    for (const char* line :
         {"AutoBarSize=True", "AutoMarkPosition=False", "BarStyle=bsCone", "BarWidthPercent=55", "BevelSize=3",
          "ConePercent=40", "Dark3D=False", "MultiBar=mbStacked100", "OffsetPercent=-20", "SideMargins=False",
          "StackGroup=2", "Transparency=35", "UseYOrigin=False", "YOrigin=2.5", "CustomBarWidth=12", "BarPen.Width=2",
          "BarBrush.Style=bsCross", "Gradient.Visible=False", "Gradient.Relative=True", "Gradient.StartColor=255"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("CustomBarHeight"));

    TSeriesChart other;
    auto* read = AddTo<TBarSeries>(other);
    TTeePropertyReader reader(text);
    read->DefineProperties(reader);
    EXPECT_EQ(reader.Unread(), QStringList());
    ExpectEverythingChanged(read);
    EXPECT_EQ(TeeWriteProperties(*read), text);
}

TEST(BarSeriesStored, HorizontalBarsRoundTripTheirHeightAndDirection)
{
    TSeriesChart chart;
    auto* s = AddTo<THorizBarSeries>(chart);
    ChangeEverything(s);
    // Top to bottom is the plain gradient's default but not this kind's start: it is stored.
    s->Gradient()->SetDirection(gdTopBottom);
    const QString text = TeeWriteProperties(*s);
    EXPECT_TRUE(text.split('\n').contains("CustomBarHeight=12")) << text.toStdString();
    EXPECT_TRUE(text.split('\n').contains("Gradient.Direction=gdTopBottom")) << text.toStdString();
    EXPECT_FALSE(text.contains("CustomBarWidth"));

    TSeriesChart other;
    auto* read = AddTo<THorizBarSeries>(other);
    EXPECT_EQ(read->Gradient()->Direction(), gdLeftRight);
    TeeReadProperties(*read, text);
    ExpectEverythingChanged(read);
    EXPECT_EQ(read->CustomBarHeight(), 12);
    EXPECT_EQ(read->Gradient()->Direction(), gdTopBottom);

    // And the vertical kind stores a left-to-right gradient.
    auto* bar = AddTo<TBarSeries>(chart);
    bar->Gradient()->SetDirection(gdLeftRight);
    EXPECT_TRUE(TeeWriteProperties(*bar).split('\n').contains("Gradient.Direction=gdLeftRight"));
}

TEST(BarSeriesStored, GradientStoresItsHiddenStateAndRelative)
{
    TBarSeriesGradient g;
    // Balance 50, no middle colour, white start, visible, not relative: nothing to store.
    EXPECT_EQ(TeeWriteProperties(g), QString());
    g.SetVisible(false);
    g.SetRelative(true);
    g.SetBalance(51);
    g.SetMidColor(clBlue);
    const QString text = TeeWriteProperties(g);
    const QStringList lines = text.split('\n');
    for (const char* line : {"Visible=False", "Relative=True", "Balance=51", "MidColor=16711680"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line << "\n" << text.toStdString();

    TBarSeriesGradient read;
    int changes = 0;
    read.OnChange = [&](TObject*) { ++changes; };
    TeeReadProperties(read, text);
    EXPECT_FALSE(read.Visible());
    EXPECT_TRUE(read.Relative());
    EXPECT_EQ(read.Balance(), 51);
    EXPECT_EQ(read.MidColor(), clBlue);
    EXPECT_GT(changes, 0);

    // Setting Relative to what it is already is no change.
    changes = 0;
    read.SetRelative(true);
    EXPECT_EQ(changes, 0);
    read.SetRelative(false);
    EXPECT_EQ(changes, 1);
}

TEST(BarSeriesStored, ReadingKeepsTransparencyAPercentAndIgnoresUnknownNames)
{
    TSeriesChart chart;
    auto* s = AddTo<TBarSeries>(chart);
    TeeReadProperties(*s, "Transparency=300\nBarStyle=bsNothing\nMultiBar=mbStacked");
    EXPECT_EQ(s->Transparency(), 100);
    EXPECT_EQ(s->BarStyle(), bsRectangle);
    EXPECT_EQ(s->MultiBar(), mbStacked);
    TeeReadProperties(*s, "Transparency=-4");
    EXPECT_EQ(s->Transparency(), 0);
}
