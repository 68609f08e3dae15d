// The result charts of the main window: what a display puts into the twelve series, the slump
// chart's bottom axis, the marker check boxes, and zoom or scroll across runs.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/ResultListViewData.h"
#include "app/Unit1.h"
#include "chart/components/Chart.h"
#include "chart/core/ChartAxis.h"
#include "chart/components/Series.h"
#include "MainFormTestSeam.h"

namespace {

using RC = ResultCharts;

struct SeriesPoint {
    double x;
    double y;
    TColor colour;
    QString label;
    friend bool operator==(const SeriesPoint&, const SeriesPoint&) = default;
};

std::vector<SeriesPoint> Points(const TChartSeries* s)
{
    std::vector<SeriesPoint> points;
    for (int i = 0; i < s->Count(); ++i)
        points.push_back({s->XValue(i), s->YValue(i), s->ValueColor(i), s->XLabel(i)});
    return points;
}

void PrintTo(const SeriesPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ", " << std::hex << p.colour << std::dec << ", "
        << p.label.toStdString() << ")";
}

class ResultChartsTest : public ::testing::Test {
protected:
    RecordingSeam seam;
    TMainForm form;

    void Run(const QString& plays, uint32_t seed)
    {
        Random31::Seed(seed);
        form.ui.PlayNumEdit->setText(plays);
        form.ui.FlevelComboBox->setEditText(QStringLiteral("6"));
        form.ui.StartButton->click();
        ASSERT_TRUE(seam.exceptions.isEmpty()) << seam.exceptions.join('\n').toStdString();
    }

    // A record: games since bonus, medals, play number, mode, bonus kind, role, bonus game count.
    void Add(int32_t since, int32_t medals, int32_t play, int32_t mode, int32_t role, int32_t bonusGame = 0)
    {
        const int32_t row[PlayRecords::ColumnCount] = {since, medals, play, mode, 0, 0, role, 0, 0, bonusGame, 0};
        form.playRecords.AppendRow(row);
    }

    TChartSeries* S(RC::Series s) const { return form.charts.Get(s); }
};

} // namespace

