#pragma once

#include "support/page_fixture.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <memory>

namespace app {
class MainWindow;
}

namespace resistive_a {

using testing::PageFixture;


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

// What is clipped or overlapping on a page laid out by absolute geometry:
// a child outside its parent, a text wider than its control, two siblings
// on top of each other. Empty when the page looks whole.

// The caption of a labelled edit (its buddy label's text).
QString Caption(const QLineEdit* edit);

QStringList Items(const QComboBox* combo);

// Yellow and locked: a field the page computed.
bool IsSolved(const QLineEdit* edit);
// Window colour and editable: a field waiting for input.
bool IsInput(const QLineEdit* edit);
bool IsRed(const QLineEdit* edit);

// Enters a negative number: the entry filter drops a sign typed at the end,
// so the digits go in first and the sign in front of them.
void RetypeNegative(QLineEdit* edit, const QString& digits);

// Replaces the whole text by typing over it selected, so that the edit never
// passes through "0" on the way.
void Overtype(QLineEdit* edit, const QString& text);

// Replaces the whole text at once, as a paste does: an exponent goes in
// where typing it at the end would be dropped.
void Paste(QLineEdit* edit, const QString& text);

// Types text with the caret put at the position first.
void TypeAt(QLineEdit* edit, int position, const QString& text);

// The shown number agrees with the expected one to 6 significant digits.
bool Shows(const QLineEdit* edit, double expected);

} // namespace resistive_a
