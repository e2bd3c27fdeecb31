#include "support/page_fixture.h"

#include "app/main_window.h"

namespace testing {

PageFixture::PageFixture(const QString& menuItem)
    : window_(std::make_unique<app::MainWindow>()), menuItem_(menuItem)
{
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qFatal("main window not exposed");
    reopen();
}

PageFixture::~PageFixture() = default;

void PageFixture::reopen() const
{
    OpenPage(*window_, menuItem_);
}

void PageFixture::open(const QString& menuItem)
{
    menuItem_ = menuItem;
    reopen();
}

} // namespace testing
