#include "app/main_window.h"
#include "controls/labelled_edit.h"
#include "support/page_fixture.h"
#include "support/unit_fields.h"
#include "support/test_support.h"
#include "values/field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Find;

namespace {

using Inputs = QList<QPair<QString, QString>>;  // edit name, typed text, in typing order

constexpr double kTwoPi = 6.283185307179586477;

} // namespace

class ReactanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void solvesEachField_data();
    void solvesEachField();
    void coilImpedanceAlwaysComputed_data();
    void coilImpedanceAlwaysComputed();
    void frequencyFromReactance();
    void resultUnitChangeReshows();
    void inputUnitChangeRecomputes();
    void halvesClearIndependently();
    void overflowTurnsRed_data();
    void overflowTurnsRed();

private:
    QLineEdit* edit(const QString& name) const { return Find<QLineEdit>(page_, name); }
    QComboBox* combo(const QString& name) const { return Find<QComboBox>(page_, name); }
    void typeAll(const Inputs& inputs);
    void clearBoth();

    std::unique_ptr<testing::PageFixture> fixture_;
    QWidget* page_ = nullptr;
};

void ReactanceTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>("LC1");
    page_ = fixture_->sheet("TS23");
}

void ReactanceTest::init()
{
    fixture_->errors().clear();
}

void ReactanceTest::cleanup()
{
    clearBoth();
    QCOMPARE(fixture_->errors().messages(), QStringList());
}

void ReactanceTest::clearBoth()
{
    Find<QPushButton>(page_, "RLCFLButton")->click();
    Find<QPushButton>(page_, "RLCFCButton")->click();
}

void ReactanceTest::typeAll(const Inputs& inputs)
{
    for (const auto& [name, text] : inputs)
        testing::Retype(edit(name), text);
}

void ReactanceTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("defaultItem");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("group");

    const QStringList ohms{"Ом", "кОм", "мОм", "гОм"};
    const QStringList hertz{"Гц", "кГц", "мГц", "гГц"};
    QTest::newRow("L") << "RLCFLL" << "Индуктивность катушки L" << "RLCFLCBL" << QStringList{"мкГн", "мГн", "Гн"}
                       << 0 << "Микрогенри" << "RLCFLGB";
    QTest::newRow("F of L") << "RLCFLF" << "Частота F" << "RLCFLCBF" << hertz << 2 << "Мегагерц" << "RLCFLGB";
    QTest::newRow("Rxl") << "RLCFLRxl" << "Реактивное сопротивление Rxl" << "RLCFLCBRxl" << ohms << 0 << "Ом"
                         << "RLCFLGB";
    QTest::newRow("R") << "RLCFLR" << "Активное сопротивление катушки R" << "RLCFLCBR" << ohms << 0 << "Ом"
                       << "RLCFLGB1";
    QTest::newRow("Z") << "RLCFLRRxl" << "Полное сопротивление катушки" << "RLCFLCBRRxl" << ohms << 0 << "Ом"
                       << "RLCFLGB1";
    QTest::newRow("C") << "RLCFCC" << "Ёмкость C" << "RLCFCCBC" << QStringList{"пФ", "нФ", "мкФ", "Ф"} << 2
                       << "Микрофарад" << "RLCFCGB";
    QTest::newRow("F of C") << "RLCFCF" << "Частота F" << "RLCFCCBF" << hertz << 2 << "Мегагерц" << "RLCFCGB";
    QTest::newRow("Rxc") << "RLCFCRxc" << "Реактивное сопротивление Rxc" << "RLCFCCBRxc" << ohms << 0 << "Ом"
                         << "RLCFCGB";
}

void ReactanceTest::controlsAsDesigned()
{
    QFETCH(QString, editName);
    QFETCH(QString, caption);
    QFETCH(QString, comboName);
    QFETCH(QStringList, items);
    QFETCH(int, defaultItem);
    QFETCH(QString, hint);
    QFETCH(QString, group);

    QLineEdit* field = edit(editName);
    QCOMPARE(field->text(), QString("0"));
    QCOMPARE(controls::EditCaption(field)->text(), caption);
    QCOMPARE(field->parentWidget()->objectName(), group);
    QStringList shownItems;
    for (int i = 0; i < combo(comboName)->count(); ++i)
        shownItems << combo(comboName)->itemText(i);
    QCOMPARE(shownItems, items);
    QCOMPARE(combo(comboName)->currentIndex(), defaultItem);
    QCOMPARE(combo(comboName)->toolTip(), hint);

    QCOMPARE(Find<QGroupBox>(page_, "RLCFLGB")->title(), QString("L"));
    QCOMPARE(Find<QGroupBox>(page_, "RLCFCGB")->title(), QString("C"));
    QCOMPARE(Find<QGroupBox>(page_, "RLCFLGB1")->title(), QString("Дополнительно"));
    QCOMPARE(Find<QLabel>(page_, "RLCFLImage")->property("picture").toString(), QString("RLCFLImage"));
    QCOMPARE(Find<QLabel>(page_, "RLCFCImage")->property("picture").toString(), QString("RLCFCImage"));
}

