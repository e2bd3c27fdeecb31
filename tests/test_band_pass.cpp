#include "support/page_fixture.h"

#include "controls/radio_group.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <cmath>

using namespace testing;

namespace {

constexpr double Pi = 3.1415926535897932385;
constexpr double FourPi = 12.566370614359172954;
const double CapacitanceUnits[] = {1e-12, 1e-9, 1e-6, 1};
const double InductanceUnits[] = {1e-6, 1e-3, 1};
const double FrequencyUnits[] = {1, 1e3, 1e6, 1e9};

const QString BandPassCondition = QStringLiteral("Fc1  >  Fc2");
const QString BandStopCondition = QStringLiteral("Fc1  <  Fc2");

// Group 1 is a low-pass half whose L1 counts twice, group 2 a high-pass half
// whose C2 counts half. Values in base units as typed; the result is the
// number shown for the solved field in a unit of the given factor.
double Shown(int group, char solved, double c, double l, double fc, double unit)
{
    const double k = group == 1 ? Pi : FourPi;
    const double lFactor = group == 1 ? 2 : 1;
    const double cFactor = group == 1 ? 1 : 0.5;
    const double usedL = l * lFactor, usedC = c * cFactor;
    switch (solved) {
    case 'C': return 1 / (usedL * (k * fc) * (k * fc)) / (cFactor * unit);
    case 'L': return 1 / (usedC * (k * fc) * (k * fc)) / (lFactor * unit);
    default: return 1 / (k * std::sqrt(usedL * usedC)) / unit;
    }
}

struct Group {
    QLineEdit* c;
    QLineEdit* l;
    QLineEdit* fc;
    QComboBox* cUnit;
    QComboBox* lUnit;
    QComboBox* fcUnit;

    Group(const PageFixture& page, int n)
        : c(page.edit(QStringLiteral("FPC%1").arg(n))), l(page.edit(QStringLiteral("FPL%1").arg(n))),
          fc(page.edit(QStringLiteral("FPFc%1").arg(n))), cUnit(page.combo(QStringLiteral("FPCBC%1").arg(n))),
          lUnit(page.combo(QStringLiteral("FPCBL%1").arg(n))), fcUnit(page.combo(QStringLiteral("FPCBFc%1").arg(n)))
    {
    }
    QLineEdit* field(char which) const { return which == 'C' ? c : which == 'L' ? l : fc; }
    QComboBox* unit(char which) const { return which == 'C' ? cUnit : which == 'L' ? lUnit : fcUnit; }
    QList<QLineEdit*> edits() const { return {c, l, fc}; }

    // Types the two fields other than `solved` (numbers written with ".").
    void type(char solved, const QString& cText, const QString& lText, const QString& fcText) const
    {
        if (solved != 'C')
            Retype(c, Localised(cText));
        if (solved != 'L')
            Retype(l, Localised(lText));
        if (solved != 'F')
            Retype(fc, Localised(fcText));
    }
};

struct BandPass {
    explicit BandPass(const PageFixture& page)
        : first(page, 1), second(page, 2), type(page.group("FPRG1")), condition(page.label("FPLabel3")),
          curve(page.label("FPImage1")), section(page.label("FPImage2")), clear(page.button("FPButton"))
    {
    }
    const Group& group(int n) const { return n == 1 ? first : second; }
    // A broken condition says why in the label's tooltip.
    bool conditionRed() const
    {
        return FontColour(condition) == values::InvalidColour && condition->toolTip().contains(QStringLiteral("Fc1"));
    }
    bool conditionNormal() const
    {
        return FontColour(condition) == testing::NormalText() &&
               condition->toolTip().isEmpty();
    }

    Group first;
    Group second;
    QGroupBox* type;
    QLabel* condition;
    QLabel* curve;
    QLabel* section;
    QPushButton* clear;
};

} // namespace

class BandPassTest : public QObject {
    Q_OBJECT

private slots:
    void init() { page = std::make_unique<PageFixture>(QStringLiteral("N15")); }
    void cleanup() { page.reset(); }

    void showsItsControls();
    void documentedValues_data();
    void documentedValues();
    void solves_data();
    void solves();
    void bandPassCondition();
    void bandStopCondition();
    void frequencyUnitsMoveTogether_data();
    void frequencyUnitsMoveTogether();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();
    void typingZeroMovesTheSolution();
    void solvedGroupFollowsTheOtherGroup();
    void missingInputEndsSilently();
    void roundTrip_data();
    void roundTrip();
    void typeSwitchClearsThePage();
    void openingShowsBandPassPictures();

private:
    std::unique_ptr<PageFixture> page;
};

