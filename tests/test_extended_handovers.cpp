// How the three groups of the "Расширенный" page hand values to each other,
// and that no state of the groups makes a hand-over run without end.
#include "app/main_window.h"
#include "support/page_fixture.h"
#include "pages/circuits/extended_circuit_page.h"
#include "support/test_support.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/update_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

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
    void unitChoicesKeepQuantities_data();
    void unitChoicesKeepQuantities();
    void waveFrequencyUnitGoesToCircuit();
    void inductanceUnitGoesBothWays();
    void everyStateOfTheGroupsEnds_data();
    void everyStateOfTheGroupsEnds();

private:
    QLineEdit* edit(const char* name) { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    QComboBox* combo(const char* name) { return fixture_->find<QComboBox>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return fixture_->find<QPushButton>(QString::fromLatin1(name)); }
    QCheckBox* turnToTurn() { return fixture_->find<QCheckBox>("TS26ChB1"); }
    pages::ExtendedCircuitPage* page() { return fixture_->find<pages::ExtendedCircuitPage>("TS26"); }
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

    std::unique_ptr<testing::PageFixture> fixture_;
    std::unique_ptr<testing::CapturedErrors> unexpected_;
};

void ExtendedHandOverTest::initTestCase()
{
    unexpected_ = std::make_unique<testing::CapturedErrors>();
    fixture_ = std::make_unique<testing::PageFixture>("N8");
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
    QCOMPARE(fixture_->find<QLabel>("TS26Label1")->text(), QStringLiteral("0.45 < ?? < 2.5"));
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

void ExtendedHandOverTest::unitChoicesKeepQuantities_data()
{
    // A script of what a user does, and "?" checks of what the page then shows:
    // "name=text" types (or checks) a text, numbers written with "."; "name:unit"
    // chooses (or checks) a unit; "name~number" checks a number quoted with the
    // digits given; "name@input" / "name@result" checks a field's colour;
    // "name!" clicks a button.
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("script");
    const QStringList circuitSolvesL{"TS26C=100", "TS26F=1", "TS26Dk=10", "TS26Dp=0.5", "TS26J=20",
                                     "?TS26L~253.303", "?TS26Ll~253.303", "?TS26W~238.85"};
    const QStringList coilSolvesL{"TS26C=100", "TS26W=10", "TS26Dk=10", "TS26Dp=1", "TS26J=10",
                                  "?TS26Ll~0.803453", "?TS26F~17.7558"};
    const QStringList coilKept{"?TS26W=10", "?TS26Dk=10", "?TS26Dp=1", "?TS26J=10", "?TS26C=100", "?TS26C@input",
                               "?TS26F~17.7558", "?TS26LCB:мГн", "?TS26LlCB:мГн", "?TS26L~0.000803453",
                               "?TS26Ll~0.000803453"};
    const QList<std::pair<const char*, QStringList>> rows{
        {"(a) mH for the circuit's computed L keeps C, F, the wave and the coil",
         circuitSolvesL + QStringList{"TS26LCB:мГн", "?TS26LCB:мГн", "?TS26L~0.253303", "?TS26L@result",
                                      "?TS26LlCB:мГн", "?TS26Ll~0.253303", "?TS26W~238.85", "?TS26C=100",
                                      "?TS26F=1", "?TS26EditF=1", "?TS26EditT~1", "?TS26EditJ~300"}},
        {"(b) mH for the coil's computed L keeps the coil's sizes", coilSolvesL + QStringList{"TS26LlCB:мГн"} + coilKept},
        {"mH chosen in the circuit for the coil's computed L", coilSolvesL + QStringList{"TS26LCB:мГн"} + coilKept},
        {"(c) the coil cleared while the circuit is in mH",
         circuitSolvesL + QStringList{"TS26LCB:мГн", "TS26Button3!", "TS26C=100", "?TS26Ll~253.303",
                                      "?TS26LlCB:мкГн", "TS26Dk=10", "TS26Dp=0.5", "TS26J=20", "?TS26W~238.85",
                                      "?TS26L~0.253303"}},
        {"(d) the circuit cleared while the coil is in mH",
         QStringList{"TS26LlCB:мГн", "TS26C=100", "TS26W=20", "TS26Dk=10", "TS26Dp=0.5", "TS26J=10",
                     "?TS26F~9.229", "TS26Button1!", "TS26C=100", "TS26J=10", "?TS26LCB:мкГн", "?TS26L~2.9737",
                     "?TS26Ll~0.0029737", "?TS26F~9.229"}},
        {"(e) a frequency typed in kHz stays in kHz for the wave",
         QStringList{"TS26C=100", "TS26FCB:кГц", "TS26F=7100", "?TS26L~5.025", "?TS26FCB:кГц", "?TS26CBF:кГц",
                     "?TS26F=7100", "?TS26EditF=7100", "?TS26EditT~0.140845"}},
        {"(f) kHz for the computed F re-expresses it; C stays typed",
         QStringList{"TS26C=100", "TS26L=10", "?TS26F~5.03292", "TS26FCB:кГц", "?TS26F~5032.92", "?TS26F@result",
                     "?TS26C=100", "?TS26C@input", "?TS26L=10", "?TS26FCB:кГц", "?TS26CBF:кГц",
                     "?TS26EditF~5032.92", "?TS26EditT~0.198692", "TS26CBF:гГц", "?TS26F~0.00503292",
                     "?TS26FCB:гГц", "?TS26C=100", "?TS26C@input", "?TS26EditJ~59.6075"}},
        {"F computed in kHz stays in kHz",
         QStringList{"TS26FCB:кГц", "TS26C=100", "TS26L=10", "?TS26F~5032.92", "?TS26FCB:кГц", "?TS26CBF:кГц",
                     "?TS26EditF~5032.92", "?TS26EditT~0.198692", "TS26FCB:кГц", "?TS26F~5032.92",
                     "?TS26C@input"}},
    };
    for (const auto& [name, script] : rows) {
        QTest::addRow("%s, point", name) << QChar('.') << script;
        QTest::addRow("%s, comma", name) << QChar(',') << script;
    }
}

void ExtendedHandOverTest::unitChoicesKeepQuantities()
{
    QFETCH(QChar, separator);
    QFETCH(QStringList, script);
    const testing::DecimalSeparatorScope scope(separator);
    const auto localised = [&](QString text) { return text.replace(QLatin1Char('.'), separator); };
    static const QRegularExpression entry(QStringLiteral("^([?]?)(\\w+)([=:~@!])(.*)$"));
    for (const QString& line : script) {
        const QRegularExpressionMatch part = entry.match(line);
        QVERIFY2(part.hasMatch(), qPrintable(line));
        const bool check = !part.captured(1).isEmpty();
        const QByteArray name = part.captured(2).toLatin1();
        const QChar kind = part.captured(3).at(0);
        const QString value = part.captured(4);
        if (kind == QLatin1Char('!')) {
            button(name.constData())->click();
        } else if (kind == QLatin1Char(':')) {
            if (check)
                QVERIFY2(combo(name.constData())->currentText() == value, qPrintable(line));
            else
                testing::Choose(combo(name.constData()), value);
        } else if (kind == QLatin1Char('=')) {
            if (check)
                QVERIFY2(edit(name.constData())->text() == localised(value), qPrintable(line + " " + edit(name.constData())->text()));
            else
                testing::Retype(edit(name.constData()), localised(value));
        } else if (kind == QLatin1Char('~')) {
            // The number rounds to the quoted one at the quoted digits.
            const int decimals = value.contains(QLatin1Char('.')) ? int(value.size() - value.indexOf(QLatin1Char('.')) - 1) : 0;
            const double shown = testing::Shown(edit(name.constData()));
            QVERIFY2(std::fabs(shown - value.toDouble()) <= 0.5 * std::pow(10.0, -decimals),
                     qPrintable(line + " " + edit(name.constData())->text()));
        } else {
            const QColor expected = value == QLatin1String("input") ? values::WindowColour() : QColor(values::ResultColour);
            QVERIFY2(testing::Background(edit(name.constData())) == expected, qPrintable(line));
        }
    }
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
