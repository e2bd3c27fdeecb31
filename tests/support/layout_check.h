#pragma once

#include <QStringList>

class QWidget;

namespace testing {

// What a user would notice on a page as laid out: a control outside its
// parent, two sibling controls overlapping, a text that does not fit its
// control at the current font, a picture larger than its image. Looks inside
// group boxes, plain containers and the current page of tab widgets.
QStringList LayoutFaults(const QWidget* page);

} // namespace testing
