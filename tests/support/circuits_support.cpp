#include "support/circuits_support.h"

#include "app/main_window.h"
#include "controls/labelled_edit.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

namespace testing::circuits {

OpenedPage::OpenedPage(const QString& menuItem)
    : window_(std::make_unique<app::MainWindow>()), menuItem_(menuItem)
{
    window_->show();
    reopen();
}

OpenedPage::~OpenedPage() = default;

void OpenedPage::reopen()
{
    OpenPage(*window_, menuItem_);
}

const QObject* OpenedPage::root() const
{
    return window_.get();
}

bool IsSolved(const QLineEdit* edit)
{
    return Background(edit) == values::ResultColour && edit->isReadOnly();
}

bool IsInput(const QLineEdit* edit)
{
    return Background(edit) == values::WindowColour() && !edit->isReadOnly();
}

bool RoundsTo(double shown, double quoted)
{
    return QString::number(shown, 'g', 6) == QString::number(quoted, 'g', 6);
}

QString Localised(const QString& text)
{
    QString localised = text;
    return localised.replace(QLatin1Char('.'), values::DecimalSeparator());
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

QString Picture(const QLabel* image)
{
    return values::PictureName(image);
}

void Overtype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Negate(QLineEdit* edit)
{
    edit->setFocus();
    edit->home(false);
    QTest::keyClicks(edit, QStringLiteral("-"));
}

void TypeExponent(QLineEdit* edit, const QString& mantissaDigit, const QString& exponent, bool negative)
{
    Retype(edit, mantissaDigit + exponent);
    edit->setCursorPosition(static_cast<int>(mantissaDigit.size()));
    QTest::keyClicks(edit, QStringLiteral("e"));
    if (negative) {
        edit->setCursorPosition(static_cast<int>(mantissaDigit.size()) + 1);
        QTest::keyClicks(edit, QStringLiteral("-"));
    }
}

} // namespace testing::circuits
