// Series marks: keeping marks apart, user positions, hit tests, text lines and rotation, the
// drawn box, per-point items and their stream block.
#include <gtest/gtest.h>

#include <QDataStream>
#include <QIODevice>
#include <random>

#include "FrameTestChart.h"
#include "chart/core/ChartAxis.h"
#include "tests/chart/types/SeriesChart.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeShadow.h"
#include "platform/graphics/FastPaths.h"

namespace {

TSeriesMarkPosition Box(int left, int top, int width = 20, int height = 12)
{
    TSeriesMarkPosition p;
    p.BoxLeftTop = TPoint(left, top);
    p.BoxWidth = width;
    p.BoxHeight = height;
    p.ArrowEnd = TPoint(left + width / 2, top + height);
    p.ArrowStart = p.ArrowEnd;
    return p;
}

// A stored "Data" block of two points whose marks were placed at the far ends of 32 bits.
QString FarMarksData()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    const int32_t hi = INT32_MAX, lo = INT32_MIN;
    out << uint8_t(8) << int32_t(2); // mark positions only
    for (const int32_t far : {hi, lo}) {
        out << 5.0 << uint8_t(1);                         // value, a position follows
        out << far << far << uint8_t(1) << far << (far == hi ? lo : hi); // arrow start, fixed, arrow end
        out << uint8_t(1) << far;                         // user placed, height
        out << far << far << far;                         // left top, width
    }
    return "Data=" + QString::fromLatin1(bytes.toBase64());
}

} // namespace

TEST(SeriesMarks, FarStoredPositionsAreKeptWithinTheDrawingLimitAndDrawn)
{
    TSeriesChart chart;
    auto* s = new TChartSeries(&chart);
    chart.AddSeries(s);
    s->Marks()->SetVisible(true);
    s->Marks()->Arrow()->SetVisible(true);
    TeeReadProperties(*s, FarMarksData());
    ASSERT_EQ(s->Count(), 2);
    const TSeriesMarkPosition* high = s->Marks()->Positions().Get(0);
    const TSeriesMarkPosition* low = s->Marks()->Positions().Get(1);
    ASSERT_TRUE(high && low);
    const int32_t limit = 67108863; // 2^26 - 1
    EXPECT_EQ(high->BoxLeftTop, TPoint(limit, limit));
    EXPECT_EQ(high->BoxWidth, limit);
    EXPECT_EQ(high->ArrowEnd, TPoint(limit, -limit));
    EXPECT_EQ(low->BoxHeight, -limit);
    EXPECT_EQ(low->ArrowStart, TPoint(-limit, -limit));
    EXPECT_TRUE(high->UserPlaced);
    // Drawing, hit tests and keeping marks apart do their sums without overflow, flat and in 3D.
    chart.Painted();
    EXPECT_EQ(s->Marks()->Clicked(limit + 1, 0), -1);
    TSeriesMarkPosition near = *low;
    s->Marks()->AntiOverlap(0, 1, near);
    chart.SetView3D(true);
    chart.Painted();
}

TEST(SeriesMarks, AMarkOverlappingAnEarlierOneMovesByTheWholeOverlapIncludingFrameAndShadow)
{
    TChartSeries s(nullptr);
    TSeriesMarks* marks = s.Marks();
    marks->Positions().Put(0, Box(10, 10));
    // Same spot: the box with its frame (1) and shadow (1) is 14 high; the new one goes down.
    TSeriesMarkPosition same = Box(10, 10);
    marks->AntiOverlap(0, 1, same);
    EXPECT_EQ(same.BoxLeftTop, TPoint(10, 24));
    EXPECT_EQ(same.ArrowEnd.Y, 22 + 14);
    EXPECT_EQ(same.ArrowStart.Y, 22);
    // Higher by 5: it goes up by the 9 pixels it overlaps.
    TSeriesMarkPosition higher = Box(10, 5);
    marks->AntiOverlap(0, 1, higher);
    EXPECT_EQ(higher.BoxLeftTop.Y, -4);
    // Marks before `first` are not looked at; a box that only touches is not moved.
    TSeriesMarkPosition ignored = Box(10, 10);
    marks->AntiOverlap(1, 1, ignored);
    EXPECT_EQ(ignored.BoxLeftTop.Y, 10);
    TSeriesMarkPosition below = Box(10, 24);
    marks->AntiOverlap(0, 1, below);
    EXPECT_EQ(below.BoxLeftTop.Y, 24);
    // Without frame and shadow the plain boxes count.
    marks->Frame()->SetVisible(false);
    marks->Shadow()->SetSize(0);
    TSeriesMarkPosition plain = Box(10, 10);
    marks->AntiOverlap(0, 1, plain);
    EXPECT_EQ(plain.BoxLeftTop.Y, 22);
    // Shifts from several earlier marks add up (the new box is not measured again).
    marks->Positions().Put(1, Box(10, 8));
    TSeriesMarkPosition twice = Box(10, 10);
    marks->AntiOverlap(0, 2, twice);
    EXPECT_EQ(twice.BoxLeftTop.Y, 10 + 12 + 10);
}