void BandPassTest::showsItsControls()
{
    const BandPass filter(*page);
    QCOMPARE(filter.type->title(), QStringLiteral("Тип фильтра"));
    QStringList types;
    for (const QRadioButton* item : controls::RadioItems(filter.type))
        types << item->text();
    QCOMPARE(types, (QStringList{"Полосовой фильтр", "Заграждающий фильтр "}));
    QCOMPARE(controls::ItemIndex(filter.type), 0);
    QCOMPARE(filter.condition->text(), BandPassCondition);
    QVERIFY(filter.conditionNormal());
    QCOMPARE(filter.condition->font().pixelSize(), 27);
    QCOMPARE(page->group("FPGB1")->title(), QStringLiteral("Fc1"));
    QCOMPARE(page->group("FPGB2")->title(), QStringLiteral("Fc2"));
    QCOMPARE(Picture(filter.curve), QStringLiteral("PIC13"));
    QCOMPARE(Picture(filter.section), QStringLiteral("PIC14"));
    QCOMPARE(filter.clear->text(), QStringLiteral("Очистить"));
    for (const int n : {1, 2}) {
        const Group& group = filter.group(n);
        QCOMPARE(Caption(group.c), QStringLiteral("C%1").arg(n));
        QCOMPARE(Caption(group.l), QStringLiteral("L%1").arg(n));
        QCOMPARE(Caption(group.fc), QStringLiteral("Fc%1").arg(n));
        QCOMPARE(Items(group.cUnit), (QStringList{"пФ", "нФ", "мкФ", "Ф"}));
        QCOMPARE(Items(group.lUnit), (QStringList{"мкГн", "мГн", "Гн"}));
        QCOMPARE(Items(group.fcUnit), (QStringList{"Гц", "кГц", "мГц", "гГц"}));
        QCOMPARE(group.fcUnit->currentIndex(), 2);
        QCOMPARE(group.cUnit->toolTip(), QStringLiteral("Пикофарад"));
        QCOMPARE(group.lUnit->toolTip(), QStringLiteral("Микрогенри"));
        QCOMPARE(group.fcUnit->toolTip(), QStringLiteral("Мегагерц"));
        for (QLineEdit* edit : group.edits()) {
            QCOMPARE(edit->text(), QStringLiteral("0"));
            QVERIFY(IsInput(edit));
        }
    }
}

void BandPassTest::documentedValues_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<double>("expected");
    QTest::newRow("C1 from L1 10 uH, Fc1 1 MHz: L1 counts twice") << 1 << 5066.06;
    QTest::newRow("C2 from L2 10 uH, Fc2 1 MHz") << 2 << 1266.51;
}

void BandPassTest::documentedValues()
{
    QFETCH(int, group);
    QFETCH(double, expected);
    const BandPass filter(*page);
    const Group& fields = filter.group(group);
    fields.type('C', "", "10", "1");
    QVERIFY2(RoundsTo(testing::Shown(fields.c), expected), qPrintable(fields.c->text()));
    QVERIFY(IsSolved(fields.c));
    // The other group is left alone.
    for (QLineEdit* edit : filter.group(3 - group).edits()) {
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QVERIFY(IsInput(edit));
    }
}

void BandPassTest::solves_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QChar>("separator");
    for (const int group : {1, 2}) {
        for (const char solved : {'C', 'L', 'F'}) {
            for (const QChar separator : {QChar('.'), QChar(',')})
                QTest::addRow("group %d, %c solved, '%c'", group, solved, separator.toLatin1())
                    << group << solved << separator;
        }
    }
}

void BandPassTest::solves()
{
    QFETCH(int, group);
    QFETCH(char, solved);
    QFETCH(QChar, separator);
    const DecimalSeparatorScope scope(separator);
    const BandPass filter(*page);
    const Group& fields = filter.group(group);
    fields.type(solved, "47.5", "3.3", "0.75");
    const double unit = solved == 'C' ? 1e-12 : solved == 'L' ? 1e-6 : 1e6;
    const double expected = Shown(group, solved, 47.5e-12, 3.3e-6, 0.75e6, unit);
    QVERIFY2(SameDigits(testing::Shown(fields.field(solved)), expected), qPrintable(fields.field(solved)->text()));
    QVERIFY(IsSolved(fields.field(solved)));
}

void BandPassTest::bandPassCondition()
{
    const BandPass filter(*page);
    filter.first.type('C', "", "10", "1");
    QVERIFY(filter.conditionNormal());  // Fc2 is still 0
    filter.second.type('C', "", "10", "1");
    QVERIFY(filter.conditionRed());
    Overtype(filter.first.fc, "2");
    QVERIFY(RoundsTo(testing::Shown(filter.first.c), 1266.51));
    QVERIFY(filter.conditionNormal());
    QCOMPARE(filter.condition->text(), BandPassCondition);
}

