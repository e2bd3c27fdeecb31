#include "app/main_window.h"
#include "app/page_catalog.h"
#include "controls/labelled_edit.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

// Every field, button and radio item of a page can be reached with Tab, in reading order:
// down a column, then on to the next column.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabReachesEveryField_data();
    void tabReachesEveryField();
    void fieldsAreNamed_data();
    void fieldsAreNamed();
    void shellKeys_data();
    void shellKeys();
};

using KeyAct = std::function<void(app::MainWindow& window)>;
Q_DECLARE_METATYPE(KeyAct)

void KeyboardTest::tabReachesEveryField_data()
{
    testing::AddEveryPageRows();
}

void KeyboardTest::tabReachesEveryField()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, sheet);
    QFETCH(int, subPage);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    QWidget* page = testing::OpenSubPage(window, menuItem, sheet, subPage);

    QList<QWidget*> fields;
    for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (edit->isVisible() && edit->isEnabled() && !qobject_cast<QComboBox*>(edit->parentWidget()))
            fields << edit;
    }
    for (QComboBox* combo : page->findChildren<QComboBox*>()) {
        if (combo->isVisible() && combo->isEnabled())
            fields << combo;
    }
    // Buttons, check boxes and radio items too (Tab enters a radio group at its
    // checked item, the arrows move inside it; the chain holds every item).
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() && button->focusPolicy() != Qt::NoFocus)
            fields << button;
    }

    QList<QWidget*> reached;
    QPoint previous(-1, -1);
    QStringList outOfOrder;
    QWidget* current = page->nextInFocusChain();
    for (int steps = 0; current != page && steps < 5000; ++steps, current = current->nextInFocusChain()) {
        if (!fields.contains(current) || reached.contains(current))
            continue;
        reached << current;
        // "Закон Ома" keeps its established order: "Очистить" first, then the fields.
        if (sheet == QLatin1String("TS15") && qobject_cast<QPushButton*>(current))
            continue;
        const QPoint at = current->mapTo(page, QPoint(0, 0));
        // A step back up is fine only when it starts the next column.
        if (at.y() + 10 < previous.y() && at.x() <= previous.x() + 40)
            outOfOrder << current->objectName();
        previous = at;
    }
    QStringList missed;
    for (QWidget* field : fields) {
        if (!reached.contains(field))
            missed << field->objectName();
        if (field->focusPolicy() == Qt::NoFocus)
            missed << field->objectName() + QStringLiteral(" takes no focus");
    }
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u' ')));
    QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join(u' ')));

    // Opening from the menu put the cursor into the page's first field
    // (a sub-page shown afterwards keeps its own).
    if (subPage == 0) {
        QWidget* first = reached.isEmpty() ? nullptr : reached.first();
        for (QWidget* field : reached) {
            if (auto* edit = qobject_cast<QLineEdit*>(field); edit && !edit->isReadOnly()) {
                first = edit;
                break;
            }
        }
        QCOMPARE(window.focusWidget(), first);
    }
}

void KeyboardTest::fieldsAreNamed_data()
{
    testing::AddEveryPageRows();
}

