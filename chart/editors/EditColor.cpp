#include "chart/editors/EditColor.h"

#include "chart/core/TeCanvasSettings.h"
#include "platform/widgets/Dialogs.h"

TColor EditColor(QWidget* owner, TColor color)
{
    if (!TeeCustomEditColors)
        TeeCustomEditColors = std::make_unique<QStringList>();
    QStringList custom = *TeeCustomEditColors;
    TColor chosen = color;
    if (!Dialogs().ColorDialog(owner, chosen, custom))
        return color;
    *TeeCustomEditColors = custom;
    return chosen;
}

bool EditColorDialog(QWidget* owner, TColor& color)
{
    const TColor chosen = EditColor(owner, color);
    if (chosen == color)
        return false;
    color = chosen;
    return true;
}
