#pragma once

// The base of the text exporters of a chart: the whole export as one text, copied to the
// clipboard or written to a stream or file.

#include <QIODevice>
#include <QString>

class TTeeExportData
{
public:
    virtual ~TTeeExportData() = default;
    virtual QString AsString() = 0;
    // The text on the clipboard.
    virtual void CopyToClipboard();
    // The characters of the text (UTF-8), without terminator.
    virtual void SaveToStream(QIODevice& stream);
    // Creates or replaces the file; false when it cannot be written.
    virtual bool SaveToFile(const QString& fileName);
};
