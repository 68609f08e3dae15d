#include "chart/core/TeeZoom.h"

#include <QStringList>
#include <utility>

void TZoomPanning::Activate(int x, int y)
{
    X0 = X1 = x;
    Y0 = Y1 = y;
    Active = true;
}

void TZoomPanning::Check()
{
    if (X1 < X0)
        std::swap(X0, X1);
    if (Y1 < Y0)
        std::swap(Y0, Y1);
}

TTeeZoomBrush::TTeeZoomBrush(TNotifyEvent changeHandler) : TChartBrush(std::move(changeHandler))
{
    const TNotifyEvent handler = std::exchange(OnChange, {});
    SetColor(clWhite);
    SetStyle(bsClear);
    OnChange = handler;
}

TTeeZoomPen::TTeeZoomPen(TNotifyEvent changeHandler) : TChartPen(std::move(changeHandler))
{
    PresetColor(clWhite);
}

TTeeZoom::TTeeZoom() = default;
TTeeZoom::~TTeeZoom() = default;

TTeeZoomBrush* TTeeZoom::Brush()
{
    if (!FBrush)
        FBrush = std::make_unique<TTeeZoomBrush>();
    return FBrush.get();
}

TTeeZoomPen* TTeeZoom::Pen()
{
    if (!FPen)
        FPen = std::make_unique<TTeeZoomPen>();
    return FPen.get();
}

void TTeeZoom::SetBrush(TBrush* value)
{
    if (!value)
        FBrush.reset();
    else
        Brush()->Assign(value);
}

void TTeeZoom::SetPen(TPen* value)
{
    if (!value)
        FPen.reset();
    else
        Pen()->Assign(value);
}

void TTeeZoom::Assign(TPersistent* Source)
{
    auto* zoom = dynamic_cast<TTeeZoom*>(Source);
    if (!zoom)
        return;
    FAllow = zoom->FAllow;
    FAnimated = zoom->FAnimated;
    FAnimatedSteps = zoom->FAnimatedSteps;
    SetBrush(zoom->FBrush.get());
    FDirection = zoom->FDirection;
    FKeyShift = zoom->FKeyShift;
    FMouseButton = zoom->FMouseButton;
    SetPen(zoom->FPen.get());
}

void TTeeZoom::DefineProperties(TTeeFiler& filer)
{
    static const QStringList directions = {"tzdHorizontal", "tzdVertical", "tzdBoth"};
    // A bad text reads as false or as the published default, whatever the value held.
    TeeDefineBool(filer, "Allow", FAllow, true, [this](bool v) { SetAllow(v); }, false);
    TeeDefineBool(filer, "Animated", FAnimated, false, [this](bool v) { SetAnimated(v); }, false);
    filer.DefineProperty(
        "AnimatedSteps", [this](const QString& v) { SetAnimatedSteps(TeeTextInt32(v, 8)); },
        [this] { return TeeIntText(FAnimatedSteps); }, FAnimatedSteps != 8);
    filer.DefineObject("Brush", [this](TTeeFiler& f) { Brush()->DefineProperties(f); }, FBrush != nullptr);
    TeeDefineEnum(filer, "Direction", FDirection, tzdBoth, directions, [this](TTeeZoomDirection v) { SetDirection(v); },
                  tzdBoth);
    filer.DefineProperty(
        "KeyShift", [this](const QString& v) { SetKeyShift(static_cast<TShiftState>(TeeTextInt(v))); },
        [this] { return TeeIntText(FKeyShift); }, FKeyShift != 0);
    filer.DefineProperty(
        "MinimumPixels", [this](const QString& v) { SetMinimumPixels(TeeTextInt32(v, 16)); },
        [this] { return TeeIntText(FMinimumPixels); }, FMinimumPixels != 16);
    TeeDefineEnum(filer, "MouseButton", FMouseButton, mbLeft, MouseButtonNames(), [this](TMouseButton v) { SetMouseButton(v); },
                  mbLeft);
    filer.DefineObject("Pen", [this](TTeeFiler& f) { Pen()->DefineProperties(f); }, FPen != nullptr);
}
