#pragma once

#include "platform/graphics/DevicePen.h"
#include "platform/graphics/Pen.h"

enum TPenEndStyle { esRound, esSquare, esFlat };

// A pen of a chart element: a visible switch, a one-pixel dotted mode and line ends on top of
// the class library's pen. Visible and EndStyle are stored only when they differ from
// per-object defaults that the owner may change.
class TChartPen : public TPen
{
public:
    explicit TChartPen(TNotifyEvent changeHandler = {});

    TPenEndStyle EndStyle() const { return FEndStyle; }
    bool SmallDots() const { return FSmallDots; }
    bool Visible() const { return FVisible; }

    void SetEndStyle(TPenEndStyle value);
    void SetSmallDots(bool value);
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    TPenEndStyle DefaultEndStyle = esRound;
    bool DefaultVisible = true;

    // From a TChartPen: Visible, SmallDots, EndStyle, then colour, width, style and mode;
    // from another pen only the latter.
    void Assign(TPersistent* source) override;

    // Storage rules of the published properties.
    bool IsEndStyleStored() const { return FEndStyle != DefaultEndStyle; }
    bool IsVisibleStored() const { return FVisible != DefaultVisible; }
    bool IsSmallDotsStored() const { return FSmallDots; }
    bool IsColorStored() const override { return Color() != FPublishedColor; }
    bool IsStyleStored() const override { return Style() != FPublishedStyle; }
    bool IsWidthStored() const override { return Width() != FPublishedWidth; }

    // The pen's own properties plus EndStyle, SmallDots and Visible.
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // A preset kind changes a default together with its published default.
    void PresetColor(TColor value);
    void PresetStyle(TPenStyle value);
    void PresetWidth(int32_t value);

private:
    TPenEndStyle FEndStyle = esRound;
    bool FSmallDots = false;
    bool FVisible = true;
    TColor FPublishedColor = clBlack;
    TPenStyle FPublishedStyle = psSolid;
    int32_t FPublishedWidth = 1;
};

// Invisible until made visible.
class TChartHiddenPen : public TChartPen
{
public:
    explicit TChartHiddenPen(TNotifyEvent changeHandler = {});
};

// Grey and dotted.
class TDottedGrayPen : public TChartPen
{
public:
    explicit TDottedGrayPen(TNotifyEvent changeHandler = {});
};

class TDarkGrayPen : public TChartPen
{
public:
    explicit TDarkGrayPen(TNotifyEvent changeHandler = {});
};

// Width 2.
class TChartAxisPen : public TChartPen
{
public:
    explicit TChartAxisPen(TNotifyEvent changeHandler = {});
};

class TWhitePen : public TChartPen
{
public:
    explicit TWhitePen(TNotifyEvent changeHandler = {});
};

// Builds the device pen for a visible chart pen drawn in colour: small dots win over width;
// a pen of width 2 or more is a geometric pen with the chart pen's line ends and joins; a pen
// of width 1 copies the chart pen and takes the colour.
void TeeSetTeePen(TDevicePen& devicePen, const TChartPen& chartPen, TColor color);
