#pragma once

// Framed shapes: the box behind every chart text element (titles, legend, walls, axis titles,
// marks) and the lighter brush-and-pen base of the series pointer. A shape draws on its parent
// panel's canvas: optionally rotated, blended, with a shadow, a gradient or brush fill, a frame
// and a bevel.

#include <memory>

#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "chart/core/TeeFont.h"
#include "chart/core/TeeShadow.h"
#include "platform/Persistent.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/ControlTypes.h"

class TCanvas3D;
class TCustomTeePanel;
class TTeeGradient;

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle };

// Makes the gradient a shape fills with, given its change handler.
using TTeeGradientClass = std::unique_ptr<TTeeGradient> (*)(TNotifyEvent changeHandler);

class TTeeCustomShapeBrushPen : public TPersistent, public TTeeStoredObject
{
public:
    TTeeCustomShapeBrushPen();
    ~TTeeCustomShapeBrushPen() override;

    // From another shape: brush, pen and Visible.
    void Assign(TPersistent* Source) override;
    // The panel that shows the shape (not owned; may be none).
    virtual void SetParent(TCustomTeePanel* value) { FParent = value; }
    TCustomTeePanel* Parent() const { return FParent; }

    TChartBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TChartBrush* value) { FBrush->Assign(value); }
    TChartPen* Pen() const { return FPen.get(); }
    void SetPen(TChartPen* value) { FPen->Assign(value); }
    bool Visible() const { return FVisible; }
    // Repaints through the parent when there is one.
    void SetVisible(bool value);

    // Invalidates the parent panel.
    void Repaint();
    // The change handler of the owned drawing settings.
    void CanvasChanged(TObject* Sender);

    // Brush, Pen (published as PenName) and Visible.
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // A changed property repaints the parent.
    void PropertyChanged() override { Repaint(); }
    // A derived shape may fill with its own brush class.
    explicit TTeeCustomShapeBrushPen(std::unique_ptr<TChartBrush> brush);
    // The name under which the pen is stored ("Frame" for text shapes).
    virtual QString PenName() const { return QStringLiteral("Pen"); }
    // Visible is stored when it differs from the shape's start value (shown).
    virtual bool IsVisibleStored() const { return !FVisible; }
    TNotifyEvent ChangeHandler();

private:
    std::unique_ptr<TChartBrush> FBrush;
    TCustomTeePanel* FParent = nullptr;
    std::unique_ptr<TChartPen> FPen;
    bool FVisible = true;
};

class TTeeCustomShape : public TTeeCustomShapeBrushPen
{
public:
    explicit TTeeCustomShape(TCustomTeePanel* AOwner);
    ~TTeeCustomShape() override;

    void DefineProperties(TTeeFiler& filer) override;
    // From another shape: bevel, colour, font, gradient, style, shadow and Transparent (not
    // Transparency nor ShapeRect), then brush, pen and Visible.
    void Assign(TPersistent* Source) override;

    TBevelCut Bevel() const { return FBevel; }
    void SetBevel(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(TTeeFont* value) { FFont->Assign(value); }
    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(TTeeShadow* value) { FShadow->Assign(value); }
    TChartObjectShapeStyle ShapeStyle() const { return FShapeStyle; }
    void SetShapeStyle(TChartObjectShapeStyle value);
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Created on first read.
    TTeeGradient* Gradient();
    bool HasGradient() const { return FGradient != nullptr; }
    // None frees the gradient; anything else is copied into it.
    void SetGradient(TTeeGradient* value);
    TChartPen* Frame() const { return Pen(); }
    void SetFrame(TChartPen* value) { SetPen(value); }

    TColor ShadowColor() const { return FShadow->Color(); }
    void SetShadowColor(TColor value) { FShadow->SetColor(value); }
    int ShadowSize() const { return FShadow->Size(); }
    void SetShadowSize(int value) { FShadow->SetSize(value); }

    // The box in panel coordinates, set by the owner before drawing.
    TRect ShapeRect;
    // Transparent is stored only when it differs from this; an owner that makes its shape
    // transparent from the start sets it too.
    bool DefaultTransparent = false;

    // DrawRectRotated(ShapeRect, 0, 0).
    void Draw();
    // angle in whole degrees; z a depth for canvases that draw in full 3D.
    void DrawRectRotated(const TRect& rect, int angle = 0, int z = 0);

protected:
    QString PenName() const override { return QStringLiteral("Frame"); }
    // Color is stored when it differs from white; a shape that starts in another colour says so.
    virtual bool IsColorStored() const { return FColor != clWhite; }
    // The kind of gradient created on first read; a shape with other gradient defaults
    // returns its own.
    virtual TTeeGradientClass GetGradientClass() const;

private:
    void DrawOutline(TCanvas3D* canvas, const TRect& rect, int angle, int z);

    TBevelCut FBevel = bvNone;
    int FBevelWidth = 2;
    TColor FColor = clWhite;
    std::unique_ptr<TTeeFont> FFont;
    std::unique_ptr<TTeeShadow> FShadow;
    TChartObjectShapeStyle FShapeStyle = fosRectangle;
    int FTransparency = 0;
    bool FTransparent = false;
    std::unique_ptr<TTeeGradient> FGradient;
};

// The concrete shape.
class TTeeShape : public TTeeCustomShape
{
public:
    using TTeeCustomShape::TTeeCustomShape;
};
