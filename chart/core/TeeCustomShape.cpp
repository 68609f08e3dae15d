#include "chart/core/TeeCustomShape.h"

#include <QStringList>
#include <algorithm>
#include <utility>

#include "chart/core/CustomTeePanel.h"
#include "chart/core/HitTests.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeGeometry.h"
#include "chart/core/TeeGradient.h"
#include "platform/graphics/ColorNames.h"

// ---- brush and pen base ----

TTeeCustomShapeBrushPen::TTeeCustomShapeBrushPen() : TTeeCustomShapeBrushPen(nullptr) {}

TTeeCustomShapeBrushPen::TTeeCustomShapeBrushPen(std::unique_ptr<TChartBrush> brush) : FBrush(std::move(brush))
{
    if (!FBrush)
        FBrush = std::make_unique<TChartBrush>();
    FBrush->OnChange = ChangeHandler();
    FPen = std::make_unique<TChartPen>(ChangeHandler());
}

TTeeCustomShapeBrushPen::~TTeeCustomShapeBrushPen() = default;

TNotifyEvent TTeeCustomShapeBrushPen::ChangeHandler()
{
    return [this](TObject* sender) { CanvasChanged(sender); };
}

void TTeeCustomShapeBrushPen::SetVisible(bool value)
{
    SetProp(FVisible, value);
}

void TTeeCustomShapeBrushPen::Repaint()
{
    if (FParent)
        FParent->Invalidate();
}

void TTeeCustomShapeBrushPen::CanvasChanged(TObject*)
{
    Repaint();
}

void TTeeCustomShapeBrushPen::Assign(TPersistent* Source)
{
    auto* shape = dynamic_cast<TTeeCustomShapeBrushPen*>(Source);
    if (!shape) {
        TPersistent::Assign(Source);
        return;
    }
    FBrush->Assign(shape->FBrush.get());
    FPen->Assign(shape->FPen.get());
    FVisible = shape->FVisible;
}

void TTeeCustomShapeBrushPen::DefineProperties(TTeeFiler& filer)
{
    TeeDefineObject(filer, "Brush", FBrush.get());
    TeeDefineObject(filer, PenName(), FPen.get());
    TeeDefineBool(filer, "Visible", FVisible, TeeStored(IsVisibleStored()), [this](bool v) { SetVisible(v); });
}

// ---- the framed shape ----

TTeeCustomShape::TTeeCustomShape(TCustomTeePanel* AOwner)
{
    SetParent(AOwner);
    FFont = std::make_unique<TTeeFont>(ChangeHandler());
    FShadow = std::make_unique<TTeeShadow>();
    FShadow->DefaultColor = clBlack;
    FShadow->DefaultSize = 3;
    FShadow->SetColor(clBlack);
    FShadow->SetSize(3);
    FShadow->OnChange = ChangeHandler();
}

TTeeCustomShape::~TTeeCustomShape()
{
    FShadow.reset();
    FFont.reset();
    FGradient.reset();
}

void TTeeCustomShape::SetBevel(TBevelCut value)
{
    SetProp(FBevel, value);
}

void TTeeCustomShape::SetBevelWidth(int value)
{
    SetProp(FBevelWidth, value);
}

void TTeeCustomShape::SetShapeStyle(TChartObjectShapeStyle value)
{
    SetProp(FShapeStyle, value);
}

void TTeeCustomShape::SetTransparency(int value)
{
    SetProp(FTransparency, value);
}

void TTeeCustomShape::SetColor(TColor value)
{
    SetProp(FColor, value);
}

void TTeeCustomShape::SetTransparent(bool value)
{
    SetProp(FTransparent, value);
}

TTeeGradientClass TTeeCustomShape::GetGradientClass() const
{
    return [](TNotifyEvent changeHandler) { return std::make_unique<TTeeGradient>(std::move(changeHandler)); };
}

TTeeGradient* TTeeCustomShape::Gradient()
{
    if (!FGradient)
        FGradient = GetGradientClass()(ChangeHandler());
    return FGradient.get();
}

void TTeeCustomShape::SetGradient(TTeeGradient* value)
{
    if (!value) {
        FGradient.reset();
        Repaint();
        return;
    }
    Gradient()->Assign(value);
    Repaint();
}

void TTeeCustomShape::Assign(TPersistent* Source)
{
    if (auto* shape = dynamic_cast<TTeeCustomShape*>(Source)) {
        FBevel = shape->FBevel;
        FBevelWidth = shape->FBevelWidth;
        FColor = shape->FColor;
        FFont->Assign(shape->FFont.get());
        if (shape->FGradient)
            Gradient()->Assign(shape->FGradient.get());
        else
            FGradient.reset();
        FShapeStyle = shape->FShapeStyle;
        FShadow->Assign(shape->FShadow.get());
        FTransparent = shape->FTransparent;
    }
    TTeeCustomShapeBrushPen::Assign(Source);
}

