#include "support/test_support.h"

#include "app/error_reporter.h"
#include "app/main_window.h"
#include "app/page_catalog.h"
#include "controls/radio_group.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>

namespace testing {

CapturedErrors::CapturedErrors()
{
    previous_ = app::SetErrorReporter([this](const QString& message) { messages_ << message; });
}

CapturedErrors::~CapturedErrors()
{
    app::SetErrorReporter(previous_);
}

DecimalSeparatorScope::DecimalSeparatorScope(QChar separator) : previous_(values::DecimalSeparator())
{
    values::SetDecimalSeparator(separator);
}

DecimalSeparatorScope::~DecimalSeparatorScope()
{
    values::SetDecimalSeparator(previous_);
}

void OpenPage(app::MainWindow& window, const QString& menuItem)
{
    Find<QAction>(&window, menuItem)->trigger();
}

void AddEveryPageRows()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("subPage");
    for (const app::PageEntry& entry : app::PageCatalog()) {
        const QString sheet = QString::fromLatin1(entry.sheet);
        const bool nested = sheet == QLatin1String("TS19") || sheet == QLatin1String("TS20");
        for (int sub = 0; sub < (nested ? 2 : 1); ++sub)
            QTest::addRow("%s %d", entry.sheet, sub) << QString::fromLatin1(entry.menuItem) << sheet << sub;
    }
}

QWidget* OpenSubPage(app::MainWindow& window, const QString& menuItem, const QString& sheet, int subPage)
{
    OpenPage(window, menuItem);
    QWidget* page = window.page(sheet);
    if (auto* nested = page->findChild<QTabWidget*>())
        nested->setCurrentIndex(subPage);
    QCoreApplication::processEvents();
    return page;
}

void Retype(QLineEdit* edit, const QString& text)
{
    if (edit->isReadOnly())
        qFatal("%s is read-only", qPrintable(edit->objectName()));
    edit->setFocus();
    edit->end(false);
    for (int guard = 0; guard < 1000 && !edit->text().isEmpty() && edit->text() != QLatin1String("0"); ++guard) {
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    // "0" is what an emptied edit holds; select it so the first key replaces it.
    edit->selectAll();
    Type(edit, text);
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    // Letters outside ASCII go as key events carrying their text, as a
    // Russian keyboard layout sends them (QTest::keyClicks refuses them).
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Choose(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(index, combo->modelColumn(), view->rootIndex());
    view->scrollTo(item);
    const QPoint centre = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (combo->view()->isVisible())
        combo->hidePopup();
}

void Choose(QComboBox* combo, const QString& itemText)
{
    const int index = combo->findText(itemText);
    if (index < 0)
        qFatal("%s has no item %s", qPrintable(combo->objectName()), qPrintable(itemText));
    Choose(combo, index);
}

void ClickItem(QGroupBox* group, int index)
{
    controls::RadioItems(group).at(index)->click();
}

void Overtype(QLineEdit* edit, const QString& text)
{
    if (edit->isReadOnly())
        qFatal("%s is read-only", qPrintable(edit->objectName()));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Paste(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

void TypeAt(QLineEdit* edit, int position, const QString& text)
{
    edit->setFocus();
    edit->setCursorPosition(position);
    QTest::keyClicks(edit, text);
}

void RetypeNegative(QLineEdit* edit, const QString& digits)
{
    Retype(edit, digits);
    TypeAt(edit, 0, QStringLiteral("-"));
}

void Negate(QLineEdit* edit)
{
    TypeAt(edit, 0, QStringLiteral("-"));
}

void TypeExponent(QLineEdit* edit, const QString& mantissaDigit, const QString& exponent, bool negative)
{
    Retype(edit, mantissaDigit + exponent);
    TypeAt(edit, static_cast<int>(mantissaDigit.size()), QStringLiteral("e"));
    if (negative)
        TypeAt(edit, static_cast<int>(mantissaDigit.size()) + 1, QStringLiteral("-"));
}

QString Localised(const QString& text)
{
    QString localised = text;
    return localised.replace(QLatin1Char('.'), values::DecimalSeparator());
}

QColor Window()
{
    return QApplication::palette().color(QPalette::Base);
}

QColor NormalText()
{
    return QApplication::palette().color(QPalette::WindowText);
}

bool IsSolved(const QLineEdit* edit)
{
    return Background(edit) == Yellow && edit->isReadOnly();
}

bool IsInput(const QLineEdit* edit)
{
    return Background(edit) == Window() && !edit->isReadOnly();
}

bool IsRed(const QLineEdit* edit)
{
    return Background(edit) == Red;
}

QString Reason(const QWidget* field)
{
    const auto* edit = qobject_cast<const QLineEdit*>(field);
    const bool red = edit ? Background(edit) == Red : FontColour(field) == Red;
    return red ? field->toolTip() : QString();
}

QString HoverTip(QWidget* widget)
{
    QHelpEvent hover(QEvent::ToolTip, widget->rect().center(), widget->mapToGlobal(widget->rect().center()));
    QApplication::sendEvent(widget, &hover);
    return widget->toolTip();
}

QString Caption(const QLineEdit* edit)
{
    for (const QLabel* label : edit->window()->findChildren<QLabel*>()) {
        if (label->buddy() == edit)
            return label->text();
    }
    return QStringLiteral("<no caption>");
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
    return image->property("picture").toString();
}

QColor Background(const QLineEdit* edit)
{
    return edit->palette().color(QPalette::Base);
}

QColor FontColour(const QWidget* label)
{
    return label->palette().color(QPalette::WindowText);
}

bool SameDigits(double a, double b, int digits)
{
    if (a == b)
        return true;
    const double scale = std::max(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= scale * std::pow(10.0, -digits) * 0.5;
}

double Shown(const QLineEdit* edit)
{
    return values::ParseNumber(edit->text());
}

bool RoundsTo(double shown, double quoted)
{
    return QString::number(shown, 'g', 6) == QString::number(quoted, 'g', 6);
}

bool Shows(const QLineEdit* edit, double expected)
{
    const double shown = Shown(edit);
    if (SameDigits(shown, expected))
        return true;
    qWarning("%s shows %s, expected %.15g", qPrintable(edit->objectName()), qPrintable(edit->text()), expected);
    return false;
}

} // namespace testing
