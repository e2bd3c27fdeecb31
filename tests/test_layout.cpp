#include "app/error_reporter.h"
#include "app/main_window.h"
#include "app/page_catalog.h"
#include "support/layout_check.h"
#include "support/test_support.h"

#include <QTabWidget>

// Every page and sub-page as a user first sees it: nothing outside its parent,
// nothing overlapping, every text whole, every picture whole.
class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void pageIsWhole_data();
    void pageIsWhole();
};

void LayoutTest::pageIsWhole_data()
{
    testing::AddEveryPageRows();
}

void LayoutTest::pageIsWhole()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, sheet);
    QFETCH(int, subPage);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* page = testing::OpenSubPage(window, menuItem, sheet, subPage);
    const QStringList faults = testing::LayoutFaults(page);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(errors.messages(), QStringList());
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
