#pragma once

#include "chart/core/ChartPen.h"

// The pen of an axis grid: dotted grey, plus whether lines sit between the labels and where
// along the depth the grid is drawn. ZPosition is stored only when it differs from the default
// that the owning axis gives it.
class TAxisGridPen : public TDottedGrayPen
{
public:
    explicit TAxisGridPen(TNotifyEvent changeHandler = {});

    bool Centered() const { return FCentered; }
    double ZPosition() const { return FZPosition; }
    // Both notify the owner only when the value changes.
    void SetCentered(bool value);
    void SetZ(double value);

    // The owner's default for ZPosition; sets the value too.
    void SetDefaultZ(double value);
    double DefaultZ() const { return FDefaultZ; }
    bool IsZStored() const { return FZPosition != FDefaultZ; }

    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    bool FCentered = false;
    double FZPosition = 0;
    double FDefaultZ = 0;
};
