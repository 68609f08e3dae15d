// The series gallery and tool types, the series factory, and charts stored with their series
// and tools.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <functional>

#include "chart/components/Series.h"
#include "chart/components/TeeSeriesTypes.h"
#include "chart/editors/AllUnits.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/Teeconst.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/Canvas.h"
#include "tests/chart/control/ChartFixture.h"

namespace {

// Forgets what a test entered in the gallery.
struct GalleryScope {
    ~GalleryScope() { TeeSeriesTypes->Clear(); }
};

// Finishing the series and axis units undoes what starting them did, so that the units can
// start again after a finish.
TEST(SeriesTypes, FinishingTheSeriesAndAxisUnitsUndoesTheirStart)
{
    SeriesFinalize();
    for (const char* name : {"TChartSeries", "TFastLineSeries", "TLineSeries", "TPieSeries", "THorizBarSeries"})
        EXPECT_EQ(GetClass(QString::fromLatin1(name)), nullptr) << name;
    SeriesInitialize();
    EXPECT_NE(GetClass(QStringLiteral("THorizBarSeries")), nullptr);
    TeeMaxPixelPos = 32767;
    ChartAxisFinalize();
    EXPECT_EQ(TeeMaxPixelPos, 67108863);
}

// Every unit counts its starts: a second start and one finish leave everything as the first
// start made it.
TEST(SeriesTypes, ANestedStartAndFinishLeavesEveryClassRegistered)
{
    const int tools = TeeToolTypes->Count();
    InitializeAllUnits();
    FinalizeAllUnits();
    for (const char* name : {"TChartSeries", "TCustomLineSeries", "TFastLineSeries", "TCustomSeries", "TLineSeries",
                             "THorizLineSeries", "TPointSeries", "TAreaSeries", "THorizAreaSeries",
                             "TCustomBarSeries", "TBarSeries", "TCircledSeries", "TPieSeries", "THorizBarSeries",
                             "TCursorTool", "TGridBandTool", "TDragPointTool", "TSeriesToolEditor"})
        EXPECT_NE(GetClass(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(TeeToolTypes->Count(), tools);
    EXPECT_EQ(TeeMsg_GalleryLine, "Line");
}

TEST(SeriesTypes, StandardSeriesEnterTheGalleryInOrder)
{
    GalleryScope scope;
    const QString english = TeeMsg_GalleryLine;
    TeeMsg_GalleryLine = QStringLiteral("Linie");
    RegisterTeeStandardSeries();
    RegisterTeeStandardSeries(); // a second time adds nothing
    TeeMsg_GalleryLine = english;
    struct Row {
        const char* cls;
        QString name;
        int series;
    };
    const Row rows[] = {
        {"TLineSeries", "Linie", 2},
        {"TBarSeries", "Bar", 2},
        {"THorizBarSeries", QStringLiteral("Horizontal") + QChar(13) + "Bar", 2},
        {"TAreaSeries", "Area", 2},
        {"TPointSeries", "Point", 2},
        {"TPieSeries", "Pie", 1},
        {"TFastLineSeries", "Fast Line", 2},
        {"THorizLineSeries", QStringLiteral("Horizontal") + QChar(13) + "Line", 1},
        {"THorizAreaSeries", QStringLiteral("Horizontal") + QChar(13) + "Area", 1},
    };
    ASSERT_EQ(TeeSeriesTypes->Count(), 9);
    for (int i = 0; i < 9; ++i) {
        const TTeeSeriesType* t = TeeSeriesTypes->Get(i);
        SCOPED_TRACE(rows[i].cls);
        EXPECT_EQ(t->SeriesClass->Name, rows[i].cls);
        EXPECT_EQ(t->FunctionClass, nullptr);
        EXPECT_EQ(t->GalleryPage(), "Standard");
        EXPECT_EQ(t->NumGallerySeries, rows[i].series);
        // The texts are the message variables, so they follow the language.
        EXPECT_EQ(t->Description(), i == 0 ? english : rows[i].name);
    }
    TComponent owner(nullptr);
    TBarSeries bar(&owner);
    EXPECT_EQ(GetGallerySeriesName(&bar), "Bar");
    UnRegisterTeeSeries({ClassOf<TBarSeries>()});
    EXPECT_EQ(TeeSeriesTypes->Count(), 8);
    EXPECT_EQ(GetGallerySeriesName(&bar), "TBarSeries");
}

TEST(SeriesTypes, FunctionEntriesAreKeptApart)
{
    GalleryScope scope;
    const TPersistentClass line = ClassOf<TLineSeries>();
    const TPersistentClass moving = ClassOf<TTeeMovingFunction>();
    const TPersistentClass plain = ClassOf<TTeeFunction>();
    RegisterTeeSeriesFunction(line, moving, &TeeMsg_GalleryLine, &TeeMsg_GalleryFunctions, 2);
    RegisterTeeSeriesFunction(line, moving, &TeeMsg_GalleryLine, &TeeMsg_GalleryFunctions, 2);
    EXPECT_EQ(TeeSeriesTypes->Count(), 1);
    EXPECT_EQ(TeeSeriesTypes->Find(line), nullptr); // only an entry with a function
    RegisterTeeSeriesFunction(line, plain, &TeeMsg_GalleryLine, &TeeMsg_GalleryFunctions, 2);
    RegisterTeeSeries(line, &TeeMsg_GalleryLine, &TeeMsg_GalleryStandard, 2);
    RegisterTeeBasicFunction(plain, &TeeMsg_GalleryFunctions);
    ASSERT_EQ(TeeSeriesTypes->Count(), 4);
    EXPECT_EQ(TeeSeriesTypes->Find(line), TeeSeriesTypes->Get(2));
    EXPECT_EQ(TeeSeriesTypes->Get(3)->SeriesClass, nullptr);
    EXPECT_EQ(TeeSeriesTypes->Get(3)->GalleryPage(), "Standard");
    EXPECT_EQ(TeeSeriesTypes->Get(3)->NumGallerySeries, 2);
    UnRegisterTeeFunctions({plain});
    EXPECT_EQ(TeeSeriesTypes->Count(), 2);
}

TEST(SeriesTypes, ToolTypesKeepEachClassOnce)
{
    const int before = TeeToolTypes->Count();
    const TPersistentClass a = ClassOf<TTeeCustomToolSeries>();
    const TPersistentClass b = ClassOf<TTeeCustomToolAxis>();
    RegisterTeeTools({a, b, a});
    RegisterTeeTools({b});
    ASSERT_EQ(TeeToolTypes->Count(), before + 2);
    EXPECT_EQ(TeeToolTypes->Get(before), a);
    UnRegisterTeeTools({a, b});
    EXPECT_EQ(TeeToolTypes->Count(), before);
}

TEST(SeriesFactory, NewSeriesFollowTheOwnerOfTheChartsSeries)
{
    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    chart->SetName("Chart1");
    auto* first = new TLineSeries(&form);
    first->SetName("Series1");
    chart->AddSeries(first);
    // Without an owner the chart owns it.
    TChartSeries* second = CreateNewSeries(nullptr, chart, ClassOf<TBarSeries>(), ClassOf<TTeeMovingFunction>());
    EXPECT_EQ(second->Owner(), chart);
    chart->FreeAllSeries();
    TComponent other(nullptr);
    first = new TLineSeries(&form);
    first->SetName("Series1");
    chart->AddSeries(first);
    second = CreateNewSeries(&form, chart, ClassOf<TBarSeries>(), ClassOf<TTeeMovingFunction>());
    EXPECT_EQ(second->Owner(), &form);
    EXPECT_EQ(second->Name(), "Series2");
    EXPECT_EQ(second->ParentChart(), chart);
    EXPECT_EQ(second->ClassName(), "TBarSeries");
    ASSERT_NE(second->FunctionType(), nullptr);
    EXPECT_EQ(second->FunctionType()->Owner(), &form);
    EXPECT_EQ(second->FunctionType()->Name(), "TeeFunction1");
    EXPECT_EQ(second->FunctionType()->ParentSeries(), second);
    TChartSeries* clone = CloneChartSeries(second);
    EXPECT_EQ(clone->Owner(), &form);
    EXPECT_EQ(clone->Name(), "Series3");
    EXPECT_EQ(clone->ClassName(), "TBarSeries");
    ASSERT_NE(clone->FunctionType(), nullptr);
    EXPECT_EQ(clone->FunctionType()->ClassName(), "TTeeMovingFunction");
    // Once the chart owns one of its series, it owns the new ones, named within the chart.
    auto* owned = new TLineSeries(chart);
    chart->AddSeries(owned);
    TChartSeries* third = CreateNewSeries(&other, chart, ClassOf<TLineSeries>());
    EXPECT_EQ(third->Owner(), chart);
    EXPECT_EQ(third->Name(), "Series1");
    EXPECT_THROW(CreateNewSeries(&form, chart, ClassOf<TTeeMovingFunction>()), EInvalidCast);
    chart->FreeAllSeries();
}

TEST(SeriesFactory, ChangingTheTypeKeepsPointsEventsLinksAndPlace)
{
    TComponent form(nullptr);
    TChart chart(&form);
    auto* source = new TLineSeries(&form);
    source->SetName("Source");
    chart.AddSeries(source);
    auto* middle = new TBarSeries(&form);
    chart.AddSeries(middle);
    auto* fed = new TLineSeries(&form);
    chart.AddSeries(fed);
    source->AddXY(1, 10, "a");
    source->AddXY(2, 30, "b");
    fed->SetDataSource(source);
    int clicks = 0;
    source->OnClick = [&](TChartSeries*, int, TMouseButton, TShiftState, int, int) { ++clicks; };
    auto* tool = new TTeeCustomToolSeries(&form);
    chart.Tools()->Add(tool);
    tool->SetSeries(source);

    TChartSeries* series = source;
    ChangeSeriesType(series, ClassOf<TPointSeries>());
    ASSERT_NE(series, source);
    EXPECT_EQ(series->ClassName(), "TPointSeries");
    EXPECT_EQ(series->Name(), "Source");
    EXPECT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.Series(0), series);
    EXPECT_EQ(chart.Series(1), middle);
    ASSERT_EQ(series->Count(), 2);
    EXPECT_EQ(series->YValue(1), 30);
    EXPECT_EQ(series->XLabel(0), "a");
    ASSERT_TRUE(series->OnClick);
    series->OnClick(series, 0, mbLeft, {}, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(fed->DataSource(), series);
    EXPECT_EQ(series->LinkedSeries()->IndexOf(fed), 0);
    EXPECT_EQ(tool->Series(), series);
    // Points added to the new source reach the series it feeds.
    series->AddXY(3, 50);
    EXPECT_EQ(fed->Count(), 3);

    TChartSeries* same = series;
    ChangeSeriesType(same, ClassOf<TPointSeries>());
    EXPECT_EQ(same, series);
    ChangeAllSeriesType(&chart, ClassOf<TAreaSeries>());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(chart.Series(i)->ClassName(), "TAreaSeries");
    EXPECT_EQ(chart.Series(0)->Name(), "Source");
    EXPECT_EQ(chart.Series(2)->DataSource(), chart.Series(0));
    EXPECT_EQ(tool->Series(), chart.Series(0));
}

// A series that cannot take another's settings.
class TRefusingSeries : public TLineSeries
{
public:
    using TLineSeries::TLineSeries;
    void Assign(TPersistent*) override { throw Exception(QStringLiteral("refused")); }
};

struct RefusingSeriesRegistered {
    RefusingSeriesRegistered() { RegisterClassOf<TRefusingSeries>("TRefusingSeries", "TLineSeries"); }
    ~RefusingSeriesRegistered() { UnRegisterClassOf<TRefusingSeries>(); }
};

TEST(SeriesFactory, ChangingTheTypeKeepsTheOwnerAndOnFailureLeavesTheChartAsItWas)
{
    RefusingSeriesRegistered registered;
    TComponent form(nullptr);
    TChart chart(&form);
    // The chart owns the first series and the form the second; each is "Series1" to its owner.
    auto* owned = new TLineSeries(&chart);
    owned->SetName("Series1");
    chart.AddSeries(owned);
    auto* mine = new TBarSeries(&form);
    mine->SetName("Series1");
    chart.AddSeries(mine);
    mine->AddXY(1, 10);
    auto* tool = new TTeeCustomToolSeries(&form);
    chart.Tools()->Add(tool);
    tool->SetSeries(mine);
    const int formComponents = form.ComponentCount();
    const int chartComponents = chart.ComponentCount();

    TChartSeries* series = mine;
    ASSERT_NO_THROW(ChangeSeriesType(series, ClassOf<TPointSeries>()));
    EXPECT_EQ(series->ClassName(), "TPointSeries");
    EXPECT_EQ(series->Owner(), &form);
    EXPECT_EQ(series->Name(), "Series1");
    EXPECT_EQ(chart.Series(1), series);
    EXPECT_EQ(series->Count(), 1);
    EXPECT_EQ(form.ComponentCount(), formComponents);
    EXPECT_EQ(chart.ComponentCount(), chartComponents);

    TChartSeries* before = series;
    EXPECT_THROW(ChangeSeriesType(series, ClassOf<TRefusingSeries>()), Exception);
    EXPECT_EQ(series, before);
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.Series(0), owned);
    EXPECT_EQ(chart.Series(1), before);
    EXPECT_EQ(before->Name(), "Series1");
    EXPECT_EQ(before->Count(), 1);
    EXPECT_EQ(tool->Series(), before);
    EXPECT_EQ(form.ComponentCount(), formComponents);
    EXPECT_EQ(chart.ComponentCount(), chartComponents);
    chart.FreeAllSeries();
}

// A bar series' marks, each setting away from what a new bar or line series starts with, are
// the same after its type changes to a line and on a clone.
TEST(SeriesFactory, ChangingTheTypeOrCloningKeepsTheMarks)
{
    struct Setting {
        const char* name;
        std::function<void(TSeriesMarks*)> set;
        std::function<int64_t(TSeriesMarks*)> get;
        int64_t expected;
    };
    const Setting settings[] = {
        {"Angle", [](TSeriesMarks* m) { m->SetAngle(45); }, [](TSeriesMarks* m) { return m->Angle(); }, 45},
        {"ArrowLength", [](TSeriesMarks* m) { m->SetArrowLength(25); },
         [](TSeriesMarks* m) { return m->ArrowLength(); }, 25},
        {"callout distance", [](TSeriesMarks* m) { m->Callout()->SetDistance(3); },
         [](TSeriesMarks* m) { return m->Callout()->Distance(); }, 3},
        {"arrow colour", [](TSeriesMarks* m) { m->Arrow()->SetColor(clRed); },
         [](TSeriesMarks* m) { return m->Arrow()->Color(); }, clRed},
        {"Clip", [](TSeriesMarks* m) { m->SetClip(true); }, [](TSeriesMarks* m) { return m->Clip(); }, 1},
        {"MultiLine", [](TSeriesMarks* m) { m->SetMultiLine(true); }, [](TSeriesMarks* m) { return m->MultiLine(); },
         1},
        {"DrawEvery", [](TSeriesMarks* m) { m->SetDrawEvery(3); }, [](TSeriesMarks* m) { return m->DrawEvery(); }, 3},
        {"Style", [](TSeriesMarks* m) { m->SetStyle(smsXY); }, [](TSeriesMarks* m) { return m->Style(); }, smsXY},
        {"colour", [](TSeriesMarks* m) { m->SetColor(clYellow); }, [](TSeriesMarks* m) { return m->Color(); },
         clYellow},
        {"font colour", [](TSeriesMarks* m) { m->Font()->SetColor(clGreen); },
         [](TSeriesMarks* m) { return m->Font()->Color(); }, clGreen},
        {"Transparent", [](TSeriesMarks* m) { m->SetTransparent(true); },
         [](TSeriesMarks* m) { return m->Transparent(); }, 1},
        {"frame colour", [](TSeriesMarks* m) { m->Frame()->SetColor(clBlue); },
         [](TSeriesMarks* m) { return m->Frame()->Color(); }, clBlue},
        {"ShapeStyle", [](TSeriesMarks* m) { m->SetShapeStyle(fosRoundRectangle); },
         [](TSeriesMarks* m) { return m->ShapeStyle(); }, fosRoundRectangle},
        {"shadow size", [](TSeriesMarks* m) { m->SetShadowSize(4); },
         [](TSeriesMarks* m) { return m->Shadow()->Size(); }, 4},
        {"Visible", [](TSeriesMarks* m) { m->SetVisible(false); }, [](TSeriesMarks* m) { return m->Visible(); }, 0},
    };
    TComponent form(nullptr);
    TChart chart(&form);
    auto* bar = new TBarSeries(&form);
    chart.AddSeries(bar);
    bar->AddXY(1, 10);
    bar->AddXY(2, 20);
    for (const Setting& s : settings)
        s.set(bar->Marks());
    TChartSeries* clone = CloneChartSeries(bar);
    TChartSeries* changed = bar;
    ChangeSeriesType(changed, ClassOf<TLineSeries>());
    ASSERT_EQ(changed->ClassName(), "TLineSeries");
    for (const Setting& s : settings) {
        EXPECT_EQ(s.get(changed->Marks()), s.expected) << "changed type: " << s.name;
        EXPECT_EQ(s.get(clone->Marks()), s.expected) << "clone: " << s.name;
    }
    chart.FreeAllSeries();
}

TEST(SeriesFactory, LegendSymbolOnAnyCanvas)
{
    TComponent owner(nullptr);
    TBarSeries bar(&owner);
    bar.SetSeriesColor(clRed);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas;
        canvas.BeginPaint(&image);
        PaintSeriesLegend(&bar, &canvas, TRect(4, 4, 30, 16));
        canvas.EndPaint();
    }
    EXPECT_EQ(bar.ParentChart(), nullptr);
    EXPECT_EQ(image.pixel(16, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(36, 10) & 0xFFFFFF, 0xFFFFFFu);
}

// A tool whose constructor sets a pen colour and a size, stored like every tool.
class TProbeTool : public TTeeCustomToolSeries
{
public:
    explicit TProbeTool(TComponent* owner) : TTeeCustomToolSeries(owner) { Pen()->SetColor(clRed); }
    int Size = 5;
    void DefineProperties(TTeeFiler& filer) override
    {
        TTeeCustomToolSeries::DefineProperties(filer);
        TeeDefineObject(filer, "Pen", Pen());
        TeeDefineInt(filer, "Size", Size, 5, [this](int v) {
            if (v >= 0)
                Size = v;
        });
    }
};

class TProbeAxisTool : public TTeeCustomToolAxis
{
public:
    using TTeeCustomToolAxis::TTeeCustomToolAxis;
};

struct ProbeToolsRegistered {
    ProbeToolsRegistered()
    {
        RegisterClassOf<TProbeTool>("TProbeTool", "TTeeCustomToolSeries");
        RegisterClassOf<TProbeAxisTool>("TProbeAxisTool", "TTeeCustomToolAxis");
    }
    ~ProbeToolsRegistered()
    {
        UnRegisterClassOf<TProbeAxisTool>();
        UnRegisterClassOf<TProbeTool>();
    }
};

TEST(ChartStore, SeriesAndToolsReadBackAsWritten)
{
    ProbeToolsRegistered registered;
    TComponent form(nullptr);
    TChart chart(&form);
    auto* line = new TLineSeries(&form);
    line->SetName("Prices");
    line->AddXY(1, 2);
    line->SetValuesEntered(true);
    chart.AddSeries(line);
    auto* bar = new TBarSeries(&form);
    bar->SetName("Counts");
    chart.AddSeries(bar);
    auto* axisTool = new TProbeAxisTool(&form);
    axisTool->SetAxis(chart.LeftAxis());
    auto* probe = new TProbeTool(&form);
    chart.Tools()->Add(probe);
    probe->SetSeries(bar);
    probe->Pen()->SetColor(clBlack); // the pen's own default, not the tool's start
    probe->Size = 7;
    probe->SetActive(false);
    const QString text = TeeWriteProperties(chart);
    EXPECT_TRUE(text.contains("Components.3.Class=TProbeTool\n"));

    TComponent form2(nullptr);
    TChart back(&form2);
    TeeReadProperties(back, text);
    ASSERT_EQ(back.SeriesCount(), 2);
    EXPECT_EQ(back.Series(0)->ClassName(), "TLineSeries");
    EXPECT_EQ(back.Series(0)->Name(), "Prices");
    EXPECT_EQ(back.Series(0)->Owner(), &form2);
    EXPECT_EQ(back.Series(0)->Count(), 1);
    EXPECT_EQ(back.Series(1)->Name(), "Counts");
    ASSERT_EQ(back.Tools()->Count(), 2);
    auto* axisBack = dynamic_cast<TProbeAxisTool*>(back.Tools()->Get(0));
    auto* probeBack = dynamic_cast<TProbeTool*>(back.Tools()->Get(1));
    ASSERT_NE(axisBack, nullptr);
    ASSERT_NE(probeBack, nullptr);
    EXPECT_EQ(axisBack->Axis(), back.LeftAxis());
    EXPECT_EQ(probeBack->Series(), back.Series(1));
    EXPECT_EQ(probeBack->Pen()->Color(), clBlack);
    EXPECT_EQ(probeBack->Size, 7);
    EXPECT_FALSE(probeBack->Active());
    EXPECT_FALSE(probeBack->IsLoading());
    EXPECT_EQ(TeeWriteProperties(back), text);
    back.FreeAllSeries();
    chart.FreeAllSeries();
}

TEST(ChartStore, DamagedToolTextKeepsStartValuesAndTheRest)
{
    ProbeToolsRegistered registered;
    TComponent form(nullptr);
    TChart chart(&form);
    TeeReadProperties(chart, "Components.Count=4\n"
                             "Components.0.Class=TLineSeries\nComponents.0.Name=Series1\n"
                             "Components.1.Class=TNoSuchTool\nComponents.1.Size=3\n"
                             "Components.2.Class=TProbeTool\nComponents.2.Name=bad name\n"
                             "Components.2.Series=Gone\nComponents.2.Size=-4\nComponents.2.Active=maybe\n"
                             "Components.2.Pen.Color=green\n"
                             "Components.3.Class=TProbeAxisTool\nComponents.3.AxisID=99\n"
                             "Legend.Visible=False");
    ASSERT_EQ(chart.SeriesCount(), 1);
    ASSERT_EQ(chart.Tools()->Count(), 2);
    auto* probe = dynamic_cast<TProbeTool*>(chart.Tools()->Get(0));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->Name(), "");
    EXPECT_EQ(probe->Series(), nullptr);
    EXPECT_EQ(probe->Size, 5);
    EXPECT_TRUE(probe->Active());
    EXPECT_EQ(probe->Pen()->Color(), clRed);
    EXPECT_EQ(dynamic_cast<TProbeAxisTool*>(chart.Tools()->Get(1))->Axis(), nullptr);
    EXPECT_FALSE(chart.Legend()->Visible());
    // A count far beyond what is stored reads what is there.
    TChart other(&form);
    TeeReadProperties(other, "Components.Count=2000000000\nComponents.0.Class=TProbeTool");
    EXPECT_EQ(other.Tools()->Count(), 1);
    chart.FreeAllSeries();
}

TEST(ToolBases, FreedSeriesOrAxisLeavesNoReference)
{
    TComponent form(nullptr);
    TChart chart(&form);
    auto* axis = static_cast<TChartAxis*>(chart.CustomAxes()->Add());
    auto* axisTool = new TTeeCustomToolAxis(&form);
    axisTool->SetAxis(axis);
    auto* seriesTool = new TTeeCustomToolSeries(&form);
    chart.Tools()->Add(seriesTool);
    auto* series = new TLineSeries(&form);
    chart.AddSeries(series);
    seriesTool->SetSeries(series);
    chart.CustomAxes()->Delete(0);
    series->Free();
    EXPECT_EQ(axisTool->Axis(), nullptr);
    EXPECT_EQ(axisTool->ParentChart(), &chart);
    EXPECT_EQ(seriesTool->Series(), nullptr);
    EXPECT_EQ(seriesTool->GetHorizAxis(), chart.BottomAxis());
}

} // namespace