// Thousands of pseudo-random marks placed one after another in one pass, as a series draws
// them: some points without a mark, one placed by the user, items with their own frame and
// shadow, and marks before `first` left out. The digests are of the placements the rule gave
// when each mark was compared with every earlier one (FNV-1a over every stored box's left and
// top), as it is with the fast paths off.
TEST(SeriesMarks, ManyMarksKeepTheirPlacementsInFlatAndPerspectiveCharts)
{
    struct Case {
        bool is3D;
        uint64_t digest;
        int lastTop;
    };
    const Case cases[] = {{false, 943826751375071510ull, 117}, {true, 5420116813203352845ull, 289}};
    for (const Case& c : cases) {
        for (bool fastPaths : {true, false}) {
            const TeeFastPaths::TScope scope(fastPaths);
            const uint64_t kept = TeeFastPaths::TimesTaken(TFastPath::MarkGrid);
            TFrameChart chart;
            chart.SetBounds(0, 0, 600, 400);
            chart.SetAxisVisible(false);
            chart.SetView3D(c.is3D);
            chart.View3DOptions()->SetOrthogonal(false);
            chart.View3DOptions()->SetRotation(300);
            chart.View3DOptions()->SetElevation(340);
            chart.View3DOptions()->SetPerspective(30);
            TTraceSeries* s = new TTraceSeries(&chart, "S");
            chart.PaintFrame();
            TSeriesMarks* marks = s->Marks();
            marks->SetZPosition(7);
            for (int i = 0; i < 3000; i += 13)
                marks->GetItem(i)->Frame()->SetWidth(3);
            for (int i = 0; i < 3000; i += 17)
                marks->GetItem(i)->Frame()->SetVisible(false);
            for (int i = 0; i < 3000; i += 19) {
                marks->GetItem(i)->Shadow()->SetHorizSize(-4);
                marks->GetItem(i)->Shadow()->SetVertSize(-2);
            }
            marks->Positions().Put(100, Box(300, 150, 40, 25));
            std::mt19937 rng(2024);
            const int first = 5;
            const TSeriesMarks::TPlacing placing(marks);
            for (int i = 0; i < 3000; ++i) {
                TSeriesMarkPosition p = Box(static_cast<int>(rng() % 600), static_cast<int>(rng() % 300),
                                            20 + static_cast<int>(rng() % 31), rng() % 4 == 0 ? 25 : 12);
                if (i % 7 == 3)
                    continue;
                marks->AntiOverlap(first, i, p);
                marks->UsePosition(i, p);
            }
            uint64_t digest = 1469598103934665603ull;
            for (int i = 0; i < 3000; ++i) {
                const TSeriesMarkPosition* p = marks->Positions().Get(i);
                for (int32_t v : {p ? p->BoxLeftTop.X : -1, p ? p->BoxLeftTop.Y : -1})
                    digest = (digest ^ static_cast<uint32_t>(v)) * 1099511628211ull;
            }
            EXPECT_EQ(digest, c.digest) << c.is3D << fastPaths;
            EXPECT_EQ(marks->Positions().Get(2998)->BoxLeftTop.Y, c.lastTop) << c.is3D << fastPaths;
            EXPECT_EQ(TeeFastPaths::TimesTaken(TFastPath::MarkGrid) > kept, fastPaths);
        }
    }
}

