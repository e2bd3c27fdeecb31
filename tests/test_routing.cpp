#include "app/event_router.h"
#include "controls/colour_swatch.h"
#include "controls/labelled_edit.h"
#include "controls/radio_group.h"
#include "support/test_support.h"
#include "values/errors.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/update_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>

// A window with one control of every kind, each routed to a counting operation.
struct Fixture {
    QWidget root;
    QLineEdit* numeric = new QLineEdit(QStringLiteral("0"), &root);
    QLineEdit* result = new QLineEdit(QStringLiteral("0"), &root);
    QLineEdit* search = new QLineEdit(&root);
    QComboBox* combo = new QComboBox(&root);
    QGroupBox* group = new QGroupBox(&root);
    QCheckBox* box = new QCheckBox(&root);
    QTableView* grid = new QTableView(&root);
    controls::ColourSwatch* swatch = new controls::ColourSwatch(&root);
    QStandardItemModel model{3, 2};
    app::EventRouter router;
    QStringList calls;
    bool failSearch = false;

    Fixture()
    {
        combo->setEditable(true);
        combo->addItems({QStringLiteral("пФ"), QStringLiteral("нФ"), QStringLiteral("мкФ")});
        for (int i = 0; i < 3; ++i)
            new QRadioButton(QString::number(i), group);
        grid->setModel(&model);
        swatch->setTag(7);
        auto& t = router.tables();
        t.edits.add({numeric}, [this](QObject*) {
            calls << QStringLiteral("compute ") + numeric->text();
            values::ShowSolved(result, values::ReadValue(numeric) * 2);
        });
        t.edits.add({result}, [this](QObject*) { calls << QStringLiteral("result"); });
        t.addSearchEdit(search, [this](QObject*) {
            calls << QStringLiteral("search ") + search->text();
            if (failSearch)
                throw values::FileError(QStringLiteral("Файл не найден"));
        });
        t.combos.add({combo, box}, [this](QObject* s) { calls << QStringLiteral("combo ") + s->objectName(); });
        t.options.add({group}, [this](QObject*) { calls << QStringLiteral("option %1").arg(controls::ItemIndex(group)); });
        t.grids.add({grid}, [this](QObject*) { calls << QStringLiteral("grid"); });
        t.swatches.add({swatch}, [this](QObject* s) { calls << QStringLiteral("swatch %1").arg(s->property("tag").toInt()); });
        combo->setObjectName(QStringLiteral("combo"));
        box->setObjectName(QStringLiteral("box"));
        (new QLabel(QStringLiteral("Ёмкость С:"), &root))->setBuddy(numeric);
        controls::NameControlsByCaptions(&root);
        router.wire(&root);
        root.show();
    }
};

class RoutingTest : public QObject {
    Q_OBJECT

private slots:
    void typingRunsComputeOncePerRewrite_data();
    void typingRunsComputeOncePerRewrite();
    void otherSeparatorIsTakenForOurs();
    void programWritesRunNothing();
    void searchEditIsNotFiltered();
    void failedSearchLeavesFilterOn();
    void conversionFailureIsReportedOnce_data();
    void conversionFailureIsReportedOnce();
    void comboTakesNoTypedCharacter();
    void comboChoiceRoutes();
    void comboGetsItsTextPartWhenShown();
    void radioGroupRaisesOnCheck();
    void checkBoxRoutes();
    void gridAndSwatchRoute();
};

void RoutingTest::typingRunsComputeOncePerRewrite_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("computes");
    QTest::newRow("5 before the 0 is kept: one compute") << 0 << "50" << 1;
    QTest::newRow("5 after the 0 is rewritten: two computes") << 1 << "5" << 2;
}

void RoutingTest::typingRunsComputeOncePerRewrite()
{
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, computes);
    Fixture f;
    f.numeric->setFocus();
    f.numeric->setCursorPosition(caret);
    QTest::keyClick(f.numeric, Qt::Key_5);
    QCOMPARE(f.numeric->text(), expected);
    QCOMPARE(f.calls.count(), computes);
    QCOMPARE(f.result->text(), QString::number(expected.toInt() * 2));
    QVERIFY(!f.calls.contains(QStringLiteral("result")));
}

void RoutingTest::otherSeparatorIsTakenForOurs()
{
    for (const QChar D : {QChar(u'.'), QChar(u',')}) {
        const testing::DecimalSeparatorScope separator(D);
        Fixture f;
        testing::Retype(f.numeric, QStringLiteral("5"));
        QTest::keyClick(f.numeric, D == u'.' ? Qt::Key_Comma : Qt::Key_Period);
        QCOMPARE(f.numeric->text(), QStringLiteral("5") + D);
        QTest::keyClick(f.numeric, Qt::Key_5);
        QCOMPARE(f.result->text(), QStringLiteral("11"));
        QCOMPARE(f.numeric->cursorPosition(), 3);
    }
}

void RoutingTest::programWritesRunNothing()
{
    Fixture f;
    values::ShowSolved(f.numeric, 12);
    values::WriteGuarded(f.result, QStringLiteral("3"));
    QVERIFY(f.calls.isEmpty());
}