void ReactanceTest::solvesEachField_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");

    // 10 мкГн at 2 мГц: XL = 2π·2e6·10e-6; 220 мкФ at 50 Гц (typed as 0.00005 мГц): XC = 1/(2π·50·220e-6).
    const double xl = kTwoPi * 2e6 * 10e-6;
    const double xc = 1 / (kTwoPi * 50 * 220e-6);
    QTest::newRow("L from F and Rxl") << Inputs{{"RLCFLF", "2"}, {"RLCFLRxl", "125.66370614359172"}} << "RLCFLL"
                                      << 10.0;
    QTest::newRow("F from L and Rxl") << Inputs{{"RLCFLL", "10"}, {"RLCFLRxl", "125.66370614359172"}} << "RLCFLF"
                                      << 2.0;
    QTest::newRow("Rxl from L and F") << Inputs{{"RLCFLL", "10"}, {"RLCFLF", "2"}} << "RLCFLRxl" << xl;
    QTest::newRow("C from F and Rxc") << Inputs{{"RLCFCF", "0.00005"}, {"RLCFCRxc", "14.4686311901723"}}
                                      << "RLCFCC" << 220.0;
    QTest::newRow("F from C and Rxc") << Inputs{{"RLCFCC", "220"}, {"RLCFCRxc", "14.4686311901723"}} << "RLCFCF"
                                      << 0.00005;
    QTest::newRow("Rxc from C and F") << Inputs{{"RLCFCC", "220"}, {"RLCFCF", "0.00005"}} << "RLCFCRxc" << xc;
}

void ReactanceTest::solvesEachField()
{
    QFETCH(Inputs, inputs);
    QFETCH(QString, solved);
    QFETCH(double, expected);

    typeAll(inputs);
    QVERIFY2(testing::SameDigits(testing::Shown(edit(solved)), expected), qPrintable(edit(solved)->text()));
    QCOMPARE(testing::Background(edit(solved)), values::ResultColour);
    QVERIFY(edit(solved)->isReadOnly());
    for (const auto& input : inputs)
        QCOMPARE(testing::Background(edit(input.first)), values::WindowColour());
}

void ReactanceTest::coilImpedanceAlwaysComputed_data()
{
    QTest::addColumn<QString>("resistance");
    QTest::addColumn<double>("impedance");

    QTest::newRow("no active resistance") << "0" << kTwoPi;
    QTest::newRow("R = 3") << "3" << std::sqrt(9 + kTwoPi * kTwoPi);
}

void ReactanceTest::coilImpedanceAlwaysComputed()
{
    QFETCH(QString, resistance);
    QFETCH(double, impedance);

    typeAll({{"RLCFLL", "1"}, {"RLCFLF", "1"}});
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFLRxl")), kTwoPi));
    if (resistance != "0")
        testing::Retype(edit("RLCFLR"), resistance);
    QVERIFY2(testing::SameDigits(testing::Shown(edit("RLCFLRRxl")), impedance), qPrintable(edit("RLCFLRRxl")->text()));
    QCOMPARE(testing::Background(edit("RLCFLRRxl")), values::ResultColour);
    QVERIFY(edit("RLCFLRRxl")->isReadOnly());
    QCOMPARE(testing::Background(edit("RLCFLR")), values::WindowColour());
}

void ReactanceTest::frequencyFromReactance()
{
    typeAll({{"RLCFLL", "1"}, {"RLCFLRxl", "6.2832"}});
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFLF")), 6.2832 / kTwoPi));
    QVERIFY(std::fabs(testing::Shown(edit("RLCFLF")) - 1) < 1e-5);
}

