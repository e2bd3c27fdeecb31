// The circuit and wave groups of the "Расширенный" page, typed into as a user would.
#include "app/main_window.h"
#include "support/page_fixture.h"
#include "pages/circuits/extended_circuit_page.h"
#include "pages/circuits/extended_units.h"
#include "support/test_support.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Find;

namespace {

constexpr double TwoPi = 6.283185307179586477;

double ResonanceHz(double henry, double farad)
{
    return 1 / (TwoPi * std::sqrt(henry * farad));
}

} // namespace

class ExtendedCircuitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void groupsPicturesAndButtons();
    void comboUnitsAsDesigned_data();
    void comboUnitsAsDesigned();
    void unitTablesUseExactFactors_data();
    void unitTablesUseExactFactors();

    void circuitSolvesMissingValue_data();
    void circuitSolvesMissingValue();
    void frequencyIsHandedToWaveAndInductanceToCoil();
    void solvedFrequencyCannotBeTypedOver();
    void onlyCapacitanceTypedHandsNothingOver();

    void waveSolvesFromOneValue_data();
    void waveSolvesFromOneValue();
    void wavelengthHandsFrequencyToEmptyCircuit();
    void emptyWaveOnlyTakesUnitHint();

    void noAnswerShowsRed_data();
    void noAnswerShowsRed();

private:
    QLineEdit* edit(const char* name) { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    QComboBox* combo(const char* name) { return fixture_->find<QComboBox>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return fixture_->find<QPushButton>(QString::fromLatin1(name)); }
    pages::ExtendedCircuitPage* page() { return fixture_->find<pages::ExtendedCircuitPage>("TS26"); }

    std::unique_ptr<testing::PageFixture> fixture_;
    // A fault that a test does not expect must not wait for a message box to close.
    std::unique_ptr<testing::CapturedErrors> unexpected_;
};

void ExtendedCircuitTest::initTestCase()
{
    unexpected_ = std::make_unique<testing::CapturedErrors>();
    fixture_ = std::make_unique<testing::PageFixture>("N8");
    QCOMPARE(fixture_->window()->pageControl()->currentWidget()->objectName(), QStringLiteral("TS26"));
}

void ExtendedCircuitTest::init()
{
    button("TS26Button1")->click();
    button("TS26Button2")->click();
    button("TS26Button3")->click();
    if (fixture_->find<QCheckBox>("TS26ChB1")->isChecked())
        fixture_->find<QCheckBox>("TS26ChB1")->click();
}

void ExtendedCircuitTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("capacitance") << "TS26C" << "Ёмкость C" << "Ёмкость колебательного контура";
    QTest::newRow("inductance") << "TS26L" << "Индуктивность L" << "Индуктивность колебательного контура";
    QTest::newRow("frequency") << "TS26F" << "Частота F" << "Частота колебательного контура";
    QTest::newRow("wave frequency") << "TS26EditF" << "Частота F" << "";
    QTest::newRow("period") << "TS26EditT" << "Период T" << "";
    QTest::newRow("wavelength") << "TS26EditJ" << "Длинна волны" << "";
    QTest::newRow("quarter wavelength") << "TS26EditJ4" << "Длинна четверть волны" << "";
}

void ExtendedCircuitTest::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QLineEdit* field = fixture_->find<QLineEdit>(name);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(field->toolTip(), hint);
    QCOMPARE(testing::Background(field), values::WindowColour());
    QVERIFY(!field->isReadOnly());
    QCOMPARE(testing::Caption(field), caption);
}