void RoutingTest::searchEditIsNotFiltered()
{
    Fixture f;
    testing::Type(f.search, QStringLiteral("BC 8"));
    QCOMPARE(f.search->text(), QStringLiteral("BC 8"));
    QCOMPARE(f.calls.last(), QStringLiteral("search BC 8"));
    QVERIFY(f.router.numericFilterOn());
}

void RoutingTest::failedSearchLeavesFilterOn()
{
    const testing::CapturedErrors errors;
    Fixture f;
    f.failSearch = true;
    testing::Type(f.search, QStringLiteral("x"));
    QCOMPARE(errors.messages(), QStringList{QStringLiteral("Файл не найден")});
    QVERIFY(f.router.numericFilterOn());
    testing::Retype(f.numeric, QStringLiteral("4a"));
    QCOMPARE(f.numeric->text(), QStringLiteral("4"));
}

void RoutingTest::conversionFailureIsReportedOnce_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sign inside, kept by the filter") << "12" << 1 << "-" << "1-2";
    QTest::newRow("two signs") << "+5" << 1 << "-" << "+-5";
    QTest::newRow("second exponent") << "153" << 2 << "e" << "15e3";
    QTest::newRow("rewritten, then fails in the nested event") << "1-2" << 3 << "a" << "1-2";
}

void RoutingTest::conversionFailureIsReportedOnce()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Fixture f;
    {
        const values::UpdateGuardScope guard;
        f.numeric->setText(start);
    }
    values::ShowSolved(f.result, 99);
    const testing::CapturedErrors errors;
    f.numeric->setFocus();
    f.numeric->setCursorPosition(caret);
    for (const QChar ch : typed)
        QTest::keyClicks(f.numeric, QString(ch));
    QCOMPARE(f.numeric->text(), shown);
    if (QByteArray(QTest::currentDataTag()) == "second exponent") {
        QVERIFY(errors.messages().isEmpty()); // 15e3 is a number
        return;
    }
    QCOMPARE(errors.count(), 1);
    // The message names the field by its caption, without the colon.
    QCOMPARE(errors.messages().first(), QStringLiteral("Ёмкость С: «%1» — не число").arg(shown));
    QCOMPARE(f.result->text(), QStringLiteral("99"));
    QCOMPARE(testing::Background(f.result), testing::Yellow);
}

void RoutingTest::comboTakesNoTypedCharacter()
{
    Fixture f;
    f.combo->setFocus();
    QTest::keyClicks(f.combo, QStringLiteral("abc"));
    QTest::keyClick(f.combo, Qt::Key_Backspace);
    QTest::keyClicks(f.combo->lineEdit(), QStringLiteral("xyz"));
    QCOMPARE(f.combo->currentText(), QStringLiteral("пФ"));
    QCOMPARE(f.combo->count(), 3);
    QVERIFY(f.calls.isEmpty());
}

void RoutingTest::comboChoiceRoutes()
{
    Fixture f;
    testing::Choose(f.combo, 2);
    QCOMPARE(f.combo->currentIndex(), 2);
    QCOMPARE(f.calls, QStringList{QStringLiteral("combo combo")});
    f.combo->setCurrentIndex(0); // a program's change raises nothing
    QCOMPARE(f.calls.count(), 1);
}

void RoutingTest::comboGetsItsTextPartWhenShown()
{
    QWidget root;
    auto* combo = new QComboBox(&root);
    combo->addItems({QStringLiteral("В"), QStringLiteral("кВ")});
    combo->hide();
    app::EventRouter router;
    router.wire(&root);
    root.show();
    QVERIFY(!combo->isEditable());
    combo->show();
    QVERIFY(combo->isEditable());
    QVERIFY(combo->lineEdit()->isReadOnly());
    QTest::keyClicks(combo, QStringLiteral("x"));
    QCOMPARE(combo->currentText(), QStringLiteral("В"));
}

void RoutingTest::radioGroupRaisesOnCheck()
{
    Fixture f;
    testing::ClickItem(f.group, 1);
    controls::SetItemIndex(f.group, 2);
    controls::SetItemIndex(f.group, -1);
    QCOMPARE(controls::ItemIndex(f.group), -1);
    QCOMPARE(f.calls, (QStringList{QStringLiteral("option 1"), QStringLiteral("option 2")}));
}

void RoutingTest::checkBoxRoutes()
{
    Fixture f;
    f.box->click();
    f.box->setChecked(false);
    QCOMPARE(f.calls, (QStringList{QStringLiteral("combo box"), QStringLiteral("combo box")}));
}

void RoutingTest::gridAndSwatchRoute()
{
    Fixture f;
    QTest::mouseClick(f.grid->viewport(), Qt::RightButton);
    QTest::mousePress(f.swatch, Qt::LeftButton);
    QCOMPARE(f.calls, (QStringList{QStringLiteral("grid"), QStringLiteral("swatch 7")}));
}

QTEST_MAIN(RoutingTest)
#include "test_routing.moc"
