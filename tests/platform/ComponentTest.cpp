#include "platform/Classes.h"
#include "platform/Platform.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* AOwner, const char* tag = "") : TComponent(AOwner), label(tag) {}
    ~TProbe() override { journal.push_back("free " + label); }

    std::string label;
    std::vector<std::string> told;
    int loadedCalls = 0;
    bool sawDestroyingWhenTold = false;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        auto* probe = dynamic_cast<TProbe*>(AComponent);
        told.push_back(std::string(Operation == opInsert ? "insert " : "remove ")
                       + (probe ? probe->label : std::string("?")));
        if (probe && Operation == opRemove)
            sawDestroyingWhenTold = AComponent->IsDestroying();
        journal.push_back(label + " told " + told.back());
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++loadedCalls;
        journal.push_back("loaded " + label);
    }
};

class TPlainA : public TPersistent {
public:
    int value = 0;
    void Assign(TPersistent* Source) override
    {
        if (auto* a = dynamic_cast<TPlainA*>(Source)) {
            value = a->value;
            return;
        }
        TPersistent::Assign(Source);
    }
};

class TPlainB : public TPersistent {};

// Knows how to copy itself into a TPlainA, which does not know it.
class TPlainC : public TPersistent {
public:
    int value = 7;

protected:
    void AssignTo(TPersistent* Dest) override
    {
        if (auto* a = dynamic_cast<TPlainA*>(Dest)) {
            a->value = value;
            return;
        }
        TPersistent::AssignTo(Dest);
    }
};

} // namespace

TEST(Persistent, AssignErrorNamesBothClasses)
{
    TPlainA a;
    TPlainB b;
    try {
        a.Assign(&b);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TPlainB to a TPlainA"));
    }
    try {
        a.Assign(nullptr);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a nil to a TPlainA"));
        EXPECT_STREQ(e.what(), "Cannot assign a nil to a TPlainA");
    }
    TPlainA other;
    other.value = 3;
    a.Assign(&other);
    EXPECT_EQ(a.value, 3);
    TPlainC c;
    a.Assign(&c); // the source's AssignTo steps in
    EXPECT_EQ(a.value, 7);
    EXPECT_THROW(b.Assign(&c), EConvertError);
}

TEST(Component, OwnerFreesChildrenLastFirst)
{
    journal.clear();
    auto* owner = new TProbe(nullptr, "owner");
    auto* a = new TProbe(owner, "a");
    new TProbe(owner, "b");
    new TProbe(a, "a1");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(1)->ComponentIndex(), 1);
    EXPECT_EQ(a->Owner(), owner);
    journal.clear();
    owner->Free();
    const std::vector<std::string> expected = {"free owner", "free b", "free a", "free a1"};
    EXPECT_EQ(journal, expected);
}

TEST(Component, TheOwnerTellsTheFamilyMembersThatAskedToHear)
{
    auto* owner = new TProbe(nullptr, "owner");
    auto* a = new TProbe(owner, "a");
    auto* b = new TProbe(owner, "b");
    auto* quiet = new TProbe(owner, "quiet");
    // The owner hears of a new component while its constructor runs: it is still only a
    // TComponent then, so only its address and component part can be used.
    EXPECT_EQ(owner->told, (std::vector<std::string>{"insert ?", "insert ?", "insert ?"}));
    // Within one owner the request is kept by the owner, both ways.
    a->FreeNotification(b);
    auto* c = new TProbe(nullptr, "c");
    owner->InsertComponent(c); // a finished component is told in full
    EXPECT_EQ(owner->told.back(), "insert c");

    b->Free(); // a hears of it while b is still a TProbe and marked as destroying
    EXPECT_EQ(owner->told.back(), "remove b");
    EXPECT_EQ(a->told, (std::vector<std::string>{"remove b"}));
    EXPECT_TRUE(a->sawDestroyingWhenTold);
    // Nobody asked about the newcomer or the quiet one, which asked about nobody.
    EXPECT_TRUE(quiet->told.empty());
    EXPECT_TRUE(c->told.empty());

    // A request within the family ends when one of the two leaves it.
    c->FreeNotification(quiet);
    TProbe other(nullptr, "other");
    other.InsertComponent(quiet);
    EXPECT_EQ(c->told, (std::vector<std::string>{"remove quiet"}));
    quiet->Free();
    EXPECT_EQ(c->told.size(), 1u);
    owner->Free();
}

