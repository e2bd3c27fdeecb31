#include "app/main_window.h"
#include "controls/labelled_edit.h"
#include "controls/radio_group.h"
#include "support/page_fixture.h"
#include "support/unit_fields.h"
#include "support/test_support.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using testing::Find;

namespace {

using Inputs = QList<QPair<QString, QString>>;  // edit name, typed text, in typing order
using Figures = QList<double>;                   // the seven information labels

const QStringList kInfoLabels{"R1R2EUIL1", "R1R2EUIL2", "R1R2EUIL3", "R1R2EUIL4",
                              "R1R2EUIL5", "R1R2EUIL6", "R1R2EUIL7"};

// The seven figures worked out from the circuit itself: powers in R1, R2,
// from the source and into the load, efficiency, input resistance and current.
Figures CircuitFigures(double r1, double r2, double e, double u, double i)
{
    const double r2WithLoad = i == 0 ? r2 : 1 / (1 / r2 + i / u);
    const double inputResistance = r1 + r2WithLoad;
    const double inputPower = e * e / inputResistance;
    return {(e - u) * (e - u) / r1, u * u / r2, inputPower, i * u, 100 * i * u / inputPower, inputResistance,
            e / inputResistance};
}

} // namespace

class VoltageDividerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void solvesEachBlockInEachMode_data();
    void solvesEachBlockInEachMode();
    void solvedFieldFollowsItsInputs();
    void noLoadFigures();
    void loadFromFourGivenDisablesModes();
    void sourceNotAboveOutputComputesNothing();
    void modeChangeClearsEverything_data();
    void modeChangeClearsEverything();
    void unitChangeRereadsInput();
    void zeroInputResistanceTurnsItsFiguresRed();
    void noDesignTurnsRed_data();
    void noDesignTurnsRed();

private:
    QLineEdit* edit(const QString& name) const { return Find<QLineEdit>(page_, name); }
    QLabel* label(const QString& name) const { return Find<QLabel>(page_, name); }
    QGroupBox* modes() const { return Find<QGroupBox>(page_, "R1R2EUIRG1"); }
    void typeAll(const Inputs& inputs);
    QStringList labelTexts() const;

    std::unique_ptr<testing::PageFixture> fixture_;
    QWidget* page_ = nullptr;
};

void VoltageDividerTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>("N38");
    page_ = fixture_->sheet("TS22");
}

void VoltageDividerTest::init()
{
    fixture_->errors().clear();
    Find<QPushButton>(page_, "R1R2EUIButton")->click();
}

void VoltageDividerTest::cleanup()
{
    QCOMPARE(fixture_->errors().messages(), QStringList());
}

void VoltageDividerTest::typeAll(const Inputs& inputs)
{
    for (const auto& [name, text] : inputs)
        testing::Retype(edit(name), text);
}

QStringList VoltageDividerTest::labelTexts() const
{
    QStringList texts;
    for (const QString& name : kInfoLabels)
        texts << label(name)->text();
    return texts;
}

void VoltageDividerTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("defaultItem");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("readOnly");

    const QStringList ohms{"Ом", "кОм", "мОм", "гОм"};
    const QStringList volts{"мВ", "В", "кВ"};
    QTest::newRow("R1") << "R1R2EUIR1" << "R1" << "R1R2EUIR1CB" << ohms << 0 << "Ом" << false;
    QTest::newRow("R2") << "R1R2EUIR2" << "R2" << "R1R2EUIR2CB" << ohms << 0 << "Ом" << false;
    QTest::newRow("E") << "R1R2EUIE" << "E" << "R1R2EUIECB" << volts << 1 << "Вольт" << false;
    QTest::newRow("U") << "R1R2EUIU" << "U" << "R1R2EUIUCB" << volts << 1 << "Вольт" << false;
    QTest::newRow("I") << "R1R2EUII" << "I" << "R1R2EUIICB" << QStringList{"мкА", "мА", "А"} << 2 << "Ампер"
                       << false;
    QTest::newRow("Rн read-only") << "R1R2EUIRn" << "Rн" << "R1R2EUIRnCB" << ohms << 0 << "Ом" << true;
}

