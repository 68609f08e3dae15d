#pragma once

// What a series is before it has data: a title, the legend switch and two free-text stream
// properties.

#include <QString>
#include <cstdint>

#include "chart/core/CustomChartElement.h"
#include "platform/TeeFiler.h"

class TCustomChartSeries : public TCustomChartElement, public TTeeStoredObject
{
public:
    explicit TCustomChartSeries(TComponent* AOwner);

    bool ShowInLegend() const { return FShowInLegend; }
    void SetShowInLegend(bool value) { SetBooleanProperty(FShowInLegend, value); }
    const QString& Title() const { return FTitle; }
    // Tells the chart's listeners (seChangeTitle) and the designer.
    void SetTitle(const QString& value);
    // Six flags, bits 0-5; copied and streamed only.
    uint8_t Style() const { return FStyle; }
    void SetStyle(uint8_t value) { FStyle = value & 63; }
    const QString& Identifier() const { return FIdentifier; }
    void SetIdentifier(const QString& value) { FIdentifier = value; }

    // Stores and repaints when changed, then tells the chart's listeners (seChangeActive)
    // even when the value did not change, and the designer.
    void SetActive(bool value) override;

    // Asks the chart's designer, when one is attached, to repaint.
    void RepaintDesigner();
    // Called by the chart after the series joined it; nothing here.
    virtual void Added() {}
    // Called after the series left its chart: forgets the chart without SetParentChart.
    virtual void Removed();
    // Switches the chart's 3D view.
    virtual void GalleryChanged3D(bool value);
    // Whether one of the two is an instance of the other's class.
    bool SameClass(const TCustomChartSeries* series) const;

    // Pixels the series needs beside the axes; none here.
    virtual void CalcHorizMargins(int& left, int& right);
    virtual void CalcVerticalMargins(int& top, int& bottom);
    // Called by the chart before it draws; nothing here.
    virtual void DoBeforeDrawChart() {}

    // From another series: ShowInLegend, Title, Style and Identifier, then the element's.
    void Assign(TPersistent* source) override;
    // "Identifier" and "Style", each stored when not empty.
    void DefineProperties(TTeeFiler& filer) override;

private:
    bool FShowInLegend = true;
    QString FTitle;
    uint8_t FStyle = 0;
    QString FIdentifier;
};
