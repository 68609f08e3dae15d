// The bar series in the gallery: its preparation, sample size and variants.

#include "chart/components/BarSeries.h"
#include "chart/components/TeeSeriesTypes.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"
#include "platform/ClassRegistry.h"

namespace {

// The variants after the bar styles: the stacked ones (when offered), then the side-by-side ones.
constexpr int firstMultiBarVariant = 6;
constexpr int lastMultiBarVariant = 10;
constexpr int stackVariantCount = 3;
constexpr TMultiBar multiBarVariants[] = {mbStacked, mbStacked100, mbSelfStack, mbSide, mbSideAll};

// A new series of the same class on the same chart, owned and named as the factory does.
TCustomBarSeries* NewSeriesBeside(TCustomBarSeries* series)
{
    TCustomAxisPanel* chart = series->ParentChart();
    const TPersistentClass cls = GetClass(series->ClassName());
    if (!chart || !cls)
        return nullptr;
    return dynamic_cast<TCustomBarSeries*>(CreateNewSeries(series->Owner(), chart, cls));
}

} // namespace

void TCustomBarSeries::PrepareForGallery(bool isEnabled)
{
    TChartSeries::PrepareForGallery(isEnabled);
    SetBarWidthPercent(85);
    SetMultiBar(mbNone);
}

int TCustomBarSeries::NumSampleValues() const
{
    // As many points as the bars already beside it, so that the sample lines up with them.
    TCustomAxisPanel* chart = ParentChart();
    for (int i = 0; chart && i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->Series(i);
        if (s != this && SameClass(s))
            return s->Count();
    }
    return 6;
}

void TCustomBarSeries::CreateSubGallery(TSubGallery& gallery)
{
    TChartSeries::CreateSubGallery(gallery);
    gallery.Add(TeeMsg_Colors);
    gallery.Add(TeeMsg_Pyramid);
    gallery.Add(TeeMsg_Ellipse);
    gallery.Add(TeeMsg_InvPyramid);
    gallery.Add(TeeMsg_Gradient);
    if (SubGalleryStack()) {
        gallery.Add(TeeMsg_Stack);
        gallery.Add(TeeMsg_Stack100);
        gallery.Add(TeeMsg_SelfStack);
    }
    gallery.Add(TeeMsg_Sides);
    gallery.Add(TeeMsg_SideAll);
}

void TCustomBarSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetColorEachPoint(true); return;
    case 2: SetBarStyle(bsPyramid); return;
    case 3: SetBarStyle(bsEllipse); return;
    case 4: SetBarStyle(bsInvPyramid); return;
    case 5: SetBarStyle(bsRectGradient); return;
    default: break;
    }
    // Without the stacked variants the side-by-side ones follow the bar styles directly.
    const int variant = SubGalleryStack() ? index : index + stackVariantCount;
    if (index < firstMultiBarVariant || variant > lastMultiBarVariant)
        return;
    // Several bars per point need a second series to show.
    TCustomBarSeries* other = nullptr;
    TCustomAxisPanel* chart = ParentChart();
    if (chart && chart->SeriesCount() == 1) {
        FillSampleValues(2);
        other = NewSeriesBeside(this);
        if (other) {
            other->SetTitle(QString());
            other->FillSampleValues(2);
            other->Marks()->SetVisible(false);
            other->SetBarWidthPercent(BarWidthPercent());
        }
        Marks()->SetVisible(false);
    }
    const TMultiBar mode = multiBarVariants[variant - firstMultiBarVariant];
    SetMultiBar(mode);
    if (other)
        other->SetMultiBar(mode);
}
