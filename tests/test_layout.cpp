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
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("subPage");
    for (const app::PageEntry& entry : app::PageCatalog()) {
        const bool nested = QLatin1String(entry.sheet) == QLatin1String("TS19") || QLatin1String(entry.sheet) == QLatin1String("TS20");
        for (int sub = 0; sub < (nested ? 2 : 1); ++sub) {
            QTest::addRow("%s %d", entry.sheet, sub)
                << QString::fromLatin1(entry.menuItem) << QString::fromLatin1(entry.sheet) << sub;
        }
    }
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
    testing::OpenPage(window, menuItem);
    QWidget* page = window.page(sheet);
    if (auto* nested = page->findChild<QTabWidget*>())
        nested->setCurrentIndex(subPage);
    QCoreApplication::processEvents();
    const QStringList faults = testing::LayoutFaults(page);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(errors.messages(), QStringList());
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
