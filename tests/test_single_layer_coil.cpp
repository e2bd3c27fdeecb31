#include "app/main_window.h"
#include "support/page_fixture.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Background;
using testing::Find;
using testing::FontColour;
using testing::Retype;
using testing::NormalText;
using testing::Red;
using testing::Window;
using testing::Yellow;
using testing::SameDigits;
using testing::Shown;

namespace {

const QString RangeHint = QStringLiteral("В пределах 0.45-2.5 погрешность вычисления состовляет 1%");
const QString RangeRule = QStringLiteral("J / (Dк + Dп) вне пределов 0.45 - 2.5: погрешность расчёта больше 1%");
const QString LengthRule = QStringLiteral("Витки не помещаются: W·Dп больше J");

// The coil model written out: lengths in mm, inductance in µH.
double CoilInductance(double w, double dk, double dp, double j)
{
    const double d = dk + dp;
    return 0.001 * w * w * d / (j / d + 0.46);
}

} // namespace

class SingleLayerCoilTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void openWindingInductance();
    void closeWindingShowsLength_data();
    void closeWindingShowsLength();
    void closeWindingWireDiameterTakesSmallerRoot_data();
    void closeWindingWireDiameterTakesSmallerRoot();
    void roundTrip_data();
    void roundTrip();
    void rangeLabels_data();
    void rangeLabels();
    void twoUnknownsChangeNothing();
    void solvedFieldFollowsLaterInputs();
    void zeroMeanDiameterIsRed_data();
    void zeroMeanDiameterIsRed();

private:
    QLineEdit* edit(const char* name) const { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    QLabel* label(const char* name) const { return fixture_->find<QLabel>(QString::fromLatin1(name)); }
    QCheckBox* closeWinding() const { return fixture_->find<QCheckBox>(QStringLiteral("LCB1")); }

    std::unique_ptr<testing::PageFixture> fixture_;
};

void SingleLayerCoilTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("N18"));
}

void SingleLayerCoilTest::init()
{
    fixture_->find<QPushButton>(QStringLiteral("L1Button"))->click();
}

void SingleLayerCoilTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("turns") << "LW1" << u8"Число витков W (штук)";
    QTest::newRow("former diameter") << "LDk1" << u8"Диаметр какркаса Dк (мм)";
    QTest::newRow("wire diameter") << "LDp1" << u8"Диаметр провода Dп (мм)";
    QTest::newRow("winding length") << "LJ1" << u8"Длинна намотки J (мм)";
    QTest::newRow("inductance") << "LL1" << u8"Индуктивность L (мкГн)";
}

void SingleLayerCoilTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* field = fixture_->find<QLineEdit>(name);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QVERIFY(!field->isReadOnly());
    QVERIFY(field->parentWidget()->objectName() == QStringLiteral("TS7"));
    QCOMPARE(testing::Caption(field), caption);

    QCOMPARE(closeWinding()->text(), QStringLiteral("Виток к витку"));
    QCOMPARE(fixture_->find<QGroupBox>(QStringLiteral("LGB1"))->title(), QStringLiteral("Предельные значения"));
    QCOMPARE(label("LLabel1")->toolTip(), QStringLiteral("В пределах 0.45-2.5 погрешность вычисления состовляет 1%"));
    QCOMPARE(label("LLabel2")->text(), QStringLiteral("J < W*Dп"));
    QCOMPARE(label("L1Image1")->property("picture").toString(), QStringLiteral("L1Image1"));
    QVERIFY(!label("L1Image1")->pixmap().isNull());
}

void SingleLayerCoilTest::openWindingInductance()
{
    Retype(edit("LW1"), "10");
    Retype(edit("LDk1"), "10");
    Retype(edit("LDp1"), "0.5");
    Retype(edit("LJ1"), "5");

    const double expected = 0.001 * 100 * 10.5 / (5 / 10.5 + 0.46);
    QVERIFY(SameDigits(Shown(edit("LL1")), expected, 12));
    QVERIFY(SameDigits(expected, 1.1216, 4));
    QCOMPARE(Background(edit("LL1")), Yellow);
    QVERIFY(edit("LL1")->isReadOnly());
    QCOMPARE(label("LLabel1")->text(), QStringLiteral("0.45 < ") + values::FormatNumber(5 / 10.5) + " < 2.5");
    QCOMPARE(FontColour(label("LLabel1")), NormalText());
    QCOMPARE(FontColour(label("LLabel2")), NormalText());
}