TEST(SeriesMarks, UserPositionsKeepTheirBoxAndAFixedArrowStartFollowsThePoint)
{
    TChartSeries s(nullptr);
    TSeriesMarks* marks = s.Marks();
    TSeriesMarkPosition drawn = Box(5, 5);
    marks->UsePosition(0, drawn);
    ASSERT_NE(marks->Positions().Get(0), nullptr);
    EXPECT_FALSE(marks->Positions().Get(0)->UserPlaced);
    EXPECT_EQ(marks->Positions().Get(0)->BoxLeftTop, TPoint(5, 5));

    TSeriesMarkPosition placed = Box(50, 60);
    placed.ArrowStart = TPoint(1, 1);
    marks->Positions().Put(0, placed);
    TSeriesMarkPosition computed = Box(5, 5);
    computed.ArrowStart = TPoint(7, 7);
    marks->UsePosition(0, computed);
    EXPECT_EQ(computed.BoxLeftTop, TPoint(50, 60));
    EXPECT_EQ(computed.ArrowStart, TPoint(1, 1));
    computed = Box(5, 5);
    computed.ArrowStart = TPoint(7, 7);
    computed.ArrowStartFixed = true;
    marks->UsePosition(0, computed);
    EXPECT_EQ(computed.BoxLeftTop, TPoint(50, 60));
    EXPECT_EQ(computed.ArrowStart, TPoint(7, 7));
    EXPECT_TRUE(marks->Positions().ExistCustom());
    marks->ResetPositions();
    EXPECT_FALSE(marks->Positions().ExistCustom());

    // Arrow length: box and arrow end rise by length + distance, the arrow start by distance.
    marks->Callout()->SetDistance(3);
    TSeriesMarkPosition lifted = Box(0, 100);
    marks->ApplyArrowLength(lifted);
    EXPECT_EQ(lifted.BoxLeftTop.Y, 89);
    EXPECT_EQ(lifted.ArrowEnd.Y, 101);
    EXPECT_EQ(lifted.ArrowStart.Y, 109);
}

TEST(SeriesMarks, HitTestSkipsMissingEntriesAndTheMarksNotDrawn)
{
    TChartSeries s(nullptr);
    TSeriesMarks* marks = s.Marks();
    marks->Positions().Put(1, Box(10, 10));
    marks->Positions().Put(2, Box(10, 10));
    EXPECT_EQ(marks->Clicked(15, 15), 1);
    EXPECT_EQ(marks->Clicked(29, 21), 1);
    EXPECT_EQ(marks->Clicked(30, 15), -1);
    marks->SetDrawEvery(2);
    EXPECT_EQ(marks->Clicked(15, 15), 2);
    EXPECT_EQ(marks->Clicked(0, 0), -1);
}

TEST(SeriesMarks, TextLinesAreCentredBelowTheFrameAndTurnedAboutTheBox)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TChartSeries* s = new TChartSeries(&chart);
    s->SetParentChart(&chart);
    TSeriesMarks* marks = s->Marks();
    TRecordingCanvas* c = chart.canvas;
    marks->DrawText(TRect(0, 0, 40, 30), QString("a") + TeeLineSeparator + "b");
    auto text = c->Find("TextOut");
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0]->Points[0], TPoint(20, 1));
    EXPECT_EQ(text[0]->Text, "a");
    EXPECT_EQ(text[1]->Points[0], TPoint(20, 13));
    c->Clear();
    marks->SetAngle(90);
    marks->DrawText(TRect(0, 0, 40, 20), "a");
    auto turned = c->Find("RotateLabel");
    ASSERT_EQ(turned.size(), 1u);
    // a = 10 - 20 = -10 along the turned text: x = 20 - 10 + 2, y = 10.
    EXPECT_EQ(turned[0]->Points[0], TPoint(12, 10));
    EXPECT_EQ(turned[0]->Args[0], 90);

    s->AddXY(0, 1, QString("x") + TeeLineSeparator + "yyy");
    EXPECT_EQ(marks->TextWidth(0), 18);
    s->AddXY(1, 2);
    marks->SetStyle(smsValue);
    EXPECT_EQ(marks->TextWidth(1), 6);
}

