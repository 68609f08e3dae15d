#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/Colors.h"
#include "platform/Types.h"
#include "platform/TeeFiler.h"
#include "platform/Persistent.h"

// Transparency percent, 0 to 100.
using TTeeTransparency = uint8_t;

// A drop shadow: colour, offsets and transparency. Colour and sizes are stored only when
// they differ from defaults that the owner sets to its own.
class TCanvas3D;
class TTeeBlend;

class TTeeShadow : public TPersistent, public TTeeStoredObject
{
public:
    explicit TTeeShadow(TNotifyEvent changeHandler = {});

    TColor Color() const { return FColor; }
    int32_t HorizSize() const { return FHorizSize; }
    int32_t VertSize() const { return FVertSize; }
    TTeeTransparency Transparency() const { return FTransparency; }
    int32_t Size() const { return std::max(FHorizSize, FVertSize); }

    void SetColor(TColor value);
    void SetHorizSize(int32_t value);
    void SetVertSize(int32_t value);
    void SetTransparency(TTeeTransparency value);
    // Sets both offsets.
    void SetSize(int32_t value);

    // Brush in the shadow colour, no pen, and the blending of a transparent shadow started over
    // the shifted rect projected at z; false (nothing prepared) for no colour or no size.
    bool PrepareCanvas(TCanvas3D* canvas, const TRect& rect, int32_t z = 0);
    // The strips under and to the right of rect.
    void Draw(TCanvas3D* canvas, const TRect& rect);
    // The ellipse of rect shifted by the sizes, at depth z.
    void DrawEllipse(TCanvas3D* canvas, const TRect& rect, int32_t z = 0);

    // From another shadow: colour, sizes and transparency.
    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

    TColor DefaultColor = clSilver;
    int32_t DefaultSize = 0;

    bool IsColorStored() const { return FColor != DefaultColor; }
    bool IsHorizSizeStored() const { return FHorizSize != DefaultSize; }
    bool IsVertSizeStored() const { return FVertSize != DefaultSize; }
    bool IsTransparencyStored() const { return FTransparency != 0; }

    TNotifyEvent OnChange;

protected:
    void PropertyChanged() override
    {
        if (OnChange)
            OnChange(this);
    }

private:

    TColor FColor = clSilver;
    int32_t FHorizSize = 0;
    int32_t FVertSize = 0;
    TTeeTransparency FTransparency = 0;
    TTeeBlend* FBlend = nullptr; // a transparent draw in progress
};
