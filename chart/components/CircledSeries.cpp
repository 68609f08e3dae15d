#include "chart/components/CircledSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/components/Chart.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/Teeconst.h"
#include "platform/TeeFiler.h"
#include "platform/Types.h"

namespace {
constexpr double kDegree = 0.017453292519943295;
}

TCircledSeries::TCircledSeries(TComponent* AOwner)
    : TChartSeries(AOwner), FCircleGradient(std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); }))
{
    SetVisiblePointsOnly(false);
    XValues()->SetName(TeeMsg_ValuesAngle);
}

TCircledSeries::~TCircledSeries()
{
    TCustomAxisPanel* chart = ParentChart();
    if (chart && FSaved3D && !chart->ComponentState().Contains(csDestroying) && chart->View3DOptions())
        chart->View3DOptions()->Assign(FSaved3D.get());
}

void TCircledSeries::SetRotationAngle(int value)
{
    SetIntegerProperty(FRotationAngle, value % 360);
    FRotation = FRotationAngle * kDegree;
}

void TCircledSeries::SetCircled(bool value)
{
    FCircled = value;
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) {
        Repaint();
        return;
    }
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCircledSeries*>(chart->Series(i));
        if (!s || !(s == this || SameClass(s)))
            continue;
        s->FCircled = value;
        if (!s->ComponentState().Contains(csLoading)) {
            s->FCustomXRadius = 0;
            s->FCustomYRadius = 0;
        }
    }
    Repaint();
}

void TCircledSeries::SetCustomXRadius(int value)
{
    FCustomXRadius = value;
    if (TCustomAxisPanel* chart = ParentChart())
        for (int i = 0; i < chart->SeriesCount(); ++i)
            if (auto* s = dynamic_cast<TCircledSeries*>(chart->Series(i)); s && (s == this || SameClass(s)))
                s->FCustomXRadius = value;
    Repaint();
}

void TCircledSeries::SetCustomYRadius(int value)
{
    FCustomYRadius = value;
    if (TCustomAxisPanel* chart = ParentChart())
        for (int i = 0; i < chart->SeriesCount(); ++i)
            if (auto* s = dynamic_cast<TCircledSeries*>(chart->Series(i)); s && (s == this || SameClass(s)))
                s->FCustomYRadius = value;
    Repaint();
}

void TCircledSeries::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TCircledSeries*>(source)) {
        FCircled = other->FCircled;
        FRotationAngle = other->FRotationAngle;
        FRotation = other->FRotation;
        FCustomXRadius = other->FCustomXRadius;
        FCustomYRadius = other->FCustomYRadius;
        FCircleBackColor = other->FCircleBackColor;
        FCircleGradient->Assign(other->FCircleGradient.get());
    }
    TChartSeries::Assign(source);
}

void TCircledSeries::DefineProperties(TTeeFiler& filer)
{
    TChartSeries::DefineProperties(filer);
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineBool(filer, "Circled", FCircled, false, [this](bool v) { SetCircled(v); }, false);
    TeeDefineInt(filer, "CustomXRadius", FCustomXRadius, 0, [this](int32_t v) { SetCustomXRadius(v); }, 0);
    TeeDefineInt(filer, "CustomYRadius", FCustomYRadius, 0, [this](int32_t v) { SetCustomYRadius(v); }, 0);
}

// ---- the chart's 3D settings ----

void TCircledSeries::SetParentProperties(bool restore)
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || chart->ComponentState().Contains(csDestroying) || !chart->View3DOptions() ||
        (chart->Canvas3D() && chart->Canvas3D()->GetSupportsFullRotation()))
        return;
    TView3DOptions* view = chart->View3DOptions();
    if (restore && (!Active() || ComponentState().Contains(csDestroying))) {
        if (FSaved3D) {
            view->Assign(FSaved3D.get());
            FSaved3D.reset();
        }
        return;
    }
    if (restore || FSaved3D)
        return;
    FSaved3D = std::make_unique<TView3DOptions>(nullptr);
    FSaved3D->Assign(view);
    view->SetOrthogonal(false);
    view->SetRotation(360);
    view->SetElevation(315);
    view->SetPerspective(0);
    view->SetTilt(0);
}

void TCircledSeries::SetParentChart(TCustomAxisPanel* value)
{
    if (value == ParentChart()) {
        TChartSeries::SetParentChart(value);
        return;
    }
    // Leaving: the chart gets its own settings back.
    if (ParentChart() && FSaved3D && ParentChart()->View3DOptions()) {
        ParentChart()->View3DOptions()->Assign(FSaved3D.get());
        FSaved3D.reset();
    }
    TChartSeries::SetParentChart(value);
    if (value && Active())
        SetParentProperties(false);
}

void TCircledSeries::SetActive(bool value)
{
    TChartSeries::SetActive(value);
    SetParentProperties(!value);
}

// ---- circle geometry ----

void TCircledSeries::AdjustCircleRect()
{
    TRect& r = FCircleRect;
    if ((r.Right - r.Left) % 2 != 0)
        --r.Right;
    if ((r.Bottom - r.Top) % 2 != 0)
        --r.Bottom;
    if (r.Right - r.Left < 4)
        r.Right = r.Left + 4;
    if (r.Bottom - r.Top < 4)
        r.Bottom = r.Top + 4;
    FCircleWidth = r.Right - r.Left;
    FCircleHeight = r.Bottom - r.Top;
    FCircleXCenter = (r.Left + r.Right) / 2;
    FCircleYCenter = (r.Top + r.Bottom) / 2;
}