void ExtendedCircuitTest::groupsPicturesAndButtons()
{
    QCOMPARE(fixture_->find<QGroupBox>("TS26GB1")->title(), QStringLiteral("Колебательный контур"));
    QCOMPARE(fixture_->find<QGroupBox>("TS26GB2")->title(), QStringLiteral("Характеристики волны"));
    for (const char* image : {"TS26Image1", "TS26Image2", "TS26Image3"}) {
        auto* picture = fixture_->find<QLabel>(image);
        QCOMPARE(picture->property("picture").toString(), QString::fromLatin1(image));
        QVERIFY(!picture->pixmap().isNull());
    }
    for (const char* clear : {"TS26Button1", "TS26Button2", "TS26Button3"})
        QCOMPARE(button(clear)->text(), QStringLiteral("Очистить"));
}

void ExtendedCircuitTest::comboUnitsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hint");
    const QStringList frequency{"Гц", "кГц", "мГц", "гГц"};
    const QStringList length{"мм", "см", "м", "км"};
    QTest::newRow("capacitance") << "TS26CCB" << QStringList{"пФ", "нФ", "мкФ", "Ф"} << "пФ" << "Пикофорад";
    QTest::newRow("inductance") << "TS26LCB" << QStringList{"мкГн", "мГн", "Гн"} << "мкГн" << "Микрогенри";
    QTest::newRow("circuit frequency") << "TS26FCB" << frequency << "мГц" << "Мегагерц";
    QTest::newRow("wave frequency") << "TS26CBF" << frequency << "мГц" << "Мегагерц";
    QTest::newRow("period") << "TS26CBT" << QStringList{"нс", "мкс", "мс", "с", "мин", "час"} << "мкс"
                            << "Микро секунда";
    QTest::newRow("wavelength") << "TS26CBJ" << length << "м" << "Метр";
    QTest::newRow("quarter wavelength") << "TS26CBJ4" << length << "м" << "Метр";
    QTest::newRow("coil inductance") << "TS26LlCB" << QStringList{"мкГн", "мГн", "Гн"} << "мкГн" << "Микрогенри";
}

void ExtendedCircuitTest::comboUnitsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(QString, shown);
    QFETCH(QString, hint);
    // A fresh window: the hints stored with the form are still there.
    app::MainWindow fresh;
    fresh.show();
    testing::OpenPage(fresh, QStringLiteral("N8"));
    auto* box = Find<QComboBox>(&fresh, name);
    QVERIFY(box->isEditable());
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    QCOMPARE(texts, items);
    QCOMPARE(box->currentText(), shown);
    QCOMPARE(box->toolTip(), hint);
}

void ExtendedCircuitTest::unitTablesUseExactFactors_data()
{
    using namespace pages::extended;
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("hint");
    QTest::newRow("пФ") << 0 << "пФ" << 1.0 << "Пикофорад";
    QTest::newRow("нФ") << 0 << "нФ" << 1000.0 << "Нанофорад";
    QTest::newRow("мкФ") << 0 << "мкФ" << 1e6 << "Микрофорад";
    QTest::newRow("Ф") << 0 << "Ф" << 1e12 << "Форад";
    QTest::newRow("мкГн") << 1 << "мкГн" << 1.0 << "Микрогенри";
    QTest::newRow("мГн") << 1 << "мГн" << 1000.0 << "Милигенри";
    QTest::newRow("Гн") << 1 << "Гн" << 1e6 << "Генри";
    QTest::newRow("Гц per MHz") << 2 << "Гц" << 1e6 << "Герц";
    QTest::newRow("кГц per MHz") << 2 << "кГц" << 1000.0 << "Келогерц";
    QTest::newRow("мГц per MHz") << 2 << "мГц" << 1.0 << "Мегагерц";
    QTest::newRow("гГц per MHz") << 2 << "гГц" << 0.001 << "Гигагерц";
    QTest::newRow("кГц in Hz") << 3 << "кГц" << 1000.0 << "Келогерц";
    QTest::newRow("гГц in Hz") << 3 << "гГц" << 1e9 << "Гигагерц";
    QTest::newRow("нс") << 4 << "нс" << 1e-9 << "Наносекунда";
    QTest::newRow("мкс") << 4 << "мкс" << 1e-6 << "Микросекунда";
    QTest::newRow("мин") << 4 << "мин" << 60.0 << "Минута";
    QTest::newRow("час") << 4 << "час" << 3600.0 << "Час";
    QTest::newRow("мм") << 5 << "мм" << 0.001 << "Милиметр";
    QTest::newRow("км") << 5 << "км" << 1000.0 << "Келометр";
}

