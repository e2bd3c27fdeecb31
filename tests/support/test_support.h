#pragma once

#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;

namespace app {
class MainWindow;
}

namespace testing {

// Collects what the error reporter is given while it lives.
class CapturedErrors {
public:
    CapturedErrors();
    ~CapturedErrors();
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    const QStringList& messages() const { return messages_; }
    int count() const { return static_cast<int>(messages_.size()); }
    void clear() { messages_.clear(); }

private:
    QStringList messages_;
    std::function<void(const QString&)> previous_;
};

// Sets the decimal separator for one scope.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(QChar separator);
    ~DecimalSeparatorScope();
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    QChar previous_;
};

// Finds a named child or fails the test loudly.
template <class T>
T* Find(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Opens a page through its menu item, as a user would.
void OpenPage(app::MainWindow& window, const QString& menuItem);

// Data rows "menuItem", "sheet", "subPage": every page, and each sub-page of
// the pages with a nested page control.
void AddEveryPageRows();

// Opens the page of such a row and shows the sub-page; returns the page.
QWidget* OpenSubPage(app::MainWindow& window, const QString& menuItem, const QString& sheet, int subPage);

// Replaces the whole text of an edit by typing, key by key, at the end.
void Retype(QLineEdit* edit, const QString& text);

// Types at the caret, key by key (Cyrillic included).
void Type(QLineEdit* edit, const QString& text);

// Chooses an item of a combo box through its popup list, as a user would.
void Choose(QComboBox* combo, int index);
void Choose(QComboBox* combo, const QString& itemText);

// Clicks the item of a radio group.
void ClickItem(QGroupBox* group, int index);

// Selects the whole text and types over it, so that the edit never passes
// through "0" on the way.
void Overtype(QLineEdit* edit, const QString& text);

// Replaces the whole text at once, as a paste does: an exponent goes in
// where typing it at the end would be dropped.
void Paste(QLineEdit* edit, const QString& text);

// Types text with the caret put at the position first.
void TypeAt(QLineEdit* edit, int position, const QString& text);

// Enters a negative number: the entry filter drops a sign typed at the end,
// so the digits go in first and the sign in front of them.
void RetypeNegative(QLineEdit* edit, const QString& digits);

// Puts a minus sign in front of an edit's number by typing it at the start.
void Negate(QLineEdit* edit);

// Types an exponent into a number already in the edit, "1300" -> "1e-300",
// the only way the entry filter lets an exponent in.
void TypeExponent(QLineEdit* edit, const QString& mantissaDigit, const QString& exponent, bool negative);

// A number written with "." as it would be typed under the current separator.
QString Localised(const QString& text);

// The colours a user sees: a computed field, an input that breaks a rule or
// a label's alarm, an input field, a label's normal text.
inline const QColor Yellow{255, 255, 0};
inline const QColor Red{255, 0, 0};
QColor Window();
QColor NormalText();

// Colour of an edit's background.
QColor Background(const QLineEdit* edit);
QColor FontColour(const QWidget* label);

// Yellow and locked: a field the page computed.
bool IsSolved(const QLineEdit* edit);
// Window colour and editable: a field waiting for input.
bool IsInput(const QLineEdit* edit);
bool IsRed(const QLineEdit* edit);

// The reason a red field or label gives in its tooltip; empty while it is
// not red and its tooltip only describes it.
QString Reason(const QWidget* field);

// The tooltip as the mouse resting on the widget shows it.
QString HoverTip(QWidget* widget);

// The caption of a labelled edit (its buddy label's text), the items of a
// combo, the picture last loaded into an image.
QString Caption(const QLineEdit* edit);
QStringList Items(const QComboBox* combo);
QString Picture(const QLabel* image);

// True when a and b agree to the given number of significant digits.
bool SameDigits(double a, double b, int digits = 6);

// True when the shown number rounds to a value quoted with six significant digits.
bool RoundsTo(double shown, double quoted);

// The number an edit shows, read with the current decimal separator.
double Shown(const QLineEdit* edit);

// The shown number agrees with the expected one to 6 significant digits;
// says what it shows when not.
bool Shows(const QLineEdit* edit, double expected);

} // namespace testing