void TCircledSeries::CalcRadius()
{
    if (FCustomXRadius != 0) {
        FXRadius = FCustomXRadius;
        FCircleWidth = 2 * FCustomXRadius;
    } else {
        FXRadius = FCircleWidth / 2;
    }
    if (FCustomYRadius != 0) {
        FYRadius = FCustomYRadius;
        FCircleHeight = 2 * FCustomYRadius;
    } else {
        FYRadius = FCircleHeight / 2;
    }
    FCircleRect = TRect(FCircleXCenter - FXRadius, FCircleYCenter - FYRadius, FCircleXCenter + FXRadius,
                        FCircleYCenter + FYRadius);
}

void TCircledSeries::ShrinkForMarks(TChartSeries* series, TRect& rect)
{
    TCanvas3D* canvas = ParentChart()->Canvas3D();
    TSeriesMarks* marks = series->Marks();
    int length = marks->ArrowLength();
    if (marks->Frame()->Visible())
        length += 2 * marks->Frame()->Width();
    canvas->AssignFont(marks->Font());
    const int height = canvas->FontHeight();
    rect.Top += length + height;
    rect.Bottom -= length + height;
    const int width = canvas->TextWidth(QStringLiteral("W")) + series->MaxMarkWidth() + length;
    rect.Left += width;
    rect.Right -= width;
}

double TCircledSeries::DevicePixelRatio(TCanvas3D* canvas)
{
    const TDeviceSize d = canvas->GetDeviceSize();
    if (d.Width <= 0 || d.Height <= 0 || d.WidthMM <= 0 || d.HeightMM <= 0)
        return 1.0;
    return (static_cast<double>(d.Width) / d.Height) / (d.WidthMM / d.HeightMM);
}

void TCircledSeries::DoBeforeDrawValues()
{
    TChartSeries::DoBeforeDrawValues();
    TCustomAxisPanel* chart = ParentChart();
    if (!chart)
        return;
    FCircleRect = chart->PlotRect();
    AdjustCircleRect();
    if (Marks()->Visible()) {
        ShrinkForMarks(this, FCircleRect);
        AdjustCircleRect();
    } else {
        // Pies without marks take the size of the first kin that shows marks, so that pies
        // side by side match.
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->Series(i);
            if (s != this && SameClass(s) && s->Marks()->Visible()) {
                ShrinkForMarks(s, FCircleRect);
                AdjustCircleRect();
                break;
            }
        }
    }
    if (FCircled) {
        // Round on the device: the radii keep the proportion of its pixels.
        CalcRadius();
        const double ratio = DevicePixelRatio(chart->Canvas3D());
        const int c = Round(FYRadius * ratio);
        if (c < FXRadius) {
            FCircleRect.Left += FXRadius - c;
            FCircleRect.Right -= FXRadius - c;
        } else {
            const int a = FYRadius - Round(FXRadius / ratio);
            FCircleRect.Top += a;
            FCircleRect.Bottom -= a;
        }
        AdjustCircleRect();
    }
    CalcRadius();
}

TPoint TCircledSeries::AngleToPos(double angle, double xRadius, double yRadius) const
{
    return TPoint(FCircleXCenter + Round(std::cos(angle + FRotation) * xRadius),
                  FCircleYCenter - Round(std::sin(angle + FRotation) * yRadius));
}

double TCircledSeries::PointToAngle(int x, int y) const
{
    double result;
    if (x == FCircleXCenter) {
        result = y > FCircleYCenter ? -M_PI / 2 : M_PI / 2;
    } else if (FXRadius == 0 || FYRadius == 0) {
        result = 0;
    } else {
        result = std::atan2(static_cast<double>(FCircleYCenter - y) / FYRadius,
                            static_cast<double>(x - FCircleXCenter) / FXRadius);
    }
    if (result < 0)
        result += 2 * M_PI;
    result -= FRotation;
    if (result < 0)
        result += 2 * M_PI;
    return result;
}

TColor TCircledSeries::CalcCircleBackColor() const
{
    TColor result = FCircleBackColor;
    TCustomAxisPanel* chart = ParentChart();
    if (result == clDefault && chart) {
        if (chart->IsPrinting()) {
            result = clWhite;
        } else if (auto* full = dynamic_cast<TCustomChart*>(chart)) {
            if (!full->BackWall()->Transparent())
                result = full->BackWall()->Color();
        }
        if (result == clDefault)
            result = chart->Color();
    }
    return result;
}

void TCircledSeries::DrawCircleGradient()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !FCircleGradient->Visible() || (chart->View3D() && !chart->View3DOptions()->Orthogonal()))
        return;
    TCanvas3D* canvas = chart->Canvas3D();
    TRect r = FCircleRect;
    if (chart->View3D())
        r = canvas->CalcRect3D(r, EndZ());
    canvas->ClipRectangle(r);
    FCircleGradient->Draw(canvas, r);
    canvas->UnClipRectangle();
}

void TCircledSeries::PrepareLegendCanvas(int, TColor& backColor, TBrushStyle&)
{
    backColor = CalcCircleBackColor();
}
