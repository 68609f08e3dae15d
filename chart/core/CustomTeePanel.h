#pragma once

// The chart panel: the control on which every chart is drawn. It owns the paint entry, the
// plot rectangle computed from margins, the panel background and bevels, the listeners of
// panel events, the mouse entry points, the generic property setters of chart elements, and
// export, clipboard and printing. What a chart shows is drawn by InternalDraw, which the axis
// panel supplies.

#include "chart/core/TeeUnits.h"
#include <QImage>
#include <QString>
#include <memory>

#include "chart/core/ChartPen.h"
#include "chart/core/TeeEventListeners.h"
#include "chart/core/TeeShadow.h"
#include "chart/core/TeeZoom.h"
#include "chart/core/View3DOptions.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/CustomPanel.h"
#include "platform/graphics/Printers.h"

class TBrush;
class TCanvas;
class TCanvas3D;
class TPen;
class TPicture;
class TTeeGradient;
class TMetafile;

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum TTeeBackImageMode { pbmStretch, pbmTile, pbmCenter };

// A border style of the class library's forms, read from the stored name "BorderStyle".
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// A panel that never shows its caption.
class TCustomPanelNoCaption : public TCustomPanel
{
public:
    explicit TCustomPanelNoCaption(TComponent* AOwner);
};

class TCustomTeePanel : public TCustomPanelNoCaption, public TView3DParent, public TTeeStoredObject
{
public:
    explicit TCustomTeePanel(TComponent* AOwner);
    ~TCustomTeePanel() override;

    // ---- virtual operations ----
    // From another panel: border, rounding, buffering, print settings, margins, monochrome,
    // shadow, 3D settings and colour.
    void Assign(TPersistent* Source) override;
    // Stored properties; "BorderStyle", read but never written, sets Border.Visible.
    void DefineProperties(TTeeFiler& filer) override;
    // Marks the buffered picture stale and the control for repaint, when RepaintEnabled.
    void Invalidate() override;
    // The colour behind the chart; the chart control gives its own.
    virtual TColor GetBackColor();
    // Draws the chart into the panel bounds (abstract here).
    virtual void InternalDraw(const TRect& UserRectangle);
    // The change handler of owned drawing settings: invalidates.
    virtual void CanvasChanged(TObject* Sender);
    // One paint of the whole panel onto a canvas, within rect.
    virtual void Draw(TCanvas* UserCanvas, const TRect& UserRect);
    // The client rectangle with a window, else (0, 0, Width, Height).
    virtual TRect GetRectangle();
    // Frame of the panel: the border pen, then the outer bevel, border width and inner bevel.
    virtual void DrawPanelBevels(const TRect& Rect);

    // Draw on the control's own canvas over the client rectangle.
    void Draw();

    // ---- settings ----
    int Chart3DPercent() const { return FChart3DPercent; }
    // ChartException TeeMsg_3dPercent outside 1..100; the value stays.
    void Set3DPercent(int value);
    bool SeparateSeriesDepth() const { return FSeparateSeriesDepth; }
    void SetSeparateSeriesDepth(bool value) { SetBooleanProperty(FSeparateSeriesDepth, value); }
    bool RepaintEnabled() const { return FRepaintEnabled; }
    void SetRepaintEnabled(bool value) { FRepaintEnabled = value; }
    TChartHiddenPen* Border() const { return FBorder.get(); }
    void SetBorder(TChartPen* value);
    int BorderRound() const { return FBorderRound; }
    // Also reshapes the window's region.
    void SetBorderRound(int value);
    TFormBorderStyle GetBorderStyle() const;
    void SetBorderStyle(TFormBorderStyle value);

    // Margins by index 0..3 (left, top, right, bottom).
    int GetMargin(int index) const { return FMargins[index]; }
    void SetMargin(int index, int value) { SetIntegerProperty(FMargins[index], value); }
    int MarginLeft() const { return FMargins[0]; }
    int MarginTop() const { return FMargins[1]; }
    int MarginRight() const { return FMargins[2]; }
    int MarginBottom() const { return FMargins[3]; }
    void SetMarginLeft(int value) { SetMargin(0, value); }
    void SetMarginTop(int value) { SetMargin(1, value); }
    void SetMarginRight(int value) { SetMargin(2, value); }
    void SetMarginBottom(int value) { SetMargin(3, value); }
    TTeeUnits MarginUnits() const { return FMarginUnits; }
    void SetMarginUnits(TTeeUnits value);