void VoltageDividerTest::controlsAsDesigned()
{
    QFETCH(QString, editName);
    QFETCH(QString, caption);
    QFETCH(QString, comboName);
    QFETCH(QStringList, items);
    QFETCH(int, defaultItem);
    QFETCH(QString, hint);
    QFETCH(bool, readOnly);

    QLineEdit* field = edit(editName);
    QCOMPARE(field->text(), QString("0"));
    QCOMPARE(controls::EditCaption(field)->text(), caption);
    QCOMPARE(field->isReadOnly(), readOnly);
    // A field that is never typed into looks flat, in the window colour.
    QCOMPARE(field->hasFrame(), !readOnly);
    QCOMPARE(testing::Background(field), values::WindowColour());
    auto* combo = Find<QComboBox>(page_, comboName);
    QStringList shownItems;
    for (int i = 0; i < combo->count(); ++i)
        shownItems << combo->itemText(i);
    QCOMPARE(shownItems, items);
    QCOMPARE(combo->currentIndex(), defaultItem);
    QCOMPARE(combo->toolTip(), hint);
    QVERIFY(combo->isEditable());

    QCOMPARE(modes()->title(), QString("Расчет по"));
    QStringList modeTexts;
    for (QRadioButton* item : controls::RadioItems(modes()))
        modeTexts << item->text();
    QCOMPARE(modeTexts, (QStringList{"Току нагрузки I", "Сопротивлению нагрузки Rн", "Без нагрузки или Rн >> R2"}));
    QCOMPARE(controls::ItemIndex(modes()), 0);
    QCOMPARE(labelTexts(), QStringList(7, "??"));
    QCOMPARE(Find<QLabel>(page_, "R1R2EUIImage1")->property("picture").toString(), QString("R1R2EUIImage1"));
}

void VoltageDividerTest::solvesEachBlockInEachMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<bool>("loadSolved");

    // Loaded: R1 = 1000, R2 = 3000 with a 6000 Ом load, E = 9 gives U = 6 and I = 1 мА.
    const Figures loaded = CircuitFigures(1000, 3000, 9, 6, 0.001);
    const Inputs byCurrent{{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "3000"}, {"R1R2EUIE", "9"}, {"R1R2EUIU", "6"},
                           {"R1R2EUII", "0.001"}};
    const Inputs byResistance{{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "3000"}, {"R1R2EUIE", "9"},
                              {"R1R2EUIU", "6"}, {"R1R2EUIRn", "6000"}};
    // Unloaded: R1 = 1000, R2 = 2000, E = 9 gives U = 6.
    const Figures unloaded = CircuitFigures(1000, 2000, 9, 6, 0);
    const Inputs noLoad{{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "2000"}, {"R1R2EUIE", "9"}, {"R1R2EUIU", "6"}};

    const auto without = [](Inputs inputs, const QString& name) {
        inputs.removeIf([&](const auto& input) { return input.first == name; });
        return inputs;
    };
    const struct {
        const char* tag;
        const char* field;
        double loaded;
        double unloaded;
    } blocks[] = {{"block 1, E", "R1R2EUIE", 9, 9},
                  {"block 2, R1", "R1R2EUIR1", 1000, 1000},
                  {"block 3, R2", "R1R2EUIR2", 3000, 2000},
                  {"block 4, U", "R1R2EUIU", 6, 6}};
    for (const auto& block : blocks) {
        QTest::addRow("by current, %s", block.tag)
            << 0 << without(byCurrent, block.field) << block.field << block.loaded << loaded << false;
        QTest::addRow("by resistance, %s", block.tag)
            << 1 << without(byResistance, block.field) << block.field << block.loaded << loaded << false;
        QTest::addRow("no load, %s", block.tag)
            << 2 << without(noLoad, block.field) << block.field << block.unloaded << unloaded << false;
    }
    QTest::addRow("by current, block 5, load from all four")
        << 0 << without(byCurrent, "R1R2EUII") << "R1R2EUII" << 0.001 << loaded << true;
    QTest::addRow("by resistance, block 5, load from all four")
        << 1 << without(byResistance, "R1R2EUIRn") << "R1R2EUIRn" << 6000.0 << loaded << true;
    // Typed so that no block can solve anything on the way: E stays below U until R2 is given.
    QTest::addRow("no load, block 5, never entered")
        << 2 << Inputs{{"R1R2EUIR1", "1000"}, {"R1R2EUIU", "6"}, {"R1R2EUIE", "3"}, {"R1R2EUIR2", "2000"}}
        << QString() << 0.0 << CircuitFigures(1000, 2000, 3, 6, 0) << false;
}

