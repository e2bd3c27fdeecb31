#include "support/page_fixture.h"

#include "app/main_window.h"

#include <QPushButton>

namespace testing {

PageFixture::PageFixture(const QString& menuItem) : window_(std::make_unique<app::MainWindow>())
{
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qFatal("main window not exposed");
    testing::OpenPage(*window_, menuItem);
}

PageFixture::~PageFixture() = default;

QLineEdit* PageFixture::edit(const QString& name) const
{
    return testing::Find<QLineEdit>(window_.get(), name);
}

QComboBox* PageFixture::combo(const QString& name) const
{
    return testing::Find<QComboBox>(window_.get(), name);
}

QWidget* PageFixture::sheet(const QString& name) const
{
    return testing::Find<QWidget>(window_.get(), name);
}

void PageFixture::clear(const QString& button) const
{
    testing::Find<QPushButton>(window_.get(), button)->click();
}

} // namespace testing
