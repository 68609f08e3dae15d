#pragma once

// Small text helpers of the chart: separated fields, character replacement, number-format
// separators and component naming.

#include <QChar>
#include <QString>

class TComponent;

// Separator of the field functions that take none (";" at start-up).
extern QString TeeFieldsSeparator;

// 0 for an empty text, else 1 + the number of separators.
int TeeNumFields(const QString& text);
int TeeNumFields(const QString& text, const QString& separator);
// The index-th field (from 1); past the last field the last one; index 0 or an empty text
// give an empty text.
QString TeeExtractField(const QString& text, int index);
QString TeeExtractField(const QString& text, int index, const QString& separator);

// Every oldChar replaced by newChar, or removed when newChar is the zero character.
QString ReplaceChar(const QString& text, QChar oldChar, QChar newChar = QChar(0));

// In a number format, ',' and '.' become the locale's separators; LocalToFixedFormat undoes it.
QString FixedToLocalFormat(const QString& format);
QString LocalToFixedFormat(const QString& format);

QString TeeStr(int64_t n);
// prefix + the smallest number from 1 that no component of owner has as its name.
QString TeeGetUniqueName(const TComponent* owner, const QString& prefix);

void TextFieldsInitialize();
void TextFieldsFinalize();
