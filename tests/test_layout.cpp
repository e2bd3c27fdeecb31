#include "app/error_reporter.h"
#include "app/main_window.h"
#include "app/page_catalog.h"
#include "support/layout_check.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <functional>

// Every page and sub-page as a user first sees it: nothing outside its parent,
// nothing overlapping, every text whole, every picture whole.
class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void pageIsWhole_data();
    void pageIsWhole();
    void longReadOutsFit_data();
    void longReadOutsFit();
    void checkerSeesFault_data();
    void checkerSeesFault();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void fitsEveryScreen_data();
    void fitsEveryScreen();
};

using Arrange = std::function<void(QWidget* page)>;
Q_DECLARE_METATYPE(Arrange)

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

// Read-outs written into labels at run time, with inputs chosen so that the
// answer needs every digit the page shows (15, or 6 on the pages that round).
void LayoutTest::longReadOutsFit_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QStringList>("readOuts");
    QTest::newRow("coil ratio") << "N18" << "TS7" << "LW1=10;LDk1=10;LDp1=1;LJ1=10" << QStringList{"LLabel1"};
    QTest::newRow("extended coil ratio") << "N8" << "TS26" << "TS26W=10;TS26Dk=10;TS26Dp=1;TS26J=10"
                                         << QStringList{"TS26Label1"};
    QTest::newRow("mains transformer") << "N27" << "TS12" << "TrL=3;TrT=7;TrU2=123.456789;TrI2=0.987654321"
                                       << QStringList{"TrLabel6", "TrLabel7", "TrLabel8", "TrLabel9", "TrLabel10"};
    QTest::newRow("added resistor power") << "N33" << "TS17" << "RDUv=12.98765432;RDU=3.11111111;RDI=0.123456789" << QStringList{"RDLabel2"};
    QTest::newRow("voltage divider") << "N38" << "TS22" << "R1R2EUIR1=7.3;R1R2EUIR2=3.7;R1R2EUIE=13.3;R1R2EUII=0.37"
                                     << QStringList{"R1R2EUIL1", "R1R2EUIL2", "R1R2EUIL3", "R1R2EUIL4",
                                                    "R1R2EUIL5", "R1R2EUIL6", "R1R2EUIL7"};
    QTest::newRow("ammeter shunt") << "N39" << "TS24" << "RshRa=7.3;RshIa=0.37;RshI=1.33;RshE=13.7"
                                   << QStringList{"RshLabel6", "RshLabel7"};
    QTest::newRow("voltmeter") << "N40" << "TS25" << "RoRu=7.31;RoIu=0.377;RoE=13.3"
                               << QStringList{"RoLabel2", "RoLabel4"};
    // Latin K and Cyrillic Т: the hint to check the keyboard layout shows under the grid.
    QTest::newRow("SMD layout hint") << "SMD1" << "TS27" << "SMDEdit1=KТ315" << QStringList{"SMDLayoutHint"};
    QTest::newRow("analogue layout hint") << "N16" << "TS28" << "AnalogTrEdit=KТ315" << QStringList{"AnalogTrLayoutHint"};
    // Read-outs in read-only edits beside the pages' own fields.
    QTest::newRow("coil details") << "N18" << "TS7" << "LW1=13;LDk1=9.7;LDp1=0.37;LJ1=7.3;L1QFreq=14.3"
                                  << QStringList{"L1Nagaoka", "L1Rosa", "L1SelfC", "L1SRF", "L1WireLength", "L1WireR", "L1Q"};
    QTest::newRow("ring read-outs") << "N26" << "TS11"
                                    << "LTorW=13;LTorM=2300;LTorDn=19.7;LTorDv=9.3;LTorH=4.7;LTorCatalogAL=1234.7;"
                                       "LTorWantedL=97.3;LTorMeasuredL=137.3"
                                    << QStringList{"LTorExactL", "LTorAL", "LTorCatalogW", "LTorMeasuredM"};
    QTest::newRow("dropper rating") << "N34" << "TS18" << "CDUv=223.7" << QStringList{"CDRating"};
}

void LayoutTest::longReadOutsFit()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, sheet);
    QFETCH(QString, inputs);
    QFETCH(QStringList, readOuts);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* page = testing::OpenSubPage(window, menuItem, sheet, 0);
    for (const QString& input : inputs.split(u';'))
        testing::Retype(testing::Find<QLineEdit>(page, input.section(u'=', 0, 0)), input.section(u'=', 1));
    for (const QString& name : readOuts) {
        const QWidget* readOut = testing::Find<QWidget>(page, name);
        const auto* edit = qobject_cast<const QLineEdit*>(readOut);
        const QString text = edit ? edit->text() : testing::Find<QLabel>(page, name)->text();
        QVERIFY2(readOut->isVisible() && text.size() >= 7, qPrintable(name + QStringLiteral(" reads only ") + text));
        // An edit does not grow with its text: the whole number must show at once.
        if (edit)
            QVERIFY2(edit->fontMetrics().horizontalAdvance(text) + 8 <= edit->width(), qPrintable(name + QStringLiteral(" cuts ") + text));
    }
    const QStringList faults = testing::LayoutFaults(page);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(errors.messages(), QStringList());
}

