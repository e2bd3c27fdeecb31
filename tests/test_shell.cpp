#include "app/main_window.h"
#include "app/page_catalog.h"
#include "controls/labelled_edit.h"
#include "support/test_support.h"
#include "values/pictures.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QStringList VisibleTabs(const QTabWidget* pages)
{
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->isTabVisible(i))
            tabs << pages->tabText(i);
    }
    return tabs;
}

QString Current(const QTabWidget* pages)
{
    return pages->tabText(pages->currentIndex());
}

void CloseCurrent(app::MainWindow& window)
{
    QTest::mouseClick(testing::Find<QLabel>(&window, QStringLiteral("Image1")), Qt::LeftButton);
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void startsCollapsedAtTopCentre();
    void everyPageExistsFromStart_data();
    void everyPageExistsFromStart();
    void menuTree();
    void tabsKeepTheFixedOrder();
    void closingMovesToTheSamePlace();
    void closingWithNothingOpenChangesNothing();
    void reopeningRepeatsTheOpeningWork();
    void captionedFieldsAreNamed();
    void copiesValuesWithUnits_data();
    void copiesValuesWithUnits();
    void aboutWindowSitsOnTheCorner();
    void aboutLinksLightUnderTheMouse();
    void calculatorItem_data();
    void calculatorItem();
};

void ShellTest::startsCollapsedAtTopCentre()
{
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Схемарь"));
    QCOMPARE(window.frameGeometry().height(), 85);
    QCOMPARE(window.frameGeometry().top(), 0);
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.frameGeometry().left(), (screen.width() - window.frameGeometry().width()) / 2);
    QCOMPARE(window.geometry().width(), 730);
    QVERIFY(!testing::Find<QTabWidget>(&window, QStringLiteral("PageControl1"))->isVisible());
    QVERIFY(testing::Find<QLabel>(&window, QStringLiteral("Image1"))->isVisible());
    QCOMPARE(testing::Find<QLabel>(&window, QStringLiteral("Image1"))->toolTip(), QStringLiteral("Закрыть страницу"));
}

void ShellTest::everyPageExistsFromStart_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("item");
    for (const app::PageEntry& entry : app::PageCatalog()) {
        QTest::newRow(entry.sheet) << QString::fromLatin1(entry.sheet) << QString::fromUtf16(entry.caption)
                                   << QString::fromLatin1(entry.menuItem);
    }
}

void ShellTest::everyPageExistsFromStart()
{
    QFETCH(QString, sheet);
    QFETCH(QString, caption);
    QFETCH(QString, item);
    const testing::CapturedErrors errors;
    app::MainWindow window;
    window.show();
    auto* pages = testing::Find<QTabWidget>(&window, QStringLiteral("PageControl1"));
    QCOMPARE(pages->count(), static_cast<int>(app::PageCatalog().size()));
    QWidget* page = testing::Find<QWidget>(&window, sheet);
    const int index = pages->indexOf(page);
    QCOMPARE(pages->tabText(index), caption);
    QVERIFY(!pages->isTabVisible(index));
    testing::OpenPage(window, item);
    QCOMPARE(pages->currentWidget()->objectName(), sheet);
    QCOMPARE(VisibleTabs(pages), QStringList{caption});
    QCOMPARE(window.frameGeometry().height(), 685);
    QVERIFY(pages->isVisible());
    QVERIFY(page->isVisible());
    for (const auto& [owner, nested] : {std::pair{"TS19", "PageControl13"}, std::pair{"TS20", "PageControl12"}}) {
        auto* control = testing::Find<QTabWidget>(&window, QLatin1String(nested));
        QCOMPARE(control->parentWidget()->objectName(), QLatin1String(owner));
        QCOMPARE(control->count(), 2);
        QCOMPARE(control->tabText(0), QStringLiteral("Цвето маркировка -> Номинал"));
        QCOMPARE(control->tabText(1), QStringLiteral("Номинал -> Цвето маркировка"));
        QCOMPARE(control->height(), control->parentWidget()->height() - 5);
    }
    QCOMPARE(errors.messages(), QStringList());
}

