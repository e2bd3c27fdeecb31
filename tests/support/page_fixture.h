#pragma once

#include "app/main_window.h"
#include "support/test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <memory>

namespace testing {

// One main window, shown, with one page opened through its menu item, and
// every error report captured while the fixture lives.
class PageFixture {
public:
    explicit PageFixture(const QString& menuItem);
    ~PageFixture();
    PageFixture(const PageFixture&) = delete;
    PageFixture& operator=(const PageFixture&) = delete;

    // Opens the page again through its menu, as a user would.
    void reopen() const;
    // Opens another page of the same window through its menu item.
    void open(const QString& menuItem);

    app::MainWindow* window() const { return window_.get(); }

    // The window's control of that name; a missing one fails loudly.
    template <class T>
    T* find(const QString& name) const
    {
        return Find<T>(window(), name);
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QGroupBox* group(const QString& name) const { return find<QGroupBox>(name); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QWidget* sheet(const QString& name) const { return find<QWidget>(name); }

    // Clicks the page's "Очистить" button.
    void clear(const QString& button) const { this->button(button)->click(); }

    CapturedErrors& errors() { return errors_; }

private:
    std::unique_ptr<app::MainWindow> window_;
    QString menuItem_;
    CapturedErrors errors_;
};

} // namespace testing
