#include "support/circuits_filter_checks.h"

#include "controls/radio_group.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QRadioButton>

#include <cmath>

namespace testing::circuits {

namespace {

constexpr double TwoPi = 6.283185307179586477;

const QString Inductance = QStringLiteral("Индуктивность L");
const QString Resistance = QStringLiteral("Сопротивление R");

const char Names[] = {'C', 'L', 'F'};
const char* const FormNames[] = {"Г", "Т", "П"};
const char* const Typed[] = {"100", "10", "1"};  // C пФ, L мкГн or R Ом, Fc мГц

} // namespace

double FilterModel::shown(int form, bool rc, char solved, double c, double lr, double fc, double unit) const
{
    const double usedC = c * cFactor[form];
    const double usedLR = lr * lrFactor[form];
    switch (solved) {
    case 'C': {
        const double value = rc ? 1 / (usedLR * TwoPi * fc) : 1 / (usedLR * (k * fc) * (k * fc));
        return value / (cFactor[form] * unit);
    }
    case 'L': {
        const double value = rc ? 1 / (usedC * TwoPi * fc) : 1 / (usedC * (k * fc) * (k * fc));
        return value / (lrFactor[form] * unit);
    }
    default:
        return (rc ? 1 / (TwoPi * usedLR * usedC) : 1 / (k * std::sqrt(usedLR * usedC))) / unit;
    }
}

FilterFields::FilterFields(const PageFixture& page, const QString& p)
    : c(page.edit(p + "C")), lr(page.edit(p + "LR")), fc(page.edit(p + "Fc")),
      cUnit(page.combo(p + "CBC")), lrUnit(page.combo(p + "CBLR")), fcUnit(page.combo(p + "CBFc")),
      form(page.group(p + "RG1")), elements(page.group(p + "RG2")),
      curve(page.label(p + "Image1")), section(page.label(p + "Image2")), clear(page.button(p + "Button"))
{
}

QLineEdit* FilterFields::field(char which) const
{
    return which == 'C' ? c : which == 'L' ? lr : fc;
}

QComboBox* FilterFields::unit(char which) const
{
    return which == 'C' ? cUnit : which == 'L' ? lrUnit : fcUnit;
}

double UnitFactor(char which, bool rc, int index)
{
    static const double capacitance[] = {1e-12, 1e-9, 1e-6, 1};
    static const double inductance[] = {1e-6, 1e-3, 1};
    static const double resistance[] = {1, 1e3, 1e6, 1e9};
    static const double frequency[] = {1, 1e3, 1e6, 1e9};
    switch (which) {
    case 'C': return capacitance[index];
    case 'L': return rc ? resistance[index] : inductance[index];
    default: return frequency[index];
    }
}

void ChooseSection(const FilterFields& fields, int form, bool rc)
{
    if (form != 0)
        ClickItem(fields.form, form);
    if (rc)
        ClickItem(fields.elements, 1);
}

void TypeInputs(const FilterFields& fields, char solved, const QString& c, const QString& lr, const QString& fc)
{
    const QString texts[] = {c, lr, fc};
    for (int i = 0; i < 3; ++i) {
        if (Names[i] != solved)
            Retype(fields.field(Names[i]), Localised(texts[i]));
    }
}

void CheckFilterControls(const FilterModel& model)
{
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    QCOMPARE(Caption(fields.c), QStringLiteral("Ёмкость С"));
    QCOMPARE(Caption(fields.lr), Inductance);
    QCOMPARE(Caption(fields.fc), QStringLiteral("Частота среза Fc"));
    QCOMPARE(Items(fields.cUnit), CapacitanceItems);
    QCOMPARE(Items(fields.lrUnit), InductanceItems);
    QCOMPARE(Items(fields.fcUnit), FrequencyItems);
    QCOMPARE(fields.cUnit->currentIndex(), 0);
    QCOMPARE(fields.lrUnit->currentIndex(), 0);
    QCOMPARE(fields.fcUnit->currentIndex(), 2);
    QCOMPARE(fields.cUnit->toolTip(), QStringLiteral("Пикофарад"));
    QCOMPARE(fields.lrUnit->toolTip(), QStringLiteral("Микрогенри"));
    QCOMPARE(fields.fcUnit->toolTip(), QStringLiteral("Мегагерц"));
    QCOMPARE(page.group(model.prefix + "GB1")->title(), QStringLiteral("Тип фильтра"));
    QStringList forms;
    for (const QRadioButton* item : controls::RadioItems(fields.form))
        forms << item->text();
    QCOMPARE(forms, (QStringList{"Г - образный", "Т - образный", "П - образный"}));
    QStringList elements;
    for (const QRadioButton* item : controls::RadioItems(fields.elements))
        elements << item->text();
    QCOMPARE(elements, (QStringList{"LC", "RC"}));
    QCOMPARE(controls::ItemIndex(fields.form), 0);
    QCOMPARE(controls::ItemIndex(fields.elements), 0);
    QCOMPARE(fields.clear->text(), QStringLiteral("Очистить"));
    QCOMPARE(Picture(fields.curve), model.prefix + "Image1");
    QCOMPARE(Picture(fields.section), model.firstPicture);
    QVERIFY(!fields.section->pixmap().isNull());
    for (QLineEdit* edit : {fields.c, fields.lr, fields.fc}) {
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QVERIFY(IsInput(edit));
    }
}

void FilterDocumentedColumns()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("lr");
    QTest::addColumn<QString>("fc");
    QTest::addColumn<int>("fcUnit");
    QTest::addColumn<double>("expected");
}

