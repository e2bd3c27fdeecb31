#pragma once

#include "support/test_support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace app {
class MainWindow;
}

namespace testing::circuits {

// A fresh main window with one page opened through its menu item.
class OpenedPage {
public:
    explicit OpenedPage(const QString& menuItem);
    ~OpenedPage();

    // Opens the page again through its menu, as a user would.
    void reopen();

    QLineEdit* edit(const QString& name) const { return Find<QLineEdit>(root(), name); }
    QComboBox* combo(const QString& name) const { return Find<QComboBox>(root(), name); }
    QGroupBox* group(const QString& name) const { return Find<QGroupBox>(root(), name); }
    QLabel* label(const QString& name) const { return Find<QLabel>(root(), name); }
    QPushButton* button(const QString& name) const { return Find<QPushButton>(root(), name); }

private:
    const QObject* root() const;

    std::unique_ptr<app::MainWindow> window_;
    QString menuItem_;
};

// Yellow and locked: a computed field.
bool IsSolved(const QLineEdit* edit);
// Window colour and editable: an input field.
bool IsInput(const QLineEdit* edit);

// True when the shown number rounds to a value quoted with six significant digits.
bool RoundsTo(double shown, double quoted);

// A number written with "." as it would be typed under the current separator.
QString Localised(const QString& text);

// The caption, the items and the picture a user sees.
QString Caption(const QLineEdit* edit);
QStringList Items(const QComboBox* combo);
QString Picture(const QLabel* image);

// Selects the whole text and types over it, as one change per key.
void Overtype(QLineEdit* edit, const QString& text);

// Puts a minus sign in front of an edit's number by typing it at the start.
void Negate(QLineEdit* edit);

// Types an exponent into a number already in the edit, "1300" -> "1e-300",
// the only way the entry filter lets an exponent in.
void TypeExponent(QLineEdit* edit, const QString& mantissaDigit, const QString& exponent, bool negative);

} // namespace testing::circuits
