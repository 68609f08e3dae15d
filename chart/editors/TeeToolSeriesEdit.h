#pragma once

// The editor form of a series tool: picks the series the tool works on.

#include <QWidget>
#include <memory>
#include <vector>

class QLabel;
class TComboFlat;
class TFreeWatch;
class TTeeCustomToolSeries;

class TSeriesToolEditor : public QWidget
{
    Q_OBJECT
public:
    // Components of the form (TeeToolSeriesEdit.ui).
    QLabel* Label1 = nullptr;
    TComboFlat* CBSeries = nullptr;

    explicit TSeriesToolEditor(QWidget* parent = nullptr);
    ~TSeriesToolEditor() override;

    // The tool edited (the form's tag); none leaves the form empty. A tool freed while the
    // form is open is forgotten.
    TTeeCustomToolSeries* Tag() const { return FTag; }
    void SetTag(TTeeCustomToolSeries* tool);

    // Fills the parent's client area.
    void FormCreate();
    // Lists "(none)" and the series of the tool's chart and selects the tool's series; the
    // list is enabled only when the chart has series. A series freed while the form is open
    // leaves the list.
    virtual void FormShow();
    // The tool takes the chosen series (none for "(none)").
    void CBSeriesChange();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes a freed series out of the list; "(none)" is chosen when it was the chosen one.
    void SeriesFreed(void* series);

    // Forgets the tool when it is freed.
    std::unique_ptr<TFreeWatch> FToolWatch;
    // One for each series listed.
    std::vector<std::unique_ptr<TFreeWatch>> FSeriesWatches;
    TTeeCustomToolSeries* FTag = nullptr;
};

// Start-up and finish of the form's unit: the class registry knows the form by name.
void TeeToolSeriesEditInitialize();
void TeeToolSeriesEditFinalize();