void ExtendedCircuitTest::unitTablesUseExactFactors()
{
    using namespace pages::extended;
    QFETCH(int, table);
    QFETCH(QString, unit);
    QFETCH(double, factor);
    QFETCH(QString, hint);
    const UnitTable* tables[] = {&CapacitancePicofarads(), &InductanceMicrohenries(), &FrequencyPerMegahertz(),
                                 &FrequencyHertz(),        &TimeSeconds(),            &LengthMetres()};
    QComboBox box;
    box.setEditable(true);
    box.setEditText(unit);
    double taken = -1;
    TakeUnit(&box, *tables[table], taken);
    QCOMPARE(taken, factor);
    QCOMPARE(box.toolTip(), hint);

    box.setEditText(QStringLiteral("??"));
    TakeUnit(&box, *tables[table], taken);
    QCOMPARE(taken, factor);  // an unknown text leaves the factor as it was
}

void ExtendedCircuitTest::circuitSolvesMissingValue_data()
{
    QTest::addColumn<QString>("cUnit");
    QTest::addColumn<QString>("lUnit");
    QTest::addColumn<QString>("fUnit");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");

    QTest::newRow("F from 100 pF and 10 uH") << "пФ" << "мкГн" << "мГц" << "100" << "10" << "0" << "TS26F"
                                             << ResonanceHz(10e-6, 100e-12) / 1e6;
    QTest::newRow("C from 10 uH and 1 MHz") << "пФ" << "мкГн" << "мГц" << "0" << "10" << "1" << "TS26C"
                                            << 1 / (std::pow(TwoPi * 1e6, 2) * 10e-6) / 1e-12;
    QTest::newRow("C in farads") << "Ф" << "мкГн" << "мГц" << "0" << "10" << "1" << "TS26C"
                                 << 1 / (std::pow(TwoPi * 1e6, 2) * 10e-6);
    QTest::newRow("C in microfarads from henries") << "мкФ" << "Гн" << "мГц" << "0" << "0.5" << "0.001" << "TS26C"
                                                   << 1 / (std::pow(TwoPi * 1e3, 2) * 0.5) / 1e-6;
    QTest::newRow("L from 4.7 nF and 0.05 MHz") << "нФ" << "мкГн" << "мГц" << "4.7" << "0" << "0.05" << "TS26L"
                                                << 1 / (std::pow(TwoPi * 50e3, 2) * 4.7e-9) / 1e-6;
    QTest::newRow("L in millihenries") << "мкФ" << "мГн" << "мГц" << "1" << "0" << "0.00005" << "TS26L"
                                       << 1 / (std::pow(TwoPi * 50, 2) * 1e-6) / 1e-3;
    // A computed frequency goes to the emptied wave group in the unit chosen for it.
    QTest::newRow("F computed in gigahertz") << "пФ" << "Гн" << "гГц" << "1" << "0.000001" << "0"
                                             << "TS26F" << ResonanceHz(1e-6, 1e-12) / 1e9;
    QTest::newRow("F computed in hertz") << "мкФ" << "мГн" << "Гц" << "1" << "1" << "0" << "TS26F"
                                         << ResonanceHz(1e-3, 1e-6);
    QTest::newRow("L from 7100 kHz") << "пФ" << "мкГн" << "кГц" << "100" << "0" << "7100" << "TS26L"
                                     << 1 / (std::pow(TwoPi * 7.1e6, 2) * 100e-12) / 1e-6;
}

