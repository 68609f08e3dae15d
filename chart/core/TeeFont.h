#pragma once

#include <memory>

#include "chart/core/ChartPen.h"
#include "platform/graphics/Font.h"
#include "chart/core/TeeFontGradient.h"
#include "chart/core/TeeShadow.h"

class TTeeCanvas;

// The font of a chart text, with extra spacing and optional gradient, outline and shadow
// (each created on first read). Name and size start from the drawing unit's defaults and are
// stored only when they differ from them.
class TTeeFont : public TFont
{
public:
    explicit TTeeFont(TNotifyEvent changeHandler = {});
    ~TTeeFont() override;

    TTeeFontGradient* Gradient();
    TChartHiddenPen* OutLine();
    TTeeShadow* Shadow();
    bool HasGradient() const { return FGradient != nullptr; }
    bool HasOutLine() const { return FOutLine != nullptr; }
    bool HasShadow() const { return FShadow != nullptr; }
    // Read without creating: null when there is none.
    const TTeeShadow* ShadowIfAny() const { return FShadow.get(); }

    // None frees the sub-object; otherwise it is created if needed and copies the value.
    void SetGradient(TTeeFontGradient* value);
    void SetOutLine(TChartHiddenPen* value);
    void SetShadow(TTeeShadow* value);

    int32_t InterCharSize() const { return FInterCharSize; }
    void SetInterCharSize(int32_t value);

    // The canvas that last selected this font (not owned).
    TTeeCanvas* Canvas = nullptr;
    // Defaults the owner declares, against which Color and Style are stored.
    TColor DefaultColor = clBlack;
    TFontStyles DefaultStyle;

    // From a TTeeFont: gradient, spacing, outline and shadow, then the font itself.
    void Assign(TPersistent* source) override;

    bool IsHeightStored() const override;
    bool IsNameStored() const override;
    bool IsStyleStored() const override { return Style() != DefaultStyle; }
    bool IsColorStored() const override { return Color() != DefaultColor; }
    bool IsInterCharSizeStored() const { return FInterCharSize != 0; }

    // The font's own properties plus Gradient, InterCharSize, OutLine and Shadow; a sub-object
    // is stored only when it exists.
    void DefineProperties(TTeeFiler& filer) override;

private:
    std::unique_ptr<TTeeFontGradient> FGradient;
    int32_t FInterCharSize = 0;
    std::unique_ptr<TChartHiddenPen> FOutLine;
    std::unique_ptr<TTeeShadow> FShadow;
};
