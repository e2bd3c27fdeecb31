#include "pages/circuits/extended_fields.h"

#include "values/field.h"
#include "values/update_guard.h"

#include <QComboBox>
#include <QLineEdit>

namespace pages::extended {

void WriteText(QLineEdit* edit, const QString& text)
{
    values::WriteGuarded(edit, text);
}

void WriteUnit(QComboBox* combo, const QString& text)
{
    const values::UpdateGuardScope guard;
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
}

void ShowComputed(QLineEdit* edit, double value)
{
    const values::UpdateGuardScope guard;
    values::ShowResult(edit, values::ResultColour, false, value);
}

void ShowEmpty(QLineEdit* edit)
{
    const values::UpdateGuardScope guard;
    values::ShowCleared(edit);
}

} // namespace pages::extended