void BandPassTest::bandStopCondition()
{
    const BandPass filter(*page);
    ClickItem(filter.type, 1);
    QCOMPARE(filter.condition->text(), BandStopCondition);
    filter.first.type('C', "", "10", "1");
    filter.second.type('C', "", "10", "2");
    QVERIFY(filter.conditionNormal());
    Overtype(filter.second.fc, "1");
    QVERIFY(filter.conditionRed());
    QCOMPARE(filter.condition->text(), BandStopCondition);
}

void BandPassTest::frequencyUnitsMoveTogether_data()
{
    QTest::addColumn<int>("chosenIn");
    QTest::newRow("chosen in Fc1") << 1;
    QTest::newRow("chosen in Fc2") << 2;
}

void BandPassTest::frequencyUnitsMoveTogether()
{
    QFETCH(int, chosenIn);
    const BandPass filter(*page);
    filter.first.type('C', "", "10", "1");   // Fc1 typed
    filter.second.type('F', "100", "10", "");  // Fc2 solved
    Choose(filter.group(chosenIn).fcUnit, "кГц");
    QCOMPARE(filter.first.fcUnit->currentIndex(), 1);
    QCOMPARE(filter.second.fcUnit->currentIndex(), 1);
    QCOMPARE(filter.first.fcUnit->toolTip(), QStringLiteral("Келогерц"));
    QCOMPARE(filter.second.fcUnit->toolTip(), QStringLiteral("Келогерц"));
    // The typed cut-off now means 1 kHz; the solved one is shown in kilohertz.
    QCOMPARE(filter.first.fc->text(), QStringLiteral("1"));
    QVERIFY(SameDigits(testing::Shown(filter.first.c), Shown(1, 'C', 0, 10e-6, 1e3, 1e-12)));
    QVERIFY(SameDigits(testing::Shown(filter.second.fc), Shown(2, 'F', 100e-12, 10e-6, 0, 1e3)));
}

void BandPassTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<char>("solved");
    QTest::addColumn<int>("group");
    QTest::addColumn<char>("changed");
    QTest::addColumn<int>("index");
    for (const char solved : {'C', 'L', 'F'}) {
        for (const int group : {1, 2}) {
            for (const char changed : {'C', 'L', 'F'}) {
                const int count = changed == 'L' ? 3 : 4;
                for (int index = 0; index < count; ++index) {
                    QTest::addRow("%c solved in both, %c%d unit %d", solved, changed, group, index)
                        << solved << group << changed << index;
                }
            }
        }
    }
}

// Both groups typed C 100 pF, L 10 uH, Fc 1 MHz but one field, then one combo changes.
void BandPassTest::unitChangeOnSolvedPage()
{
    QFETCH(char, solved);
    QFETCH(int, group);
    QFETCH(char, changed);
    QFETCH(int, index);
    const BandPass filter(*page);
    for (const int n : {1, 2})
        filter.group(n).type(solved, "100", "10", "1");
    Choose(filter.group(group).unit(changed), index);

    for (const int n : {1, 2}) {
        // The two cut-off units move together; the others belong to their group.
        const auto factor = [&](char which) {
            const bool hit = which == changed && (which == 'F' || n == group);
            switch (which) {
            case 'C': return hit ? CapacitanceUnits[index] : 1e-12;
            case 'L': return hit ? InductanceUnits[index] : 1e-6;
            default: return hit ? FrequencyUnits[index] : 1e6;
            }
        };
        const double expected = Shown(n, solved, 100 * factor('C'), 10 * factor('L'), 1 * factor('F'), factor(solved));
        QLineEdit* result = filter.group(n).field(solved);
        QVERIFY2(SameDigits(testing::Shown(result), expected), qPrintable(QString::number(n) + ": " + result->text()));
        QVERIFY(IsSolved(result));
    }
}

void BandPassTest::typingZeroMovesTheSolution()
{
    const BandPass filter(*page);
    filter.second.type('F', "100", "10", "");
    Overtype(filter.second.c, "0");
    QVERIFY2(SameDigits(testing::Shown(filter.second.c), 100, 12), qPrintable(filter.second.c->text()));
    QVERIFY(IsSolved(filter.second.c));
    QVERIFY(IsSolved(filter.second.fc));
    QVERIFY(IsInput(filter.second.l));
}

void BandPassTest::solvedGroupFollowsTheOtherGroup()
{
    const BandPass filter(*page);
    filter.first.type('C', "", "10", "1");
    const QString c1 = filter.first.c->text();
    // Once solved, group 1 is recomputed on every change, also of group 2 ...
    Retype(filter.second.c, "5");
    QCOMPARE(filter.first.c->text(), c1);
    QVERIFY(IsSolved(filter.first.c));
    // ... and an unsolved group 2 is not computed by a change of group 1.
    Retype(filter.second.l, "10");
    QVERIFY(IsSolved(filter.second.fc));
    QCOMPARE(filter.second.c->text(), QStringLiteral("5"));
}