void SingleLayerCoilTest::closeWindingShowsLength_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("lengthSolved");  // else the length and the inductance are both left at 0
    QTest::newRow("nothing solved yet") << QChar('.') << false;
    QTest::newRow("length solved") << QChar('.') << true;
    QTest::newRow("length solved, comma") << QChar(',') << true;
}

void SingleLayerCoilTest::closeWindingShowsLength()
{
    QFETCH(QChar, separator);
    QFETCH(bool, lengthSolved);
    const testing::DecimalSeparatorScope scope(separator);
    Retype(edit("LW1"), "10");
    Retype(edit("LDk1"), "10");
    Retype(edit("LDp1"), "0.5");
    if (lengthSolved) {
        Retype(edit("LL1"), values::FormatNumber(CoilInductance(10, 10, 0.5, 4)));
        QVERIFY(SameDigits(Shown(edit("LJ1")), 4, 10));
        QCOMPARE(Background(edit("LJ1")), Yellow);
    }
    closeWinding()->click();

    QCOMPARE(edit("LJ1")->text(), QStringLiteral("5"));
    QCOMPARE(Background(edit("LJ1")), Window());
    QVERIFY(edit("LJ1")->isReadOnly());
    QVERIFY(SameDigits(Shown(edit("LL1")), CoilInductance(10, 10, 0.5, 5), 12));
    QCOMPARE(Background(edit("LL1")), Yellow);

    // The page goes on solving: the inductance follows the turns.
    edit("LW1")->selectAll();
    testing::Type(edit("LW1"), "20");
    QCOMPARE(edit("LJ1")->text(), QStringLiteral("10"));
    QVERIFY(SameDigits(Shown(edit("LL1")), CoilInductance(20, 10, 0.5, 10), 12));

    // Open again, a solved length solves again; else the length is an input.
    closeWinding()->click();
    QCOMPARE(edit("LJ1")->isReadOnly(), lengthSolved);
    QCOMPARE(Background(edit("LJ1")), lengthSolved ? Yellow : Window());
    QVERIFY(SameDigits(Shown(edit("LJ1")), 10, 10));
    if (lengthSolved) {
        edit("LW1")->selectAll();
        testing::Type(edit("LW1"), "30");
        const double j = 0.001 * 10.5 * 10.5 * 900 / Shown(edit("LL1")) - 0.46 * 10.5;
        QVERIFY(SameDigits(Shown(edit("LJ1")), j, 10));
    }
}

void SingleLayerCoilTest::closeWindingWireDiameterTakesSmallerRoot_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("turns");
    QTest::addColumn<double>("former");
    QTest::addColumn<double>("wire");
    // The quadratic's other root (about 96.8 mm) also satisfies the model.
    QTest::newRow("small coil") << QChar('.') << 10.0 << 10.0 << 0.5;
    QTest::newRow("small coil, comma") << QChar(',') << 10.0 << 10.0 << 0.5;
    // About 1E13 µH: the roots lie 1E14 times apart, and the textbook form of
    // the smaller one keeps only six digits of it.
    QTest::newRow("long thin winding") << QChar('.') << 1e9 << 1.0 << 1e-7;
    QTest::newRow("long thin winding, comma") << QChar(',') << 1e9 << 1.0 << 1e-7;
}

void SingleLayerCoilTest::closeWindingWireDiameterTakesSmallerRoot()
{
    QFETCH(QChar, separator);
    QFETCH(double, turns);
    QFETCH(double, former);
    QFETCH(double, wire);
    const testing::DecimalSeparatorScope scope(separator);
    const testing::CapturedErrors errors;
    closeWinding()->click();
    Retype(edit("LW1"), values::FormatNumber(turns));
    Retype(edit("LDk1"), values::FormatNumber(former));
    Retype(edit("LL1"), values::FormatNumber(CoilInductance(turns, former, wire, turns * wire)));

    QVERIFY2(SameDigits(Shown(edit("LDp1")), wire, 12), qPrintable(edit("LDp1")->text()));
    QCOMPARE(Background(edit("LDp1")), Yellow);
    QVERIFY(SameDigits(Shown(edit("LJ1")), turns * wire, 12));
    QCOMPARE(errors.count(), 0);
}