// Whoever asked nothing is told nothing, so a family of n costs in proportion to n: each
// probe asks about the one made before it, and they are freed from the front.
TEST(Component, AnnouncementsGrowWithTheFamilyNotItsSquare)
{
    auto announced = [](int n) {
        TComponent owner(nullptr);
        std::vector<TProbe*> probes;
        for (int i = 0; i < n; ++i) {
            probes.push_back(new TProbe(&owner));
            if (i > 0)
                probes[i]->FreeNotification(probes[i - 1]);
        }
        size_t told = 0;
        for (TProbe* p : probes) {
            told += p->told.size();
            p->Free();
        }
        return told;
    };
    EXPECT_EQ(announced(200), 199u);
    EXPECT_EQ(announced(800), 799u);
}

TEST(Component, FreeNotificationReachesAComponentOfAnotherOwner)
{
    journal.clear();
    auto* formA = new TProbe(nullptr, "formA");
    auto* formB = new TProbe(nullptr, "formB");
    auto* series = new TProbe(formA, "series");
    auto* tool = new TProbe(formB, "tool");
    tool->FreeNotification(series);
    EXPECT_TRUE(tool->ComponentState().Contains(csFreeNotification));

    tool->told.clear();
    series->Free();
    EXPECT_EQ(tool->told, (std::vector<std::string>{"remove series"}));

    // The link is gone both ways: freeing the tool later must not reach the freed series.
    tool->Free();
    formA->Free();
    formB->Free();
}

TEST(Component, FreeNotificationWorksBothWaysAndCanBeRemoved)
{
    auto* x = new TProbe(nullptr, "x");
    auto* y = new TProbe(nullptr, "y");
    auto* z = new TProbe(nullptr, "z");
    x->FreeNotification(y);
    x->FreeNotification(z);
    x->RemoveFreeNotification(z);

    x->Free(); // y hears, because the link goes both ways
    EXPECT_EQ(y->told, (std::vector<std::string>{"remove x"}));
    EXPECT_TRUE(z->told.empty());
    y->Free();
    z->Free();
}

TEST(Component, PlainDeleteStillNotifiesAndFreesChildren)
{
    journal.clear();
    auto* watcher = new TProbe(nullptr, "watcher");
    auto* target = new TProbe(nullptr, "target");
    new TProbe(target, "child");
    watcher->FreeNotification(target);
    delete target;
    // The watcher hears of the target before the target's children go. A plain delete runs
    // the probe's own destructor first, so by then the target is a bare component ("?"), as
    // the child still was when its owner heard of its insertion.
    EXPECT_EQ(watcher->told, (std::vector<std::string>{"remove ?"}));
    EXPECT_EQ(journal, (std::vector<std::string>{"target told insert ?", "free target", "watcher told remove ?",
                                                 "free child"}));
    delete watcher;
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner)
{
    TProbe owner(nullptr, "owner");
    auto* a = new TProbe(&owner, "a");
    auto* b = new TProbe(&owner, "b");
    a->SetName(QStringLiteral("Series1"));
    EXPECT_EQ(owner.FindComponent(QStringLiteral("series1")), a);
    try {
        b->SetName(QStringLiteral("SERIES1"));
        FAIL() << "duplicate accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("A component named SERIES1 already exists"));
    }
    try {
        b->SetName(QStringLiteral("1Series"));
        FAIL() << "bad name accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'1Series' is not a valid component name"));
    }
    EXPECT_THROW(b->SetName(QStringLiteral("Series 2")), EComponentError);
    EXPECT_TRUE(b->Name().isEmpty());
    a->SetName(QStringLiteral("SERIES1")); // renaming itself in another case is fine
    a->SetName(QString());
    b->SetName(QString()); // several unnamed components may share an owner
    b->SetName(QStringLiteral("_x9"));
    EXPECT_EQ(owner.FindComponent(QStringLiteral("_X9")), b);

    // Moving a component to an owner that already has its name is refused.
    TProbe other(nullptr, "other");
    auto* c = new TProbe(&other, "c");
    c->SetName(QStringLiteral("_x9"));
    EXPECT_THROW(owner.InsertComponent(c), EComponentError);
    EXPECT_EQ(c->Owner(), &other);
    c->SetName(QStringLiteral("Moved"));
    owner.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &owner);
    EXPECT_EQ(other.ComponentCount(), 0);
    EXPECT_THROW(owner.Components(3), EListError);
}

