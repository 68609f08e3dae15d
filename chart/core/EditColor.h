#pragma once

// The colour dialog of the chart editors, behind a seam that tests replace so nothing blocks.

#include <QStringList>

#include "platform/Colors.h"

class QWidget;

// Shows a colour dialog preset to color with the given custom colours ("ColorA=BBGGRR" ...).
// Returns true when accepted, with color and customColors updated.
class TColorDialogSeam
{
public:
    virtual ~TColorDialogSeam() = default;
    virtual bool Execute(QWidget* owner, TColor& color, QStringList& customColors) = 0;
};

// Replaces the dialog; null restores the Qt colour dialog. The seam is not owned.
void SetColorDialogSeam(TColorDialogSeam* seam);
TColorDialogSeam* ColorDialogSeam();

// The colour chosen in the dialog, or the old colour when cancelled. Custom colours are
// remembered in TeeCustomEditColors between dialogs.
TColor EditColor(QWidget* owner, TColor color);
// True, with color updated, only when a different colour was chosen.
bool EditColorDialog(QWidget* owner, TColor& color);

// "ColorA=BBGGRR" style entries to and from colours (slots A to P).
QStringList CustomColorEntries(const QList<TColor>& colors);
QList<TColor> CustomColorValues(const QStringList& entries);
