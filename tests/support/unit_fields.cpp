#include "support/unit_fields.h"

namespace testing {

QStringList FieldFaults(const PageFixture& page, const QList<UnitField>& fields)
{
    QStringList faults;
    const auto expect = [&faults](const QString& what, const auto& actual, const auto& expected) {
        if (actual != expected)
            faults << what;
    };
    for (const UnitField& field : fields) {
        const QLineEdit* edit = page.edit(field.edit);
        const QComboBox* combo = page.combo(field.combo);
        expect(field.edit + " caption " + Caption(edit), Caption(edit), field.caption);
        expect(field.edit + " text " + edit->text(), edit->text(), QStringLiteral("0"));
        expect(field.edit + " is not an input", IsInput(edit), true);
        expect(field.combo + " items " + Items(combo).join(' '), Items(combo), field.items);
        expect(field.combo + " item " + QString::number(combo->currentIndex()), combo->currentIndex(), field.index);
        expect(field.combo + " hint " + combo->toolTip(), combo->toolTip(), field.hint);
        expect(field.combo + " is not editable", combo->isEditable(), true);
    }
    return faults;
}

QStringList EditNames(const QList<UnitField>& fields)
{
    QStringList names;
    for (const UnitField& field : fields)
        names << field.edit;
    return names;
}

QStringList ComboNames(const QList<UnitField>& fields)
{
    QStringList names;
    for (const UnitField& field : fields)
        names << field.combo;
    return names;
}

} // namespace testing