void TTeeCustomShape::DefineProperties(TTeeFiler& filer)
{
    static const QStringList bevels = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    static const QStringList styles = {"fosRectangle", "fosRoundRectangle"};
    TTeeCustomShapeBrushPen::DefineProperties(filer);
    // An unknown bevel reads as none.
    TeeDefineEnum(filer, "Bevel", FBevel, bvNone, bevels, [this](TBevelCut v) { SetBevel(v); }, bvNone);
    TeeDefineInt(filer, "BevelWidth", FBevelWidth, 2, [this](int32_t v) { SetBevelWidth(v); });
    TeeDefineColor(filer, "Color", FColor, TeeStored(IsColorStored()), [this](TColor v) { SetColor(v); });
    TeeDefineObject(filer, "Font", FFont.get());
    filer.DefineObject("Gradient", [this](TTeeFiler& f) { Gradient()->DefineProperties(f); }, FGradient != nullptr);
    TeeDefineObject(filer, "Shadow", FShadow.get());
    // A bad text reads as the published default or as false, whatever the value held.
    TeeDefineEnum(filer, "ShapeStyle", FShapeStyle, fosRectangle, styles,
                  [this](TChartObjectShapeStyle v) { SetShapeStyle(v); }, fosRectangle);
    TeeDefineBool(filer, "Transparent", FTransparent, DefaultTransparent, [this](bool v) { SetTransparent(v); }, false);
    // Only a percentage is a transparency; anything else read is damage and leaves it.
    TeeDefineInt(filer, "Transparency", FTransparency, 0, [this](int32_t v) {
        if (v >= 0 && v <= 100)
            SetTransparency(v);
    });
    // The shadow is also read under the shape's own names, never written there; a colour may be
    // given by name.
    filer.DefineProperty(
        "ShadowColor",
        [this](const QString& v) {
            TColor color;
            if (!IdentToColor(v, color))
                color = static_cast<TColor>(TeeTextInt(v, FShadow->Color()));
            FShadow->SetColor(color);
        },
        {}, false);
    filer.DefineProperty(
        "ShadowSize", [this](const QString& v) { FShadow->SetSize(static_cast<int>(TeeTextInt(v, 3))); }, {},
        false);
}

void TTeeCustomShape::Draw()
{
    DrawRectRotated(ShapeRect, 0, 0);
}

void TTeeCustomShape::DrawOutline(TCanvas3D* canvas, const TRect& rect, int angle, int z)
{
    if (angle > 0) {
        const TFourPoints corners = RectToFourPoints(rect, angle);
        canvas->Polygon(corners.data(), 3);
    } else if (canvas->GetSupportsFullRotation()) {
        canvas->RectangleWithZ(rect, z);
    } else if (FShapeStyle == fosRoundRectangle) {
        canvas->RoundRect(rect, 16, 16);
    } else {
        canvas->Rectangle(rect);
    }
}

void TTeeCustomShape::DrawRectRotated(const TRect& rect, int angle, int z)
{
    if (FTransparent || !Parent())
        return;
    TCanvas3D* canvas = Parent()->Canvas3D();
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        TRect area = rect;
        if (angle != 0) {
            const TFourPoints corners = RectToFourPoints(rect, angle);
            area = RectFromPolygon(corners.data(), 4);
        }
        blend = canvas->BeginBlending(area, static_cast<uint8_t>(std::clamp(FTransparency, 0, 100)));
    }
    if (FShadow->Size() != 0 && Brush()->Style() != bsClear && !canvas->GetSupportsFullRotation()) {
        int h = FShadow->HorizSize();
        int v = FShadow->VertSize();
        // The shadow starts where a visible frame ends.
        if (std::max(h, v) > 0 && Pen()->Visible()) {
            h += Pen()->Width();
            v += Pen()->Width();
        }
        canvas->Pen()->SetStyle(psClear);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(FShadow->Color());
        TRect shifted = rect;
        shifted.Offset(h, v);
        TTeeBlend* shadowBlend =
            FShadow->Transparency() > 0 ? canvas->BeginBlending(shifted, FShadow->Transparency()) : nullptr;
        DrawOutline(canvas, shifted, angle, z);
        if (shadowBlend)
            canvas->EndBlending(shadowBlend);
    }
    if (FGradient && FGradient->Visible()) {
        if (angle < 1)
            FGradient->Draw(canvas, rect, FShapeStyle == fosRoundRectangle ? 16 : 0);
        else
            FGradient->Draw(canvas, RectToFourPoints(rect, angle));
        canvas->Brush()->SetStyle(bsClear);
    } else {
        canvas->AssignBrushColor(Brush(), FColor, clNone);
    }
    canvas->AssignVisiblePen(Pen());
    DrawOutline(canvas, rect, angle, z);
    if (angle == 0) {
        TRect r = rect;
        DrawBevel(canvas, FBevel, r, 0, FBevelWidth);
    }
    if (blend)
        canvas->EndBlending(blend);
}
