#pragma once

#include "support/test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <memory>

namespace app {
class MainWindow;
}

namespace testing {

// One main window with one page opened through its menu item, and every
// error report captured, for a whole test class.
class PageFixture {
public:
    explicit PageFixture(const QString& menuItem);
    ~PageFixture();

    QLineEdit* edit(const QString& name) const;
    QComboBox* combo(const QString& name) const;
    QWidget* sheet(const QString& name) const;
    // Clicks the page's "Очистить" button.
    void clear(const QString& button) const;
    CapturedErrors& errors() { return errors_; }

private:
    std::unique_ptr<app::MainWindow> window_;
    CapturedErrors errors_;
};

} // namespace testing
