#include "support/resistive_a_support.h"

#include "app/main_window.h"
#include "values/field.h"

#include <QPushButton>

namespace resistive_a {

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

void PageFixture::clear(const QString& button) const
{
    testing::Find<QPushButton>(window_.get(), button)->click();
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
