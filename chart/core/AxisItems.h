#pragma once

// Custom labels of an axis: texts placed at chosen values, drawn instead of the automatic
// labels, and the common look (Format) that the automatic labels use too.

#include <QList>
#include <QString>
#include <memory>

#include "chart/core/TeeCustomShape.h"

class TAxisItems;
class TChartAxis;

class TAxisItem : public TTeeCustomShape
{
public:
    explicit TAxisItem(TAxisItems* list);

    TAxisItems* Items() const { return FItems; }
    double Value() const { return FValue; }
    const QString& Text() const { return FText; }
    // Both repaint the axis' chart only when the value changes.
    void SetValue(double value);
    void SetText(const QString& value);
    // Set without a repaint (used while the list fills itself).
    void InitText(const QString& value) { FText = value; }

    void Repaint();
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // A changed setting repaints the axis' chart.
    void PropertyChanged() override { Repaint(); }

private:
    TAxisItems* FItems;
    double FValue = 0;
    QString FText;
};

class TAxisItems
{
public:
    explicit TAxisItems(TChartAxis* axis);
    ~TAxisItems();
    TAxisItems(const TAxisItems&) = delete;
    TAxisItems& operator=(const TAxisItems&) = delete;

    TChartAxis* Axis() const { return FAxis; }
    TTeeShape* Format() const { return FFormat.get(); }
    int Count() const { return static_cast<int>(FList.size()); }
    TAxisItem* Get(int index) const { return FList.at(index); }
    TAxisItem* operator[](int index) const { return Get(index); }

    // A new transparent item at value (and with that text), last in the list.
    TAxisItem* Add(double value);
    TAxisItem* Add(double value, const QString& text);
    // Frees every item and repaints the axis' chart.
    void Clear();
    // Other's format, then a copy of each of its items' value and text.
    void CopyFrom(const TAxisItems& other);

private:
    TChartAxis* FAxis;
    std::unique_ptr<TTeeShape> FFormat;
    QList<TAxisItem*> FList;
};
