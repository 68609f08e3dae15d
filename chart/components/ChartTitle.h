#pragma once

// The chart's text blocks: two at the top (Title, SubTitle) and two at the bottom (Foot,
// SubFoot). A block normally sits on the edge of the chart rectangle and takes its height out
// of it, so that whatever is drawn afterwards fits in what is left; at a custom position it
// takes no room. TTeeCustomShapePosition carries the custom position and is also the base of
// the legend.

#include "chart/core/TeeCustomShape.h"
#include "platform/StringList.h"

// Horizontal alignment of a text block.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TTeeCustomShapePosition : public TTeeCustomShape
{
public:
    explicit TTeeCustomShapePosition(TCustomTeePanel* AOwner);

    // From another positioned shape: CustomPosition, and Left and Top only when that is on.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

    bool CustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(bool value);
    int Left() const { return ShapeRect.Left; }
    int Top() const { return ShapeRect.Top; }
    // Placing the shape turns the custom position on.
    void SetLeft(int value);
    void SetTop(int value);

private:
    bool FCustomPosition = false;
};

class TChartTitle : public TTeeCustomShapePosition
{
public:
    explicit TChartTitle(TCustomTeePanel* AOwner);
    ~TChartTitle() override;

    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

    bool IsHead() const { return FHead; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AdjustFrame() const { return FAdjustFrame; }
    void SetAdjustFrame(bool value) { SetProp(FAdjustFrame, value); }
    TStringList* Text() const { return FText.get(); }
    void SetText(TStrings* value);

    // Visible and (x, y) inside the block's rectangle.
    bool Clicked(int x, int y) const;
    TRect GetShapeBounds() const { return ShapeRect; }

    // Draws the block and, without a custom position, takes its room out of the parent's
    // chart rectangle.
    void DrawTitle();

protected:
    bool FHead = true;

private:
    TAlignment FAlignment = taCenter;
    bool FAdjustFrame = true;
    std::unique_ptr<TStringList> FText;
};

// A block at the bottom: red italic text, first line lowest.
class TChartFootTitle : public TChartTitle
{
public:
    explicit TChartFootTitle(TCustomTeePanel* AOwner);
};

// Gap between a text block and what follows it, in pixels.
extern int TeeTitleFootDistance;
