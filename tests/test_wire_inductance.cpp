#include "app/main_window.h"
#include "support/page_fixture.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QLabel>
#include <QPushButton>

#include <cfloat>
#include <cmath>
#include <memory>

using testing::Background;
using testing::Find;
using testing::Red;
using testing::Yellow;
using testing::Retype;
using testing::SameDigits;
using testing::Shown;

namespace {

// The straight-wire model written out: J and D in mm, L in µH.
double WireInductance(double length, double diameter)
{
    // Wide enough for lengths near the largest double.
    const long double j = length;
    return static_cast<double>(j * (std::log(4 * j / diameter) - 1) / 5000);
}

} // namespace

class WireInductanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout();
    void inductanceFromLength();
    void lengthBackFromInductance_data();
    void lengthBackFromInductance();
    void diameterFromLengthAndInductance_data();
    void diameterFromLengthAndInductance();
    void shortWireGivesNegativeInductance();
    void searchEndsForLongWires_data();
    void searchEndsForLongWires();
    void lengthBeyondDoubleIsRed_data();
    void lengthBeyondDoubleIsRed();
    void missingInputsChangeNothing();

private:
    QLineEdit* edit(const char* name) const { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    void clear() { fixture_->find<QPushButton>(QStringLiteral("L4Button"))->click(); }
    void replaceWithZero(QLineEdit* field);

    std::unique_ptr<testing::PageFixture> fixture_;
};

void WireInductanceTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("N25"));
}

void WireInductanceTest::init()
{
    clear();
}

void WireInductanceTest::replaceWithZero(QLineEdit* field)
{
    // Deleting digit by digit would compute on every shorter length.
    field->selectAll();
    testing::Type(field, QStringLiteral("0"));
}

void WireInductanceTest::layout()
{
    const auto captionOf = [this](const char* name) { return testing::Caption(edit(name)); };
    QCOMPARE(captionOf("L4J"), QStringLiteral("Длинна J (мм)"));
    QCOMPARE(captionOf("L4D"), QStringLiteral("Диаметр провода D (мм)"));
    QCOMPARE(captionOf("L4L"), QStringLiteral("Индуктивность L (мкГн)"));
    QCOMPARE(fixture_->find<QPushButton>(QStringLiteral("L4Button"))->text(), QStringLiteral("Очистить"));
    QCOMPARE(fixture_->find<QLabel>(QStringLiteral("L4Image1"))->property("picture").toString(),
             QStringLiteral("L4Image1"));
}

void WireInductanceTest::inductanceFromLength()
{
    Retype(edit("L4J"), "100");
    Retype(edit("L4D"), "1");
    QVERIFY(SameDigits(Shown(edit("L4L")), 100 * (std::log(400.0) - 1) / 5000, 12));
    QVERIFY(SameDigits(Shown(edit("L4L")), 0.0998293, 6));
    QCOMPARE(Background(edit("L4L")), Yellow);
    QVERIFY(edit("L4L")->isReadOnly());
}

void WireInductanceTest::lengthBackFromInductance_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("diameter");
    QTest::newRow("100 mm of 1 mm wire") << 100.0 << 1.0;
    QTest::newRow("just above e·D/4") << 0.7 << 1.0;
    QTest::newRow("fractional digits") << 12345.678 << 0.35;
    QTest::newRow("a kilometre") << 1e6 << 2.0;
    QTest::newRow("thin wire") << 0.5 << 0.001;
}

void WireInductanceTest::lengthBackFromInductance()
{
    QFETCH(double, length);
    QFETCH(double, diameter);
    Retype(edit("L4J"), values::FormatNumber(length));
    Retype(edit("L4D"), values::FormatNumber(diameter));
    QVERIFY(SameDigits(Shown(edit("L4L")), WireInductance(length, diameter), 12));

    replaceWithZero(edit("L4J"));
    const double found = Shown(edit("L4J"));
    QCOMPARE(Background(edit("L4J")), Yellow);
    QVERIFY(edit("L4J")->isReadOnly());
    QVERIFY(edit("L4L")->isReadOnly());
    // The search stops on the last 1E-5 mm step below the root.
    QVERIFY2(std::fabs(found - length) <= 1.0001e-5, qPrintable(edit("L4J")->text()));
    QVERIFY(WireInductance(found, diameter) <= Shown(edit("L4L")));
    QVERIFY(WireInductance(found + 1e-5, diameter) > Shown(edit("L4L")));

    // The solved length follows the diameter from now on.
    Retype(edit("L4D"), values::FormatNumber(diameter * 2));
    QVERIFY(WireInductance(Shown(edit("L4J")), diameter * 2) <= Shown(edit("L4L")));
    QVERIFY(WireInductance(Shown(edit("L4J")) + 1e-5, diameter * 2) > Shown(edit("L4L")));
}

