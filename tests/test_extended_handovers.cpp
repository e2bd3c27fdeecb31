// How the three groups of the "Расширенный" page hand values to each other,
// and that no state of the groups makes a hand-over run without end.
#include "app/main_window.h"
#include "pages/circuits/extended_circuit_page.h"
#include "support/test_support.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/update_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <functional>
#include <memory>

using testing::Find;

namespace {

constexpr double TwoPi = 6.283185307179586477;

double ResonanceMHz(double microhenry, double picofarad)
{
    return 1 / (TwoPi * std::sqrt(microhenry * 1e-6 * picofarad * 1e-12)) / 1e6;
}

} // namespace

class ExtendedHandOverTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void circuitToWaveAndBack();
    void circuitToCoilAndBack();
    void coilInductanceClearsCircuitThatSolvedL();
    void coilWithSolvedLReceivesNewCircuitL();
    void waveWithOtherInputReceivesFrequency();
    void circuitFrequencyUnitEndsInMegahertzAfterWaveClear();
    void waveFrequencyUnitGoesToCircuit();
    void inductanceUnitGoesBothWays();
    void everyStateOfTheGroupsEnds_data();
    void everyStateOfTheGroupsEnds();

private:
    QLineEdit* edit(const char* name) { return Find<QLineEdit>(window_.get(), QString::fromLatin1(name)); }
    QComboBox* combo(const char* name) { return Find<QComboBox>(window_.get(), QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return Find<QPushButton>(window_.get(), QString::fromLatin1(name)); }
    QCheckBox* turnToTurn() { return Find<QCheckBox>(window_.get(), "TS26ChB1"); }
    pages::ExtendedCircuitPage* page() { return Find<pages::ExtendedCircuitPage>(window_.get(), "TS26"); }
    void clearAll()
    {
        for (const char* clear : {"TS26Button1", "TS26Button2", "TS26Button3"})
            button(clear)->click();
        if (turnToTurn()->isChecked())
            turnToTurn()->click();
    }
    void typeCoil()
    {
        for (const auto& [name, text] : {std::pair{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}, {"TS26J", "10"}})
            testing::Retype(edit(name), QString::fromLatin1(text));
    }

    std::unique_ptr<app::MainWindow> window_;
    std::unique_ptr<testing::CapturedErrors> unexpected_;
};

void ExtendedHandOverTest::initTestCase()
{
    unexpected_ = std::make_unique<testing::CapturedErrors>();
    window_ = std::make_unique<app::MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    testing::OpenPage(*window_, "N8");
}

void ExtendedHandOverTest::init()
{
    clearAll();
    unexpected_->clear();
}

void ExtendedHandOverTest::circuitToWaveAndBack()
{
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26L"), "10");
    QCOMPARE(page()->wave().solvedField(), int(pages::ExtendedWaveGroup::F));

    // The wave group now starts from a wavelength; its frequency replaces the
    // circuit's computed one, and the circuit solves C from it and the coil's L.
    button("TS26Button2")->click();
    testing::Retype(edit("TS26EditJ"), "300");
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("1"));
    QCOMPARE(testing::Background(edit("TS26F")), values::WindowColour());
    QCOMPARE(edit("TS26L")->text(), QStringLiteral("10"));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26C")), 1 / (std::pow(TwoPi * 1e6, 2) * 10e-6) / 1e-12));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26C")), 2533.03, 5));
    QCOMPARE(testing::Background(edit("TS26C")), values::ResultColour);
    QCOMPARE(page()->circuit().solvedField(), int(pages::ExtendedCircuitGroup::C));
    QCOMPARE(page()->wave().solvedField(), int(pages::ExtendedWaveGroup::Wavelength));
    QCOMPARE(unexpected_->count(), 0);
}

void ExtendedHandOverTest::circuitToCoilAndBack()
{
    testing::Retype(edit("TS26C"), "100");
    typeCoil();
    QCOMPARE(page()->coil().solvedField(), int(pages::ExtendedCoilGroup::L));
    QCOMPARE(edit("TS26L")->text(), edit("TS26Ll")->text());
    const double microhenry = testing::Shown(edit("TS26Ll"));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), ResonanceMHz(microhenry, 100)));
    QCOMPARE(page()->circuit().solvedField(), int(pages::ExtendedCircuitGroup::F));
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditT")), 1 / ResonanceMHz(microhenry, 100)));

    // The circuit's inductance goes back into the coil, which sizes its turns.
    button("TS26Button3")->click();
    QCOMPARE(edit("TS26Ll")->text(), QStringLiteral("0"));
    testing::Retype(edit("TS26L"), "2");
    // F was solved: changing L recomputes it and hands the new L to the coil.
    QCOMPARE(edit("TS26Ll")->text(), QStringLiteral("2"));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), ResonanceMHz(2, 100)));
    for (const auto& [name, text] : {std::pair{"TS26Dk", "10"}, {"TS26Dp", "1"}, {"TS26J", "10"}})
        testing::Retype(edit(name), QString::fromLatin1(text));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26W")), std::sqrt(1000 * 2 * (10.0 / 11 + 0.46) / 11)));
    QCOMPARE(page()->coil().solvedField(), int(pages::ExtendedCoilGroup::W));
    QCOMPARE(unexpected_->count(), 0);
}