void ShellTest::menuTree()
{
    app::MainWindow window;
    const QList<QAction*> top = window.menuBar()->actions();
    QStringList captions;
    for (QAction* action : top)
        captions << action->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("Фаил"), QStringLiteral("Калькулятор"), QStringLiteral("Расчёты"),
                                    QStringLiteral("Маркировка"), QStringLiteral("Аналоги")}));
    const struct {
        const char* name;
        const char16_t* caption;
    } items[] = {
        {"N6", u"О программе"}, {"N23", u"Калькулятор"}, {"N7", u"Паралельный и последовательный"},
        {"N8", u"Расширенный"}, {"N13", u"НЧ"}, {"N14", u"ВЧ"}, {"N15", u"Полосовой"},
        {"NFilterDesign", u"Проектирование…"}, {"N18", u"Однслойная"},
        {"N19", u"Многослойная"}, {"N25", u"Провода"}, {"N26", u"На фирритовом кольце"}, {"N27", u"Сетевой"},
        {"N32", u"Закон Ома"}, {"R1R21", u"Паралельное соединение R1, R2"}, {"N33", u"Добавочное"},
        {"N24", u"Преобразование треугольник <-> звезда"}, {"N38", u"Делитель напряжения"},
        {"N39", u"Шунт или расчёт Амперметра"}, {"N40", u"Расчёт вольт метра"}, {"LC1", u"L, C"},
        {"N34", u"Гасящий конденсатор"}, {"N35", u"Сопротивление"}, {"N36", u"Дросель"},
        {"SMD1", u"Маркировка SMD транзисторов"}, {"N16", u"Транзисторы"}, {"N5", u"Колебательный контур"},
        {"N17", u"Цилиндрическая"}, {"N30", u"Активное"}, {"N31", u"Реактивное"},
        {"NESeries", u"Стандартные номиналы"},
    };
    for (const auto& item : items)
        QCOMPARE(testing::Find<QAction>(&window, QLatin1String(item.name))->text(), QString::fromUtf16(item.caption));
}

void ShellTest::tabsKeepTheFixedOrder()
{
    app::MainWindow window;
    window.show();
    auto* pages = testing::Find<QTabWidget>(&window, QStringLiteral("PageControl1"));
    for (const char* item : {"N13", "N32", "N14"})
        testing::OpenPage(window, QLatin1String(item));
    QCOMPARE(VisibleTabs(pages), (QStringList{QStringLiteral("НЧ"), QStringLiteral("ВЧ"), QStringLiteral("Закон Ома")}));
    QCOMPARE(Current(pages), QStringLiteral("ВЧ"));
    testing::OpenPage(window, QStringLiteral("N13"));
    QCOMPARE(Current(pages), QStringLiteral("НЧ"));
    QCOMPARE(VisibleTabs(pages).count(), 3);
}

void ShellTest::closingMovesToTheSamePlace()
{
    app::MainWindow window;
    window.show();
    auto* pages = testing::Find<QTabWidget>(&window, QStringLiteral("PageControl1"));
    for (const char* item : {"N13", "N32", "N14"})
        testing::OpenPage(window, QLatin1String(item));
    CloseCurrent(window);
    QCOMPARE(Current(pages), QStringLiteral("Закон Ома"));
    CloseCurrent(window);
    QCOMPARE(Current(pages), QStringLiteral("НЧ"));
    QCOMPARE(window.frameGeometry().height(), 685);
    const QPoint position = window.frameGeometry().topLeft();
    CloseCurrent(window);
    QVERIFY(VisibleTabs(pages).isEmpty());
    QVERIFY(!pages->isVisible());
    QCOMPARE(window.frameGeometry().height(), 85);
    QCOMPARE(window.frameGeometry().topLeft(), position);
}

void ShellTest::closingWithNothingOpenChangesNothing()
{
    app::MainWindow window;
    window.show();
    const QRect before = window.frameGeometry();
    CloseCurrent(window);
    CloseCurrent(window);
    QCOMPARE(window.frameGeometry(), before);
    testing::OpenPage(window, QStringLiteral("N7"));
    CloseCurrent(window);
    CloseCurrent(window);
    QCOMPARE(window.frameGeometry(), before);
}

void ShellTest::reopeningRepeatsTheOpeningWork()
{
    app::MainWindow window;
    window.show();
    testing::OpenPage(window, QStringLiteral("N13"));
    auto* image = testing::Find<QLabel>(&window, QStringLiteral("FNImage2"));
    QCOMPARE(values::PictureName(image), QStringLiteral("PIC1"));
    values::LoadPicture(image, QStringLiteral("PIC5"));
    testing::OpenPage(window, QStringLiteral("N32"));
    testing::OpenPage(window, QStringLiteral("N13"));
    QCOMPARE(values::PictureName(image), QStringLiteral("PIC1"));
    QVERIFY(!image->pixmap().isNull());
}

