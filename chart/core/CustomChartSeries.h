#pragma once

// What a series is before it has data: a title, the legend switch and two free-text stream
// properties.

#include <QString>
#include <cstdint>
#include <memory>

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
    // "Identifier" and "Style", each stored when not empty; then the properties that every
    // series has, each stored when it differs from what a new series of this kind starts with.
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // The properties of every series whose storing is decided against a new series of the same
    // kind (Active, ShowInLegend, Title here); each with its own rule for when no such series
    // can be made.
    virtual void DefineStartProperties(TTeeFiler& filer);

    using TSeriesHolder = std::unique_ptr<TCustomChartSeries, void (*)(TCustomChartSeries*)>;
    // A new series of exactly this class, made through the class registry; none when the class
    // is not registered with a factory.
    virtual TSeriesHolder NewOfSameKind() const;
    // Frees a series made by NewOfSameKind.
    static void FreeSeries(TCustomChartSeries* series) { FreeObject(series); }

private:
    // A new series of exactly this class made through the class registry, or none when the
    // class is not registered with a factory.
    bool FShowInLegend = true;
    QString FTitle;
    uint8_t FStyle = 0;
    QString FIdentifier;
};
