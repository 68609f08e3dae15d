#pragma once

// One optional text per point of a series. The list may be shorter than the point list:
// entries beyond its end read as empty.

#include <QList>
#include <QString>

class TChartSeries;

class TLabelsList
{
public:
    explicit TLabelsList(TChartSeries* series) : FSeries(series) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    // "" beyond the end or for an empty entry.
    QString GetLabel(int index) const;
    QString operator[](int index) const { return GetLabel(index); }
    // A text extends the list up to index; an empty text only empties an existing entry.
    // The series repaints.
    void SetLabel(int index, const QString& text);
    // An empty text into an empty list does nothing; otherwise the list is extended to index
    // and the text inserted there.
    void InsertLabel(int index, const QString& text);
    // Entries past the end are ignored.
    void DeleteLabel(int index);
    void DeleteRange(int start, int quantity);
    void Exchange(int a, int b);
    void Clear() { FItems.clear(); }
    void Assign(const TLabelsList& other);
    // First index with that text (both upper-cased when not case-sensitive), or -1.
    int IndexOfLabel(const QString& text, bool caseSensitive = true) const;

private:
    TChartSeries* FSeries;
    QList<QString> FItems;
};