// The owner's index of names answers FindComponent (and refuses a taken name) as a plain look
// at every owned component would, through renames, moves, releases and frees.
TEST(Component, TheIndexOfNamesAnswersAsAPlainLook)
{
    TComponent first(nullptr);
    TComponent second(nullptr);
    TComponent* const owners[2] = {&first, &second};
    enum TStep { Make, Rename, Move, Release, Free };
    // Make: a component in owners[at] named name; the others act on made[at].
    const struct {
        TStep step;
        int at;
        const char* name;
        bool refused;
    } steps[] = {
        {Make, 0, "Alpha", false},   // made[0]
        {Make, 0, "Beta", false},    // made[1]
        {Make, 1, "alpha", false},   // made[2]: the same name in another owner
        {Make, 0, "BETA", true},     // made[3]: left without a name
        {Rename, 0, "Gamma", false}, // Alpha is free again
        {Rename, 1, "gamma", true},
        {Rename, 1, "Alpha", false},
        {Rename, 0, "GAMMA", false}, // itself in another case
        {Move, 2, "", true},         // owners[0] has an Alpha already
        {Rename, 2, "Delta", false},
        {Move, 2, "", false},
        {Rename, 3, "delta", true},
        {Free, 1, "", false},
        {Rename, 3, "Alpha", false},
        {Release, 0, "", false},
        {Rename, 2, "", false},
        {Make, 0, "Gamma", false},   // made[4]: the released one took its name along
        {Move, 4, "", false},
        {Rename, 2, "Gamma", false},
        {Free, 4, "", false},
        {Free, 3, "", false},
    };
    const QStringList names = {"alpha", "ALPHA", "Beta", "gamma", "GAMMA", "delta", "Epsilon"};
    auto plainLook = [](const TComponent& owner, const QString& name) -> TComponent* {
        for (int i = 0; i < owner.ComponentCount(); ++i)
            if (SameText(owner.Components(i)->Name(), name))
                return owner.Components(i);
        return nullptr;
    };
    std::vector<TComponent*> made;
    std::unique_ptr<TComponent> released;
    int done = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(done++);
        bool refused = false;
        try {
            switch (s.step) {
            case Make:
                made.push_back(new TComponent(owners[s.at]));
                made.back()->SetName(QString::fromLatin1(s.name));
                break;
            case Rename: made[s.at]->SetName(QString::fromLatin1(s.name)); break;
            case Move: (made[s.at]->Owner() == owners[0] ? owners[1] : owners[0])->InsertComponent(made[s.at]); break;
            case Release:
                made[s.at]->Owner()->RemoveComponent(made[s.at]);
                released.reset(made[s.at]);
                break;
            case Free: made[s.at]->Free(); break;
            }
        } catch (const EComponentError&) {
            refused = true;
        }
        EXPECT_EQ(refused, s.refused);
        for (const TComponent* owner : owners)
            for (const QString& name : names)
                EXPECT_EQ(owner->FindComponent(name), plainLook(*owner, name)) << qPrintable(name);
    }
}

TEST(Component, LoadingEndsWithLoadedOnEveryComponent)
{
    TProbe owner(nullptr, "owner");
    auto* a = new TProbe(&owner, "a");
    journal.clear();
    owner.BeginLoading();
    EXPECT_TRUE(owner.IsLoading());
    EXPECT_TRUE(a->ComponentState().Contains(csReading));
    owner.EndLoading();
    EXPECT_FALSE(owner.IsLoading());
    EXPECT_FALSE(a->IsLoading());
    EXPECT_FALSE(a->ComponentState().Contains(csReading));
    EXPECT_EQ(journal, (std::vector<std::string>{"loaded a", "loaded owner"}));
    owner.SetDesigning(true);
    EXPECT_TRUE(a->IsDesigning());
    auto* late = new TProbe(&owner, "late"); // joins an owner being designed
    EXPECT_TRUE(late->IsDesigning());
    owner.SetDesigning(false);
    EXPECT_FALSE(late->IsDesigning());
}

TEST(Component, ClassNameIsThePlainClassName)
{
    TProbe p(nullptr);
    EXPECT_EQ(p.ClassName(), QStringLiteral("TProbe"));
    TComponent c(nullptr);
    EXPECT_EQ(c.ClassName(), QStringLiteral("TComponent"));
    TStringList list;
    EXPECT_EQ(list.ClassName(), QStringLiteral("TStringList"));
}

