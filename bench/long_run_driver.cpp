// Drives the real main window through long runs so that time and memory can be measured from
// outside the process (for instance with /usr/bin/time -f "%e s %M KB"):
//
//   long_run_driver run <plays> [digest | image-folder]
//       開始 with setting 6 until every list, table and chart is shown; prints the time, the
//       longest stretch without message processing and the peak and current resident size.
//       "digest" adds one digest of everything shown (rows, lists, tables, summary, every
//       chart point); an image folder adds the digest and saves every chart there with all
//       marker boxes ticked, then every picture the slump chart draws during a zoom (each
//       animated step), a scroll, a wheel step and the undo. The generator is seeded with a
//       fixed value first.
//   long_run_driver memory <plays> <then-plays>
//       Resident size after start-up, after a long run and after a short run that follows.
//   long_run_driver ticks <plays>
//       Ticking and unticking each marker box, then zoom, scroll, wheel and undo with every
//       box ticked, each until the slump chart is painted again.
//
// Runs under any Qt platform; QT_QPA_PLATFORM=offscreen needs no display.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>
#include <cstdio>
#include <fstream>
#include <sys/resource.h>
#include <string>

#include "app/ExceptionDisplay.h"
#include "app/Unit1.h"
#include "chart/components/Chart.h"
#include "chart/components/UnitStartup.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/editors/ChartWidget.h"

namespace {

// Kilobytes of a "VmHWM:" or "VmRSS:" line of this process's status.
long StatusKilobytes(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    return -1;
}

class Fnv1a64 {
public:
    void Bytes(const void* data, size_t size)
    {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            h ^= p[i];
            h *= 0x100000001b3ULL;
        }
    }
    template <class T>
    void Value(T v) { Bytes(&v, sizeof v); }
    void Text(const QString& s)
    {
        Value(static_cast<int64_t>(s.size()));
        Bytes(s.utf16(), sizeof(char16_t) * static_cast<size_t>(s.size()));
    }
    uint64_t Result() const { return h; }

private:
    uint64_t h = 0xcbf29ce484222325ULL;
};

void DigestTree(Fnv1a64& d, const QTreeWidget* list)
{
    d.Value(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        d.Value(item->columnCount());
        for (int c = 0; c < item->columnCount(); ++c)
            d.Text(item->text(c));
    }
}

// Everything the window shows of a run.
uint64_t DisplayDigest(TMainForm& form)
{
    Fnv1a64 d;
    QAbstractItemModel* model = form.ui.ResultListView->model();
    const int rows = model->rowCount();
    d.Value(rows);
    for (int r = 0; r < rows; ++r)
        for (const QString& s : form.ResultListViewData(r))
            d.Text(s);
    for (const QTreeWidget* list : {form.ui.BListView, form.ui.ModeChangeListView, form.ui.KoyakuListView,
                                    form.ui.ModeStayListView, form.ui.NBZMListView, form.ui.BModeChangeListView})
        DigestTree(d, list);
    d.Text(form.ui.ResultLabel->text());
    for (int s = 0; s < ResultCharts::SeriesCount; ++s) {
        const TChartSeries* series = form.charts.Get(static_cast<ResultCharts::Series>(s));
        d.Value(series->Count());
        for (int i = 0; i < series->Count(); ++i) {
            d.Value(series->XValue(i));
            d.Value(series->YValue(i));
            d.Value(series->ValueColor(i));
            d.Text(series->XLabel(i));
        }
    }
    d.Value(form.charts.BottomMinimum());
    d.Value(form.charts.BottomMaximum());
    return d.Result();
}

QList<TChartWidget*> ChartWidgets(TMainForm& form)
{
    return {form.ui.SlumpChart, form.ui.SlumpChart2, form.ui.KoyakuChart, form.ui.ModeStayChart};
}

// Paints every chart as the screen would show it.
void PaintCharts(TMainForm& form)
{
    for (TChartWidget* w : ChartWidgets(form)) {
        QPixmap shot = w->grab();
        (void)shot;
    }
}

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

double Seconds(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// Processor time of the process so far (user and system), in seconds: unlike the wall
// time, it does not grow when other programs share the machine.
double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Minor faults and system time of the calling thread so far: the faults that the window's own
// thread waits for, apart from those that helper threads take on its behalf.
struct ThreadFaults {
    long minor = 0;
    double systemSeconds = 0;
};
ThreadFaults ThisThreadFaults()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return {usage.ru_minflt, static_cast<double>(usage.ru_stime.tv_sec) + usage.ru_stime.tv_usec / 1e6};
}

