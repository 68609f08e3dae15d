#include "platform/TeeFiler.h"

#include <gtest/gtest.h>

namespace {

enum TKind { kA, kB, kC };

const QStringList kindNames{"kA", "kB", "kC"};

class TInner : public TTeeStoredObject
{
public:
    int32_t Count = 3;
    void DefineProperties(TTeeFiler& filer) override
    {
        TeeDefineInt(filer, "Count", Count, 3, [this](int32_t v) { Count = v; });
    }
};

// One property of each kind, starting from values other than the zero of their type.
class TSample : public TTeeStoredObject
{
public:
    bool Flag = true, Plain = false, InnerStored = true;
    int32_t Count = 5, Width = 20;
    double Ratio = 0.5;
    TColor Tint = clBlack;
    TKind Kind = kA;
    TInner Inner;

    void DefineProperties(TTeeFiler& filer) override
    {
        TeeDefineBool(filer, "Flag", Flag, true, [this](bool v) { Flag = v; });
        // Any text but "True" reads as false here.
        TeeDefineBool(filer, "Plain", Plain, false, [this](bool v) { Plain = v; }, false);
        TeeDefineInt(filer, "Count", Count, 5, [this](int32_t v) { Count = v; });
        TeeDefineInt(filer, "Width", Width, 20, [this](int32_t v) { Width = v; }, 20);
        TeeDefineFloat(filer, "Ratio", Ratio, 0.5, [this](double v) { Ratio = v; });
        TeeDefineColor(filer, "Tint", Tint, clBlack, [this](TColor v) { Tint = v; });
        TeeDefineEnum(filer, "Kind", Kind, kA, kindNames, [this](TKind v) { Kind = v; });
        TeeDefineObject(filer, "Inner", &Inner, InnerStored);
    }
};

TEST(TeeFilerHelpers, WriteOnlyWhatDiffersFromTheStart)
{
    TSample sample;
    EXPECT_EQ(TeeWriteProperties(sample), QString());

    sample.Flag = false;
    sample.Plain = true;
    sample.Count = 0;
    sample.Width = 21;
    sample.Ratio = 0.25;
    sample.Tint = 0x010203;
    sample.Kind = kC;
    sample.Inner.Count = 4;
    EXPECT_EQ(TeeWriteProperties(sample), QString("Flag=False\nPlain=True\nCount=0\nWidth=21\nRatio=0.25\n"
                                                  "Tint=66051\nKind=kC\nInner.Count=4"));

    // A nested object that is not stored writes nothing of its own.
    sample.InnerStored = false;
    EXPECT_FALSE(TeeWriteProperties(sample).contains("Inner"));

    // Read into a fresh object, the text gives the same object back.
    sample.InnerStored = true;
    const QString text = TeeWriteProperties(sample);
    TSample back;
    TeeReadProperties(back, text);
    EXPECT_EQ(TeeWriteProperties(back), text);
    EXPECT_EQ(back.Tint, 0x010203u);
    EXPECT_EQ(back.Kind, kC);
}

TEST(TeeFilerHelpers, BadTextKeepsTheCurrentValueUnlessAFallbackIsGiven)
{
    TSample sample;
    TeeReadProperties(sample, "Flag=False\nPlain=True\nCount=9\nWidth=30\nRatio=2.5\nTint=65280\nKind=kB\n"
                              "Inner.Count=8");
    TeeReadProperties(sample, "Flag=yes\nPlain=yes\nCount=nine\nWidth=wide\nRatio=\nTint=green\nKind=kD\n"
                              "Inner.Count=12x");
    EXPECT_FALSE(sample.Flag);
    EXPECT_FALSE(sample.Plain);
    EXPECT_EQ(sample.Count, 9);
    EXPECT_EQ(sample.Width, 20);
    EXPECT_EQ(sample.Ratio, 2.5);
    EXPECT_EQ(sample.Tint, 0x00FF00u);
    EXPECT_EQ(sample.Kind, kB);
    EXPECT_EQ(sample.Inner.Count, 8);

    // Names are matched exactly: an enumeration name in another case is unknown too.
    TeeReadProperties(sample, "Kind=kc\nFlag=TRUE");
    EXPECT_EQ(sample.Kind, kB);
    EXPECT_TRUE(sample.Flag);
}

// A property with its own rule is written by that rule alone, whatever its value.
TEST(TeeFilerHelpers, OwnRuleDecidesStoring)
{
    struct TRuled : TTeeStoredObject {
        int32_t Size = 4;
        bool Rule = false;
        void DefineProperties(TTeeFiler& filer) override
        {
            TeeDefineInt(filer, "Size", Size, TeeStored(Rule), [this](int32_t v) { Size = v; });
        }
    } ruled;
    ruled.Size = 7;
    EXPECT_EQ(TeeWriteProperties(ruled), QString());
    ruled.Size = 4;
    ruled.Rule = true;
    EXPECT_EQ(TeeWriteProperties(ruled), QString("Size=4"));
}

// A text saved with CR-LF line ends reads as with LF: no value keeps the CR.
TEST(TeeFilerHelpers, EitherLineEndReadsTheSame)
{
    for (const char* end : {"\n", "\r\n"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CR-LF" : "LF");
        TSample sample;
        TTeePropertyReader reader(QString("Flag=False%1Plain=True%1Kind=kC%1Tint=65280%1Inner.Count=4%1").arg(end));
        sample.DefineProperties(reader);
        EXPECT_FALSE(sample.Flag);
        EXPECT_TRUE(sample.Plain);
        EXPECT_EQ(sample.Kind, kC);
        EXPECT_EQ(sample.Tint, 0x00FF00u);
        EXPECT_EQ(sample.Inner.Count, 4);
        EXPECT_EQ(reader.Unread(), QStringList());
    }
}

} // namespace
