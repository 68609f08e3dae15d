#include "platform/Classes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class TLineItem : public TCollectionItem {
public:
    explicit TLineItem(TCollection* c) : TCollectionItem(c) {}
    double x = 0;
    void SetX(double v)
    {
        x = v;
        Changed(false);
    }
    void Assign(TPersistent* Source) override
    {
        if (auto* other = dynamic_cast<TLineItem*>(Source)) {
            x = other->x;
            return;
        }
        TCollectionItem::Assign(Source);
    }
};

class TLines : public TOwnedCollection {
public:
    explicit TLines(TPersistent* owner) : TOwnedCollection(owner, ItemClassOf<TLineItem>()) {}
    ~TLines() override { Clear(); }
    TLineItem* Line(int i) const { return static_cast<TLineItem*>(Items(i)); }
    std::vector<std::string> log;

protected:
    void Update(TCollectionItem* Item) override
    {
        log.push_back(Item ? "update item " + std::to_string(Item->ID()) : "update all");
    }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override
    {
        static const char* names[] = {"added", "extracting", "deleting"};
        log.push_back(std::string(names[Action]) + " " + std::to_string(Item->ID()));
    }
};

} // namespace

TEST(TCollection, CreatesNumbersAndFreesItems)
{
    TComponent holder(nullptr);
    TLines lines(&holder);
    EXPECT_EQ(lines.GetOwner(), &holder);
    auto* a = static_cast<TLineItem*>(lines.Add());
    auto* b = static_cast<TLineItem*>(lines.Add());
    EXPECT_EQ(lines.log, (std::vector<std::string>{"added 0", "update all", "added 1", "update all"}));
    EXPECT_EQ(a->ID(), 0);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(a->GetOwner(), &lines);
    EXPECT_EQ(a->DisplayName(), QStringLiteral("TLineItem"));

    lines.log.clear();
    b->SetX(2.5);
    EXPECT_EQ(lines.log, (std::vector<std::string>{"update item 1"}));

    lines.log.clear();
    lines.Delete(0);
    EXPECT_EQ(lines.log, (std::vector<std::string>{"deleting 0", "extracting 0", "update all"}));
    EXPECT_EQ(b->Index(), 0);

    // Numbers are never reused, even after a deletion.
    auto* c = lines.Insert(0);
    EXPECT_EQ(c->ID(), 2);
    EXPECT_EQ(c->Index(), 0);
    EXPECT_EQ(lines.FindItemID(1), b);
    EXPECT_EQ(lines.FindItemID(0), nullptr);

    try {
        lines.Items(2);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (2)"));
    }
    EXPECT_THROW(c->SetIndex(5), EListError);
    EXPECT_THROW(lines.Insert(4), EListError);

    // Freeing an item takes it out of its collection.
    c->Free();
    EXPECT_EQ(lines.Count(), 1);
}

TEST(TCollection, UpdatesWaitForTheOutermostEndUpdate)
{
    TLines lines(nullptr);
    lines.BeginUpdate();
    lines.Add();
    lines.Add();
    static_cast<TLineItem*>(lines.Items(0))->SetX(1);
    lines.BeginUpdate();
    lines.EndUpdate();
    EXPECT_EQ(lines.log, (std::vector<std::string>{"added 0", "added 1"}));
    lines.EndUpdate();
    EXPECT_EQ(lines.log.back(), "update all");

    lines.log.clear();
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.log, (std::vector<std::string>{"extracting 1", "extracting 0", "update all"}));
}

TEST(TCollection, AssignCopiesItemByItem)
{
    TLines source(nullptr);
    static_cast<TLineItem*>(source.Add())->x = 1;
    static_cast<TLineItem*>(source.Add())->x = 2;
    TLines target(nullptr);
    target.Add();
    target.Add();
    target.Add();
    target.log.clear();
    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Line(0)->x, 1);
    EXPECT_EQ(target.Line(1)->x, 2);
    // One update for the whole copy.
    EXPECT_EQ(std::count(target.log.begin(), target.log.end(), "update all"), 1);

    TLineItem loose(nullptr);
    EXPECT_EQ(loose.Index(), -1);
    loose.SetCollection(&target);
    EXPECT_EQ(loose.Index(), 2);
    loose.SetCollection(nullptr);
    EXPECT_EQ(target.Count(), 2);

    TStringList notACollection;
    EXPECT_THROW(target.Assign(&notACollection), EConvertError);
}

// An item leaving from either end is found there, so a long collection is freed in one pass
// from the back (Clear, the destructor) or from the front (its items freed in order): each
// leaving item costs one look, at n items as at 4n.
TEST(TCollection, ALongCollectionIsFreedInOnePass)
{
    for (const int n : {5000, 20000}) {
        TCollection cleared(TCollection::ItemClassOf<TLineItem>());
        TCollection fromTheFront(TCollection::ItemClassOf<TLineItem>());
        for (int i = 0; i < n; ++i) {
            cleared.Add();
            fromTheFront.Add();
        }
        cleared.Clear();
        EXPECT_EQ(cleared.Count(), 0);
        EXPECT_EQ(cleared.ItemsLookedAt(), n);
        while (fromTheFront.Count() > 0)
            fromTheFront.Delete(0);
        EXPECT_EQ(fromTheFront.ItemsLookedAt(), n);
    }
}