void ExtendedCircuitTest::circuitSolvesMissingValue()
{
    QFETCH(QString, cUnit);
    QFETCH(QString, lUnit);
    QFETCH(QString, fUnit);
    QFETCH(QString, c);
    QFETCH(QString, l);
    QFETCH(QString, f);
    QFETCH(QString, solved);
    QFETCH(double, expected);

    testing::Choose(combo("TS26CCB"), cUnit);
    testing::Choose(combo("TS26LCB"), lUnit);
    testing::Choose(combo("TS26FCB"), fUnit);
    const QList<std::pair<const char*, QString>> inputs{{"TS26C", c}, {"TS26L", l}, {"TS26F", f}};
    for (const auto& [name, text] : inputs) {
        if (text != QLatin1String("0"))
            testing::Retype(edit(name), text);
    }
    QLineEdit* result = fixture_->find<QLineEdit>(solved);
    QVERIFY2(testing::SameDigits(testing::Shown(result), expected), qPrintable(result->text()));
    QCOMPARE(testing::Background(result), values::ResultColour);
    QVERIFY(!result->isReadOnly());
    QVERIFY(page()->circuit().solvedField() != 0);
    QCOMPARE(combo("TS26CCB")->currentText(), cUnit);
    QCOMPARE(combo("TS26LCB")->currentText(), lUnit);
    QCOMPARE(combo("TS26FCB")->currentText(), fUnit);
    QCOMPARE(combo("TS26CBF")->currentText(), fUnit);
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QCOMPARE(unexpected_->count(), 0);
}

void ExtendedCircuitTest::frequencyIsHandedToWaveAndInductanceToCoil()
{
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26L"), "10");
    const double hertz = ResonanceHz(10e-6, 100e-12);
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26F")), hertz / 1e6));
    QCOMPARE(testing::Background(edit("TS26F")), values::ResultColour);
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditT")), 1 / hertz / 1e-6));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditJ")), 3e8 / hertz));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditJ4")), 3e8 / hertz / 4));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditT")), 0.198692, 5));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditJ")), 59.6075, 5));
    QVERIFY(testing::SameDigits(testing::Shown(edit("TS26EditJ4")), 14.9019, 5));
    for (const char* name : {"TS26EditT", "TS26EditJ", "TS26EditJ4"})
        QCOMPARE(testing::Background(edit(name)), values::ResultColour);
    QCOMPARE(edit("TS26Ll")->text(), QStringLiteral("10"));
    QCOMPARE(page()->wave().solvedField(), int(pages::ExtendedWaveGroup::F));

    // In seconds the period is longer than its field: it shows its leading
    // digits, and its tooltip has the whole value and a reading.
    testing::Choose(combo("TS26CBT"), "с");
    QLineEdit* period = edit("TS26EditT");
    const QChar D = values::DecimalSeparator();
    QCOMPARE(period->text(), QStringLiteral("1%1").arg(D) + QStringLiteral("98691765315922E-7"));
    QCOMPARE(period->cursorPosition(), 0);
    const QString tip = testing::HoverTip(period);
    QVERIFY2(tip.endsWith(QStringLiteral("Вычислено: %1 с\n≈ 198").arg(period->text()) + D + QStringLiteral("7 нс")),
             qPrintable(tip));
}

void ExtendedCircuitTest::solvedFrequencyCannotBeTypedOver()
{
    testing::Retype(edit("TS26C"), "100");
    testing::Retype(edit("TS26L"), "10");
    const QString computed = edit("TS26F")->text();
    edit("TS26F")->end(false);
    testing::Type(edit("TS26F"), "7");
    QCOMPARE(edit("TS26F")->text(), computed);
    testing::Retype(edit("TS26F"), "3");
    QCOMPARE(edit("TS26F")->text(), computed);
    QCOMPARE(testing::Background(edit("TS26F")), values::ResultColour);
}

