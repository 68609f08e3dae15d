#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A framed column of radio buttons made from a list of captions, with the index of the chosen
// one (-1 for none). Click is raised when the user picks a button.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList Items() const { return FItems; }
    void SetItems(const QStringList& items);
    int ItemIndex() const { return FGroup.button(FItemIndex) ? FItemIndex : -1; }
    // An index outside the items unchecks every button.
    void SetItemIndex(int index);
    // The button of an item, for tests and keyboard access.
    QAbstractButton* Button(int index) const { return FGroup.button(index); }

signals:
    void Click();

private:
    QStringList FItems;
    QButtonGroup FGroup;
    int FItemIndex = -1;
};
