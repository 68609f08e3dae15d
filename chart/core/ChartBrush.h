#pragma once

#include <memory>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Picture.h"

// A fill of a chart element. Its colour starts as clDefault: the element's own colour unless
// one is given. The optional image is created on first read.
class TChartBrush : public TBrush
{
public:
    explicit TChartBrush(TNotifyEvent changeHandler = {});
    ~TChartBrush() override;

    // The image, created empty on first read (with the brush's change handler).
    TPicture* Image();
    bool HasImage() const { return FImage != nullptr; }
    // None frees the image; a picture is copied.
    void SetImage(TPicture* value);

    // From a TChartBrush the image is created if needed and copies the source's picture (an
    // empty one when the source has none); then colour, style and pattern bitmap.
    void Assign(TPersistent* source) override;

    bool IsColorStored() const override { return Color() != DefaultColor; }
    // The colour the owner starts the brush with; the colour is stored when it differs.
    TColor DefaultColor = clDefault;

private:
    std::unique_ptr<TPicture> FImage;
};