TEST_F(ResultChartsTest, SeededRunFillsEverySeriesFromTheRecords)
{
    Run(QStringLiteral("6000"), 31337);
    const PlayRecords& r = form.playRecords;

    // Lines: one point per normal game, in play order.
    std::vector<SeriesPoint> mode, slump, bars;
    std::map<int32_t, std::vector<SeriesPoint>> markers;
    int32_t roles[10] = {};
    int32_t modes[5] = {};
    int bonus = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        const double play = r.playNumber[i];
        if (r.bonusGameCount[i] == 0) {
            mode.push_back({play, double(r.mode[i]), clBlue, {}});
            slump.push_back({play, double(r.medals[i]), clRed, {}});
            if (r.roleCode[i] >= 0 && r.roleCode[i] <= 9)
                ++roles[r.roleCode[i]];
            if (r.mode[i] >= 0 && r.mode[i] <= 4)
                ++modes[r.mode[i]];
        }
        const int32_t role = r.roleCode[i];
        if (role == 8)
            bars.push_back({double(bonus++), double(r.gamesSinceBonus[i]), clRed, {}});
        else if (role == 9)
            bars.push_back({double(bonus++), double(r.gamesSinceBonus[i]), clBlack, {}});
        markers[role].push_back({play, double(r.medals[i]), clDefault, {}});
    }
    EXPECT_EQ(Points(S(RC::ModeSeries)), mode);
    EXPECT_EQ(Points(S(RC::SlumpSeries)), slump);
    EXPECT_EQ(S(RC::SlumpSeries)->Count(), 6000);
    ASSERT_GT(bars.size(), 3u);
    EXPECT_EQ(Points(S(RC::SlumpBSeries)), bars);

    // Markers of every game, bonus games included, each in its role's colour.
    const std::tuple<int32_t, RC::Series, TColor> markerRoles[] = {
        {1, RC::Cherry, 0x0000FF}, {2, RC::Cherry_s, 0xFF00FF}, {3, RC::Rakuda, 0x0080FF},
        {4, RC::Tuki, 0x00FFFF},   {5, RC::Chance, 0x000000},   {8, RC::BIG, 0xFF0000},
        {9, RC::REG, 0x000000}};
    for (const auto& [role, series, colour] : markerRoles) {
        std::vector<SeriesPoint> expected = markers[role];
        ASSERT_FALSE(expected.empty()) << role;
        for (SeriesPoint& p : expected)
            p.colour = colour;
        EXPECT_EQ(Points(S(series)), expected) << role;
    }

    // The pies: fixed order, labels and colours, the counts of normal games.
    const std::vector<SeriesPoint> koyaku = {
        {0, double(roles[1]), 0x0000FF, QStringLiteral("3連チェリー")},
        {0, double(roles[2]), 0x800000, QStringLiteral("単チェリー")},
        {0, double(roles[3]), 0x00FFFF, QStringLiteral("らくだ")},
        {0, double(roles[4]), 0x000080, QStringLiteral("月")},
        {0, double(roles[0]), 0xFF0000, QStringLiteral("リプレイ")},
        {0, double(roles[6]), 0xFFFFFF, QStringLiteral("強ハズレA")},
        {0, double(roles[7]), 0x000000, QStringLiteral("強ハズレB")},
        {0, double(roles[5]), 0x008080, QStringLiteral("チャンス目")}};
    EXPECT_EQ(Points(S(RC::KoyakuSeries)), koyaku);
    const std::vector<SeriesPoint> stay = {{0, double(modes[0]), 0x800000, QStringLiteral("通常")},
                                     {0, double(modes[1]), 0xFF00FF, QStringLiteral("高確S")},
                                     {0, double(modes[2]), 0x0000FF, QStringLiteral("高確L")},
                                     {0, double(modes[3]), 0x00FF00, QStringLiteral("高確SL")},
                                     {0, double(modes[4]), 0xFF0000, QStringLiteral("前兆")}};
    EXPECT_EQ(Points(S(RC::ModeStaySeries)), stay);

    // The bottom axis spans the run; a second display clears before it fills.
    EXPECT_EQ(form.charts.BottomMinimum(), 1);
    EXPECT_EQ(form.charts.BottomMaximum(), 6000);
    form.ShowResults();
    EXPECT_EQ(Points(S(RC::SlumpSeries)), slump);
    EXPECT_EQ(S(RC::KoyakuSeries)->Count(), 8);
}