TEST(ClassRegistry, FindsAndCreatesByName)
{
    RegisterClass(QStringLiteral("TComponent"), QString(), [](TComponent* o) { return new TComponent(o); });
    RegisterClassOf<TProbe>(QStringLiteral("TProbe"), QStringLiteral("TComponent"));
    RegisterClassOf<TPlainA>(QStringLiteral("TPlainA"), QString());

    TPersistentClass probeClass = GetClass(QStringLiteral("tprobe"));
    ASSERT_NE(probeClass, nullptr);
    EXPECT_EQ(probeClass->Name, QStringLiteral("TProbe"));
    EXPECT_TRUE(probeClass->InheritsFrom(QStringLiteral("TComponent")));
    EXPECT_TRUE(probeClass->InheritsFrom(QStringLiteral("TProbe")));
    EXPECT_FALSE(probeClass->InheritsFrom(QStringLiteral("TPlainA")));
    EXPECT_FALSE(probeClass->InheritsFrom(QString()));
    EXPECT_EQ(GetClass(QStringLiteral("Nothing")), nullptr);

    try {
        FindClass(QStringLiteral("TNothing"));
        FAIL() << "found an unregistered class";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Class TNothing not found"));
    }

    TComponent owner(nullptr);
    TComponent* made = CreateComponentByName(QStringLiteral("TProbe"), &owner);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassName(), QStringLiteral("TProbe"));
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(owner.ComponentCount(), 1);

    EXPECT_THROW(CreateComponentByName(QStringLiteral("TPlainA"), &owner), EInvalidCast);
    EXPECT_EQ(owner.ComponentCount(), 1);

    UnRegisterClass(QStringLiteral("TPROBE"));
    EXPECT_EQ(GetClass(QStringLiteral("TProbe")), nullptr);
    UnRegisterClass(QStringLiteral("TPlainA"));
    UnRegisterClass(QStringLiteral("TComponent"));
}

TEST(ClassRegistry, ClassNameIsTheRegisteredName)
{
    TPlainA a;
    TPlainB b;
    TPersistentClass first = RegisterClassOf<TPlainA>(QStringLiteral("TRenamedA"), QString());
    EXPECT_EQ(a.ClassName(), QStringLiteral("TRenamedA"));
    EXPECT_EQ(ClassOf<TPlainA>(), first);
    // Registering again keeps the entry that class references point to.
    EXPECT_EQ(RegisterClassOf<TPlainA>(QStringLiteral("TRENAMEDA"), QStringLiteral("TObject")), first);
    EXPECT_EQ(first->ParentName, QStringLiteral("TObject"));
    try {
        a.Assign(&b);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TPlainB to a TRENAMEDA"));
    }
    UnRegisterClassOf<TPlainA>();
    EXPECT_EQ(GetClass(QStringLiteral("TRenamedA")), nullptr);
    EXPECT_EQ(a.ClassName(), QStringLiteral("TPlainA"));
    UnRegisterClassOf<TPlainA>(); // not registered: nothing happens
}

TEST(Exceptions, EveryErrorIsAnException)
{
    auto caught = [](auto&& raise) {
        try {
            raise();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QStringLiteral("not caught");
    };
    EXPECT_EQ(caught([] { throw EAbstractError(); }), QStringLiteral("Abstract Error"));
    EXPECT_EQ(caught([] { TList().Delete(0); }), QStringLiteral("List index out of bounds (0)"));
    EXPECT_EQ(caught([] { FindClass(QStringLiteral("TX")); }), QStringLiteral("Class TX not found"));
    EXPECT_EQ(caught([] { TComponent(nullptr).SetName(QStringLiteral("a b")); }),
              QStringLiteral("'a b' is not a valid component name"));
    EXPECT_EQ(caught([] { throw EInvalidCast(QStringLiteral("cast")); }), QStringLiteral("cast"));
}

TEST(Platform, NestedStartUpKeepsTheRegistry)
{
    RegisterClassOf<TPlainA>(QStringLiteral("TPlainA"), QString());
    PlatformInitialize(); // a second start-up changes nothing
    PlatformFinalize();   // and its finish is not the last one
    EXPECT_NE(GetClass(QStringLiteral("TPlainA")), nullptr);
    UnRegisterClass(QStringLiteral("TPlainA"));
}
