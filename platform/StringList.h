#pragma once

// String lists of the class library: a text with an optional object per line.

#include "platform/Persistent.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Line break used by Text.
extern const QString sLineBreak;

class TStrings : public TPersistent {
public:
    virtual int Count() const = 0;
    // Index checked: EListError "List index out of bounds (%d)".
    virtual QString Strings(int index) const = 0;
    QString operator[](int index) const { return Strings(index); }
    virtual void Put(int index, const QString& s) = 0;
    virtual TObject* Objects(int index) const = 0;
    virtual void PutObject(int index, TObject* obj) = 0;

    virtual int Add(const QString& s);
    virtual int AddObject(const QString& s, TObject* obj);
    virtual void Insert(int index, const QString& s) = 0;
    virtual void InsertObject(int index, const QString& s, TObject* obj);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings& other);
    void Append(const QString& s) { Add(s); }
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    // First index of s (compared as the list compares; without case by default), -1 if none.
    virtual int IndexOf(const QString& s) const;
    int IndexOfObject(TObject* obj) const;

    // Every line followed by sLineBreak.
    virtual QString Text() const;
    // Replaces the contents with the lines of text, split at CR LF, CR or LF; a final line
    // break does not add an empty line.
    virtual void SetText(const QString& text);
    // "name=value" lines.
    QString Names(int index) const;
    QString Values(const QString& name) const;
    void SetValue(const QString& name, const QString& value);
    int IndexOfName(const QString& name) const;

    QStringList ToStringList() const;
    bool Equals(const TStrings& other) const;

    // Change notifications are held back until the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // From another TStrings: strings and objects copied.
    void Assign(TPersistent* Source) override;

protected:
    virtual void SetUpdateState(bool /*updating*/) {}
    virtual int CompareStrings(const QString& a, const QString& b) const;

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return static_cast<int>(items_.size()); }
    QString Strings(int index) const override;
    void Put(int index, const QString& s) override;
    TObject* Objects(int index) const override;
    void PutObject(int index, TObject* obj) override;

    int Add(const QString& s) override;
    int AddObject(const QString& s, TObject* obj) override;
    void Insert(int index, const QString& s) override;
    void InsertObject(int index, const QString& s, TObject* obj) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    int IndexOf(const QString& s) const override;

    // Sorted: binary search by CompareStrings; true and the index when found, otherwise
    // false and the insertion index. On an unsorted list the result is meaningless.
    bool Find(const QString& s, int& index) const;
    void Sort();
    // Sorts with compare(list, i, j) by the class library's quicksort.
    void CustomSort(const std::function<int(TStringList* List, int Index1, int Index2)>& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);
    // Objects are freed when their line goes (Delete, Clear, the list freed).
    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void Changed();
    void Changing();
    void SetUpdateState(bool updating) override;
    int CompareStrings(const QString& a, const QString& b) const override;

private:
    struct Item {
        QString text;
        TObject* object = nullptr;
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const QString& s, TObject* obj);
    void QuickSort(int l, int r, const std::function<int(TStringList*, int, int)>& compare);
    void ExchangeItems(int index1, int index2);

    QList<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    bool ownsObjects_ = false;
    TDuplicates duplicates_ = dupIgnore;
};