TEST_F(ResultChartsTest, BonusGameMarkersStackAtThePlayOfTheBonusAndEmptyCountsGiveEmptySlices)
{
    // Play 1 a cherry, play 2 a BIG whose bonus games (cherries among them) keep play 2,
    // play 3 after the bonus; no strong losses, no mode but 0 and 4.
    Add(1, -3, 1, 0, 1);
    Add(2, -6, 2, 4, 8);
    Add(0, 9, 2, 5, 2, 1);
    Add(0, 24, 2, 5, 13, 2);
    Add(0, 39, 2, 5, 2, 3);
    Add(1, 36, 3, 0, 2);
    form.ShowResults();

    EXPECT_EQ(Points(S(RC::Cherry_s)),
              (std::vector<SeriesPoint>{{2, 9, 0xFF00FF, {}}, {2, 39, 0xFF00FF, {}}, {3, 36, 0xFF00FF, {}}}));
    EXPECT_EQ(Points(S(RC::Cherry)), (std::vector<SeriesPoint>{{1, -3, 0x0000FF, {}}}));
    EXPECT_EQ(Points(S(RC::BIG)), (std::vector<SeriesPoint>{{2, -6, 0xFF0000, {}}}));
    EXPECT_EQ(S(RC::REG)->Count(), 0);
    // Bonus games are not on the lines.
    EXPECT_EQ(Points(S(RC::SlumpSeries)),
              (std::vector<SeriesPoint>{{1, -3, clRed, {}}, {2, -6, clRed, {}}, {3, 36, clRed, {}}}));
    EXPECT_EQ(Points(S(RC::SlumpBSeries)), (std::vector<SeriesPoint>{{0, 2, clRed, {}}}));
    EXPECT_EQ(form.charts.BottomMinimum(), 1);
    EXPECT_EQ(form.charts.BottomMaximum(), 3);

    // Every slice is there, the empty ones with size 0.
    ASSERT_EQ(S(RC::KoyakuSeries)->Count(), 8);
    const double koyaku[] = {1, 1, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(S(RC::KoyakuSeries)->YValue(i), koyaku[i]) << i;
    ASSERT_EQ(S(RC::ModeStaySeries)->Count(), 5);
    const double stay[] = {2, 0, 0, 0, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(S(RC::ModeStaySeries)->YValue(i), stay[i]) << i;
}

TEST_F(ResultChartsTest, CheckBoxesSwitchOnlyTheirOwnMarkerSeries)
{
    Run(QStringLiteral("1500"), 12);
    const std::pair<QCheckBox*, RC::Series> boxes[] = {
        {form.ui.BIGCheckBox, RC::BIG},         {form.ui.REGCheckBox, RC::REG},
        {form.ui.CherryCheckBox, RC::Cherry},   {form.ui.Cherry_sCheckBox, RC::Cherry_s},
        {form.ui.RakudaCheckBox, RC::Rakuda},   {form.ui.TukiCheckBox, RC::Tuki},
        {form.ui.ChanceCheckBox, RC::Chance}};
    for (const auto& [box, series] : boxes) {
        const int points = S(series)->Count();
        box->click();
        for (const auto& [other, otherSeries] : boxes)
            EXPECT_EQ(form.charts.Active(otherSeries), otherSeries == series) << box->text().toStdString();
        // The lines stay on.
        EXPECT_TRUE(form.charts.Active(RC::SlumpSeries));
        EXPECT_TRUE(form.charts.Active(RC::ModeSeries));
        box->click();
        EXPECT_FALSE(form.charts.Active(series));
        EXPECT_EQ(S(series)->Count(), points);
    }
    // A checked box keeps its series on across a new run, which fills it again.
    form.ui.TukiCheckBox->click();
    Run(QStringLiteral("700"), 13);
    EXPECT_TRUE(form.charts.Active(RC::Tuki));
    EXPECT_FALSE(form.charts.Active(RC::Cherry));
    EXPECT_EQ(form.charts.BottomMaximum(), 700);
}

TEST_F(ResultChartsTest, ANewRunAfterZoomOrScrollStartsFromItsOwnRanges)
{
    TChart* chart = form.charts.SlumpChart();
    Run(QStringLiteral("3000"), 5);
    // Scroll the whole view below play 1 and the medals far off, as a long right-drag would.
    chart->DoZoom(-900, -500, -900, -500, 100000, 200000, 3, 4);
    ASSERT_EQ(chart->BottomAxis()->Maximum(), -500);
    EXPECT_FALSE(chart->LeftAxis()->Automatic());

    Run(QStringLiteral("800"), 6);
    EXPECT_TRUE(seam.exceptions.isEmpty());
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーション完了"));
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 1);
    EXPECT_EQ(chart->BottomAxis()->Maximum(), 800);
    // The medal axis follows the series again, and the mode axis has its fixed range.
    EXPECT_TRUE(chart->LeftAxis()->Automatic());
    EXPECT_EQ(chart->RightAxis()->Minimum(), 0);
    EXPECT_EQ(chart->RightAxis()->Maximum(), 5);

    // A zoom now comes back to this run's ranges, not the earlier run's.
    chart->DoZoom(0, 10, 100, 200, -50, 50, 1, 2);
    EXPECT_EQ(chart->BottomAxis()->Maximum(), 200);
    chart->UndoZoom();
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 1);
    EXPECT_EQ(chart->BottomAxis()->Maximum(), 800);
    EXPECT_TRUE(chart->LeftAxis()->Automatic());

    // The bar chart too.
    TChart* bars = form.charts.SlumpChart2();
    bars->DoZoom(0, 1, 50, 60, 5, 6, 0, 1);
    EXPECT_FALSE(bars->BottomAxis()->Automatic());
    Run(QStringLiteral("400"), 7);
    EXPECT_TRUE(bars->BottomAxis()->Automatic());
    EXPECT_TRUE(bars->LeftAxis()->Automatic());
}