void CheckFilterDocumentedValue(const FilterModel& model)
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(QString, c);
    QFETCH(QString, lr);
    QFETCH(QString, fc);
    QFETCH(int, fcUnit);
    QFETCH(double, expected);
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    ChooseSection(fields, form, rc);
    if (fcUnit != 2)
        Choose(fields.fcUnit, fcUnit);
    TypeInputs(fields, solved, c, lr, fc);
    QLineEdit* result = fields.field(solved);
    QVERIFY2(RoundsTo(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
}

void FilterSolveRows()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<QChar>("separator");
    for (int form = 0; form < 3; ++form) {
        for (const bool rc : {false, true}) {
            for (const char solved : Names) {
                for (const QChar separator : {QChar('.'), QChar(',')}) {
                    QTest::addRow("%s %s, %c solved, '%c'", FormNames[form], rc ? "RC" : "LC", solved,
                                  separator.toLatin1())
                        << form << rc << solved << separator;
                }
            }
        }
    }
}

void CheckFilterSolve(const FilterModel& model)
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(QChar, separator);
    const DecimalSeparatorScope scope(separator);
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    ChooseSection(fields, form, rc);
    TypeInputs(fields, solved, "4.7", "2.2", "0.35");
    const double lrUnit = UnitFactor('L', rc, 0);
    const double expected = model.shown(form, rc, solved, 4.7e-12, 2.2 * lrUnit, 0.35e6,
                                        UnitFactor(solved, rc, solved == 'F' ? 2 : 0));
    QLineEdit* result = fields.field(solved);
    QVERIFY2(SameDigits(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
    for (const char which : Names) {
        if (which != solved)
            QVERIFY(IsInput(fields.field(which)));
    }
}

void FilterPictureRows()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    for (int form = 0; form < 3; ++form) {
        QTest::addRow("%s LC", FormNames[form]) << form << false;
        QTest::addRow("%s RC", FormNames[form]) << form << true;
    }
}