void WireInductanceTest::diameterFromLengthAndInductance_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::newRow("point") << QChar('.');
    QTest::newRow("comma") << QChar(',');
}

void WireInductanceTest::diameterFromLengthAndInductance()
{
    QFETCH(QChar, separator);
    const testing::DecimalSeparatorScope scope(separator);
    Retype(edit("L4J"), "100");
    Retype(edit("L4D"), "1");
    const QString inductance = edit("L4L")->text();
    clear();
    Retype(edit("L4J"), "100");
    Retype(edit("L4L"), inductance);
    QCOMPARE(edit("L4L")->text(), inductance);
    QVERIFY2(std::fabs(Shown(edit("L4D")) - 1) <= 1e-9, qPrintable(edit("L4D")->text()));
    QVERIFY(SameDigits(Shown(edit("L4D")), 400 * std::exp(-1 - 5000 * Shown(edit("L4L")) / 100), 12));
    QCOMPARE(Background(edit("L4D")), Yellow);
}

void WireInductanceTest::shortWireGivesNegativeInductance()
{
    Retype(edit("L4D"), "1");
    Retype(edit("L4J"), "0.5");
    QVERIFY(Shown(edit("L4L")) < 0);
    QVERIFY(SameDigits(Shown(edit("L4L")), WireInductance(0.5, 1), 12));
    QCOMPARE(Background(edit("L4L")), Yellow);
}

void WireInductanceTest::searchEndsForLongWires_data()
{
    QTest::addColumn<double>("root");
    // Past 1E13 mm the first decade alone would take more than ten steps, and
    // far up a 1E-5 step no longer changes the sum at all.
    QTest::newRow("near 1E12 mm") << 1e12;
    QTest::newRow("1E15 mm") << 1e15;
    QTest::newRow("1E30 mm") << 1e30;
    QTest::newRow("near the largest double") << 1e308;
}

void WireInductanceTest::searchEndsForLongWires()
{
    QFETCH(double, root);
    const testing::CapturedErrors errors;
    Retype(edit("L4D"), "1");
    edit("L4L")->setText(values::FormatNumber(WireInductance(root, 1)));
    QCOMPARE(Background(edit("L4J")), Yellow);
    QVERIFY2(SameDigits(Shown(edit("L4J")), root, 10), qPrintable(edit("L4J")->text()));
    QCOMPARE(errors.count(), 0);
}

void WireInductanceTest::lengthBeyondDoubleIsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("solvedBefore");  // the length solved earlier, empty for none
    QTest::newRow("point") << QChar('.') << QString();
    QTest::newRow("comma") << QChar(',') << QString();
    QTest::newRow("after a solved length") << QChar('.') << QStringLiteral("0.0998292909");
}

void WireInductanceTest::lengthBeyondDoubleIsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QString, solvedBefore);
    const testing::DecimalSeparatorScope scope(separator);
    Retype(edit("L4D"), "1");
    if (!solvedBefore.isEmpty())
        Retype(edit("L4L"), solvedBefore);
    const QString lengthBefore = edit("L4J")->text();
    const testing::CapturedErrors errors;
    // Pasted: no length fits the largest inductance a double holds.
    edit("L4L")->setText(values::FormatNumber(DBL_MAX).replace(QStringLiteral("79769313486232"),
                                                              QStringLiteral("7976931348623157")));
    QCOMPARE(Shown(edit("L4L")), DBL_MAX);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(edit("L4J")->text(), lengthBefore);
    QCOMPARE(Background(edit("L4J")), Red);
    QCOMPARE(edit("L4J")->toolTip(), QStringLiteral("Нет решения: результат слишком велик"));

    // A length that fits is solved again, and the red state is gone.
    edit("L4L")->setText(QStringLiteral("1"));
    QCOMPARE(Background(edit("L4J")), Yellow);
    QCOMPARE(testing::Reason(edit("L4J")), QString());
    QVERIFY(WireInductance(Shown(edit("L4J")), 1) <= 1);
    QVERIFY(WireInductance(Shown(edit("L4J")) + 1e-5, 1) > 1);
    QCOMPARE(errors.count(), 0);
}

void WireInductanceTest::missingInputsChangeNothing()
{
    Retype(edit("L4L"), "5");
    QCOMPARE(edit("L4J")->text(), QStringLiteral("0"));
    QCOMPARE(edit("L4D")->text(), QStringLiteral("0"));
    edit("L4L")->setText(QStringLiteral("-5"));
    Retype(edit("L4J"), "100");
    QCOMPARE(edit("L4D")->text(), QStringLiteral("0"));
    for (const char* name : {"L4J", "L4D", "L4L"})
        QVERIFY(!edit(name)->isReadOnly());
}


QTEST_MAIN(WireInductanceTest)
#include "test_wire_inductance.moc"