TEST_F(ResultChartsTest, ARunWithoutNormalGamesStillGetsAnAxis)
{
    // Bonus games only (a truncated file): no play count above 0.
    Add(0, 15, 0, 5, 2, 1);
    form.ShowResults();
    EXPECT_TRUE(seam.exceptions.isEmpty());
    EXPECT_EQ(form.charts.BottomMinimum(), 1);
    EXPECT_EQ(form.charts.BottomMaximum(), 1);
    EXPECT_EQ(S(RC::SlumpSeries)->Count(), 0);
    EXPECT_EQ(S(RC::Cherry_s)->Count(), 1);
}

namespace {

// Whether the image holds the colour within `reach` pixels of (x, y).
bool ColourNear(const QImage& image, int x, int y, QRgb colour, int reach = 1)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (image.valid(p) && (image.pixel(p) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
        }
    return false;
}

// Where a value lands on an axis of the last paint: its share of the shown range along the
// axis' pixels, worked out here rather than by the series that drew it.
int Pixel(const TChartAxis* axis, double value)
{
    EXPECT_FALSE(axis->Inverted());
    const double share = (value - axis->WorkMinimum) / (axis->WorkMaximum - axis->WorkMinimum);
    const double span = axis->EndPixel - axis->StartPixel;
    return static_cast<int>(std::lround(axis->Horizontal() ? axis->StartPixel + share * span : axis->EndPixel - share * span));
}

// The point of a series at index on the image.
QPoint PointAt(const TChartSeries* s, int index)
{
    return QPoint(Pixel(s->GetHorizAxis(), s->XValue(index)), Pixel(s->GetVertAxis(), s->YValue(index)));
}

int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

} // namespace

TEST_F(ResultChartsTest, ChartsPaintTheirSeriesOnScreen)
{
    form.show();
    Run(QStringLiteral("3000"), 424242);
    const PlayRecords& r = form.playRecords;

    // The slump line in red, through its points (pixels as the last paint placed them).
    const QImage slump = form.ui.SlumpChart->grab().toImage();
    TChartSeries* line = S(RC::SlumpSeries);
    for (int i : {10, 1500, 2990}) {
        const QPoint p = PointAt(line, i);
        EXPECT_TRUE(ColourNear(slump, p.x(), p.y(), qRgb(255, 0, 0))) << i;
    }
    // The mode line in its own colour wherever the mode leaves 0.
    EXPECT_GT(CountColour(slump, qRgb(0x00, 0x80, 0xFF)), 10);

    // The tallest bar filled in its bonus colour (red for BIG, black for REG).
    const QImage bars = form.ui.SlumpChart2->grab().toImage();
    TChartSeries* bar = S(RC::SlumpBSeries);
    ASSERT_GT(bar->Count(), 0);
    int tallest = 0;
    for (int i = 1; i < bar->Count(); ++i)
        if (bar->YValue(i) > bar->YValue(tallest))
            tallest = i;
    // Halfway up the bar, which stands centred on its point.
    const QPoint top = PointAt(bar, tallest);
    const int x = top.x();
    const int y = (top.y() + Pixel(bar->GetVertAxis(), 0)) / 2;
    const QRgb fill = bar->ValueColor(tallest) == clRed ? qRgb(255, 0, 0) : qRgb(0, 0, 0);
    EXPECT_TRUE(ColourNear(bars, x, y, fill, 0)) << x << "," << y;
    // Records give the colour: the tallest bar's bonus decides it.
    int b = 0;
    for (size_t i = 0; i < r.size(); ++i)
        if ((r.roleCode[i] == 8 || r.roleCode[i] == 9) && b++ == tallest) {
            EXPECT_EQ(bar->ValueColor(tallest), r.roleCode[i] == 8 ? clRed : clBlack);
        }
}

namespace {

// The pixel halfway out along the middle of slice `slice`, slices running counter-clockwise
// from the rotation angle in the order of the points.
QPoint SliceMiddle(const TPieSeries* pie, int slice)
{
    double total = 0;
    double before = 0;
    for (int i = 0; i < pie->Count(); ++i) {
        total += pie->YValue(i);
        if (i < slice)
            before += pie->YValue(i);
    }
    // Counter-clockwise from the rotation with the screen's y downwards, halfway out.
    const double angle = 2 * M_PI * (before + pie->YValue(slice) / 2) / total + pie->Rotation();
    return QPoint(pie->CircleXCenter() + static_cast<int>(std::lround(std::cos(angle) * pie->XRadius() / 2.0)),
                  pie->CircleYCenter() - static_cast<int>(std::lround(std::sin(angle) * pie->YRadius() / 2.0)));
}

} // namespace

