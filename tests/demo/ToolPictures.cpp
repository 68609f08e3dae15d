// Saves what the tools demo shows while each tool is used (before, feedback drawn, mid-drag,
// after), so that a change meant to keep every pixel can be checked picture by picture:
//
//   tool_pictures <folder>
//
// Each scenario starts from a new demo window with only its own tool switched on and sends
// real mouse events to the chart's window. Runs under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMouseEvent>
#include <cstdio>
#include <functional>

#include "ToolsDemoWindow.h"
#include "chart/editors/AllUnits.h"
#include "platform/widgets/QtApplicationServices.h"

namespace {

class Scenario
{
public:
    Scenario(const QString& folder, const QString& name, const QString& toolSwitch) : FFolder(folder), FName(name)
    {
        FWindow.show();
        for (QCheckBox* box : FWindow.Switches())
            box->setChecked(box->text().startsWith(toolSwitch) && !toolSwitch.isEmpty());
        Settle();
    }
    TChart* Chart() const { return FWindow.ChartWidget()->Chart(); }
    ToolsDemoWindow& Window() { return FWindow; }
    // A point given in fractions of the plot rectangle.
    QPoint At(double fx, double fy) const
    {
        const TRect p = Chart()->PlotRect();
        return QPoint(p.Left + static_cast<int>(fx * (p.Right - p.Left)), p.Top + static_cast<int>(fy * (p.Bottom - p.Top)));
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { Send(QEvent::MouseButtonPress, at, button, button); }
    void Move(QPoint at, Qt::MouseButtons held = Qt::LeftButton) { Send(QEvent::MouseMove, at, Qt::NoButton, held); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { Send(QEvent::MouseButtonRelease, at, button, Qt::NoButton); }
    void Shoot(const QString& stage)
    {
        Settle();
        const QString file = FFolder + QLatin1Char('/') + FName + QLatin1Char('-') + stage + QStringLiteral(".png");
        FWindow.ChartWidget()->grab().toImage().save(file);
        std::printf("%s\n", qPrintable(file));
    }

private:
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* target = FWindow.ChartWidget();
        QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        Settle();
    }

    ToolsDemoWindow FWindow;
    QString FFolder;
    QString FName;
};

// Press at one point, move in two steps and release, with a picture at every stage.
void Drag(Scenario& s, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    s.Shoot(QStringLiteral("0-before"));
    s.Move(from, Qt::NoButton);
    s.Shoot(QStringLiteral("1-hover"));
    s.Press(from, button);
    s.Shoot(QStringLiteral("2-pressed"));
    s.Move((from + to) / 2, button);
    s.Shoot(QStringLiteral("3-middrag"));
    s.Move(to, button);
    s.Shoot(QStringLiteral("4-dragged"));
    s.Release(to, button);
    s.Shoot(QStringLiteral("5-after"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    InitializeAllUnits();
    InitializeApplicationServices();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    {
        // The zoom rectangle, with every tool off.
        Scenario s(folder, QStringLiteral("zoom"), QString());
        Drag(s, s.At(0.2, 0.2), s.At(0.6, 0.7));
    }
    {
        Scenario s(folder, QStringLiteral("cursor"), QStringLiteral("Cursor (snaps"));
        Drag(s, s.At(0.5, 0.5), s.At(0.7, 0.3));
    }
    {
        Scenario s(folder, QStringLiteral("cursor-follow"), QStringLiteral("Cursor following"));
        Drag(s, s.At(0.3, 0.4), s.At(0.6, 0.6), Qt::NoButton);
    }
    {
        Scenario s(folder, QStringLiteral("drag-marks"), QStringLiteral("Drag marks"));
        Drag(s, s.At(0.05, 0.5), s.At(0.3, 0.2));
    }
    {
        Scenario s(folder, QStringLiteral("axis-arrows"), QStringLiteral("Bottom axis arrows"));
        const TRect p = s.Chart()->PlotRect();
        Drag(s, QPoint(p.Right - 4, p.Bottom), QPoint(p.Right - 4, p.Bottom));
    }
    {
        Scenario s(folder, QStringLiteral("rotate"), QStringLiteral("Rotate"));
        Drag(s, s.At(0.5, 0.5), s.At(0.6, 0.55), Qt::MiddleButton);
    }
    {
        Scenario s(folder, QStringLiteral("rotate-3d"), QStringLiteral("Rotate"));
        s.Chart()->SetView3D(true);
        Drag(s, s.At(0.5, 0.5), s.At(0.6, 0.55), Qt::MiddleButton);
    }
    for (const char* still : {"Grid bands", "Image behind", "Mark tips", "Annotation", "Colour band"}) {
        Scenario s(folder, QString::fromLatin1(still).replace(QLatin1Char(' '), QLatin1Char('-')).toLower(),
                   QString::fromLatin1(still));
        s.Shoot(QStringLiteral("0-still"));
        s.Move(s.At(0.5, 0.5), Qt::NoButton);
        s.Shoot(QStringLiteral("1-hover"));
    }
    {
        Scenario s(folder, QStringLiteral("drag-point"), QStringLiteral("Drag point"));
        TChartSeries* peaks = s.Chart()->Series(1);
        const QPoint from(peaks->CalcXPos(3), peaks->CalcYPos(3));
        Drag(s, from, from + QPoint(30, -40));
    }
    {
        Scenario s(folder, QStringLiteral("draw-line"), QStringLiteral("Draw lines"));
        Drag(s, s.At(0.2, 0.3), s.At(0.6, 0.6));
        // Grab the new line by its middle and move it; then by an end.
        Scenario& t = s;
        t.Press(s.At(0.4, 0.45));
        t.Shoot(QStringLiteral("6-selected"));
        t.Move(s.At(0.45, 0.5));
        t.Shoot(QStringLiteral("7-moving"));
        t.Release(s.At(0.45, 0.5));
        t.Shoot(QStringLiteral("8-moved"));
    }
    {
        Scenario s(folder, QStringLiteral("nearest"), QStringLiteral("Nearest point"));
        Drag(s, s.At(0.3, 0.5), s.At(0.7, 0.5), Qt::NoButton);
    }
    {
        Scenario s(folder, QStringLiteral("colour-line"), QStringLiteral("Colour line (drag"));
        const TRect p = s.Chart()->PlotRect();
        const int y = s.Chart()->LeftAxis()->CalcYPosValue(
            (s.Chart()->LeftAxis()->Maximum() + s.Chart()->LeftAxis()->Minimum()) * 0.5);
        Drag(s, QPoint((p.Left + p.Right) / 2, y), QPoint((p.Left + p.Right) / 2, y + 50));
    }
    {
        Scenario s(folder, QStringLiteral("colour-line-repaint"), QStringLiteral("Colour line repainting"));
        const TRect p = s.Chart()->PlotRect();
        const int x = s.Chart()->BottomAxis()->CalcXPosValue(4000);
        Drag(s, QPoint(x, (p.Top + p.Bottom) / 2), QPoint(x - 80, (p.Top + p.Bottom) / 2));
    }
    {
        Scenario s(folder, QStringLiteral("every-tool"), QStringLiteral("\x01"));
        for (QCheckBox* box : s.Window().Switches())
            box->setChecked(true);
        Drag(s, s.At(0.3, 0.3), s.At(0.5, 0.6));
    }
    FinalizeApplicationServices();
    FinalizeAllUnits();
    return 0;
}