TEST(SeriesMarks, OneMarkDrawsShadowBoxThenTextInsideTheBox)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TChartSeries* s = new TChartSeries(&chart);
    s->SetParentChart(&chart);
    s->AddXY(0, 1);
    TSeriesMarks* marks = s->Marks();
    marks->Arrow()->SetVisible(false);
    chart.PaintFrame();
    chart.canvas->Clear();
    TSeriesMarkPosition p = Box(20, 30, 14, 14);
    marks->InternalDraw(0, clRed, "a", p);
    EXPECT_EQ(chart.canvas->Sequence(), "Rectangle Rectangle TextOut");
    const auto top = chart.canvas->TopLevel();
    // The shadow starts where the frame ends: 1 + 1 pixels off.
    EXPECT_EQ(top[0]->Points, (std::vector<TPoint>{{22, 32}, {36, 46}}));
    EXPECT_EQ(top[1]->Points, (std::vector<TPoint>{{20, 30}, {34, 44}}));
    EXPECT_EQ(top[1]->BrushColor, clInfoBk);
    EXPECT_EQ(top[2]->Points[0], TPoint(28, 31));
    // A visible callout draws its line from the point first.
    chart.canvas->Clear();
    marks->Arrow()->SetVisible(true);
    p.ArrowStart = TPoint(27, 60);
    marks->InternalDraw(0, clRed, "a", p);
    EXPECT_EQ(chart.canvas->TopLevel()[0]->Name, "Line");
    EXPECT_EQ(chart.canvas->TopLevel()[0]->Points, (std::vector<TPoint>{{27, 60}, {27, 44}}));
}

TEST(SeriesMarks, DrawnMarksSitCentredAboveTheirPoints)
{
    TFrameChart chart;
    chart.SetView3D(false);
    TTraceSeries* s = new TTraceSeries(&chart, "S");
    s->AddXY(0, 1, "p0");
    s->AddXY(1, 2, "wide");
    s->Marks()->SetVisible(true);
    chart.PaintFrame();
    for (int i = 0; i < 2; ++i) {
        const TSeriesMarkPosition* p = s->Marks()->Positions().Get(i);
        ASSERT_NE(p, nullptr);
        // Widest line + "W", + 2 for the frame; one line + 2.
        const int width = (i == 0 ? 12 : 24) + 6 + 2;
        EXPECT_EQ(p->BoxWidth, width);
        EXPECT_EQ(p->BoxHeight, 14);
        EXPECT_EQ(p->ArrowEnd, TPoint(s->CalcXPos(i), s->CalcYPos(i)));
        EXPECT_EQ(p->BoxLeftTop, TPoint(p->ArrowEnd.X - width / 2, p->ArrowEnd.Y - 13));
    }
    // A null point and a point between DrawEvery steps get no mark.
    s->SetNull(1);
    s->Marks()->Positions().Clear();
    chart.PaintFrame();
    EXPECT_EQ(s->Marks()->Positions().Get(1), nullptr);
}

TEST(SeriesMarks, ItemsAreCopiedAndStoredOnlyWhenThereAreSome)
{
    TChartSeries a(nullptr);
    TChartSeries b(nullptr);
    EXPECT_FALSE(TeeWriteProperties(*a.Marks()).contains("Items="));
    a.Marks()->GetItem(2)->SetColor(clRed);
    a.Marks()->GetItem(0)->SetTransparent(true);
    EXPECT_EQ(a.Marks()->Items().Count(), 3);
    EXPECT_EQ(a.Marks()->MarkItem(2), a.Marks()->Items().Existing(2));
    EXPECT_EQ(a.Marks()->MarkItem(5), a.Marks());
    a.Marks()->SetAngle(45);
    a.Marks()->SetMultiLine(true);
    b.Marks()->Assign(a.Marks());
    ASSERT_EQ(b.Marks()->Items().Count(), 3);
    EXPECT_EQ(b.Marks()->Items().Existing(2)->Color(), clRed);
    EXPECT_EQ(b.Marks()->Items().Existing(1)->Color(), clInfoBk);
    EXPECT_TRUE(b.Marks()->Items().Existing(0)->Transparent());
    EXPECT_EQ(b.Marks()->Angle(), 45);
    EXPECT_TRUE(b.Marks()->MultiLine());

    const QString text = TeeWriteProperties(*a.Marks());
    ASSERT_TRUE(text.contains("Items="));
    TChartSeries c(nullptr);
    TeeReadProperties(*c.Marks(), text);
    ASSERT_EQ(c.Marks()->Items().Count(), 3);
    EXPECT_EQ(c.Marks()->Items().Existing(2)->Color(), clRed);
    EXPECT_TRUE(c.Marks()->Items().Existing(0)->Transparent());
    EXPECT_FALSE(c.Marks()->Items().Existing(1)->Transparent());
    EXPECT_EQ(c.Marks()->Angle(), 45);
    // Being read, the items survive the series being cleared.
    EXPECT_TRUE(c.Marks()->Items().Loading);
    c.Clear();
    EXPECT_EQ(c.Marks()->Items().Count(), 3);

    // A block whose count is 0 leaves the items as they are.
    c.Marks()->ReadItems(QByteArray(4, '\0'));
    EXPECT_EQ(c.Marks()->Items().Count(), 3);
    // The block starts with the count, little-endian.
    const QByteArray block = a.Marks()->WriteItems();
    EXPECT_EQ(block.left(4), QByteArray::fromHex("03000000"));
}