void VoltageDividerTest::solvesEachBlockInEachMode()
{
    QFETCH(int, mode);
    QFETCH(Inputs, inputs);
    QFETCH(QString, solved);
    QFETCH(double, expected);
    QFETCH(Figures, figures);
    QFETCH(bool, loadSolved);

    if (mode != 0)
        testing::ClickItem(modes(), mode);
    typeAll(inputs);

    if (!solved.isEmpty()) {
        QVERIFY2(testing::SameDigits(testing::Shown(edit(solved)), expected), qPrintable(edit(solved)->text()));
        QCOMPARE(testing::Background(edit(solved)), values::ResultColour);
        QVERIFY(edit(solved)->isReadOnly());
    }
    // The load field the mode does not take as input follows U.
    if (mode == 0) {
        QVERIFY(testing::SameDigits(testing::Shown(edit("R1R2EUIRn")), 6000));
        QCOMPARE(testing::Background(edit("R1R2EUIRn")), values::ResultColour);
    } else if (mode == 1) {
        QVERIFY(testing::SameDigits(testing::Shown(edit("R1R2EUII")), 0.001));
        QCOMPARE(testing::Background(edit("R1R2EUII")), values::ResultColour);
    } else {
        QVERIFY(!edit("R1R2EUII")->isEnabled());
        QVERIFY(!edit("R1R2EUIRn")->isEnabled());
        QCOMPARE(edit("R1R2EUII")->text(), QString("0"));
    }
    QCOMPARE(modes()->isEnabled(), !loadSolved);

    for (int i = 0; i < kInfoLabels.size(); ++i) {
        const QString shown = label(kInfoLabels[i])->text();
        QVERIFY2(testing::SameDigits(values::ParseNumber(shown), figures[i]),
                 qPrintable(kInfoLabels[i] + " = " + shown));
    }
}

void VoltageDividerTest::solvedFieldFollowsItsInputs()
{
    testing::ClickItem(modes(), 2);
    typeAll({{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "1000"}, {"R1R2EUIE", "10"}});
    QCOMPARE(edit("R1R2EUIU")->text(), QString("5"));
    // Appending a digit: emptying R2 first would make it the field to solve.
    edit("R1R2EUIR2")->end(false);
    testing::Type(edit("R1R2EUIR2"), "0");
    QVERIFY(testing::SameDigits(testing::Shown(edit("R1R2EUIU")), 10 * 10000.0 / 11000));
    QCOMPARE(testing::Background(edit("R1R2EUIU")), values::ResultColour);
}

void VoltageDividerTest::noLoadFigures()
{
    testing::ClickItem(modes(), 2);
    typeAll({{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "1000"}, {"R1R2EUIE", "10"}});
    QCOMPARE(edit("R1R2EUIU")->text(), QString("5"));
    QCOMPARE(labelTexts(), (QStringList{"0.025", "0.025", "0.05", "0", "0", "2000", "0.005"}));
}

void VoltageDividerTest::loadFromFourGivenDisablesModes()
{
    typeAll({{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "1000"}, {"R1R2EUIE", "10"}, {"R1R2EUIU", "4"}});
    QCOMPARE(edit("R1R2EUII")->text(), QString("0.002"));
    QCOMPARE(edit("R1R2EUIRn")->text(), QString("2000"));
    QVERIFY(!modes()->isEnabled());

    // The load stays the solved pair while the inputs change.
    edit("R1R2EUIE")->end(false);
    testing::Type(edit("R1R2EUIE"), "0");
    QVERIFY(testing::SameDigits(testing::Shown(edit("R1R2EUII")), (100 - 4) / 1000.0 - 4 / 1000.0));
    QVERIFY(testing::SameDigits(testing::Shown(edit("R1R2EUIRn")), 4 / 0.092));
    QVERIFY(!modes()->isEnabled());
}

void VoltageDividerTest::sourceNotAboveOutputComputesNothing()
{
    typeAll({{"R1R2EUIR2", "1000"}, {"R1R2EUIE", "4"}, {"R1R2EUIU", "5"}, {"R1R2EUII", "0.001"}});
    QCOMPARE(edit("R1R2EUIR1")->text(), QString("0"));
    QVERIFY(!edit("R1R2EUIR1")->isReadOnly());
    QCOMPARE(testing::Background(edit("R1R2EUIR1")), values::WindowColour());
    QCOMPARE(edit("R1R2EUIRn")->text(), QString("0"));
    QCOMPARE(labelTexts(), QStringList(7, "??"));
}

void VoltageDividerTest::modeChangeClearsEverything_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("currentEditable");
    QTest::addColumn<bool>("resistanceEditable");
    QTest::addColumn<bool>("loadEnabled");

    QTest::newRow("by current to by resistance") << 0 << 1 << false << true << true;
    QTest::newRow("by current to no load") << 0 << 2 << true << false << false;
    QTest::newRow("no load to by current") << 2 << 0 << true << false << true;
}