TEST_F(ResultChartsTest, PiesPaintTheirBiggestSliceAndCheckedMarkersAppear)
{
    form.show();
    Run(QStringLiteral("3000"), 424242);

    // The small-role pie: replays are by far the biggest slice, blue.
    form.ui.PageControl1->setCurrentIndex(3);
    const QImage koyaku = form.ui.KoyakuChart->grab().toImage();
    auto* pie = static_cast<TPieSeries*>(S(RC::KoyakuSeries));
    const QPoint replay = SliceMiddle(pie, 4);
    EXPECT_TRUE(ColourNear(koyaku, replay.x(), replay.y(), qRgb(0, 0, 255), 0)) << replay.x() << "," << replay.y();
    // The mode-stay pie: "通常" in navy.
    form.ui.PageControl1->setCurrentIndex(4);
    const QImage stay = form.ui.ModeStayChart->grab().toImage();
    auto* stayPie = static_cast<TPieSeries*>(S(RC::ModeStaySeries));
    const QPoint normal = SliceMiddle(stayPie, 0);
    EXPECT_TRUE(ColourNear(stay, normal.x(), normal.y(), qRgb(0, 0, 0x80), 0));

    // A BIG marker is drawn only while its box is ticked (blue, over the red line).
    TChartSeries* big = S(RC::BIG);
    ASSERT_GT(big->Count(), 0);
    auto markerShown = [&] {
        const QImage slump = form.ui.SlumpChart->grab().toImage();
        const QPoint p = PointAt(big, 0);
        return ColourNear(slump, p.x(), p.y(), qRgb(0, 0, 255), 0);
    };
    EXPECT_FALSE(markerShown());
    form.ui.BIGCheckBox->click();
    EXPECT_TRUE(markerShown());
    form.ui.BIGCheckBox->click();
    EXPECT_FALSE(markerShown());
}

namespace {

// 64-bit FNV-1a over bytes.
class Digest {
public:
    template <class T>
    void Add(T value)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(&value);
        for (size_t i = 0; i < sizeof value; ++i)
            Byte(p[i]);
    }
    void Add(const QString& text)
    {
        Add(static_cast<int32_t>(text.size()));
        for (QChar c : text)
            Add(c.unicode());
    }
    uint64_t Value() const { return h; }

private:
    void Byte(unsigned char b)
    {
        h ^= b;
        h *= 0x100000001b3ULL;
    }
    uint64_t h = 0xcbf29ce484222325ULL;
};

// Every point of the twelve series in their clearing order: the count, then x and y as
// doubles, the colour and the label of each point.
uint64_t ChartDigest(const ResultCharts& charts)
{
    Digest d;
    for (int s = 0; s < RC::SeriesCount; ++s) {
        const TChartSeries* series = charts.Get(static_cast<RC::Series>(s));
        d.Add(static_cast<int32_t>(series->Count()));
        for (int i = 0; i < series->Count(); ++i) {
            d.Add(series->XValue(i));
            d.Add(series->YValue(i));
            d.Add(static_cast<uint32_t>(series->ValueColor(i)));
            d.Add(series->XLabel(i));
        }
    }
    return d.Value();
}

// Everything else the window shows: the play-by-play rows, the six lists and the summary.
uint64_t ListDigest(TMainForm& form)
{
    Digest d;
    const int rows = form.resultListModel->rowCount();
    d.Add(rows);
    for (int r = 0; r < rows; ++r)
        for (const QString& text : form.ResultListViewData(r))
            d.Add(text);
    for (const QTreeWidget* list : {form.ui.BListView, form.ui.ModeChangeListView, form.ui.KoyakuListView,
                                    form.ui.ModeStayListView, form.ui.NBZMListView, form.ui.BModeChangeListView}) {
        d.Add(list->topLevelItemCount());
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            d.Add(item->columnCount());
            for (int c = 0; c < item->columnCount(); ++c)
                d.Add(item->text(c));
        }
    }
    d.Add(form.ui.ResultLabel->text());
    return d.Value();
}

} // namespace