    const TRect& PrintMargins() const { return FPrintMargins; }
    void SetPrintMargins(const TRect& value) { FPrintMargins = value; }
    bool PrintProportional() const { return FPrintProportional; }
    void SetPrintProportional(bool value) { FPrintProportional = value; }
    int PrintShrinkPercent() const { return FPrintShrinkPercent; }
    void SetPrintShrinkPercent(int value) { FPrintShrinkPercent = value; }

    TTeeShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(TTeeShadow* value);
    bool View3D() const { return FView3D; }
    // Broadcasts a TTeeView3DEvent when the value changed.
    void SetView3D(bool value);
    TView3DOptions* View3DOptions() const { return FView3DOptions.get(); }
    void SetView3DOptions(TView3DOptions* value);

    bool GetMonochrome() const;
    void SetMonochrome(bool value);
    bool GetBufferedDisplay() const;
    void SetBufferedDisplay(bool value);

    // ---- state of the current draw ----
    TCanvas3D* Canvas3D() const { return FCanvas3D.get(); }
    // The control's own canvas, the default destination of drawing.
    TCanvas* ControlCanvas() const { return FControlCanvas.get(); }
    // Whether a frame is being drawn, onto the screen or any other canvas.
    bool IsDrawing() const { return FDrawing; }
    // How many times the back buffer has taken the chart's picture, by a draw or from the
    // canvas's buffered picture: a figure drawn into it since is still on screen.
    int64_t PaintCount() const { return FPaintCount; }
    const TRect& PanelBounds() const { return FPanelBounds; }
    const TRect& PlotRect() const { return FPlotRect; }
    // The plot rectangle as the axis panel adjusts it; ReCalcWidthHeight afterwards.
    void SetPlotRect(const TRect& value) { FPlotRect = value; }
    // Keeps PlotRect inside the panel with a size of at least 1, then PlotWidth, PlotHeight
    // and the centre.
    void ReCalcWidthHeight();
    int PlotWidth() const { return FPlotWidth; }
    int PlotHeight() const { return FPlotHeight; }
    int PlotCenterX() const { return FPlotCenterX; }
    int PlotCenterY() const { return FPlotCenterY; }
    int Depth3DHoriz() const { return FDepth3DHoriz; }
    int Depth3DVert() const { return FDepth3DVert; }
    void SetDepth3DHoriz(int value) { FDepth3DHoriz = value; }
    void SetDepth3DVert(int value) { FDepth3DVert = value; }
    bool MouseCancelled() const { return FMouseCancelled; }
    void SetMouseCancelled(bool value) { FMouseCancelled = value; }
    TCursor SavedCursor() const { return FSavedCursor; }
    void SetSavedCursor(TCursor value) { FSavedCursor = value; }
    TZoomPanning* Panning() const { return FPanning.get(); }
    bool IsPrinting() const { return FIsPrinting; }
    void SetIsPrinting(bool value) { FIsPrinting = value; }
    TTeeEventListeners& Listeners() { return FListeners; }

    // The mouse position in client coordinates.
    TPoint GetCursorPos() const { return ScreenToClientCursor(); }

    // ---- generic setters: store a changed value and invalidate ----
    void SetBooleanProperty(bool& field, bool value);
    void SetIntegerProperty(int& field, int value);
    void SetColorProperty(TColor& field, TColor value);
    void SetDoubleProperty(double& field, double value);
    void SetStringProperty(QString& field, const QString& value);

    // The brush with color on the canvas; a pattern drawn in the back colour would vanish, so
    // it turns black (white on black).
    void SetBrushCanvas(TColor color, TBrush* brush, TColor backColor);
    // While printing, one-pixel pens that are not solid get width 0 (TeeCheckPenWidth).
    void CheckPenWidth(TPen* pen);
    bool IsScreenHighColor();
    // Whether drawing may clip on the current device.
    bool CanClip();
    // Replaces the drawing canvas, keeping its settings.
    void SetInternalCanvas(TCanvas3D* value);