void VoltageDividerTest::modeChangeClearsEverything()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, currentEditable);
    QFETCH(bool, resistanceEditable);
    QFETCH(bool, loadEnabled);

    if (from != 0)
        testing::ClickItem(modes(), from);
    typeAll({{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "1000"}, {"R1R2EUIE", "10"}});
    if (from == 0)
        testing::Retype(edit("R1R2EUII"), "0.001");
    QCOMPARE(testing::Background(edit("R1R2EUIU")), values::ResultColour);
    testing::Choose(Find<QComboBox>(page_, "R1R2EUIR1CB"), "кОм");
    QVERIFY(label("R1R2EUIL6")->text() != "??");

    testing::ClickItem(modes(), to);
    for (const char* name : {"R1R2EUIR1", "R1R2EUIR2", "R1R2EUIE", "R1R2EUIU", "R1R2EUII", "R1R2EUIRn"}) {
        QCOMPARE(edit(name)->text(), QString("0"));
        QCOMPARE(testing::Background(edit(name)), values::WindowColour());
    }
    QVERIFY(!edit("R1R2EUIU")->isReadOnly());
    QCOMPARE(Find<QComboBox>(page_, "R1R2EUIR1CB")->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>(page_, "R1R2EUIR1CB")->toolTip(), QString("Ом"));
    QCOMPARE(labelTexts(), QStringList(7, "??"));
    QCOMPARE(edit("R1R2EUII")->isReadOnly(), !currentEditable);
    QCOMPARE(edit("R1R2EUIRn")->isReadOnly(), !resistanceEditable);
    QCOMPARE(edit("R1R2EUII")->hasFrame(), currentEditable);
    QCOMPARE(edit("R1R2EUIRn")->hasFrame(), resistanceEditable);
    QCOMPARE(testing::HoverTip(edit("R1R2EUIRn")).contains(QStringLiteral("не вводится")), !resistanceEditable);
    for (const char* name : {"R1R2EUII", "R1R2EUIRn", "R1R2EUIICB", "R1R2EUIRnCB"})
        QCOMPARE(Find<QWidget>(page_, name)->isEnabled(), loadEnabled);
}

void VoltageDividerTest::unitChangeRereadsInput()
{
    testing::ClickItem(modes(), 2);
    typeAll({{"R1R2EUIR1", "1"}, {"R1R2EUIR2", "1000"}, {"R1R2EUIE", "10"}});
    QVERIFY(testing::SameDigits(testing::Shown(edit("R1R2EUIU")), 10 * 1000.0 / 1001));

    auto* unitR1 = Find<QComboBox>(page_, "R1R2EUIR1CB");
    testing::Choose(unitR1, "кОм");
    QCOMPARE(edit("R1R2EUIR1")->text(), QString("1"));
    QCOMPARE(edit("R1R2EUIU")->text(), QString("5"));
    QCOMPARE(unitR1->toolTip(), QString("Келом"));

    // The result is shown in the unit its own combo shows.
    testing::Choose(Find<QComboBox>(page_, "R1R2EUIUCB"), "мВ");
    QCOMPARE(edit("R1R2EUIU")->text(), QString("5000"));
}

void VoltageDividerTest::zeroInputResistanceTurnsItsFiguresRed()
{
    // With R2 = -R1 and no load, R1 + R2 is 0: the input figures cannot be formed.
    testing::ClickItem(modes(), 2);
    typeAll({{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "1000"}});
    edit("R1R2EUIR2")->home(false);
    testing::Type(edit("R1R2EUIR2"), "-");
    QCOMPARE(edit("R1R2EUIR2")->text(), QString("-1000"));
    typeAll({{"R1R2EUIE", "10"}, {"R1R2EUIU", "5"}});

    QCOMPARE(labelTexts(), (QStringList{"0.025", "-0.025", "??", "0", "??", "0", "??"}));
    for (const char* name : {"R1R2EUIL3", "R1R2EUIL5", "R1R2EUIL7"}) {
        QCOMPARE(testing::FontColour(label(name)), values::InvalidColour);
        QCOMPARE(label(name)->toolTip(), QString("Нет решения: получается деление на ноль"));
    }
    QCOMPARE(label("R1R2EUIL6")->toolTip(), QString());
    QCOMPARE(edit("R1R2EUIU")->text(), QString("5"));
    QCOMPARE(testing::Background(edit("R1R2EUIU")), values::WindowColour());
}