void ExtendedCircuitTest::onlyCapacitanceTypedHandsNothingOver()
{
    testing::Retype(edit("TS26C"), "100");
    QCOMPARE(edit("TS26L")->text(), QStringLiteral("0"));
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("0"));
    QCOMPARE(edit("TS26EditF")->text(), QStringLiteral("0"));
    QCOMPARE(edit("TS26Ll")->text(), QStringLiteral("0"));
    QCOMPARE(page()->circuit().solvedField(), 0);
    QCOMPARE(page()->wave().solvedField(), 0);
}




void ExtendedCircuitTest::waveSolvesFromOneValue_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("units");  // F, T, wavelength, quarter wavelength
    QTest::addColumn<double>("hertz");
    QTest::addColumn<int>("solved");
    const QStringList standard{"мГц", "мкс", "м", "м"};
    QTest::newRow("frequency 7 MHz") << "TS26EditF" << "7" << standard << 7e6 << 1;
    QTest::newRow("frequency 50 Hz, period in ms") << "TS26EditF" << "50" << QStringList{"Гц", "мс", "км", "км"}
                                                   << 50.0 << 1;
    QTest::newRow("period 2 ms") << "TS26EditT" << "2" << QStringList{"кГц", "мс", "м", "см"} << 500.0 << 2;
    QTest::newRow("period 1 min") << "TS26EditT" << "1" << QStringList{"Гц", "мин", "км", "м"} << 1.0 / 60 << 2;
    QTest::newRow("wavelength 300 m") << "TS26EditJ" << "300" << standard << 1e6 << 3;
    QTest::newRow("wavelength 12 cm, quarter in mm") << "TS26EditJ" << "12" << QStringList{"гГц", "нс", "см", "мм"}
                                                     << 2.5e9 << 3;
    QTest::newRow("quarter wavelength 75 m") << "TS26EditJ4" << "75" << standard << 1e6 << 4;
    QTest::newRow("quarter wavelength 1 km") << "TS26EditJ4" << "1" << QStringList{"кГц", "час", "мм", "км"}
                                             << 75e3 << 4;
}

void ExtendedCircuitTest::waveSolvesFromOneValue()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QStringList, units);
    QFETCH(double, hertz);
    QFETCH(int, solved);
    const char* combos[] = {"TS26CBF", "TS26CBT", "TS26CBJ", "TS26CBJ4"};
    const char* edits[] = {"TS26EditF", "TS26EditT", "TS26EditJ", "TS26EditJ4"};
    const auto factor = [](const QString& unit) {
        static const QHash<QString, double> table{{"Гц", 1},      {"кГц", 1e3},   {"мГц", 1e6}, {"гГц", 1e9},
                                                  {"нс", 1e-9},   {"мкс", 1e-6},  {"мс", 1e-3}, {"с", 1},
                                                  {"мин", 60},    {"час", 3600},  {"мм", 1e-3}, {"см", 1e-2},
                                                  {"м", 1},       {"км", 1e3}};
        return table.value(unit);
    };
    for (int i = 0; i < 4; ++i)
        testing::Choose(combo(combos[i]), units[i]);
    testing::Retype(fixture_->find<QLineEdit>(input), text);

    const double expected[] = {hertz / factor(units[0]), 1 / hertz / factor(units[1]), 3e8 / hertz / factor(units[2]),
                               3e8 / hertz / 4 / factor(units[3])};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* field = edit(edits[i]);
        QVERIFY2(testing::SameDigits(testing::Shown(field), expected[i]), qPrintable(field->objectName() + " " + field->text()));
        const bool computed = field->objectName() != input;
        QCOMPARE(testing::Background(field), computed ? QColor(values::ResultColour) : values::WindowColour());
    }
    QCOMPARE(page()->wave().solvedField(), solved);
    // The frequency and its unit went over to the circuit group.
    QCOMPARE(edit("TS26F")->text(), edit("TS26EditF")->text());
    QCOMPARE(combo("TS26FCB")->currentText(), combo("TS26CBF")->currentText());
}

