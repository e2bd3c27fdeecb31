#pragma once

#include <QList>

class QGroupBox;
class QRadioButton;

namespace controls {

// A radio group is a QGroupBox holding one QRadioButton per item, in item
// order. The group's click event is raised whenever one of its buttons
// becomes checked, by the user or by the program; unchecking all raises none.
QList<QRadioButton*> RadioItems(const QGroupBox* group);
int ItemIndex(const QGroupBox* group);            // -1 when none is checked
void SetItemIndex(QGroupBox* group, int index);   // -1 unchecks every item

} // namespace controls
