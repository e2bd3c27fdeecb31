#include "app/main_window.h"
#include "support/test_support.h"

#include <QTabWidget>

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void startsCollapsed();
};

void ShellTest::startsCollapsed()
{
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().height(), 85);
    QCOMPARE(window.frameGeometry().top(), 0);
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