// A screen reader announces each field by its caption; a caption label also
// gives its field the Alt shortcut, so every captioned edit must be its buddy.
void KeyboardTest::fieldsAreNamed()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, sheet);
    QFETCH(int, subPage);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    QWidget* page = testing::OpenSubPage(window, menuItem, sheet, subPage);

    QStringList faults;
    for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || qobject_cast<QComboBox*>(edit->parentWidget()))
            continue;
        const QLabel* caption = controls::EditCaption(edit);
        if (caption && edit->accessibleName() != caption->text().remove(u'&').trimmed())
            faults << edit->objectName() + QStringLiteral(" is named \"%1\", its caption reads \"%2\"")
                                               .arg(edit->accessibleName(), caption->text());
    }
    // A field's caption is named after it ("XCaption" for field "X"); it must be the field's buddy.
    for (QLabel* label : page->findChildren<QLabel*>()) {
        QString field = label->objectName();
        if (!label->isVisible() || !field.endsWith(QLatin1String("Caption")))
            continue;
        field.chop(int(std::char_traits<char>::length("Caption")));
        QWidget* control = page->findChild<QLineEdit*>(field);
        if (!control)
            control = page->findChild<QComboBox*>(field);
        if (control && label->buddy() != control)
            faults << label->objectName() + QStringLiteral(" is not the buddy of ") + field;
    }
    for (QComboBox* combo : page->findChildren<QComboBox*>()) {
        if (combo->isVisible() && combo->accessibleName().trimmed().isEmpty())
            faults << combo->objectName() + QStringLiteral(" has no accessible name");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

namespace {

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The current page, how many are open, and what the menu bar or a list shows.
QString Observed(const app::MainWindow& window)
{
    const QTabWidget* pages = window.pageControl();
    int open = 0;
    for (int i = 0; i < pages->count(); ++i)
        open += pages->isTabVisible(i) ? 1 : 0;
    QString seen = QStringLiteral("%1 | %2 open")
                       .arg(pages->isVisible() ? pages->tabText(pages->currentIndex()) : QStringLiteral("none"))
                       .arg(open);
    if (const QAction* menu = window.menuBar()->activeAction())
        seen += QStringLiteral(" | menu ") + menu->text();
    if (const QWidget* popup = QApplication::activePopupWidget(); popup && popup->inherits("QComboBoxPrivateContainer"))
        seen += QStringLiteral(" | list");
    return seen;
}

} // namespace

void KeyboardTest::shellKeys_data()
{
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<KeyAct>("act");
    QTest::addColumn<QString>("expected");
    const QStringList three{"N13", "N32", "N14"}; // НЧ, Закон Ома, ВЧ; ВЧ current
    const auto keys = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return KeyAct([=](app::MainWindow&) { Press(key, modifiers); });
    };
    QTest::newRow("Ctrl+W closes the current page") << three << keys(Qt::Key_W, Qt::ControlModifier)
                                                   << "Закон Ома | 2 open";
    QTest::newRow("Ctrl+F4 closes the current page") << three << keys(Qt::Key_F4, Qt::ControlModifier)
                                                    << "Закон Ома | 2 open";
    QTest::newRow("Ctrl+W on the last page collapses") << QStringList{"N13"} << keys(Qt::Key_W, Qt::ControlModifier)
                                                      << "none | 0 open";
    QTest::newRow("Ctrl+Tab moves right") << three << keys(Qt::Key_Tab, Qt::ControlModifier) << "Закон Ома | 3 open";
    QTest::newRow("Ctrl+Tab goes round") << QStringList{"N13", "N14", "N32"} << keys(Qt::Key_Tab, Qt::ControlModifier)
                                         << "НЧ | 3 open";
    QTest::newRow("Ctrl+Shift+Tab moves left") << three << keys(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier)
                                               << "НЧ | 3 open";
    QTest::newRow("F10 opens the menu") << QStringList{"N13"} << keys(Qt::Key_F10, Qt::NoModifier)
                                        << "НЧ | 1 open | menu Фаил";
    QTest::newRow("Alt alone selects the menu bar") << QStringList{"N13"} << KeyAct([](app::MainWindow&) {
        QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), Qt::Key_Alt, QString(), Qt::AltModifier);
        QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), Qt::Key_Alt, QString(), Qt::NoModifier);
    }) << "НЧ | 1 open | menu Фаил";
    QTest::newRow("a click on a unit's text opens its list") << QStringList{"N7"} << KeyAct([](app::MainWindow& window) {
        const auto* combo = testing::Find<QComboBox>(&window, QStringLiteral("LCFCBC"));
        QCOMPARE(combo->lineEdit()->cursor().shape(), Qt::ArrowCursor);
        const QPoint text = combo->lineEdit()->mapTo(&window, combo->lineEdit()->rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, text);
    }) << "Колебательный контур поралельный и последовательный | 1 open | list";
}

// Keys that reach the window from wherever the cursor is, and a mouse click
// that a user expects to work like the arrow.
void KeyboardTest::shellKeys()
{
    QFETCH(QStringList, opened);
    QFETCH(KeyAct, act);
    QFETCH(QString, expected);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const QString& item : opened)
        testing::OpenPage(window, item);
    QVERIFY(QApplication::focusWidget());
    act(window);
    QCOMPARE(Observed(window), expected);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QCOMPARE(errors.messages(), QStringList());
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
