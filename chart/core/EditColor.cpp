#include "chart/core/EditColor.h"

#include <QColorDialog>

#include "chart/core/TeCanvasSettings.h"

namespace {

// The Qt colour dialog with its 16 custom colour slots.
class QtColorDialogSeam : public TColorDialogSeam
{
public:
    bool Execute(QWidget* owner, TColor& color, QStringList& customColors) override
    {
        const QList<TColor> custom = CustomColorValues(customColors);
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, i < custom.size() ? TColorToQColor(custom[i]) : QColor(Qt::white));
        QColorDialog dialog(owner);
        dialog.setCurrentColor(TColorToQColor(ColorToRGB(color)));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        color = QColorToTColor(dialog.selectedColor());
        QList<TColor> chosen;
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            chosen.append(QColorToTColor(QColorDialog::customColor(i)));
        customColors = CustomColorEntries(chosen);
        return true;
    }
};

QtColorDialogSeam qtSeam;
TColorDialogSeam* currentSeam = nullptr;

} // namespace

void SetColorDialogSeam(TColorDialogSeam* seam)
{
    currentSeam = seam;
}

TColorDialogSeam* ColorDialogSeam()
{
    return currentSeam ? currentSeam : &qtSeam;
}

QStringList CustomColorEntries(const QList<TColor>& colors)
{
    QStringList entries;
    for (int i = 0; i < colors.size() && i < 16; ++i) {
        entries.append(QStringLiteral("Color") + QChar(u'A' + i) + QLatin1Char('=')
                       + QStringLiteral("%1").arg(colors[i] & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper());
    }
    return entries;
}

QList<TColor> CustomColorValues(const QStringList& entries)
{
    QList<TColor> colors;
    for (const QString& entry : entries) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        bool ok = false;
        const TColor value = entry.mid(eq + 1).trimmed().toUInt(&ok, 16);
        colors.append(ok ? value : clWhite);
    }
    return colors;
}

TColor EditColor(QWidget* owner, TColor color)
{
    if (!TeeCustomEditColors)
        TeeCustomEditColors = std::make_unique<QStringList>();
    QStringList custom = *TeeCustomEditColors;
    TColor chosen = color;
    if (!ColorDialogSeam()->Execute(owner, chosen, custom))
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