TEST(SeriesMarks, ShownMarksAreStoredAndReadBackVisible)
{
    TChartSeries a(nullptr);
    EXPECT_FALSE(a.Marks()->Visible());
    a.Marks()->SetVisible(true);
    a.Marks()->SetStyle(smsPercent);
    TChartSeries b(nullptr);
    TeeReadProperties(*b.Marks(), TeeWriteProperties(*a.Marks()));
    EXPECT_TRUE(b.Marks()->Visible());
    EXPECT_EQ(b.Marks()->Style(), smsPercent);
}

TEST(SeriesMarks, TheGradientStartsSilverToWhiteFromTheRightAndStoresOnlyChanges)
{
    TChartSeries a(nullptr);
    TTeeGradient* g = a.Marks()->Gradient();
    ASSERT_NE(dynamic_cast<TSeriesMarksGradient*>(g), nullptr);
    EXPECT_EQ(g->Direction(), gdRightLeft);
    EXPECT_EQ(g->StartColor(), 0xC0C0C0);
    EXPECT_EQ(g->EndColor(), 0xFFFFFF);
    EXPECT_FALSE(g->Visible());
    EXPECT_EQ(g->Balance(), 50);

    // Shown, but otherwise as it starts: only Visible is written.
    g->SetVisible(true);
    const QString shown = TeeWriteProperties(*a.Marks());
    EXPECT_TRUE(shown.contains("Gradient")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("Direction")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("StartColor")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("EndColor")) << shown.toStdString();

    // The plain gradient's start values differ from the marks' own and are written.
    g->SetDirection(gdTopBottom);
    g->SetStartColor(clWhite);
    g->SetEndColor(clYellow);
    const QString changed = TeeWriteProperties(*a.Marks());
    EXPECT_TRUE(changed.contains("Direction")) << changed.toStdString();
    EXPECT_TRUE(changed.contains("StartColor")) << changed.toStdString();
    EXPECT_TRUE(changed.contains("EndColor")) << changed.toStdString();

    TChartSeries b(nullptr);
    TeeReadProperties(*b.Marks(), changed);
    TTeeGradient* read = b.Marks()->Gradient();
    EXPECT_EQ(read->Direction(), gdTopBottom);
    EXPECT_EQ(read->StartColor(), clWhite);
    EXPECT_EQ(read->EndColor(), clYellow);
    EXPECT_TRUE(read->Visible());

    // A gradient written with the marks' start values reads back as them, not as the plain ones.
    TChartSeries c(nullptr);
    c.Marks()->Gradient()->SetVisible(true);
    TChartSeries d(nullptr);
    TeeReadProperties(*d.Marks(), TeeWriteProperties(*c.Marks()));
    EXPECT_EQ(d.Marks()->Gradient()->Direction(), gdRightLeft);
    EXPECT_EQ(d.Marks()->Gradient()->StartColor(), clSilver);
    EXPECT_TRUE(d.Marks()->Gradient()->Visible());
}