QCheckBox* const* MarkerBoxes(TMainForm& form, int& count)
{
    static QCheckBox* boxes[7];
    const QCheckBox* list[] = {form.ui.BIGCheckBox,   form.ui.REGCheckBox,    form.ui.CherryCheckBox,
                               form.ui.Cherry_sCheckBox, form.ui.RakudaCheckBox, form.ui.TukiCheckBox,
                               form.ui.ChanceCheckBox};
    for (int i = 0; i < 7; ++i)
        boxes[i] = const_cast<QCheckBox*>(list[i]);
    count = 7;
    return boxes;
}

// 開始 until shown; returns seconds and reports the longest wait for messages.
double Start(TMainForm& form, int plays)
{
    form.ui.PlayNumEdit->setText(QString::number(plays));
    form.ui.FlevelComboBox->setEditText(QStringLiteral("6"));
    Settle();

    // A fast timer stands for the user's input: the longest gap between its calls is the
    // longest the window went without taking input.
    QElapsedTimer sinceTick;
    qint64 longestGapMs = 0;
    int progressMoves = 0;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
        sinceTick.restart();
    });
    QObject::connect(form.ui.ProgressBar1, &QProgressBar::valueChanged, [&] { ++progressMoves; });

    QElapsedTimer t;
    t.start();
    const double cpuBefore = CpuSeconds();
    const ThreadFaults faultsBefore = ThisThreadFaults();
    sinceTick.start();
    probe.start();
    form.FileStartMenuClick();
    probe.stop();
    longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
    const double commandSeconds = Seconds(t);
    Settle();
    PaintCharts(form);
    const double seconds = Seconds(t);
    const ThreadFaults faultsAfter = ThisThreadFaults();
    std::printf("command %.3f s, then painted; processor %.3f s; longest wait for messages during the command: "
                "%lld ms; progress moves: %d\n",
                commandSeconds, CpuSeconds() - cpuBefore, static_cast<long long>(longestGapMs), progressMoves);
    std::printf("window thread until shown: %ld minor faults, system %.3f s\n", faultsAfter.minor - faultsBefore.minor,
                faultsAfter.systemSeconds - faultsBefore.systemSeconds);
    return seconds;
}

void Wheel(TChartWidget* w, int delta)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &event);
}

// The user's zoom (a drag over the middle of the plot, drawn in animated steps), a scroll, a
// wheel step and the undo, each followed by a paint, on the slump chart as it is.
template <class Each>
void Interact(TMainForm& form, Each each)
{
    TChart* chart = form.charts.SlumpChart();
    TChartWidget* widget = form.ui.SlumpChart;
    TChartAxis* bottom = chart->BottomAxis();
    TChartAxis* left = chart->LeftAxis();
    each("zoom", [&] {
        chart->ZoomRect(TRect(widget->width() / 3, widget->height() / 4, 2 * widget->width() / 3,
                              3 * widget->height() / 4));
    });
    each("scroll", [&] {
        bottom->Scroll((bottom->Maximum() - bottom->Minimum()) / 10, false);
        left->Scroll(-(left->Maximum() - left->Minimum()) / 10, false);
    });
    each("wheel", [&] { Wheel(widget, 120); });
    each("undo", [&] { chart->UndoZoom(); });
}

// Every picture the slump chart draws during the interactions, in order.
void SaveInteractionFrames(TMainForm& form, const QString& imageFolder)
{
    TChart* chart = form.charts.SlumpChart();
    int frame = 0;
    QString step;
    chart->OnAfterDraw = [&](TObject*) {
        chart->BackBuffer().copy().save(
            QStringLiteral("%1/SlumpChart-%2-%3.png").arg(imageFolder).arg(++frame, 2, 10, QLatin1Char('0')).arg(step));
    };
    Interact(form, [&](const char* name, auto action) {
        step = QString::fromLatin1(name);
        action();
        Settle();
        QPixmap shot = form.ui.SlumpChart->grab();
        (void)shot;
    });
    chart->OnAfterDraw = nullptr;
}