void ReactanceTest::resultUnitChangeReshows()
{
    typeAll({{"RLCFCC", "1"}, {"RLCFCF", "1"}});
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFCRxc")), 1 / kTwoPi));
    testing::Choose(combo("RLCFCCBRxc"), "кОм");
    QVERIFY2(testing::SameDigits(testing::Shown(edit("RLCFCRxc")), 1 / kTwoPi / 1000), qPrintable(edit("RLCFCRxc")->text()));
    QCOMPARE(combo("RLCFCCBRxc")->toolTip(), QString("Келом"));
    QCOMPARE(edit("RLCFCC")->text(), QString("1"));
}

void ReactanceTest::inputUnitChangeRecomputes()
{
    typeAll({{"RLCFLL", "1"}, {"RLCFLF", "1"}});
    testing::Choose(combo("RLCFLCBL"), "мГн");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFLRxl")), kTwoPi * 1000));
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFLRRxl")), kTwoPi * 1000));
    QCOMPARE(combo("RLCFLCBL")->toolTip(), QString("Милигенри"));
    testing::Choose(combo("RLCFLCBRRxl"), "кОм");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFLRRxl")), kTwoPi));
}

void ReactanceTest::halvesClearIndependently()
{
    typeAll({{"RLCFLL", "1"}, {"RLCFLF", "1"}, {"RLCFCC", "1"}, {"RLCFCF", "1"}});
    testing::Choose(combo("RLCFLCBF"), "кГц");
    testing::Choose(combo("RLCFCCBF"), "кГц");

    Find<QPushButton>(page_, "RLCFLButton")->click();
    for (const char* name : {"RLCFLL", "RLCFLF", "RLCFLRxl", "RLCFLR", "RLCFLRRxl"}) {
        QCOMPARE(edit(name)->text(), QString("0"));
        QCOMPARE(testing::Background(edit(name)), values::WindowColour());
        QVERIFY(!edit(name)->isReadOnly());
    }
    QCOMPARE(combo("RLCFLCBF")->currentIndex(), 2);
    QCOMPARE(combo("RLCFLCBF")->toolTip(), QString("Мегагерц"));

    // The capacitor half keeps its fields, its unit and its solved field.
    QCOMPARE(combo("RLCFCCBF")->currentIndex(), 1);
    QCOMPARE(testing::Background(edit("RLCFCRxc")), values::ResultColour);
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFCRxc")), 1 / (kTwoPi * 1e3 * 1e-6)));
    edit("RLCFCF")->end(false);
    testing::Type(edit("RLCFCF"), "0");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFCRxc")), 1 / (kTwoPi * 1e4 * 1e-6)));

    // A fresh solve in the cleared half picks whichever field is now empty.
    typeAll({{"RLCFLRxl", "100"}, {"RLCFLF", "1"}});
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFLL")), 100 / (kTwoPi * 1e6) / 1e-6));
}

void ReactanceTest::overflowTurnsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("capacitance");  // Ф, at 1E-10 Гц
    QTest::newRow("point") << QChar('.') << "1.5E-300";
    QTest::newRow("comma") << QChar(',') << "1,5E-300";
}

void ReactanceTest::overflowTurnsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QString, capacitance);
    const testing::DecimalSeparatorScope scope(separator);

    // 1.5E-300 Ф at 1E-10 Гц has a reactance beyond every double.
    testing::Choose(combo("RLCFCCBC"), "Ф");
    testing::Choose(combo("RLCFCCBF"), "Гц");
    for (const auto& [name, text] : {std::pair{"RLCFCC", capacitance}, std::pair{"RLCFCF", QString("1E-10")}})
        testing::Paste(edit(name), text);
    QCOMPARE(edit("RLCFCRxc")->text(), QString("0"));
    QCOMPARE(testing::Background(edit("RLCFCRxc")), values::InvalidColour);
    QCOMPARE(edit("RLCFCRxc")->toolTip(), QString("Нет решения: результат слишком велик"));

    // A frequency that gives a reactance within range solves it.
    testing::Paste(edit("RLCFCF"), "1E290");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RLCFCRxc")), 1 / (kTwoPi * 1.5E-300 * 1E290)));
    QCOMPARE(testing::Background(edit("RLCFCRxc")), values::ResultColour);
    QCOMPARE(testing::Reason(edit("RLCFCRxc")), QString());
}

QTEST_MAIN(ReactanceTest)
#include "test_reactance.moc"
