// The pie's sample values and gallery variants.

#include "chart/components/PieSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"
#include "chart/core/View3DOptions.h"
#include "platform/Random.h"

void TPieSeries::AddSampleValues(int numValues)
{
    const QString labels[8] = {TeeMsg_PieSample1, TeeMsg_PieSample2, TeeMsg_PieSample3, TeeMsg_PieSample4,
                               TeeMsg_PieSample5, TeeMsg_PieSample6, TeeMsg_PieSample7, TeeMsg_PieSample8};
    for (int i = 0; i < numValues; ++i)
        Add(Random(1000) + 1, labels[i % 8], clDefault);
}

void TPieSeries::DisableRotation()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !chart->View3DOptions())
        return;
    TView3DOptions* view = chart->View3DOptions();
    view->SetOrthogonal(false);
    view->SetRotation(0);
    view->SetElevation(305);
}

// The gallery pie: eight samples in a deep 3D view seen from the front, marks close to the
// slices.
void TPieSeries::PrepareForGallery(bool isEnabled)
{
    TCircledSeries::PrepareForGallery(isEnabled);
    FillSampleValues(8);
    if (ParentChart())
        ParentChart()->Set3DPercent(75);
    Marks()->SetArrowLength(0);
    Marks()->SetDrawEvery(1);
    DisableRotation();
    SetColorEachPoint(isEnabled);
}

void TPieSeries::GalleryChanged3D(bool value)
{
    TCircledSeries::GalleryChanged3D(value);
    DisableRotation();
    SetCircled(!value);
}

void TPieSeries::CreateSubGallery(TSubGallery& gallery)
{
    TCircledSeries::CreateSubGallery(gallery);
    gallery.Add(TeeMsg_Patterns);
    gallery.Add(TeeMsg_Exploded);
    gallery.Add(TeeMsg_Shadow);
    gallery.Add(TeeMsg_Marks);
    gallery.Add(TeeMsg_SemiPie);
    gallery.Add(TeeMsg_NoBorder);
    gallery.Add(TeeMsg_DarkPen);
}

void TPieSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetUsePatterns(true); break;
    case 2: SetExplodeBiggest(30); break;
    case 3:
        FShadow->SetHorizSize(10);
        FShadow->SetVertSize(10);
        break;
    case 4:
        Marks()->SetVisible(true);
        Clear();
        AddPie(30, QStringLiteral("A"));
        AddPie(70, QStringLiteral("B"));
        break;
    case 5: SetAngleSize(180); break;
    case 6: PiePen()->SetVisible(false); break;
    case 7: SetDarkPen(true); break;
    default: break;
    }
}