void SingleLayerCoilTest::roundTrip_data()
{
    QTest::addColumn<bool>("close");
    QTest::addColumn<QString>("unknown");
    for (const char* name : {"LW1", "LDk1", "LDp1", "LJ1", "LL1"})
        QTest::addRow("open winding, %s", name) << false << QString::fromLatin1(name);
    for (const char* name : {"LW1", "LDk1", "LDp1", "LL1"})
        QTest::addRow("close winding, %s", name) << true << QString::fromLatin1(name);
}

void SingleLayerCoilTest::roundTrip()
{
    QFETCH(bool, close);
    QFETCH(QString, unknown);
    const testing::CapturedErrors errors;

    // A coil that is neither close wound nor at the edge of the range.
    const double w = 23, dk = 12.5, dp = 0.35;
    const double j = close ? w * dp : 14;
    const QMap<QString, double> coil{
        {"LW1", w}, {"LDk1", dk}, {"LDp1", dp}, {"LJ1", j}, {"LL1", CoilInductance(w, dk, dp, j)}};

    if (close)
        closeWinding()->click();
    for (auto it = coil.begin(); it != coil.end(); ++it) {
        if (it.key() == unknown || (close && it.key() == "LJ1"))
            continue;
        Retype(edit(qPrintable(it.key())), values::FormatNumber(it.value()));
    }

    QLineEdit* solved = edit(qPrintable(unknown));
    QCOMPARE(Background(solved), Yellow);
    QVERIFY(solved->isReadOnly());
    QVERIFY2(SameDigits(Shown(solved), coil[unknown], 10),
             qPrintable(solved->text() + " vs " + values::FormatNumber(coil[unknown])));
    if (close)
        QVERIFY2(SameDigits(Shown(edit("LJ1")), j, 10), qPrintable(edit("LJ1")->text()));
    QCOMPARE(errors.count(), 0);
}

void SingleLayerCoilTest::rangeLabels_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<bool>("rangeRed");
    QTest::addColumn<bool>("lengthRed");
    // Dк + Dп = 10 and W · Dп = 5 throughout.
    QTest::newRow("lower bound is inside") << QChar('.') << "4.5" << "0.45" << false << true;
    QTest::newRow("upper bound is inside") << QChar('.') << "25" << "2.5" << false << false;
    QTest::newRow("below the range") << QChar('.') << "4.4" << "0.44" << true << true;
    QTest::newRow("below the range, comma") << QChar(',') << "4.4" << "0,44" << true << true;
    QTest::newRow("above the range") << QChar('.') << "26" << "2.6" << true << false;
    QTest::newRow("above the range, comma") << QChar(',') << "26.5" << "2,65" << true << false;
    QTest::newRow("turns just fit") << QChar('.') << "5" << "0.5" << false << false;
}

void SingleLayerCoilTest::rangeLabels()
{
    QFETCH(QChar, separator);
    QFETCH(QString, length);
    QFETCH(QString, ratio);
    QFETCH(bool, rangeRed);
    QFETCH(bool, lengthRed);
    const testing::DecimalSeparatorScope scope(separator);

    Retype(edit("LW1"), "10");
    Retype(edit("LDk1"), "9.5");
    Retype(edit("LDp1"), "0.5");
    Retype(edit("LJ1"), length);

    QCOMPARE(label("LLabel1")->text(), "0.45 < " + ratio + " < 2.5");
    QCOMPARE(FontColour(label("LLabel1")), rangeRed ? Red : NormalText());
    QCOMPARE(FontColour(label("LLabel2")), lengthRed ? Red : NormalText());
    // A red label says which rule is broken; back in range, the hint returns.
    QCOMPARE(label("LLabel1")->toolTip(), rangeRed ? RangeRule : RangeHint);
    QCOMPARE(label("LLabel2")->toolTip(), lengthRed ? LengthRule : QString());
}