void ShellTest::captionedFieldsAreNamed()
{
    app::MainWindow window;
    int named = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->buddy())
            continue;
        QCOMPARE(label->buddy()->accessibleName(), label->text().remove(u'&').trimmed());
        ++named;
    }
    QVERIFY(named >= 100);
    // A caption that changes with the page's mode takes the name along.
    window.show();
    testing::OpenPage(window, QStringLiteral("N13"));
    testing::ClickItem(testing::Find<QGroupBox>(&window, QStringLiteral("FNRG2")), 1);
    const auto* lr = testing::Find<QLineEdit>(&window, QStringLiteral("FNLR"));
    QCOMPARE(lr->accessibleName(), controls::EditCaption(lr)->text());
}

void ShellTest::copiesValuesWithUnits_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("typed");  // field, text, field, text …
    QTest::addColumn<QString>("field");      // whose context menu is used
    QTest::addColumn<QString>("how");        // Ctrl+Shift+C or a context menu entry, "submenu/entry"
    // # for the decimal separator: what was copied, a submenu's entries, or
    // the page an entry opened with its value and unit.
    QTest::addColumn<QString>("copied");
    const QString circuit = QStringLiteral("Колебательный контур поралельный и последовательный\n"
                                           "Ёмкость С: 100 пФ\nИндуктивность L: 10 мкГн\nЧастота F: 5#0329212104487 МГц");
    const QStringList lc{"LCFC", "100", "LCFL", "10"};
    QTest::newRow("page by keys") << QChar(u'.') << "N7" << lc << "LCFF" << "keys" << circuit;
    QTest::newRow("page from the menu, comma") << QChar(u',') << "N7" << lc << "LCFF" << "Копировать всю страницу"
                                               << circuit;
    QTest::newRow("one result from the menu") << QChar(u',') << "N7" << lc << "LCFF"
                                              << "Копировать значение с единицей" << "5#0329212104487 МГц";
    QTest::newRow("units named in the captions")
        << QChar(u',') << "N25" << QStringList{"L4D", "0,5"} << "L4L" << "keys"
        << "Индуктивность провода\nДлинна J: 0 мм\nДиаметр провода D: 0#5 мм\nИндуктивность L: 0 мкГн";
    const QString standard = QStringLiteral("Ближайшие стандартные номиналы");
    const QString open = QStringLiteral("\nОткрыть страницу «Стандартные номиналы»");
    QTest::newRow("standard values of a computed R") << QChar(u',') << "N32" << QStringList{"OmV", "7", "OmI", "0,1"}
                                                     << "OmRn" << standard
                                                     << "E12: 68 Ом\t−2#86 %\nE24: 68 Ом\t−2#86 %\nE96: 69#8 Ом\t−0#29 %" + open;
    QTest::newRow("standard values of a computed C") << QChar(u'.') << "N7" << QStringList{"LCFL", "10", "LCFF", "1"}
                                                     << "LCFC" << standard
                                                     << "E12: 2#7 нФ\t+6#59 %\nE24: 2#4 нФ\t−5#25 %\nE96: 2#55 нФ\t+0#67 %" + open;
    QTest::newRow("standard values of a computed L") << QChar(u',') << "N7" << QStringList{"LCFC", "100", "LCFF", "1"}
                                                     << "LCFL" << standard
                                                     << "E12: 270 мкГн\t+6#59 %\nE24: 240 мкГн\t−5#25 %\nE96: 255 мкГн\t+0#67 %" + open;
    QTest::newRow("no standard values for a typed value") << QChar(u'.') << "N7" << lc << "LCFC" << standard << "";
    QTest::newRow("the standard values page opens in the unit that fits")
        << QChar(u',') << "N7" << QStringList{"LCFL", "10", "LCFF", "1"} << "LCFC"
        << standard + "/Открыть страницу «Стандартные номиналы»" << "Стандартные номиналы: 2#53302959105844 нФ";
}