void BandPassTest::missingInputEndsSilently()
{
    const BandPass filter(*page);
    filter.second.type('C', "", "10", "2");
    QVERIFY(filter.conditionRed());  // Fc1 is 0
    CapturedErrors errors;
    Retype(filter.first.c, "100");
    for (QLineEdit* edit : {filter.first.l, filter.first.fc}) {
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QVERIFY(IsInput(edit));
    }
    QVERIFY(filter.conditionRed());
    // A negative input ends it as silently.
    Retype(filter.first.l, "10");
    QVERIFY(IsSolved(filter.first.fc));
    const QString fc1 = filter.first.fc->text();
    Negate(filter.first.l);
    QCOMPARE(filter.first.fc->text(), fc1);
    QCOMPARE(errors.count(), 0);
}

void BandPassTest::roundTrip_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("recovered");
    for (const int group : {1, 2}) {
        for (const char solved : {'C', 'L', 'F'}) {
            for (const char recovered : {'C', 'L', 'F'}) {
                if (recovered != solved)
                    QTest::addRow("group %d: %c, then %c back", group, solved, recovered)
                        << group << solved << recovered;
            }
        }
    }
}

void BandPassTest::roundTrip()
{
    QFETCH(int, group);
    QFETCH(char, solved);
    QFETCH(char, recovered);
    const DecimalSeparatorScope scope(',');
    const BandPass filter(*page);
    const Group& fields = filter.group(group);
    const QMap<char, QString> typed{{'C', "68"}, {'L', "2.7"}, {'F', "3.9"}};
    fields.type(solved, typed['C'], typed['L'], typed['F']);
    const QString result = fields.field(solved)->text();

    filter.clear->click();
    for (const char which : {'C', 'L', 'F'}) {
        if (which == solved)
            Retype(fields.field(which), result);
        else if (which != recovered)
            Retype(fields.field(which), Localised(typed[which]));
    }
    QLineEdit* back = fields.field(recovered);
    QVERIFY(IsSolved(back));
    QVERIFY2(SameDigits(testing::Shown(back), values::ParseNumber(typed[recovered], '.'), 12), qPrintable(back->text()));
}

void BandPassTest::typeSwitchClearsThePage()
{
    const BandPass filter(*page);
    Choose(filter.first.cUnit, 1);
    Choose(filter.second.lUnit, 2);
    filter.first.type('C', "", "10", "1");
    filter.second.type('C', "", "10", "1");
    QVERIFY(filter.conditionRed());

    ClickItem(filter.type, 1);
    QCOMPARE(Picture(filter.curve), QStringLiteral("PIC15"));
    QCOMPARE(Picture(filter.section), QStringLiteral("PIC16"));
    QCOMPARE(filter.condition->text(), BandStopCondition);
    QVERIFY(filter.conditionNormal());
    for (const int n : {1, 2}) {
        const Group& group = filter.group(n);
        for (QLineEdit* edit : group.edits()) {
            QCOMPARE(edit->text(), QStringLiteral("0"));
            QVERIFY(IsInput(edit));
        }
        QCOMPARE(group.cUnit->currentIndex(), 0);
        QCOMPARE(group.lUnit->currentIndex(), 0);
        QCOMPARE(group.fcUnit->currentIndex(), 2);
        QCOMPARE(group.cUnit->toolTip(), QStringLiteral("Пикофарад"));
        QCOMPARE(group.lUnit->toolTip(), QStringLiteral("Микрогенри"));
        QCOMPARE(group.fcUnit->toolTip(), QStringLiteral("Мегагерц"));
    }
    // Both solve states are gone: a lone input computes nothing.
    Retype(filter.second.c, "100");
    QCOMPARE(filter.second.fc->text(), QStringLiteral("0"));

    ClickItem(filter.type, 0);
    QCOMPARE(Picture(filter.curve), QStringLiteral("PIC13"));
    QCOMPARE(Picture(filter.section), QStringLiteral("PIC14"));
    QCOMPARE(filter.condition->text(), BandPassCondition);
    QCOMPARE(filter.second.c->text(), QStringLiteral("0"));
}


void BandPassTest::openingShowsBandPassPictures()
{
    const BandPass filter(*page);
    ClickItem(filter.type, 1);
    page->reopen();
    QCOMPARE(Picture(filter.curve), QStringLiteral("PIC13"));
    QCOMPARE(Picture(filter.section), QStringLiteral("PIC14"));
    QCOMPARE(controls::ItemIndex(filter.type), 1);
    QCOMPARE(filter.condition->text(), BandStopCondition);
}



QTEST_MAIN(BandPassTest)
#include "test_band_pass.moc"
