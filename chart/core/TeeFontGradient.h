#pragma once

#include "chart/core/TeeGradient.h"

// A gradient for text; Outline paints the widened outline of the text instead of its inside.
class TTeeFontGradient : public TTeeGradient
{
public:
    using TTeeGradient::TTeeGradient;

    bool Outline() const { return FOutline; }
    void SetOutline(bool value);

    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    bool FOutline = false;
};