void ExtendedCircuitTest::wavelengthHandsFrequencyToEmptyCircuit()
{
    testing::Retype(edit("TS26EditJ"), "300");
    QCOMPARE(edit("TS26EditF")->text(), QStringLiteral("1"));
    QCOMPARE(edit("TS26EditT")->text(), QStringLiteral("1"));
    QCOMPARE(edit("TS26EditJ4")->text(), QStringLiteral("75"));
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("1"));
    QCOMPARE(edit("TS26C")->text(), QStringLiteral("0"));
    QCOMPARE(edit("TS26L")->text(), QStringLiteral("0"));
    QCOMPARE(page()->circuit().solvedField(), 0);
    QCOMPARE(testing::Background(edit("TS26F")), values::WindowColour());
}

void ExtendedCircuitTest::emptyWaveOnlyTakesUnitHint()
{
    testing::Choose(combo("TS26CBF"), "кГц");
    QCOMPARE(combo("TS26CBF")->toolTip(), QStringLiteral("Келогерц"));
    for (const char* name : {"TS26EditF", "TS26EditT", "TS26EditJ", "TS26EditJ4"})
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
    QCOMPARE(combo("TS26FCB")->currentText(), QStringLiteral("мГц"));
    QCOMPARE(page()->wave().solvedField(), 0);
}



void ExtendedCircuitTest::noAnswerShowsRed_data()
{
    // Pasted field=text steps: valid numbers that give no answer, then numbers that do.
    QTest::addColumn<QStringList>("pasted");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QStringList>("recovery");
    QTest::addColumn<QString>("hint");  // the field's tooltip once it has an answer again
    QTest::newRow("resonance beyond the largest number") << QStringList{"TS26C=1e-310", "TS26L=1e-310"} << "TS26F"
                                                         << QStringList{"TS26C=100", "TS26L=10"}
                                                         << "Частота колебательного контура";
    QTest::newRow("frequency of a wavelength beyond the largest number")
        << QStringList{"TS26EditJ=1e-310"} << "TS26EditF" << QStringList{"TS26EditJ=300"} << "";
}

void ExtendedCircuitTest::noAnswerShowsRed()
{
    QFETCH(QStringList, pasted);
    QFETCH(QString, red);
    QFETCH(QStringList, recovery);
    QFETCH(QString, hint);
    const auto paste = [this](const QStringList& steps) {
        for (const QString& step : steps)
            fixture_->find<QLineEdit>(step.section(QLatin1Char('='), 0, 0))->setText(step.section(QLatin1Char('='), 1));
    };
    const testing::CapturedErrors errors;
    paste(pasted);
    QLineEdit* field = fixture_->find<QLineEdit>(red);
    QCOMPARE(errors.count(), 0);
    QVERIFY(values::IsUnsolvable(field));
    QCOMPARE(testing::Background(field), QColor(values::InvalidColour));
    QCOMPARE(field->toolTip(), QStringLiteral("Нет решения: результат слишком велик"));
    // Nothing is handed over from a group that found no answer.
    QCOMPARE(edit("TS26EditF")->text(), QStringLiteral("0"));
    QCOMPARE(edit("TS26F")->text(), QStringLiteral("0"));

    paste(recovery);
    QVERIFY(!values::IsUnsolvable(field));
    QCOMPARE(testing::Background(field), QColor(values::ResultColour));
    // The field's own hint is back, and no reason.
    const QString tip = testing::HoverTip(field);
    QVERIFY2(tip.startsWith(hint), qPrintable(tip));
    QCOMPARE(testing::Reason(field), QString());
    QCOMPARE(edit("TS26EditF")->text(), edit("TS26F")->text());
    QCOMPARE(errors.count(), 0);
}

QTEST_MAIN(ExtendedCircuitTest)
#include "test_extended_circuit.moc"
