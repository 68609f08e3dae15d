#include "platform/StringList.h"

#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

#include <utility>

const QString sLineBreak = QStringLiteral("\n");

namespace {

[[noreturn]] void ListIndexError(int index)
{
    throw EListError(Format(QString::fromLatin1(SListIndexError), {index}));
}

} // namespace

// ---- TStrings ----

int TStrings::Add(const QString& s)
{
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const QString& s, TObject* obj)
{
    const int index = Add(s);
    PutObject(index, obj);
    return index;
}

void TStrings::InsertObject(int index, const QString& s, TObject* obj)
{
    Insert(index, s);
    PutObject(index, obj);
}

void TStrings::AddStrings(const TStrings& other)
{
    BeginUpdate();
    try {
        // The count is taken once, so that a list can add itself to itself.
        const int count = other.Count();
        for (int i = 0; i < count; ++i)
            AddObject(other.Strings(i), other.Objects(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2)
{
    BeginUpdate();
    const QString s1 = Strings(index1);
    TObject* o1 = Objects(index1);
    Put(index1, Strings(index2));
    PutObject(index1, Objects(index2));
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    const QString s = Strings(curIndex);
    TObject* o = Objects(curIndex);
    // Take the object out first so that an owning list does not free it.
    PutObject(curIndex, nullptr);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
    EndUpdate();
}

int TStrings::CompareStrings(const QString& a, const QString& b) const
{
    return CompareText(a, b);
}

int TStrings::IndexOf(const QString& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(TObject* obj) const
{
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == obj)
            return i;
    return -1;
}

QString TStrings::Text() const
{
    QString text;
    for (int i = 0; i < Count(); ++i) {
        text += Strings(i);
        text += sLineBreak;
    }
    return text;
}

void TStrings::SetText(const QString& text)
{
    BeginUpdate();
    try {
        Clear();
        qsizetype start = 0;
        const qsizetype n = text.size();
        while (start < n) {
            qsizetype end = start;
            while (end < n && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
                ++end;
            Add(text.mid(start, end - start));
            if (end < n && text.at(end) == QLatin1Char('\r'))
                ++end;
            if (end < n && text.at(end) == QLatin1Char('\n'))
                ++end;
            start = end;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

QString TStrings::Names(int index) const
{
    const QString s = Strings(index);
    const qsizetype eq = s.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : s.left(eq);
}

int TStrings::IndexOfName(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString s = Strings(i);
        const qsizetype eq = s.indexOf(QLatin1Char('='));
        if (eq >= 0 && CompareStrings(s.left(eq), name) == 0)
            return i;
    }
    return -1;
}

QString TStrings::Values(const QString& name) const
{
    const int i = IndexOfName(name);
    if (i < 0)
        return QString();
    const QString s = Strings(i);
    return s.mid(s.indexOf(QLatin1Char('=')) + 1);
}

void TStrings::SetValue(const QString& name, const QString& value)
{
    const int i = IndexOfName(name);
    if (value.isEmpty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    const QString line = name + QLatin1Char('=') + value;
    if (i >= 0)
        Put(i, line);
    else
        Add(line);
}

QStringList TStrings::ToStringList() const
{
    QStringList list;
    list.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        list.append(Strings(i));
    return list;
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != other.Strings(i))
            return false;
    return true;
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::Assign(TPersistent* Source)
{
    if (auto* other = dynamic_cast<TStrings*>(Source)) {
        if (other == this)
            return;
        BeginUpdate();
        try {
            Clear();
            AddStrings(*other);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

// ---- TStringList ----

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    Clear();
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(const QString& a, const QString& b) const
{
    return caseSensitive_ ? a.compare(b, Qt::CaseSensitive) : CompareText(a, b);
}

QString TStringList::Strings(int index) const
{
    CheckIndex(index);
    return items_.at(index).text;
}

void TStringList::Put(int index, const QString& s)
{
    if (sorted_)
        throw EListError(QString::fromLatin1(SSortedListError));
    CheckIndex(index);
    Changing();
    items_[index].text = s;
    Changed();
}

TObject* TStringList::Objects(int index) const
{
    CheckIndex(index);
    return items_.at(index).object;
}

void TStringList::PutObject(int index, TObject* obj)
{
    CheckIndex(index);
    Changing();
    TObject* old = std::exchange(items_[index].object, obj);
    if (ownsObjects_ && old && old != obj)
        old->Free();
    Changed();
}

int TStringList::Add(const QString& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const QString& s, TObject* obj)
{
    int index = Count();
    if (sorted_ && Find(s, index)) {
        switch (duplicates_) {
        case dupIgnore:
            return index;
        case dupError:
            throw EListError(QString::fromLatin1(SDuplicateString));
        case dupAccept:
            break;
        }
    }
    InsertItem(index, s, obj);
    return index;
}

void TStringList::Insert(int index, const QString& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const QString& s, TObject* obj)
{
    if (sorted_)
        throw EListError(QString::fromLatin1(SSortedListError));
    if (index < 0 || index > Count())
        ListIndexError(index);
    InsertItem(index, s, obj);
}

void TStringList::InsertItem(int index, const QString& s, TObject* obj)
{
    Changing();
    items_.insert(index, Item{s, obj});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    Changing();
    TObject* obj = items_.takeAt(index).object;
    if (ownsObjects_ && obj)
        obj->Free();
    Changed();
}

void TStringList::Clear()
{
    if (items_.isEmpty())
        return;
    Changing();
    const QList<Item> old = std::exchange(items_, {});
    if (ownsObjects_)
        for (const Item& item : old)
            if (item.object)
                item.object->Free();
    Changed();
}

void TStringList::ExchangeItems(int index1, int index2)
{
    items_.swapItemsAt(index1, index2);
}

void TStringList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    ExchangeItems(index1, index2);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    if (sorted_)
        throw EListError(QString::fromLatin1(SSortedListError));
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    Changing();
    items_.move(curIndex, newIndex);
    Changed();
}

int TStringList::IndexOf(const QString& s) const
{
    if (!sorted_)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const QString& s, int& index) const
{
    // Binary search that settles on the first of equal lines unless duplicates are accepted.
    bool found = false;
    int l = 0;
    int h = Count() - 1;
    while (l <= h) {
        const int i = (l + h) >> 1;
        const int c = CompareStrings(items_.at(i).text, s);
        if (c < 0) {
            l = i + 1;
        } else {
            h = i - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept)
                    l = i;
            }
        }
    }
    index = l;
    return found;
}

void TStringList::QuickSort(int l, int r, const std::function<int(TStringList*, int, int)>& compare)
{
    // Same partition as the pointer lists, with the pivot followed by index as items move.
    while (l < r) {
        int i = l;
        int j = r;
        int p = (l + r) >> 1;
        do {
            while (compare(this, i, p) < 0)
                ++i;
            while (compare(this, j, p) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    ExchangeItems(i, j);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j)
            QuickSort(l, j, compare);
        l = i;
    }
}

void TStringList::CustomSort(const std::function<int(TStringList* List, int Index1, int Index2)>& compare)
{
    if (sorted_ || Count() <= 1)
        return;
    Changing();
    QuickSort(0, Count() - 1, compare);
    Changed();
}

void TStringList::Sort()
{
    if (Count() <= 1)
        return;
    Changing();
    QuickSort(0, Count() - 1, [](TStringList* list, int a, int b) {
        return list->CompareStrings(list->items_.at(a).text, list->items_.at(b).text);
    });
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (sorted_ == value)
        return;
    if (value)
        Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (caseSensitive_ == value)
        return;
    caseSensitive_ = value;
    if (sorted_)
        Sort();
}
