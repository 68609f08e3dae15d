#pragma once

// The application services of a Qt program: Qt's event processing and a Qt tool tip as the
// hint window, shown after the hint pause at the point of the widget that hosts the control.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/graphics/ApplicationServices.h"

class TQtApplicationServices : public TApplicationServices
{
public:
    TQtApplicationServices();

    void ProcessMessages() override;
    // The hint waits for the pause, unless it is 0 or less.
    void ActivateHint(TCustomControl* control, TPoint point, const QString& hint) override;
    void CancelHint() override;

    // The hint that waits for the pause or was shown last, and where (screen coordinates).
    const QString& PendingHint() const { return FHint; }
    QPoint PendingPoint() const { return FPoint; }
    bool HintWaiting() const { return FTimer.isActive(); }

private:
    void ShowPendingHint();

    QTimer FTimer;
    QPointer<QWidget> FWidget;
    QString FHint;
    QPoint FPoint;
};

// Installs the Qt services, once; FinalizeApplicationServices removes them.
void InitializeApplicationServices();
void FinalizeApplicationServices();
