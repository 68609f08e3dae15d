#include "platform/widgets/QtApplicationServices.h"

#include <QCoreApplication>
#include <QToolTip>
#include <memory>

#include "platform/graphics/CustomControl.h"

TQtApplicationServices::TQtApplicationServices()
{
    FTimer.setSingleShot(true);
    QObject::connect(&FTimer, &QTimer::timeout, [this] { ShowPendingHint(); });
}

void TQtApplicationServices::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void TQtApplicationServices::ActivateHint(TCustomControl* control, TPoint point, const QString& hint)
{
    // A control shown by no widget has no place on the screen for a hint.
    auto* widget = control ? dynamic_cast<QWidget*>(control->Window()) : nullptr;
    if (!widget)
        return;
    FWidget = widget;
    FHint = hint;
    FPoint = widget->mapToGlobal(QPoint(point.X, point.Y));
    if (HintPause() <= 0) {
        FTimer.stop();
        ShowPendingHint();
    } else {
        FTimer.start(HintPause());
    }
}

void TQtApplicationServices::CancelHint()
{
    FTimer.stop();
    QToolTip::hideText();
}

void TQtApplicationServices::ShowPendingHint()
{
    if (FWidget)
        QToolTip::showText(FPoint, FHint, FWidget);
}

namespace {
std::unique_ptr<TQtApplicationServices> qtServices;
}

void InitializeApplicationServices()
{
    if (qtServices)
        return;
    qtServices = std::make_unique<TQtApplicationServices>();
    qtServices->SetHintPause(Application().HintPause()); // a pause set before keeps applying
    SetApplicationServices(qtServices.get());
}

void FinalizeApplicationServices()
{
    if (&Application() == qtServices.get())
        SetApplicationServices(nullptr);
    qtServices.reset();
}