void CheckFilterPictures(const FilterModel& model)
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    // Both orders of choosing end on the same picture.
    ChooseSection(fields, form, rc);
    QCOMPARE(Picture(fields.section), rc ? model.rcPictures[form] : model.lcPictures[form]);
    ClickItem(fields.elements, rc ? 0 : 1);
    ClickItem(fields.elements, rc ? 1 : 0);
    if (form != 0) {
        ClickItem(fields.form, 0);
        ClickItem(fields.form, form);
    }
    QCOMPARE(Picture(fields.section), rc ? model.rcPictures[form] : model.lcPictures[form]);
    QCOMPARE(Caption(fields.lr), rc ? Resistance : Inductance);
    QCOMPARE(Items(fields.lrUnit), rc ? ResistanceItems : InductanceItems);
}

void CheckFilterElementSwitch(const FilterModel& model)
{
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    TypeInputs(fields, 'F', "100", "10", "");
    QVERIFY(SameDigits(Shown(fields.fc), model.shown(0, false, 'F', 100e-12, 10e-6, 0, 1e6)));

    ClickItem(fields.elements, 1);
    QCOMPARE(Caption(fields.lr), Resistance);
    QCOMPARE(Items(fields.lrUnit), ResistanceItems);
    QCOMPARE(fields.lrUnit->currentIndex(), 0);
    QCOMPARE(fields.lrUnit->toolTip(), QStringLiteral("Ом"));
    QCOMPARE(fields.lr->text(), QStringLiteral("10"));
    QCOMPARE(Picture(fields.section), model.rcPictures[0]);
    // The typed 10 now means ten ohms.
    QVERIFY2(SameDigits(Shown(fields.fc), model.shown(0, true, 'F', 100e-12, 10, 0, 1e6)), qPrintable(fields.fc->text()));
    QVERIFY(IsSolved(fields.fc));

    ClickItem(fields.elements, 0);
    QCOMPARE(Caption(fields.lr), Inductance);
    QCOMPARE(Items(fields.lrUnit), InductanceItems);
    QCOMPARE(fields.lrUnit->toolTip(), QStringLiteral("Микрогенри"));
    QVERIFY(SameDigits(Shown(fields.fc), model.shown(0, false, 'F', 100e-12, 10e-6, 0, 1e6)));
}

void CheckFilterUnitChangeUnsolved(const FilterModel& model)
{
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    Retype(fields.c, "100");
    Choose(fields.cUnit, "нФ");
    QCOMPARE(fields.cUnit->toolTip(), QStringLiteral("Нанофарад"));
    QCOMPARE(fields.c->text(), QStringLiteral("100"));
    for (QLineEdit* edit : {fields.c, fields.lr, fields.fc})
        QVERIFY(IsInput(edit));
    QCOMPARE(fields.lr->text(), QStringLiteral("0"));
    QCOMPARE(fields.fc->text(), QStringLiteral("0"));
    // The new scale holds for the next computation.
    Retype(fields.lr, "10");
    QVERIFY(SameDigits(Shown(fields.fc), model.shown(0, false, 'F', 100e-9, 10e-6, 0, 1e6)));
}

void FilterUnitChangeRows()
{
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("changed");
    QTest::addColumn<int>("index");
    for (const bool rc : {false, true}) {
        for (const char solved : Names) {
            for (const char changed : Names) {
                const int count = changed == 'L' && !rc ? 3 : 4;
                for (int index = 0; index < count; ++index) {
                    QTest::addRow("%s, %c solved, %c unit %d", rc ? "RC" : "LC", solved, changed, index)
                        << rc << solved << changed << index;
                }
            }
        }
    }
}

void CheckFilterUnitChangeSolved(const FilterModel& model)
{
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(char, changed);
    QFETCH(int, index);
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    ChooseSection(fields, 0, rc);
    TypeInputs(fields, solved, Typed[0], Typed[1], Typed[2]);
    QVERIFY(IsSolved(fields.field(solved)));
    Choose(fields.unit(changed), index);

    const auto unitOf = [&](char which) { return UnitFactor(which, rc, which == changed ? index : which == 'F' ? 2 : 0); };
    const double expected = model.shown(0, rc, solved, 100 * unitOf('C'), 10 * unitOf('L'), 1 * unitOf('F'),
                                        unitOf(solved));
    QLineEdit* result = fields.field(solved);
    QVERIFY2(SameDigits(Shown(result), expected), qPrintable(result->text()));
    QVERIFY(IsSolved(result));
}