    // ---- listeners ----
    TTeeEvent* BroadcastTeeEvent(TTeeEvent* event);
    void BroadcastMouseEvent(TTeeMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y);
    void RemoveListener(ITeeEventListener* listener) { FListeners.Remove(listener); }

    // ---- mouse and window ----
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void SysColorChange() override;
    bool WantsArrowKeys() const override { return true; }

    // ---- export (the same drawing as the screen, without the buffer) ----
    void NonBufferDraw(TCanvas* ACanvas, const TRect& R);
    void DrawToMetaCanvas(TCanvas* ACanvas, const TRect& Rect);
    // A new picture of rect's size drawn on backColor (left unfilled for white).
    QImage TeeCreateBitmap(TColor backColor, const TRect& rect, QImage::Format format = QImage::Format_RGB32);
    // A new vector picture of rect's size (at least 1 x 1).
    std::unique_ptr<TMetafile> TeeCreateMetafile(bool enhanced, const TRect& rect);
    // Writes a picture file (format by extension: .bmp, .png, ...); false when it failed.
    bool SaveToBitmapFile(const QString& fileName);
    bool SaveToBitmapFile(const QString& fileName, const TRect& rect);
    // Vector files: SVG, or PDF for a ".pdf" name; false when it failed.
    bool SaveToMetafile(const QString& fileName);
    bool SaveToMetafileEnh(const QString& fileName);
    bool SaveToMetafileRect(bool enhanced, const QString& fileName, const TRect& rect);
    void CopyToClipboardBitmap();
    void CopyToClipboardBitmap(const TRect& rect);
    void CopyToClipboardMetafile(bool enhanced);
    void CopyToClipboardMetafile(bool enhanced, const TRect& rect);
    // Into a picture: a bitmap of the panel on its own colour.
    void AssignTo(TPersistent* Dest) override;

    // ---- printing ----
    void Print();
    void PrintPortrait();
    void PrintLandscape();
    void PrintOrientation(TPrinterOrientation orientation);
    void PrintRect(const TRect& rect);
    void PrintPartial(const TRect& rect);
    void PrintPartialCanvas(TCanvas* PrintCanvas, const TRect& PrintRect);
    // The page rectangle in printer pixels from PrintMargins (proportional ones first).
    TRect ChartPrintRect();
    // Margins in percent of the page that keep the panel's proportions.
    TRect CalcProportionalMargins();
    // Expresses r in panel units; returns the print and panel sizes.
    void CalcMetaBounds(TRect& r, const TRect& panelRect, int& printW, int& printH, int& panelW, int& panelH);

protected:
    void Loaded() override;
    void Paint() override;
    void Resize() override;
    void BackBufferReplacing() override;
    void WindowAttached() override;
    // Gives the window the rounded region of BorderRound, or none.
    void SetControlRounded();
    // The drawing canvas is marked while it records a vector picture.
    bool IsMetafiling() const { return FMetafiling; }

private:
    // Feedback draws into the back buffer outside a paint.
    friend class TChartFeedback;

    // The control's canvas drawing into the back buffer: it starts on first use and stays on
    // until the buffer is replaced or the panel freed.
    TCanvas* BufferCanvas();
    void EndControlCanvas();
    void ReadBorderStyle(const QString& value);