// The checker itself: each row lays out one fault a user would notice on a
// page otherwise whole, and names the control the report must mention.
void LayoutTest::checkerSeesFault_data()
{
    QTest::addColumn<Arrange>("arrange");
    QTest::addColumn<QString>("culprit");
    const auto label = [](QWidget* parent, const QString& name, const QString& text, QRect at) {
        auto* made = new QLabel(text, parent);
        made->setObjectName(name);
        made->setGeometry(at);
        return made;
    };
    QTest::newRow("clean page") << Arrange([=](QWidget* page) {
        label(page, "Caption", "Ёмкость C", {10, 10, 150, 22});
        auto* edit = new QLineEdit(page);
        edit->setGeometry(10, 34, 150, 24);
    }) << QString();
    QTest::newRow("label past the page edge") << Arrange([=](QWidget* page) {
        label(page, "Outside", "R1", {380, 10, 40, 22});
    }) << "Outside";
    QTest::newRow("siblings overlap") << Arrange([=](QWidget* page) {
        label(page, "Upper", "R1", {10, 10, 60, 22});
        label(page, "Lower", "R2", {10, 25, 60, 22});
    }) << "Upper";
    QTest::newRow("caption cut off") << Arrange([=](QWidget* page) {
        label(page, "Narrow", "Рассеиваемая мощность R1 (Ват)", {10, 10, 60, 22});
    }) << "Narrow";
    QTest::newRow("caption cut at the bottom") << Arrange([=](QWidget* page) {
        label(page, "Low", "Частота F", {10, 10, 150, 6});
    }) << "Low";
    QTest::newRow("wrapped text longer than its label") << Arrange([=](QWidget* page) {
        label(page, "Wrapped", "Трансформатор вадержит такую нагружку и ещё немного", {10, 10, 80, 22})
            ->setWordWrap(true);
    }) << "Wrapped";
    QTest::newRow("button caption cut off") << Arrange([](QWidget* page) {
        auto* button = new QPushButton(QStringLiteral("Очистить"), page);
        button->setObjectName("Button");
        button->setGeometry(10, 10, 30, 25);
    }) << "Button";
    QTest::newRow("check box caption cut off") << Arrange([](QWidget* page) {
        auto* box = new QCheckBox(QStringLiteral("Точный расчёт индуктивности"), page);
        box->setObjectName("Box");
        box->setGeometry(10, 10, 80, 22);
    }) << "Box";
    QTest::newRow("combo item wider than the combo") << Arrange([](QWidget* page) {
        auto* combo = new QComboBox(page);
        combo->setObjectName("Units");
        combo->addItems({QStringLiteral("Ом"), QStringLiteral("Выход за пределы")});
        combo->setGeometry(10, 10, 70, 25);
    }) << "Units";
    QTest::newRow("group title cut off") << Arrange([](QWidget* page) {
        auto* group = new QGroupBox(QStringLiteral("Характеристики измерительной головки"), page);
        group->setObjectName("Group");
        group->setGeometry(10, 10, 60, 60);
    }) << "Group";
    QTest::newRow("control leaves its group") << Arrange([=](QWidget* page) {
        auto* group = new QGroupBox(QStringLiteral("Fc1"), page);
        group->setGeometry(10, 10, 100, 100);
        label(group, "Escaped", "C1", {80, 80, 40, 22});
    }) << "Escaped";
    QTest::newRow("picture larger than its image") << Arrange([=](QWidget* page) {
        QPixmap picture(120, 80);
        picture.fill(Qt::white);
        label(page, "Image", QString(), {10, 10, 100, 80})->setPixmap(picture);
    }) << "Image";
}

void LayoutTest::checkerSeesFault()
{
    QFETCH(Arrange, arrange);
    QFETCH(QString, culprit);
    QWidget page;
    page.resize(400, 300);
    arrange(&page);
    page.show();
    const QStringList faults = testing::LayoutFaults(&page);
    if (culprit.isEmpty()) {
        QCOMPARE(faults, QStringList());
        return;
    }
    QVERIFY2(faults.size() == 1 && faults.front().startsWith(culprit + u' '), qPrintable(faults.join(QStringLiteral("; "))));
}