void CheckFilterZeroMovesSolution(const FilterModel& model)
{
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    TypeInputs(fields, 'F', "100", "10", "");
    QVERIFY(IsSolved(fields.fc));
    Overtype(fields.c, "0");
    QVERIFY2(SameDigits(Shown(fields.c), 100, 12), qPrintable(fields.c->text()));
    QVERIFY(IsSolved(fields.c));
    QVERIFY(IsSolved(fields.fc));
    // C stays the solved field: with L at 0 its block lacks an input and nothing is written.
    const QString c = fields.c->text();
    const QString fc = fields.fc->text();
    Overtype(fields.lr, "0");
    QCOMPARE(fields.c->text(), c);
    QCOMPARE(fields.fc->text(), fc);
    QVERIFY(IsInput(fields.lr));
    Overtype(fields.lr, "40");
    QVERIFY(SameDigits(Shown(fields.c), 25, 12));
}

void CheckFilterNothingToSolve(const FilterModel& model)
{
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    Retype(fields.c, "100");
    QCOMPARE(fields.lr->text(), QStringLiteral("0"));
    QCOMPARE(fields.fc->text(), QStringLiteral("0"));
    for (QLineEdit* edit : {fields.c, fields.lr, fields.fc})
        QVERIFY(IsInput(edit));
}

void FilterRoundTripRows()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("rc");
    QTest::addColumn<char>("solved");
    QTest::addColumn<char>("recovered");
    for (int form = 0; form < 3; ++form) {
        for (const bool rc : {false, true}) {
            for (const char solved : Names) {
                for (const char recovered : Names) {
                    if (recovered != solved) {
                        QTest::addRow("%s %s: %c, then %c back", FormNames[form], rc ? "RC" : "LC", solved,
                                      recovered)
                            << form << rc << solved << recovered;
                    }
                }
            }
        }
    }
}

void CheckFilterRoundTrip(const FilterModel& model)
{
    QFETCH(int, form);
    QFETCH(bool, rc);
    QFETCH(char, solved);
    QFETCH(char, recovered);
    const DecimalSeparatorScope scope(',');
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    ChooseSection(fields, form, rc);
    const QMap<char, QString> typed{{'C', "33"}, {'L', "4.7"}, {'F', "2.2"}};
    TypeInputs(fields, solved, typed['C'], typed['L'], typed['F']);
    const QString result = fields.field(solved)->text();

    fields.clear->click();
    ChooseSection(fields, form, rc);
    for (const char which : Names) {
        if (which == solved)
            Retype(fields.field(which), result);
        else if (which != recovered)
            Retype(fields.field(which), Localised(typed[which]));
    }
    QLineEdit* back = fields.field(recovered);
    QVERIFY(IsSolved(back));
    QVERIFY2(SameDigits(Shown(back), values::ParseNumber(typed[recovered], '.'), 12), qPrintable(back->text()));
}

void CheckFilterClear(const FilterModel& model)
{
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    ChooseSection(fields, 1, true);
    Choose(fields.cUnit, 1);
    Choose(fields.lrUnit, 2);
    Choose(fields.fcUnit, 0);
    TypeInputs(fields, 'F', "100", "10", "");
    QVERIFY(IsSolved(fields.fc));

    fields.clear->click();
    for (QLineEdit* edit : {fields.c, fields.lr, fields.fc}) {
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QVERIFY(IsInput(edit));
    }
    QCOMPARE(controls::ItemIndex(fields.form), 0);
    QCOMPARE(controls::ItemIndex(fields.elements), 0);
    QCOMPARE(Caption(fields.lr), Inductance);
    QCOMPARE(Items(fields.lrUnit), InductanceItems);
    QCOMPARE(fields.cUnit->currentText(), QStringLiteral("пФ"));
    QCOMPARE(fields.lrUnit->currentText(), QStringLiteral("мкГн"));
    QCOMPARE(fields.fcUnit->currentText(), QStringLiteral("мГц"));
    QCOMPARE(fields.cUnit->toolTip(), QStringLiteral("Пикофарад"));
    QCOMPARE(fields.lrUnit->toolTip(), QStringLiteral("Микрогенри"));
    QCOMPARE(fields.fcUnit->toolTip(), QStringLiteral("Мегагерц"));
    QCOMPARE(Picture(fields.section), model.firstPicture);
    // Factors, scales and solution are the first form's LC ones again.
    TypeInputs(fields, 'C', "", "10", "1");
    QVERIFY(SameDigits(Shown(fields.c), model.shown(0, false, 'C', 0, 10e-6, 1e6, 1e-12)));
}