    int FChart3DPercent = 15;
    bool FSeparateSeriesDepth = true;
    bool FRepaintEnabled = false;
    std::unique_ptr<TChartHiddenPen> FBorder;
    int FBorderRound = 0;
    bool FMouseCancelled = false;
    TRect FPanelBounds;
    int FPlotWidth = 0;
    int FPlotHeight = 0;
    int FPlotCenterX = 0;
    int FPlotCenterY = 0;
    std::unique_ptr<TCanvas> FControlCanvas;
    bool FControlCanvasActive = false;
    bool FDrawing = false;
    int64_t FPaintCount = 0;
    int FDepth3DVert = 0;
    int FMargins[4] = {3, 4, 3, 4};
    TTeeUnits FMarginUnits = muPercent;
    TCursor FSavedCursor = crDefault;
    std::unique_ptr<TZoomPanning> FPanning;
    bool FIsPrinting = false;
    TRect FPrintMargins = TRect(15, 15, 15, 15);
    bool FPrintProportional = true;
    int FPrintShrinkPercent = 0;
    std::unique_ptr<TTeeShadow> FShadow;
    bool FView3D = true;
    std::unique_ptr<TView3DOptions> FView3DOptions;
    int FDepth3DHoriz = 0;
    TTeeEventListeners FListeners;
    bool FSettingRegion = false;
    std::unique_ptr<TCanvas3D> FCanvas3D;
    TRect FPlotRect;
    bool FMetafiling = false;
};

// A bevel of the given cut on canvas: light and dark frame, or a rounded outline.
void DrawBevel(TCanvas3D* canvas, TBevelCut bevel, TRect& r, int round, int width);

// The panel with a background (gradient, back image), zoom settings and panning.
class TCustomTeePanelExtended : public TCustomTeePanel
{
public:
    explicit TCustomTeePanelExtended(TComponent* AOwner);
    ~TCustomTeePanelExtended() override;

    void DefineProperties(TTeeFiler& filer) override;
    void Assign(TPersistent* Source) override;
    // The gradient when visible, else the panel colour (not while printing without
    // PrintTeePanel, nor for clNone).
    virtual void FillPanelRect(const TRect& Rect);
    // Background of a draw: shadow, fill, back image and bevels.
    virtual void PanelPaint(const TRect& UserRect);
    // Calls OnUndoZoom, invalidates and clears Zoomed.
    virtual void UndoZoom();

    TPanningMode AllowPanning() const { return FAllowPanning; }
    void SetAllowPanning(TPanningMode value) { FAllowPanning = value; }
    bool BackImageInside() const { return FBackImageInside; }
    void SetBackImageInside(bool value) { SetBooleanProperty(FBackImageInside, value); }
    TTeeBackImageMode BackImageMode() const { return FBackImageMode; }
    void SetBackImageMode(TTeeBackImageMode value);
    // Created on first read.
    TTeeGradient* Gradient();
    bool HasGradient() const { return FGradient != nullptr; }
    // None frees the gradient; anything else is copied into it.
    void SetGradient(TTeeGradient* value);
    TTeeZoom* Zoom() const { return FZoom.get(); }
    void SetZoom(TTeeZoom* value) { FZoom->Assign(value); }
    bool Zoomed() const { return FZoomed; }
    void SetZoomed(bool value) { FZoomed = value; }
    // Created on first read; its changes repaint.
    TPicture* BackImage();
    // None frees the picture; anything else is copied into it.
    void SetBackImage(TPicture* value);
    bool HasBackImage() const;
    bool BackImageTransp() const;
    void SetBackImageTransp(bool value);

    // The back image over rect at depth z (0 for the flat panel background).
    void DrawBitmap(const TRect& Rect, int Z);
    // The zoom rectangle in exclusive-or fashion: drawn twice, it is gone.
    void DrawZoomRectangle();

    bool GetAllowZoom() { return FZoom->Allow(); }
    void SetAllowZoom(bool value) { FZoom->SetAllow(value); }
    bool GetAnimatedZoom() { return FZoom->Animated(); }
    void SetAnimatedZoom(bool value) { FZoom->SetAnimated(value); }
    int GetAnimatedZoomSteps() { return FZoom->AnimatedSteps(); }
    void SetAnimatedZoomSteps(int value) { FZoom->SetAnimatedSteps(value); }

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnScroll;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnZoom;

private:
    TPanningMode FAllowPanning = pmBoth;
    bool FBackImageInside = false;
    TTeeBackImageMode FBackImageMode = pbmStretch;
    std::unique_ptr<TTeeGradient> FGradient;
    std::unique_ptr<TTeeZoom> FZoom;
    bool FZoomed = false;
    std::unique_ptr<TPicture> FBackImage;
};
