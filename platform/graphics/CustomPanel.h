#pragma once

// The class library's panel: a control with a caption, an outer and an inner bevel and a
// border between them. Painting of the bevels is left to the panels that use them.

#include "platform/graphics/CustomControl.h"

class TCustomPanel : public TCustomControl
{
public:
    explicit TCustomPanel(TComponent* AOwner);

    const QString& Caption() const { return FCaption; }
    TBevelCut BevelInner() const { return FBevelInner; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    int32_t BevelWidth() const { return FBevelWidth; }
    int32_t BorderWidth() const { return FBorderWidth; }

    void SetCaption(const QString& value);
    void SetBevelInner(TBevelCut value);
    void SetBevelOuter(TBevelCut value);
    // Widths below 1 (bevel) or 0 (border) are raised to those.
    void SetBevelWidth(int32_t value);
    void SetBorderWidth(int32_t value);

    // A named panel with csSetCaption shows its name until a caption is given.
    void SetName(const QString& newName) override;

private:
    QString FCaption;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int32_t FBevelWidth = 1;
    int32_t FBorderWidth = 0;
};
