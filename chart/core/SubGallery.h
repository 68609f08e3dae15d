#pragma once

// The gallery variants a series type offers, as captions in the order offered. A caption's
// position is the index that the type's SetSubGallery applies: 0 is the type as it stands
// ("Normal"), and each type appends its own variants after what its base offers.

#include <QString>
#include <QStringList>

class TSubGallery
{
public:
    // Appends one variant; returns its index.
    int Add(const QString& caption)
    {
        FCaptions.append(caption);
        return static_cast<int>(FCaptions.size()) - 1;
    }
    int Count() const { return static_cast<int>(FCaptions.size()); }
    const QString& Caption(int index) const { return FCaptions.at(index); }
    const QStringList& Captions() const { return FCaptions; }

private:
    QStringList FCaptions;
};