namespace {

// What keeps a control of the current page from being seen: the window off
// the screen, or the control not inside the page area once scrolled to.
QStringList OutOfReach(app::MainWindow& window, QWidget* page)
{
    QStringList faults;
    const QRect screen = window.screen()->availableGeometry();
    if (!screen.contains(window.frameGeometry()))
        faults << QStringLiteral("window leaves the screen");
    auto* scroll = testing::Find<QScrollArea>(&window, QStringLiteral("PageScroll"));
    const QRect seen(scroll->viewport()->mapTo(&window, QPoint(0, 0)), scroll->viewport()->size());
    if (!window.rect().contains(seen))
        faults << QStringLiteral("page area leaves the window");
    for (QWidget* control : page->findChildren<QWidget*>()) {
        const bool leaf = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)
            || qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control)
            || qobject_cast<QTableView*>(control);
        if (!leaf || !control->isVisible() || qobject_cast<QComboBox*>(control->parentWidget()))
            continue;
        // Scrolled so that the whole control shows, as far as it fits.
        const QRect inPage(control->mapTo(window.pageControl(), QPoint(0, 0)), control->size());
        scroll->ensureVisible(inPage.center().x(), inPage.center().y(), inPage.width() / 2 + 1,
                              std::min(inPage.height(), seen.height() - 2) / 2 + 1);
        const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
        // A control taller than the page area shows in parts as it scrolls.
        const bool shown = at.height() <= seen.height()
            ? seen.contains(at)
            : seen.intersects(at) && at.left() >= seen.left() && at.right() <= seen.right();
        if (!shown)
            faults << control->objectName() + QStringLiteral(" out of reach");
    }
    if (scroll->horizontalScrollBar()->isVisible())
        faults << QStringLiteral("page scrolls sideways");
    return faults;
}

} // namespace

// On the screen the suite runs on: every control of every page can be
// scrolled into view inside the window, and the window is on the screen;
// with every page open, every tab shows its whole caption.
void LayoutTest::fitsTheScreen_data()
{
    testing::AddEveryPageRows();
    QTest::newRow("every page open") << QString() << QString() << 0;
}

void LayoutTest::fitsTheScreen()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, sheet);
    QFETCH(int, subPage);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QCOMPARE(window.frameGeometry().height(), std::min(85, screen.height()));
    QWidget* page = nullptr;
    if (menuItem.isEmpty()) {
        for (const app::PageEntry& entry : app::PageCatalog())
            testing::OpenPage(window, QLatin1String(entry.menuItem));
        page = window.pageControl()->currentWidget();
    } else {
        page = testing::OpenSubPage(window, menuItem, sheet, subPage);
    }
    QCoreApplication::processEvents();
    // 730 x 685 where the screen holds it; else as high as the screen, and
    // wider by the scroll bar where that leaves room.
    const auto* scroll = testing::Find<QScrollArea>(&window, QStringLiteral("PageScroll"));
    QCOMPARE(window.frameGeometry().height(), std::min(685, screen.height()));
    const int margins = window.frameGeometry().width() - window.geometry().width();
    const int bar = screen.height() < 685 ? scroll->verticalScrollBar()->sizeHint().width() : 0;
    QCOMPARE(window.frameGeometry().width(), std::min(730 + margins + bar, screen.width()));
    QStringList faults = OutOfReach(window, page) + testing::LayoutFaults(page);

    if (!menuItem.isEmpty() && window.frameGeometry().height() == 685 && scroll->verticalScrollBar()->isVisible())
        faults << QStringLiteral("page scrolls in a window of full size");

    // Every open page's tab, caption whole, inside the window and above the page.
    const QRect pageArea(scroll->mapTo(&window, QPoint(0, 0)), scroll->size());
    int rows = 0;
    for (int i = 0; i < window.pageControl()->count(); ++i) {
        if (!window.pageControl()->isTabVisible(i))
            continue;
        const QString name = QStringLiteral("Tab") + window.pageControl()->widget(i)->objectName();
        const auto* tab = testing::Find<QAbstractButton>(&window, name);
        const QRect at(tab->mapTo(&window, QPoint(0, 0)), tab->size());
        if (!tab->isVisible() || tab->text() != window.pageControl()->tabText(i) || !window.rect().contains(at)
            || at.bottom() >= pageArea.top())
            faults << name + QStringLiteral(" not in view");
        if (tab->fontMetrics().horizontalAdvance(tab->text()) > tab->width() - 8)
            faults << name + QStringLiteral(" cuts its caption");
        rows = std::max(rows, tab->y() / tab->height() + 1);
    }
    if (menuItem.isEmpty() && rows < 2)
        faults << QStringLiteral("23 tabs on one row");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(errors.messages(), QStringList());
}

// The same on laptop and monitor screens, unscaled and scaled: the suite
// starts itself on each, its check running every page's row there.
void LayoutTest::fitsEveryScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("scale");
    QTest::newRow("1366x768 at 100%") << QSize(1366, 768) << "1";
    QTest::newRow("1366x768 at 125%") << QSize(1366, 768) << "1.25";
    QTest::newRow("1366x768 at 150%") << QSize(1366, 768) << "1.5";
    QTest::newRow("1920x1080 at 200%") << QSize(1920, 1080) << "2";
}

void LayoutTest::fitsEveryScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QString, scale);
    const QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2}]})")
                   .arg(screen.width()).arg(screen.height()).toUtf8());
    file.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("fitsTheScreen")});
    QVERIFY(child.waitForFinished(240000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output.right(3000)));
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
