#pragma once

// One column of numbers of a series (X, Y, pie values, ...): doubles in a growable array,
// optionally kept in order as they are added, with lazily cached statistics.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TeeFiler.h"
#include "platform/Lists.h"
#include "platform/Persistent.h"

class TChartSeries;

enum TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList : public TPersistent, public TTeeStoredObject
{
public:
    // Joins the owner's value lists (so X is list 0 and Y list 1) and starts empty.
    TChartValueList(TChartSeries* owner, const QString& name);
    ~TChartValueList() override;

    TChartSeries* Owner() const { return FOwner; }
    int Count() const { return FCount; }
    // Values the array holds room for.
    int Capacity() const { return FCapacity; }
    // Room for at least count values, so that adding up to count values moves none of them.
    // Room far beyond count and beyond the values held, kept from a larger fill, is given back.
    void Reserve(int count);

    // The value the series' next add gives this list.
    double PendingValue = 0;
    // Lent to the series for a while by someone who follows its points (a running animation):
    // it moves with the points but holds none of the series' values, so nothing stores, copies
    // or offers it. Lent lists come after the series' own.
    bool Lent = false;

    // Counts the changes to the values other than adding one after the last: what was worked
    // out from the values stays true of the ones it covered while this count stays.
    uint64_t Edits() const { return FEdits; }

    // Values in use; indexes are the caller's responsibility.
    double GetValue(int index) const { return FValues[static_cast<size_t>(index)]; }
    double operator[](int index) const { return GetValue(index); }
    double First() const { return GetValue(0); }
    double Last() const { return GetValue(FCount - 1); }
    const double* Data() const { return FValues.get(); }
    // Stores and tells the owner (veModify).
    void SetValue(int index, double value);

    // Places the value by Order and returns its index; equal values keep their arrival order.
    virtual int AddChartValue(double value);
    // Inserts at index whatever the order.
    virtual void InsertChartValue(int index, double value);
    // Empties the list; the array keeps its room so that refilling does not reallocate.
    virtual void ClearValues();
    // Removes one value, or quantity values from start; ranges outside the list are cut to it.
    virtual void Delete(int index);
    void Delete(int start, int quantity);

    // First index holding exactly value, or -1.
    int Locate(double value) const;

    double MaxValue();
    double MinValue();
    double Total();
    double TotalABS();
    // Replaces the cached total of magnitudes until the values change (a pie leaves out the
    // slice that stands for grouped values).
    void SetTotalABS(double value);
    double Range() { return MaxValue() - MinValue(); }
    void RecalcStats();

    void Exchange(int a, int b);
    // value[i] = i for every value.
    void FillSequence();
    // The first value moves to the end and the others move down; statistics stay.
    void Scroll();
    // Sorts by Order, moving every list, label and colour of the owner together.
    void Sort();
    int CompareValueIndex(int a, int b) const;
    QString ToString(int index) const;

    const QString& Name() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    TChartListOrder Order() const { return FOrder; }
    void SetOrder(TChartListOrder value) { FOrder = value; }
    bool DateTime() const { return FDateTime; }
    // Through the owner's setter: a change repaints.
    void SetDateTime(bool value);
    // The default that is not stored, set together with DateTime by series constructors.
    void InitDateTime(bool value);
    const QString& ValueSource() const { return FValueSource; }
    // A change refills the owner from its source.
    void SetValueSource(const QString& value);

    // From another value list: Order, DateTime and ValueSource (not the name nor the values).
    void Assign(TPersistent* source) override;
    // DateTime, Name, Order, ValueSource and the obsolete "Multiplier" (read only).
    void DefineProperties(TTeeFiler& filer) override;

private:
    // The series moves values of all its lists together without notifying per list.
    friend class TChartSeries;
    // Room for at least needed values.
    void Grow(int needed);
    // Adds value after the last one; the common case of adding, kept out of the general insert.
    int Append(double value)
    {
        if (FCount == FCapacity)
            Grow(FCount + 1);
        FValues[static_cast<size_t>(FCount)] = value;
        FModified = true;
        return FCount++;
    }
    // Any change but an append: the statistics and what was worked out from the values go.
    void Edited()
    {
        FModified = true;
        ++FEdits;
    }
    // Moves the values into an array of capacity values.
    void Reallocate(int capacity);

    bool FDateTime = false;
    double FMaximum = 0;
    double FMinimum = 0;
    QString FName;
    TChartListOrder FOrder = loNone;
    TChartSeries* FOwner;
    double FTotal = 0;
    double FTotalABS = 0;
    QString FValueSource;
    bool FDefaultDateTime = false;
    // Room for FCapacity values, of which the first FCount are in use. Left uninitialised:
    // room is written before it is read.
    std::unique_ptr<double[]> FValues;
    int FCapacity = 0;
    int FCount = 0;
    bool FModified = true;
    uint64_t FEdits = 0;
};

// The value lists of one series, which frees them.
class TChartValueLists : public TTypedList<TChartValueList>
{
public:
    ~TChartValueLists() override;
    TChartValueList* Get(int index) const { return Items(index); }
    void Clear() override;
};
