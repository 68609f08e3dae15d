#pragma once

// Base of the non-visual components that feed one series with data, opened and closed like a
// data set, and the registry of such source types.

#include <QList>
#include <QString>

#include "platform/Component.h"

class TChartSeries;
class TCustomAxisPanel;

class TTeeSeriesSource : public TComponent
{
public:
    explicit TTeeSeriesSource(TComponent* AOwner) : TComponent(AOwner) {}
    ~TTeeSeriesSource() override;

    bool Active() const { return FActive; }
    // Switching off clears the series; switching on loads it (not while loading).
    virtual void SetActive(bool value);
    TChartSeries* Series() const { return FSeries; }
    // Closes, then feeds the new series (becoming its data source) or releases the old one.
    void SetSeries(TChartSeries* value);

    // Whether the source type can serve the chart.
    virtual bool Available(TCustomAxisPanel*) const { return true; }
    virtual QString Description() const { return QString(); }
    // Whether the type can create new series itself.
    virtual bool HasNew() const { return false; }
    // The series' data source is a source of the same class name as this one.
    bool HasSeries(const TChartSeries* series) const;

    void Open() { SetActive(true); }
    // Not while the source is being loaded or destroyed.
    void Close();
    // Fills the series from the source's data; every concrete source supplies it.
    virtual void Load() = 0;
    // Loads again when active and not loading.
    void Refresh();

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FActive = false;
    TChartSeries* FSeries = nullptr;
};

// Registered source types by class name; the list exists from the first registration to the
// engine's finish.
QList<QString>& TeeSources();
void TeeSourcesFinalize();