void ShellTest::copiesValuesWithUnits()
{
    QFETCH(QChar, separator);
    QFETCH(QString, item);
    QFETCH(QStringList, typed);
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(QString, copied);
    const testing::DecimalSeparatorScope scope(separator);
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testing::OpenPage(window, item);
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        testing::Retype(testing::Find<QLineEdit>(&window, typed[i]), typed[i + 1]);
    QApplication::clipboard()->clear();
    auto* edit = testing::Find<QLineEdit>(&window, field);
    if (how == QLatin1String("keys")) {
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QString seen;
        QTimer::singleShot(0, edit, [how, &seen] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* entry : menu->actions()) {
                if (entry->text() == how)
                    entry->trigger();
                if (entry->text() != how.section(u'/', 0, 0) || !entry->menu())
                    continue;
                QStringList entries;
                for (QAction* inner : entry->menu()->actions()) {
                    if (!inner->isSeparator())
                        entries << inner->text();
                    if (inner->text() == how.section(u'/', 1))
                        inner->trigger();
                }
                seen = entries.join(u'\n');
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), edit->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(edit, &event);
        if (how.contains(u'/')) {
            const QWidget* page = window.pageControl()->currentWidget();
            seen = window.pageControl()->tabText(window.pageControl()->currentIndex()) + QStringLiteral(": ")
                   + testing::Find<QLineEdit>(page, QStringLiteral("ESValue"))->text() + u' '
                   + testing::Find<QComboBox>(page, QStringLiteral("ESUnit"))->currentText();
        }
        if (how.startsWith(QStringLiteral("Ближайшие"))) {
            QCOMPARE(seen, copied.replace(u'#', separator));
            return;
        }
    }
    QCOMPARE(QApplication::clipboard()->text(), copied.replace(u'#', separator));
}

void ShellTest::aboutWindowSitsOnTheCorner()
{
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int showing = 0; showing < 2; ++showing) {
        QString title;
        QPoint corner;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), QStringLiteral("TForm2"));
            title = about->windowTitle();
            corner = about->frameGeometry().topLeft();
            modal = about->isModal();
            about->close();
        });
        testing::OpenPage(window, QStringLiteral("N6"));
        QCOMPARE(title, QStringLiteral("Схемарь Ver. 2.0.5.20"));
        QCOMPARE(corner, window.frameGeometry().topLeft());
        QVERIFY(modal);
        QVERIFY(!window.findChild<QDialog*>(QStringLiteral("TForm2")));
    }
}

void ShellTest::aboutLinksLightUnderTheMouse()
{
    app::MainWindow window;
    window.show();
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* about = QApplication::activeModalWidget();
        for (const char* name : {"VerLabel1", "VerLabel2", "VerLabel3"}) {
            auto* label = testing::Find<QLabel>(about, QLatin1String(name));
            auto describe = [&] {
                seen << QStringLiteral("%1 %2 %3").arg(QLatin1String(name), testing::FontColour(label).name()).arg(label->font().pointSize());
            };
            describe();
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(label, &enter);
            describe();
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(label, &leave);
            describe();
        }
        about->close();
    });
    testing::OpenPage(window, QStringLiteral("N6"));
    QCOMPARE(seen, (QStringList{"VerLabel1 #008000 12", "VerLabel1 #ff0000 13", "VerLabel1 #008000 12",
                                "VerLabel2 #008000 12", "VerLabel2 #ff0000 13", "VerLabel2 #008000 12",
                                "VerLabel3 #008000 12", "VerLabel3 #ff0000 13", "VerLabel3 #008000 12"}));
}

void ShellTest::calculatorItem_data()
{
    QTest::addColumn<QString>("onPath");
    QTest::addColumn<bool>("told");
    QTest::newRow("no calculator on the PATH: the user is told") << QString() << true;
    QTest::newRow("a calculator on the PATH starts, quietly") << "galculator" << false;
}

void ShellTest::calculatorItem()
{
    QFETCH(QString, onPath);
    QFETCH(bool, told);
    const QTemporaryDir bin;
    const QString program = bin.filePath(onPath);
    if (!onPath.isEmpty()) {
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n: > \"$0.ran\"\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    const testing::CapturedErrors errors;
    app::MainWindow window;
    testing::OpenPage(window, QStringLiteral("N23"));
    qputenv("PATH", path);
    if (told) {
        QCOMPARE(errors.count(), 1);
        QVERIFY2(errors.messages().first().startsWith(QStringLiteral("Калькулятор не найден")),
                 qPrintable(errors.messages().first()));
    } else {
        QCOMPARE(errors.messages(), QStringList());
        QTRY_VERIFY(QFile::exists(program + QStringLiteral(".ran")));
    }
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
