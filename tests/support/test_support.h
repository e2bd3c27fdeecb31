#pragma once

#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;

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

// What a red field or label says in its tooltip; empty while it is not red
// (a computed field's tooltip then tells its value instead).
QString Reason(const QWidget* control);

// Colour of an edit's background.
QColor Background(const QLineEdit* edit);
QColor FontColour(const QWidget* label);

// True when a and b agree to the given number of significant digits.
bool SameDigits(double a, double b, int digits = 6);

// The number an edit shows, read with the current decimal separator.
double Shown(const QLineEdit* edit);

} // namespace testing
