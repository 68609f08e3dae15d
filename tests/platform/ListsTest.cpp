#include "platform/Classes.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

int liveCounters = 0;

class TCounted : public TObject {
public:
    TCounted() { ++liveCounters; }
    ~TCounted() override { --liveCounters; }
};

template <class F>
QString ListErrorOf(F&& f)
{
    try {
        f();
    } catch (const EListError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

} // namespace

TEST(TList, IndexErrorsNameTheIndex)
{
    TList list;
    int a = 1, b = 2, c = 3;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    list.Insert(2, &c); // inserting at Count appends
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(ListErrorOf([&] { list.Items(3); }), QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(ListErrorOf([&] { list.Items(-1); }), QStringLiteral("List index out of bounds (-1)"));
    EXPECT_EQ(ListErrorOf([&] { list.Insert(4, &a); }), QStringLiteral("List index out of bounds (4)"));
    EXPECT_EQ(ListErrorOf([&] { list.Delete(3); }), QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(ListErrorOf([&] { list.Exchange(0, 5); }), QStringLiteral("List index out of bounds (5)"));
    EXPECT_EQ(ListErrorOf([&] { list.SetCount(-1); }), QStringLiteral("List count out of bounds (-1)"));
    EXPECT_EQ(ListErrorOf([&] { TList().First(); }), QStringLiteral("List index out of bounds (0)"));
}

TEST(TList, EditingKeepsOrder)
{
    TList list;
    int v[5] = {0, 1, 2, 3, 4};
    for (int& x : v)
        list.Add(&x);
    EXPECT_EQ(list.Remove(&v[1]), 1);
    EXPECT_EQ(list.Remove(&v[1]), -1);
    list.Exchange(0, 3);
    list.Move(0, 1);
    // 0 2 3 4 -> 4 2 3 0 -> 2 4 3 0
    EXPECT_EQ(list[0], &v[2]);
    EXPECT_EQ(list[1], &v[4]);
    EXPECT_EQ(list[2], &v[3]);
    EXPECT_EQ(list.Last(), &v[0]);
    EXPECT_EQ(list.Extract(&v[4]), &v[4]);
    EXPECT_EQ(list.IndexOf(&v[4]), -1);
    list.SetCount(5);
    EXPECT_EQ(list.Items(4), nullptr);
    list.Pack();
    EXPECT_EQ(list.Count(), 3);
}

TEST(TList, SortOrdersByTheCompareFunction)
{
    std::vector<int> values = {5, 3, 9, 1, 5, 7, 2, 8, 1, 0, 6};
    TList list;
    for (int& x : values)
        list.Add(&x);
    list.Sort([](void* a, void* b) { return *static_cast<int*>(a) - *static_cast<int*>(b); });
    std::vector<int> sorted;
    for (int i = 0; i < list.Count(); ++i)
        sorted.push_back(*static_cast<int*>(list[i]));
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 1, 2, 3, 5, 5, 6, 7, 8, 9}));
    TList empty;
    empty.Sort([](void*, void*) { return 0; });
}

TEST(TObjectList, FreesWhatItOwns)
{
    liveCounters = 0;
    {
        TObjectList<TCounted> list;
        list.Add(new TCounted);
        list.Add(new TCounted);
        auto* kept = new TCounted;
        list.Add(kept);
        EXPECT_EQ(liveCounters, 3);
        list.Delete(0);
        EXPECT_EQ(liveCounters, 2);
        EXPECT_EQ(list.Extract(kept), kept); // handed back, not freed
        EXPECT_EQ(liveCounters, 2);
        kept->Free();
        list.Add(new TCounted);
    }
    EXPECT_EQ(liveCounters, 0);

    TObjectList<TCounted> notOwning(false);
    TCounted local;
    notOwning.Add(&local);
    notOwning.Clear();
    EXPECT_EQ(liveCounters, 1);
}

TEST(TStringList, IndexErrorsAndBasicEditing)
{
    TStringList list;
    list.Add(QStringLiteral("b"));
    list.Insert(0, QStringLiteral("a"));
    list.Add(QStringLiteral("c"));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], QStringLiteral("a"));
    EXPECT_EQ(ListErrorOf([&] { list.Strings(3); }), QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(ListErrorOf([&] { list.Delete(-1); }), QStringLiteral("List index out of bounds (-1)"));
    EXPECT_EQ(ListErrorOf([&] { list.Insert(5, QString()); }), QStringLiteral("List index out of bounds (5)"));
    EXPECT_EQ(ListErrorOf([&] { list.Objects(9); }), QStringLiteral("List index out of bounds (9)"));
    EXPECT_EQ(ListErrorOf([&] { list.Put(3, QString()); }), QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(list.IndexOf(QStringLiteral("B")), 1); // without case by default
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(QStringLiteral("B")), -1);
    list.Move(0, 2);
    EXPECT_EQ(list.ToStringList(), QStringList({"b", "c", "a"}));
    list.Delete(1);
    EXPECT_EQ(list.ToStringList(), QStringList({"b", "a"}));
}

