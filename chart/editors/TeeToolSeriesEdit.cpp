#include "chart/editors/TeeToolSeriesEdit.h"

#include <QEvent>
#include <QLabel>

#include "ui_TeeToolSeriesEdit.h"

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/EngineServices.h"
#include "chart/core/TeeCustomTool.h"
#include "chart/core/Teeconst.h"
#include "chart/editors/ComboFlat.h"
#include "platform/ClassRegistry.h"
#include "platform/FreeWatch.h"
#include "platform/StringList.h"

TSeriesToolEditor::TSeriesToolEditor(QWidget* parent) : QWidget(parent)
{
    Ui::TSeriesToolEditor ui;
    ui.setupUi(this);
    Label1 = ui.Label1;
    CBSeries = ui.CBSeries;
    // The label takes the width of its text from where it stands.
    Label1->adjustSize();
    // Alone on the screen the form has only the system menu: no minimise or maximise box.
    if (!parent)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    // Only the user's choice changes the tool, not the filling of the list.
    connect(CBSeries, &QComboBox::activated, this, [this] { CBSeriesChange(); });
    FormCreate();
}

TSeriesToolEditor::~TSeriesToolEditor() = default;

void TSeriesToolEditor::SetTag(TTeeCustomToolSeries* tool)
{
    if (tool == FTag)
        return;
    FTag = tool;
    // A form is no component: a watch learns for it when the tool is freed.
    FToolWatch = tool ? std::make_unique<TFreeWatch>(tool, [this] { FTag = nullptr; }) : nullptr;
}

void TSeriesToolEditor::FormCreate()
{
    if (QWidget* p = parentWidget()) {
        setGeometry(p->rect());
        p->installEventFilter(this);
    }
}

bool TSeriesToolEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TSeriesToolEditor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TSeriesToolEditor::FormShow()
{
    if (!FTag)
        return;
    CBSeries->clear();
    FSeriesWatches.clear();
    TCustomAxisPanel* chart = FTag->ParentChart();
    TStringList items;
    if (chart)
        FillSeriesItems(&items, chart);
    CBSeries->setEnabled(chart && chart->SeriesCount() > 0);
    // Entries carry their series; "(none)" carries none.
    auto entry = [](TChartSeries* series) { return QVariant::fromValue(static_cast<void*>(series)); };
    CBSeries->addItem(TeeMsg_None, entry(nullptr));
    for (int i = 0; i < items.Count(); ++i) {
        auto* series = dynamic_cast<TChartSeries*>(items.Objects(i));
        CBSeries->addItem(items.Strings(i), entry(series));
        // A form is no component: a watch learns for it when a listed series is freed.
        FSeriesWatches.push_back(std::make_unique<TFreeWatch>(series, [this, series] { SeriesFreed(series); }));
    }
    CBSeries->setCurrentIndex(CBSeries->findData(entry(FTag->Series())));
}

void TSeriesToolEditor::SeriesFreed(void* series)
{
    // The watch that calls stays until the list is filled again: it is running.
    const int index = CBSeries->findData(QVariant::fromValue(series));
    if (index < 0)
        return;
    const bool chosen = index == CBSeries->currentIndex();
    CBSeries->removeItem(index);
    if (chosen)
        CBSeries->setCurrentIndex(0);
    CBSeries->setEnabled(CBSeries->count() > 1);
}

void TSeriesToolEditor::CBSeriesChange()
{
    if (!FTag)
        return;
    FTag->SetSeries(static_cast<TChartSeries*>(CBSeries->currentData().value<void*>()));
}

namespace {
int startups = 0;
}

void TeeToolSeriesEditInitialize()
{
    // A form is not made through the registry: it is known by name only.
    if (startups++ == 0)
        RegisterClass(QStringLiteral("TSeriesToolEditor"), QStringLiteral("TForm"), nullptr);
}

void TeeToolSeriesEditFinalize()
{
    if (startups > 0 && --startups == 0)
        UnRegisterClass(QStringLiteral("TSeriesToolEditor"));
}