// Pins what a display shows for fixed runs, so that work on how the views are filled cannot
// change a single point, colour, label or text. The digests were taken from runs whose points
// the test above checks rule by rule against the records.
TEST_F(ResultChartsTest, SeededRunsShowExactlyThePinnedPointsAndTexts)
{
    struct Case {
        const char* plays;
        const char* setting;
        uint32_t seed;
        uint64_t charts;
        uint64_t lists;
    };
    const Case cases[] = {
        {"20000", "6", 606, 0xa8ade4f674549495ULL, 0xf6539a2d74317e80ULL},
        {"5000", "1", 101, 0x127fcb5a66fa2d0aULL, 0xbba41f446d1657ffULL},
        {"1", "3", 3, 0x0112b55f9d7e9c5dULL, 0x1f509e739ca618f9ULL},
        // A long run, whose columns and lines are made resident on other threads and whose
        // play list holds only its count: its digests are those that the display gave before
        // that work, kept as an identity check.
        {"1100000", "6", 1106, 0x259de182f33dd977ULL, 0xc2d182335122823aULL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.plays) + " plays");
        Random31::Seed(c.seed);
        form.ui.PlayNumEdit->setText(QString::fromLatin1(c.plays));
        form.ui.FlevelComboBox->setEditText(QString::fromLatin1(c.setting));
        form.ui.StartButton->click();
        ASSERT_TRUE(seam.exceptions.isEmpty()) << seam.exceptions.join('\n').toStdString();
        EXPECT_EQ(ChartDigest(form.charts), c.charts) << std::hex << "0x" << ChartDigest(form.charts);
        EXPECT_EQ(ListDigest(form), c.lists) << std::hex << "0x" << ListDigest(form);
    }
}

TEST_F(ResultChartsTest, TheSlumpLegendStaysWholeInsideTheChartMovingLeftOnlyAsFarAsItMust)
{
    // The chart is 597 pixels wide, its legend placed by the form at 520 with a shadow of
    // its own: whole inside means the shadow ends on column 596 at the latest.
    form.show();
    TChartLegend* legend = form.charts.SlumpChart()->Legend();
    const int shadow = legend->Shadow()->HorizSize();
    ASSERT_GT(shadow, 0);
    ASSERT_EQ(form.ui.SlumpChart->width(), 597);
    const auto nonWhiteInColumn = [&](const QImage& image, int x) {
        int n = 0;
        for (int y = legend->ShapeRect.Top + 1; y < legend->ShapeRect.Bottom - 1; ++y)
            n += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        return n;
    };
    const std::vector<QCheckBox*> boxes = {form.ui.BIGCheckBox,    form.ui.REGCheckBox,    form.ui.TukiCheckBox,
                                           form.ui.CherryCheckBox, form.ui.Cherry_sCheckBox, form.ui.RakudaCheckBox,
                                           form.ui.ChanceCheckBox};
    // "BIG", "REG" and "月" fit where the form puts them.
    for (int i = 0; i < 3; ++i)
        boxes[i]->click();
    form.ui.SlumpChart->grab();
    EXPECT_EQ(legend->ShapeRect.Left, 520);
    EXPECT_LT(legend->ShapeRect.Right + shadow, 597);
    // "3連チェリー" does not: the legend moves left until its shadow ends on the last column.
    for (int i = 3; i < 7; ++i)
        boxes[i]->click();
    const QImage all = form.ui.SlumpChart->grab().toImage();
    EXPECT_LT(legend->ShapeRect.Left, 520);
    EXPECT_EQ(legend->ShapeRect.Right + shadow, 597);
    // Its items move with it: the frame's right edge is drawn, and no text reaches it.
    EXPECT_EQ(nonWhiteInColumn(all, legend->ShapeRect.Right - 1), legend->ShapeRect.Height() - 2);
    EXPECT_EQ(nonWhiteInColumn(all, legend->ShapeRect.Right - 2), 0);
    // Narrower again, it goes back to the form's place.
    boxes[3]->click();
    form.ui.SlumpChart->grab();
    EXPECT_EQ(legend->ShapeRect.Left, 520);
}