void SingleLayerCoilTest::twoUnknownsChangeNothing()
{
    Retype(edit("LDk1"), "10");
    Retype(edit("LDp1"), "0.5");
    Retype(edit("LJ1"), "5");

    for (const char* name : {"LW1", "LDk1", "LDp1", "LJ1", "LL1"}) {
        QVERIFY(!edit(name)->isReadOnly());
        QCOMPARE(Background(edit(name)), Window());
    }
    QCOMPARE(edit("LW1")->text(), QStringLiteral("0"));
    QCOMPARE(edit("LL1")->text(), QStringLiteral("0"));
    QCOMPARE(label("LLabel1")->text(), QStringLiteral("0.45 < ?? < 2.5"));
}

void SingleLayerCoilTest::solvedFieldFollowsLaterInputs()
{
    Retype(edit("LW1"), "10");
    Retype(edit("LDk1"), "10");
    Retype(edit("LDp1"), "0.5");
    Retype(edit("LJ1"), "5");
    // Deleting the turns would make them the unknown: replace them at once.
    edit("LW1")->selectAll();
    testing::Type(edit("LW1"), "20");
    QCOMPARE(edit("LW1")->text(), QStringLiteral("20"));
    QVERIFY(SameDigits(Shown(edit("LL1")), CoilInductance(20, 10, 0.5, 5), 12));
    QVERIFY(edit("LL1")->isReadOnly());
}

void SingleLayerCoilTest::zeroMeanDiameterIsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("wire");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("lastField");
    QTest::addColumn<QString>("lastText");
    QTest::addColumn<QString>("red");  // what cannot be computed
    QTest::newRow("inductance block") << QChar('.') << "-5" << "0" << "LDk1" << "5" << "LL1";
    QTest::newRow("inductance block, comma") << QChar(',') << "-0.5" << "0" << "LDk1" << "0.5" << "LL1";
    // Turns cannot be solved with a negative wire, so nothing is solved and
    // only the range ratio divides by the mean diameter.
    QTest::newRow("range label") << QChar('.') << "-5" << "1" << "LW1" << "1" << "LLabel1";
    QTest::newRow("range label, comma") << QChar(',') << "-0.5" << "1.5" << "LW1" << "1" << "LLabel1";
}

void SingleLayerCoilTest::zeroMeanDiameterIsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QString, wire);
    QFETCH(QString, inductance);
    QFETCH(QString, lastField);
    QFETCH(QString, lastText);
    QFETCH(QString, red);
    const testing::DecimalSeparatorScope scope(separator);
    Retype(edit("LJ1"), "5");
    Retype(edit("LL1"), inductance);
    edit("LDp1")->setText(wire);
    const QString former = wire.mid(1);  // Dк + Dп = 0
    if (lastField == "LDk1")
        Retype(edit("LW1"), "10");
    else
        Retype(edit("LDk1"), former);
    QCOMPARE(edit("LW1")->isReadOnly() || edit("LDk1")->isReadOnly(), false);
    const QString inductanceText = edit("LL1")->text();

    const testing::CapturedErrors errors;
    Retype(edit(qPrintable(lastField)), lastField == "LDk1" ? former : lastText);

    QWidget* const unsolved = fixture_->window()->findChild<QWidget*>(red);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(edit("LL1")->text(), inductanceText);
    QCOMPARE(label("LLabel1")->text(), QStringLiteral("0.45 < ?? < 2.5"));
    QCOMPARE(red == "LL1" ? Background(edit("LL1")) : FontColour(unsolved), Red);
    QCOMPARE(unsolved->toolTip(), QStringLiteral("Нет решения: получается деление на ноль"));

    // A former that gives a mean diameter again clears the red state.
    edit("LDk1")->selectAll();
    testing::Type(edit("LDk1"), "10");
    QCOMPARE(errors.count(), 0);
    QCOMPARE(red == "LL1" ? testing::Reason(unsolved) : unsolved->toolTip(), red == "LL1" ? QString() : RangeHint);
    QCOMPARE(red == "LL1" ? Background(edit("LL1")) : FontColour(unsolved), red == "LL1" ? Yellow : NormalText());
    QVERIFY(label("LLabel1")->text() != QStringLiteral("0.45 < ?? < 2.5"));
}


QTEST_MAIN(SingleLayerCoilTest)
#include "test_single_layer_coil.moc"
