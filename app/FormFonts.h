#pragma once

#include <QFont>
#include <QString>

// The Windows font names used by the forms, mapped to the metric-compatible IPA fonts.
// The one table lives in FormFonts.cpp; every name not in it passes through unchanged.
QString MapFontName(const QString& windowsName);

// Registers the table as Qt font substitutions, so that a QFont asking for a Windows name
// gets its IPA counterpart. Safe to call more than once.
void RegisterFontSubstitutes();

// A font of the forms: a Windows font name and a height in pixels (the forms' "height -12").
QFont FormFont(const QString& windowsName, int pixelHeight);

// The face of both windows: "ＭＳ Ｐゴシック", 12 pixels.
QFont DefaultFormFont();
