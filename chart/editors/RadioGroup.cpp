#include "chart/editors/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent)
{
    // The buttons take the room below the caption without the style's margins above and below
    // them and between them: a small group, such as the drag style's, would squeeze them.
    auto* column = new QVBoxLayout(this);
    const QMargins margins = column->contentsMargins();
    column->setContentsMargins(margins.left(), 0, margins.right(), 0);
    column->setSpacing(0);
    connect(&FGroup, &QButtonGroup::idClicked, this, [this](int id) {
        FItemIndex = id;
        emit Click();
    });
}

void TRadioGroup::SetItems(const QStringList& items)
{
    for (QAbstractButton* b : FGroup.buttons()) {
        FGroup.removeButton(b);
        delete b;
    }
    FItems = items;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        layout()->addWidget(button);
        FGroup.addButton(button, i);
    }
    SetItemIndex(FItemIndex);
}

void TRadioGroup::SetItemIndex(int index)
{
    // Kept even before the items exist, which a form may set in either order.
    FItemIndex = index;
    if (QAbstractButton* b = FGroup.button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked: let go of it to check none.
    if (QAbstractButton* checked = FGroup.checkedButton()) {
        FGroup.setExclusive(false);
        checked->setChecked(false);
        FGroup.setExclusive(true);
    }
}
