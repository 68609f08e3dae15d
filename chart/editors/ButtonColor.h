#pragma once

#include "chart/editors/TeeButton.h"

// Supplies the colour a colour button shows.
using TButtonGetColorProc = std::function<TColor()>;

// A button that shows a colour swatch and edits a colour property with the colour dialog.
class TButtonColor : public TTeeButton
{
    Q_OBJECT
public:
    explicit TButtonColor(QWidget* parent = nullptr);

    TButtonGetColorProc GetColorProc;
    // The click event, raised after the colour changed (or on a click without an object).
    std::function<void(TButtonColor* sender)> OnClick;

    // The callback's colour, else the linked property's colour resolved to RGB, else clNone.
    TColor GetTeeColor() const;
    // Edits the colour and, when it changed (or without an object), raises OnClick.
    void Click();

    // The swatch rectangle (device coordinates, right and bottom outside).
    QRect SwatchRect() const;

protected:
    void DrawSymbol(TCanvas3D* canvas) override;
};