void VoltageDividerTest::noDesignTurnsRed_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<Inputs>("inputs");     // the last one leaves no design
    QTest::addColumn<QString>("workable");  // the last field's text that gives one
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("reason");

    const QString infinite("Нет решения: сопротивление получается бесконечно большим");
    const QString negative("Нет решения: сопротивление получается нулевым или отрицательным");
    // E − U − R1·I = 10 − 5 − 10·0.5 = 0
    QTest::newRow("R2 by current, zero denominator")
        << 0 << QChar('.') << Inputs{{"R1R2EUIR1", "10"}, {"R1R2EUII", "0.5"}, {"R1R2EUIE", "10"}, {"R1R2EUIU", "5"}}
        << "4" << "R1R2EUIR2" << infinite;
    // (E − U)·Rн − R1·U = 5·1000 − 1000·5 = 0
    QTest::newRow("R2 by resistance, zero denominator")
        << 1 << QChar('.')
        << Inputs{{"R1R2EUIR1", "1000"}, {"R1R2EUIRn", "1000"}, {"R1R2EUIE", "10"}, {"R1R2EUIU", "5"}} << "4"
        << "R1R2EUIR2" << infinite;
    // 12 − 4 − 1000·0.008 leaves only the rounding of 0.008.
    QTest::newRow("R2 by current, denominator within rounding, point")
        << 0 << QChar('.')
        << Inputs{{"R1R2EUIR1", "1000"}, {"R1R2EUIE", "12"}, {"R1R2EUIU", "4"}, {"R1R2EUII", "0.008"}} << "0.004"
        << "R1R2EUIR2" << infinite;
    QTest::newRow("R2 by current, denominator within rounding, comma")
        << 0 << QChar(',')
        << Inputs{{"R1R2EUIR1", "1000"}, {"R1R2EUIE", "12"}, {"R1R2EUIU", "4"}, {"R1R2EUII", "0,008"}} << "0,004"
        << "R1R2EUIR2" << infinite;
    // 12 − 4 − 16·0.75 = −4: R2 would be −16 Ом.
    QTest::newRow("R2 by current, negative")
        << 0 << QChar('.') << Inputs{{"R1R2EUIR1", "16"}, {"R1R2EUIE", "12"}, {"R1R2EUIU", "4"}, {"R1R2EUII", "0.75"}}
        << "0.25" << "R1R2EUIR2" << negative;
    // I above E / R1 = 10 мА: the load would need U and Rн below 0.
    QTest::newRow("U by current, load beyond the divider")
        << 0 << QChar('.')
        << Inputs{{"R1R2EUIR1", "1000"}, {"R1R2EUIR2", "1000"}, {"R1R2EUIE", "10"}, {"R1R2EUII", "0.02"}} << "0.002"
        << "R1R2EUIU" << "Нет решения: ток I должен быть меньше E / R1";
}

void VoltageDividerTest::noDesignTurnsRed()
{
    QFETCH(int, mode);
    QFETCH(QChar, separator);
    QFETCH(Inputs, inputs);
    QFETCH(QString, workable);
    QFETCH(QString, red);
    QFETCH(QString, reason);
    const testing::DecimalSeparatorScope scope(separator);

    if (mode != 0)
        testing::ClickItem(modes(), mode);
    typeAll(inputs);
    QCOMPARE(edit(red)->text(), QString("0"));
    QCOMPARE(testing::Background(edit(red)), values::InvalidColour);
    QCOMPARE(edit(red)->toolTip(), reason);
    QVERIFY(!edit(red)->isReadOnly());
    QCOMPARE(labelTexts(), QStringList(7, "??"));

    // A workable value gives a design; the faulty one again keeps it, in red.
    QLineEdit* last = edit(inputs.last().first);
    testing::Overtype(last, workable);
    QCOMPARE(testing::Background(edit(red)), values::ResultColour);
    QCOMPARE(testing::Reason(edit(red)), QString());
    const QString design = edit(red)->text();
    const QStringList figures = labelTexts();
    QVERIFY(!figures.contains("??"));

    testing::Overtype(last, inputs.last().second);
    QCOMPARE(edit(red)->text(), design);
    QCOMPARE(testing::Background(edit(red)), values::InvalidColour);
    QCOMPARE(edit(red)->toolTip(), reason);
    QVERIFY(edit(red)->isReadOnly());
    QCOMPARE(labelTexts(), figures);
}

QTEST_MAIN(VoltageDividerTest)
#include "test_voltage_divider.moc"