int RunMode(TMainForm& form, int plays, const QString& imageFolder)
{
    const double seconds = Start(form, plays);
    std::printf("plays %d: %.3f s until shown, VmHWM %ld MB, VmRSS %ld MB, records %zu, bonus rows %d, "
                "mode change rows %d\n",
                plays, seconds, StatusKilobytes("VmHWM") / 1024, StatusKilobytes("VmRSS") / 1024,
                form.playRecords.size(), form.ui.BListView->topLevelItemCount(),
                form.ui.ModeChangeListView->topLevelItemCount());
    if (imageFolder.isEmpty())
        return 0;
    std::printf("display digest: %016llx; bonus list scrolled to %d of %d\n",
                static_cast<unsigned long long>(DisplayDigest(form)), form.ui.BListView->verticalScrollBar()->value(),
                form.ui.BListView->verticalScrollBar()->maximum());
    if (imageFolder != QStringLiteral("digest")) {
        QDir().mkpath(imageFolder);
        int count = 0;
        QCheckBox* const* boxes = MarkerBoxes(form, count);
        for (int i = 0; i < count; ++i)
            boxes[i]->click();
        Settle();
        for (TChartWidget* w : ChartWidgets(form))
            w->grab().toImage().save(imageFolder + QLatin1Char('/') + w->objectName() + QStringLiteral(".png"));
        // Zoomed into the middle fifth too, where markers stand further apart.
        TChart* chart = form.charts.SlumpChart();
        const double p = form.charts.BottomMaximum();
        chart->BottomAxis()->SetMinMax(p * 0.4, p * 0.6);
        form.ui.SlumpChart->grab().toImage().save(imageFolder + QStringLiteral("/SlumpChartZoomed.png"));
        chart->BottomAxis()->SetMinMax(1, p);
        SaveInteractionFrames(form, imageFolder);
    }
    return 0;
}

int MemoryMode(TMainForm& form, int plays, int thenPlays)
{
    Settle();
    PaintCharts(form);
    const long startKb = StatusKilobytes("VmRSS");
    Start(form, plays);
    const long afterLongKb = StatusKilobytes("VmRSS");
    Start(form, thenPlays);
    const long afterShortKb = StatusKilobytes("VmRSS");
    std::printf("VmRSS after start-up %ld MB, after %d plays %ld MB, after %d plays %ld MB: %+ld MB over start-up\n",
                startKb / 1024, plays, afterLongKb / 1024, thenPlays, afterShortKb / 1024,
                (afterShortKb - startKb) / 1024);
    return 0;
}

// Runs one interaction and paints the slump chart; returns processor milliseconds (the
// wall time goes to stderr).
template <class Action>
double Timed(TMainForm& form, Action action)
{
    QElapsedTimer t;
    t.start();
    const double cpuBefore = CpuSeconds();
    action();
    Settle();
    QPixmap shot = form.ui.SlumpChart->grab();
    (void)shot;
    std::fprintf(stderr, "  (wall %.1f ms)\n", static_cast<double>(t.nsecsElapsed()) / 1e6);
    return (CpuSeconds() - cpuBefore) * 1e3;
}

int TicksMode(TMainForm& form, int plays)
{
    Start(form, plays);
    int count = 0;
    QCheckBox* const* boxes = MarkerBoxes(form, count);
    for (int i = 0; i < count; ++i) {
        const double on = Timed(form, [&] { boxes[i]->click(); });
        const double off = Timed(form, [&] { boxes[i]->click(); });
        std::printf("%-16s processor: tick %7.1f ms, untick %7.1f ms, %d points\n", boxes[i]->objectName().toUtf8().constData(),
                    on, off, form.charts.Get(ResultCharts::MarkerSeries([&] {
                                                  const int roles[] = {8, 9, 1, 2, 3, 4, 5};
                                                  return roles[i];
                                              }()))->Count());
    }
    for (int i = 0; i < count; ++i)
        boxes[i]->click();
    Settle();
    PaintCharts(form);
    std::printf("every box ticked, %.0f plays, processor:", form.charts.BottomMaximum());
    Interact(form, [&](const char* name, auto action) { std::printf(" %s %.1f ms", name, Timed(form, action)); });
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s run <plays> [image-folder] | memory <plays> <then-plays> | ticks <plays>\n",
                     argv[0]);
        return 2;
    }
    TApplication app(argc, argv);
    InitializeUnits();
    int rc = 0;
    {
        TMainForm form;
        form.show();
        Settle();
        const std::string mode = argv[1];
        const int plays = std::atoi(argv[2]);
        Random31::Seed(20);
        if (mode == "run")
            rc = RunMode(form, plays, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
        else if (mode == "memory")
            rc = MemoryMode(form, plays, argc > 3 ? std::atoi(argv[3]) : 1000);
        else if (mode == "ticks")
            rc = TicksMode(form, plays);
        else
            rc = 2;
    }
    FinalizeUnits();
    return rc;
}
