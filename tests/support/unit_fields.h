#pragma once

#include "support/page_fixture.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace testing {

// A value edit with its unit combo as the page shows them when it is new or
// has just been cleared.
struct UnitField {
    QString edit;
    QString caption;
    QString combo;
    QStringList items;
    int index;
    QString hint;
};

// Where the page differs from the fields' description: caption, combo items,
// default item and hint, and an editable "0" in the window colour.
QStringList FieldFaults(const PageFixture& page, const QList<UnitField>& fields);

QStringList EditNames(const QList<UnitField>& fields);
QStringList ComboNames(const QList<UnitField>& fields);

} // namespace testing
