#include "support/resistive_a_support.h"

#include "app/main_window.h"
#include "values/field.h"

#include "controls/labelled_edit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace resistive_a {


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

QString Caption(const QLineEdit* edit)
{
    const QLabel* caption = controls::EditCaption(edit);
    return caption ? caption->text() : QString();
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

bool IsSolved(const QLineEdit* edit)
{
    return testing::Background(edit) == values::ResultColour && edit->isReadOnly();
}

bool IsInput(const QLineEdit* edit)
{
    return testing::Background(edit) == values::WindowColour() && !edit->isReadOnly();
}

bool IsRed(const QLineEdit* edit)
{
    return testing::Background(edit) == values::InvalidColour;
}

void RetypeNegative(QLineEdit* edit, const QString& digits)
{
    testing::Retype(edit, digits);
    TypeAt(edit, 0, QStringLiteral("-"));
}

void Overtype(QLineEdit* edit, const QString& text)
{
    if (edit->isReadOnly())
        qFatal("%s is read-only", qPrintable(edit->objectName()));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Paste(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

void TypeAt(QLineEdit* edit, int position, const QString& text)
{
    edit->setFocus();
    edit->setCursorPosition(position);
    QTest::keyClicks(edit, text);
}

bool Shows(const QLineEdit* edit, double expected)
{
    const double shown = testing::Shown(edit);
    if (testing::SameDigits(shown, expected))
        return true;
    qWarning("%s shows %s, expected %.15g", qPrintable(edit->objectName()), qPrintable(edit->text()), expected);
    return false;
}

} // namespace resistive_a