void CheckFilterReopen(const FilterModel& model)
{
    PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    ClickItem(fields.form, 2);
    QCOMPARE(Picture(fields.section), model.lcPictures[2]);
    TypeInputs(fields, 'C', "", "10", "1");
    const QString solved = fields.c->text();

    page.reopen();
    QCOMPARE(Picture(fields.section), model.firstPicture);
    QCOMPARE(controls::ItemIndex(fields.form), 2);
    QCOMPARE(fields.c->text(), solved);
    QVERIFY(IsSolved(fields.c));
    // The form's factors still hold.
    Overtype(fields.fc, "2");
    QVERIFY(SameDigits(Shown(fields.c), model.shown(2, false, 'C', 0, 10e-6, 2e6, 1e-12)));
}

void FilterBadInputRows()
{
    // A text that is no number is reported once; valid numbers that give no
    // answer turn the solved field red instead, and nothing is reported.
    QTest::addColumn<QString>("fault");
    QTest::newRow("text that does not convert") << "conversion";
    QTest::newRow("cut-off beyond the largest number") << "overflow";
}

void CheckFilterBadInput(const FilterModel& model)
{
    QFETCH(QString, fault);
    const PageFixture page(model.menuItem);
    const FilterFields fields(page, model.prefix);
    CapturedErrors errors;
    const bool overflow = fault == "overflow";
    if (overflow) {
        // 1e-300 pF and 1e-301 uH put the cut-off beyond the largest double.
        TypeExponent(fields.c, "1", "300", true);
        TypeExponent(fields.lr, "1", "301", false);
    } else {
        TypeInputs(fields, 'F', "100", "10", "");
    }
    QCOMPARE(errors.count(), 0);
    QVERIFY(IsSolved(fields.fc));
    const QString before = fields.fc->text();

    if (overflow) {
        fields.lr->setCursorPosition(2);
        Type(fields.lr, "-");
        QCOMPARE(fields.lr->text(), QStringLiteral("1e-301"));
    } else {
        fields.lr->setCursorPosition(1);
        Type(fields.lr, "-");
        QCOMPARE(fields.lr->text(), QStringLiteral("1-0"));
    }
    QCOMPARE(errors.count(), overflow ? 0 : 1);
    QCOMPARE(fields.fc->text(), before);
    QVERIFY(fields.fc->isReadOnly());
    QCOMPARE(values::IsUnsolvable(fields.fc), overflow);
    QCOMPARE(Background(fields.fc), overflow ? QColor(values::InvalidColour) : QColor(values::ResultColour));
    QCOMPARE(testing::Reason(fields.fc), overflow ? QStringLiteral("Нет решения: результат слишком велик") : QString());
    QVERIFY(IsInput(fields.lr));
    QVERIFY(IsInput(fields.c));

    // The page goes on, and the red is gone.
    Overtype(fields.lr, "10");
    QCOMPARE(errors.count(), overflow ? 0 : 1);
    QVERIFY(fields.fc->text() != before || !overflow);
    QVERIFY(IsSolved(fields.fc));
    QVERIFY(testing::Reason(fields.fc).isEmpty());
}

} // namespace testing::circuits
