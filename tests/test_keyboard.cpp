#include "app/main_window.h"
#include "app/page_catalog.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

// Every edit and combo of a page can be reached with Tab, in reading order:
// down a column, then on to the next column.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tabReachesEveryField_data();
    void tabReachesEveryField();
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

    QList<QWidget*> reached;
    QPoint previous(-1, -1);
    QStringList outOfOrder;
    QWidget* current = page->nextInFocusChain();
    for (int steps = 0; current != page && steps < 5000; ++steps, current = current->nextInFocusChain()) {
        if (!fields.contains(current) || reached.contains(current))
            continue;
        reached << current;
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

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