TEST(TStringList, TextSplitsEveryKindOfLineBreak)
{
    TStringList list;
    list.SetText(QStringLiteral("one\r\ntwo\rthree\n\nfive"));
    EXPECT_EQ(list.ToStringList(), QStringList({"one", "two", "three", "", "five"}));
    EXPECT_EQ(list.Text(), QStringLiteral("one\ntwo\nthree\n\nfive\n"));
    list.SetText(QStringLiteral("last\n")); // a final break adds no empty line
    EXPECT_EQ(list.Count(), 1);
    list.SetText(QString());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), QString());
}

TEST(TStringList, SortedListsAndDuplicates)
{
    TStringList list;
    list.Add(QStringLiteral("pear"));
    list.Add(QStringLiteral("Apple"));
    list.Add(QStringLiteral("fig"));
    list.SetSorted(true);
    EXPECT_EQ(list.ToStringList(), QStringList({"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add(QStringLiteral("banana")), 1);
    EXPECT_EQ(list.Add(QStringLiteral("APPLE")), 0); // ignored duplicate: index of the one there
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf(QStringLiteral("FIG")), 2);
    EXPECT_EQ(list.IndexOf(QStringLiteral("kiwi")), -1);
    EXPECT_EQ(ListErrorOf([&] { list.Insert(0, QStringLiteral("x")); }),
              QStringLiteral("Operation not allowed on sorted list"));
    list.SetDuplicates(dupError);
    EXPECT_EQ(ListErrorOf([&] { list.Add(QStringLiteral("pear")); }),
              QStringLiteral("String list does not allow duplicates"));
    list.SetDuplicates(dupAccept);
    list.Add(QStringLiteral("pear"));
    EXPECT_EQ(list.ToStringList(), QStringList({"Apple", "banana", "fig", "pear", "pear"}));
}

TEST(TStringList, ChangeEventsAreHeldDuringUpdates)
{
    TStringList list;
    int changes = 0;
    int changing = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.OnChanging = [&](TObject*) { ++changing; };
    list.Add(QStringLiteral("x"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changing, 1);
    list.BeginUpdate();
    list.Add(QStringLiteral("y"));
    list.Add(QStringLiteral("z"));
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
    list.SetText(QStringLiteral("a\nb"));
    EXPECT_EQ(changes, 3); // one notification for the whole text
}

TEST(TStringList, ObjectsValuesAndAssign)
{
    liveCounters = 0;
    {
        TStringList list;
        list.SetOwnsObjects(true);
        list.AddObject(QStringLiteral("first"), new TCounted);
        list.AddObject(QStringLiteral("second"), new TCounted);
        list.Move(0, 1); // moving keeps the object alive
        EXPECT_EQ(liveCounters, 2);
        EXPECT_EQ(list.IndexOfObject(list.Objects(1)), 1);
        list.Delete(0);
        EXPECT_EQ(liveCounters, 1);
        list.PutObject(0, new TCounted); // replacing frees the old one
        EXPECT_EQ(liveCounters, 1);
    }
    EXPECT_EQ(liveCounters, 0);

    TStringList settings;
    settings.SetValue(QStringLiteral("Name"), QStringLiteral("Pelvaro"));
    settings.SetValue(QStringLiteral("Size"), QStringLiteral("8"));
    settings.SetValue(QStringLiteral("size"), QStringLiteral("9"));
    EXPECT_EQ(settings.Values(QStringLiteral("SIZE")), QStringLiteral("9"));
    EXPECT_EQ(settings.Names(0), QStringLiteral("Name"));
    settings.SetValue(QStringLiteral("Name"), QString());
    EXPECT_EQ(settings.Count(), 1);

    TStringList twice;
    twice.Add(QStringLiteral("a"));
    twice.Add(QStringLiteral("b"));
    twice.AddStrings(twice); // adds the two lines once, no runaway
    EXPECT_EQ(twice.ToStringList(), QStringList({"a", "b", "a", "b"}));

    TStringList copy;
    copy.Add(QStringLiteral("old"));
    copy.Assign(&settings);
    EXPECT_TRUE(copy.Equals(settings));
    TList notStrings;
    (void)notStrings;
    TComponent component(nullptr);
    EXPECT_THROW(copy.Assign(&component), EConvertError);
}
