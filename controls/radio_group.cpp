#include "controls/radio_group.h"

#include <QGroupBox>
#include <QRadioButton>

namespace controls {

QList<QRadioButton*> RadioItems(const QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

int ItemIndex(const QGroupBox* group)
{
    const QList<QRadioButton*> items = RadioItems(group);
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked())
            return i;
    }
    return -1;
}

void SetItemIndex(QGroupBox* group, int index)
{
    const QList<QRadioButton*> items = RadioItems(group);
    if (index >= 0 && index < items.size()) {
        items[index]->setChecked(true);
        return;
    }
    // An auto-exclusive button refuses to be unchecked on its own.
    for (QRadioButton* item : items) {
        if (!item->isChecked())
            continue;
        item->setAutoExclusive(false);
        item->setChecked(false);
        item->setAutoExclusive(true);
    }
}

} // namespace controls