void ExtendedHandOverTest::coilInductanceClearsCircuitThatSolvedL()
{
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26F"), "5");
    QCOMPARE(page()->circuit().solvedField(), int(pages::ExtendedCircuitGroup::L));
    QCOMPARE(edit("TS26Ll")->text(), edit("TS26L")->text());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditT")), 0.2));

    // A coil typed in full decides the inductance: the circuit and the wave
    // start over, holding only the coil's L.
    testing::Retype(edit("TS26Ll"), "0.5");
    for (const auto& [name, text] : {std::pair{"TS26W", "10"}, {"TS26Dk", "10"}, {"TS26Dp", "1"}, {"TS26J", "10"}})
        testing::Retype(edit(name), QString::fromLatin1(text));
    QCOMPARE(edit("TS26L")->text(), QStringLiteral("0.5"));
    QCOMPARE(edit("TS26C")->text(), QStringLiteral("0"));
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("0"));
    QCOMPARE(testing::Background(edit("TS26F")), values::WindowColour());
    QCOMPARE(page()->circuit().solvedField(), 0);
    for (const char* name : {"TS26EditF", "TS26EditT", "TS26EditJ", "TS26EditJ4"})
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
    QCOMPARE(page()->wave().solvedField(), 0);
}

void ExtendedHandOverTest::coilWithSolvedLReceivesNewCircuitL()
{
    typeCoil();
    QCOMPARE(page()->coil().solvedField(), int(pages::ExtendedCoilGroup::L));
    testing::Retype(edit("TS26C"), "100");
    QCOMPARE(page()->circuit().solvedField(), int(pages::ExtendedCircuitGroup::F));

    testing::Retype(edit("TS26L"), "20");
    QCOMPARE(edit("TS26Ll")->text(), QStringLiteral("20"));
    for (const char* name : {"TS26W", "TS26Dk", "TS26Dp", "TS26J"}) {
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
        QCOMPARE(testing::Background(edit(name)), values::WindowColour());
    }
    QCOMPARE(testing::Background(edit("TS26Ll")), values::WindowColour());
    QCOMPARE(Find<QLabel>(window_.get(), "TS26Label1")->text(), QStringLiteral("0.45 < ?? < 2.5"));
    QCOMPARE(page()->coil().solvedField(), 0);
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), ResonanceMHz(20, 100)));
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
}

void ExtendedHandOverTest::waveWithOtherInputReceivesFrequency()
{
    testing::Retype(edit("TS26EditJ"), "300");
    QCOMPARE(page()->wave().solvedField(), int(pages::ExtendedWaveGroup::Wavelength));
    button("TS26Button1")->click();
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26L"), "10");

    const double mhz = ResonanceMHz(10, 100);
    QCOMPARE(page()->wave().solvedField(), int(pages::ExtendedWaveGroup::F));
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QCOMPARE(testing::Background(edit("TS26EditF")), values::WindowColour());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditJ")), 300 / mhz));
    QCOMPARE(testing::Background(edit("TS26EditJ")), values::ResultColour);
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditJ4")), 75 / mhz));
}

void ExtendedHandOverTest::circuitFrequencyUnitEndsInMegahertzAfterWaveClear()
{
    testing::Choose(combo("TS26FCB"), "кГц");
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26L"), "10");
    QCOMPARE(combo("TS26FCB")->currentText(), QStringLiteral("мГц"));
    QCOMPARE(combo("TS26CBF")->currentText(), QStringLiteral("мГц"));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), ResonanceMHz(10, 100)));
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditT")), 1 / ResonanceMHz(10, 100)));
    QCOMPARE(combo("TS26FCB")->toolTip(), QStringLiteral("Мегагерц"));

    // Choosing the unit again: the circuit hands its frequency in kilohertz to
    // the wave group, which hands it back to the circuit as the given value;
    // the circuit starts over, solving C, and the units end in megahertz again.
    testing::Choose(combo("TS26FCB"), "кГц");
    QCOMPARE(combo("TS26FCB")->currentText(), QStringLiteral("мГц"));
    QCOMPARE(combo("TS26CBF")->currentText(), QStringLiteral("мГц"));
    QCOMPARE(page()->circuit().solvedField(), int(pages::ExtendedCircuitGroup::C));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26C")), 100, 5));
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditF")), ResonanceMHz(10, 100), 5));
    QCOMPARE(unexpected_->count(), 0);
}

