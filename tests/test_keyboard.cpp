#include "app/main_window.h"
#include "app/page_catalog.h"
#include "controls/labelled_edit.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

// Every field, button and radio item of a page can be reached with Tab, in reading order:
// down a column, then on to the next column.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabReachesEveryField_data();
    void tabReachesEveryField();
    void fieldsAreNamed_data();
    void fieldsAreNamed();
};

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

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