void ExtendedHandOverTest::waveFrequencyUnitGoesToCircuit()
{
    testing::Retype(edit("TS26EditF"), "7");
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("7"));
    testing::Choose(combo("TS26CBF"), "кГц");
    QCOMPARE(combo("TS26FCB")->currentText(), QStringLiteral("кГц"));
    QCOMPARE(combo("TS26FCB")->toolTip(), QStringLiteral("Келогерц"));
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("7"));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditT")), 1e6 / 7000));

    // The circuit now computes in kilohertz.
    testing::Retype(edit("TS26L"), "10");
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26C")), 1 / (std::pow(TwoPi * 7000, 2) * 10e-6) / 1e-12));
}

void ExtendedHandOverTest::inductanceUnitGoesBothWays()
{
    testing::Choose(combo("TS26LCB"), "мГн");
    QCOMPARE(combo("TS26LlCB")->currentText(), QStringLiteral("мГн"));
    testing::Choose(combo("TS26LlCB"), "Гн");
    QCOMPARE(combo("TS26LCB")->currentText(), QStringLiteral("Гн"));
    QCOMPARE(combo("TS26LCB")->toolTip(), QStringLiteral("Генри"));

    // With a coil computed in henries, the circuit reads the same number in henries.
    typeCoil();
    QCOMPARE(edit("TS26L")->text(), edit("TS26Ll")->text());
    testing::Retype(edit("TS26C"), "100");
    const double microhenry = testing::Shown(edit("TS26L")) * 1e6;
    QVERIFY(testing::SameDigits(microhenry, 0.803453, 5));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), ResonanceMHz(microhenry, 100)));
}

void ExtendedHandOverTest::everyStateOfTheGroupsEnds_data()
{
    QTest::addColumn<QStringList>("texts");  // C L F | F T λ λ4 | W Dk Dp J Ll
    QTest::newRow("every field filled")
        << QStringList{"100", "10", "5", "5", "0.2", "60", "15", "10", "10", "1", "10", "0.8"};
    QTest::newRow("every field empty") << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("some fields filled")
        << QStringList{"100", "0", "5", "0", "0.2", "0", "0", "10", "0", "1", "10", "0"};
    QTest::newRow("values that fit no coil")
        << QStringList{"1", "1", "1", "1", "1", "1", "1", "1", "5", "-5", "10", "-1"};
}

void ExtendedHandOverTest::everyStateOfTheGroupsEnds()
{
    QFETCH(QStringList, texts);
    const char* fields[] = {"TS26C",     "TS26L", "TS26F",  "TS26EditF", "TS26EditT", "TS26EditJ",
                            "TS26EditJ4", "TS26W", "TS26Dk", "TS26Dp",    "TS26J",     "TS26Ll"};
    const char* combos[] = {"TS26CCB", "TS26LCB", "TS26FCB", "TS26CBF", "TS26CBT", "TS26CBJ", "TS26CBJ4", "TS26LlCB"};

    std::vector<std::pair<QString, std::function<void()>>> operations;
    for (const char* name : fields) {
        operations.emplace_back(QStringLiteral("type into ") + QLatin1String(name), [this, name] {
            QLineEdit* field = edit(name);
            if (!field->isEnabled())
                return;
            field->end(false);
            testing::Type(field, QStringLiteral("3"));
        });
    }
    for (const char* name : combos) {
        operations.emplace_back(QStringLiteral("choose in ") + QLatin1String(name), [this, name] {
            // As the list would: select the item, then report the choice.
            QComboBox* box = combo(name);
            box->setCurrentIndex(1);
            emit box->activated(1);
        });
    }
    for (const char* name : {"TS26Button1", "TS26Button2", "TS26Button3"})
        operations.emplace_back(QStringLiteral("click ") + QLatin1String(name), [this, name] { button(name)->click(); });
    operations.emplace_back(QStringLiteral("switch the winding mode"), [this] { turnToTurn()->click(); });

    int runs = 0;
    for (bool turns : {false, true}) {
        for (int circuit = 0; circuit <= 3; ++circuit) {
            for (int wave = 0; wave <= 4; ++wave) {
                for (int coil = 0; coil <= 5; ++coil) {
                    for (const auto& [what, operation] : operations) {
                        clearAll();
                        if (turns)
                            turnToTurn()->click();
                        for (int i = 0; i < 12; ++i)
                            values::WriteGuarded(edit(fields[i]), texts[i]);
                        page()->circuit().forceSolvedField(circuit);
                        page()->wave().forceSolvedField(wave);
                        page()->coil().forceSolvedField(coil);

                        operation();  // a hand-over without end would never come back here

                        const QString state = QStringLiteral("%1 with circuit %2, wave %3, coil %4%5")
                                                  .arg(what).arg(circuit).arg(wave).arg(coil)
                                                  .arg(turns ? QStringLiteral(", turn to turn") : QString());
                        QVERIFY2(!values::UpdateGuard, qPrintable(state));
                        ++runs;
                    }
                }
            }
        }
    }
    QCOMPARE(runs, 2 * 4 * 5 * 6 * int(operations.size()));
    // The page still computes as before.
    clearAll();
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26L"), "10");
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), ResonanceMHz(10, 100)));
}

QTEST_MAIN(ExtendedHandOverTest)
#include "test_extended_handovers.moc"
