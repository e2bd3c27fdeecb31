#include "app/main_window.h"
#include "support/page_fixture.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Background;
using testing::Find;
using testing::Retype;
using testing::Red;
using testing::Window;
using testing::Yellow;
using testing::SameDigits;
using testing::Shown;

namespace {

// The ring model written out: dimensions in mm, L in µH.
double RingInductance(double w, double mu, double outer, double inner, double h)
{
    return h * mu * w * w * (outer - inner) / (2500 * (outer + inner));
}

const char* const Fields[] = {"LTorW", "LTorM", "LTorDn", "LTorDv", "LTorH", "LTorL"};

} // namespace

class FerriteRingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void inductanceThenTurnsBack();
    void roundTrip_data();
    void roundTrip();
    void outerDiameterNotLargerIsRed_data();
    void outerDiameterNotLargerIsRed();
    void unitRatioOfRing_data();
    void unitRatioOfRing();
    void nonPositiveInputChangesNothing();

private:
    QLineEdit* edit(const char* name) const { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    void clear() { fixture_->find<QPushButton>(QStringLiteral("LTorButton"))->click(); }
    void enter(const QStringList& texts);  // one text per field, "" leaves it alone

    std::unique_ptr<testing::PageFixture> fixture_;
};

void FerriteRingTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("N26"));
}

void FerriteRingTest::init()
{
    clear();
}

void FerriteRingTest::enter(const QStringList& texts)
{
    for (int i = 0; i < 6; ++i) {
        if (!texts.at(i).isEmpty())
            Retype(edit(Fields[i]), texts.at(i));
    }
}

void FerriteRingTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("turns") << "LTorW" << u8"Количество витков W (штук)";
    QTest::newRow("permeability") << "LTorM" << u8"Магнитная проницаемость М";
    QTest::newRow("outer diameter") << "LTorDn" << u8"Наружный диаметр Dн (мм)";
    QTest::newRow("inner diameter") << "LTorDv" << u8"Внутренний диаметр Dв (мм)";
    QTest::newRow("height") << "LTorH" << u8"Высота H (мм)";
    QTest::newRow("inductance") << "LTorL" << u8"Индуктивность L (мкГн)";
}

void FerriteRingTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* field = fixture_->find<QLineEdit>(name);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(testing::Caption(field), caption);
    QCOMPARE(fixture_->find<QLabel>(QStringLiteral("LTorImage1"))->property("picture").toString(),
             QStringLiteral("LTorImage1"));
}

void FerriteRingTest::inductanceThenTurnsBack()
{
    enter({"10", "2000", "20", "10", "5", ""});
    QVERIFY(SameDigits(Shown(edit("LTorL")), 5.0 * 2000 * 100 * 10 / (2500 * 30), 12));
    QCOMPARE(Background(edit("LTorL")), Yellow);

    edit("LTorW")->selectAll();
    testing::Type(edit("LTorW"), QStringLiteral("0"));
    QVERIFY(SameDigits(Shown(edit("LTorW")), 10, 12));
    QCOMPARE(Background(edit("LTorW")), Yellow);
    QVERIFY(edit("LTorW")->isReadOnly());
    QCOMPARE(Background(edit("LTorL")), Yellow);
    QVERIFY(edit("LTorL")->isReadOnly());

    // The turns now follow the height.
    edit("LTorH")->selectAll();
    testing::Type(edit("LTorH"), QStringLiteral("20"));
    QVERIFY(SameDigits(Shown(edit("LTorW")), 5, 12));
}

void FerriteRingTest::roundTrip_data()
{
    QTest::addColumn<int>("unknown");
    for (int i = 0; i < 6; ++i)
        QTest::newRow(Fields[i]) << i;
}

void FerriteRingTest::roundTrip()
{
    QFETCH(int, unknown);
    const testing::CapturedErrors errors;
    const double ring[] = {37, 600, 32, 18.5, 7.25, RingInductance(37, 600, 32, 18.5, 7.25)};
    QStringList texts;
    for (int i = 0; i < 6; ++i)
        texts << (i == unknown ? QString() : values::FormatNumber(ring[i]));
    enter(texts);

    QLineEdit* solved = edit(Fields[unknown]);
    QCOMPARE(Background(solved), Yellow);
    QVERIFY(solved->isReadOnly());
    QVERIFY2(SameDigits(Shown(solved), ring[unknown], 10), qPrintable(solved->text()));
    QCOMPARE(errors.count(), 0);
}

void FerriteRingTest::outerDiameterNotLargerIsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("ring");  // "" leaves a field at 0
    QTest::addColumn<QString>("field");     // then retyped
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("outer");      // Dн shown afterwards
    QTest::addColumn<QString>("tip");       // empty while Dн > Dв holds
    QTest::addColumn<QColor>("colour");

    const QString typed = QStringLiteral("Dн должно быть больше Dв");
    const QString solved = QStringLiteral("Нет решения: Dн получается не больше Dв");
    // k = H · µ · W² / (2500 · L) = 3 for L = 133.333333333333.
    const QString kThree = QStringLiteral("133.333333333333");
    QTest::newRow("typed equal") << QChar('.') << QStringList{"10", "2000", "", "10", "5", ""} << "LTorDn" << "10"
                                 << 10.0 << typed << Red;
    QTest::newRow("typed smaller, comma") << QChar(',') << QStringList{"10", "2000", "", "10.5", "5", ""} << "LTorDn"
                                          << "5.5" << 5.5 << typed << Red;
    // Dн = Dв · (k + 1) / (k - 1), solved afresh before the check.
    QTest::newRow("solved, larger Dв typed") << QChar('.') << QStringList{"10", "2000", "", "10", "5", kThree}
                                             << "LTorDv" << "25" << 50.0 << QString() << Yellow;
    QTest::newRow("solved, larger Dв typed, comma") << QChar(',') << QStringList{"10", "2000", "", "10", "5", kThree}
                                                    << "LTorDv" << "12.5" << 25.0 << QString() << Yellow;
    QTest::newRow("Dв solved, smaller Dн typed") << QChar('.') << QStringList{"10", "2000", "20", "", "5", kThree}
                                                 << "LTorDn" << "8" << 8.0 << QString() << Window();
    // k = 0.4: the only outer diameter is negative.
    QTest::newRow("solved below Dв") << QChar('.') << QStringList{"10", "2000", "", "10", "5", ""} << "LTorL"
                                     << "1000" << 10 * 1.4 / -0.6 << solved << Red;
    QTest::newRow("solved below Dв, comma") << QChar(',') << QStringList{"10", "2000", "", "10", "2.5", ""} << "LTorL"
                                            << "500" << 10 * 1.4 / -0.6 << solved << Red;
}

void FerriteRingTest::outerDiameterNotLargerIsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QStringList, ring);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(double, outer);
    QFETCH(QString, tip);
    QFETCH(QColor, colour);
    const testing::DecimalSeparatorScope scope(separator);
    const testing::CapturedErrors errors;
    enter(ring);
    // Replaced at once: deleting digit by digit would make the field the unknown.
    QLineEdit* changed = fixture_->find<QLineEdit>(field);
    changed->selectAll();
    testing::Type(changed, text);

    QVERIFY2(SameDigits(Shown(edit("LTorDn")), outer, 10), qPrintable(edit("LTorDn")->text()));
    QCOMPARE(Background(edit("LTorDn")), colour);
    QCOMPARE(testing::Reason(edit("LTorDn")), tip);
    QCOMPARE(errors.count(), 0);
    if (tip.isEmpty())
        return;

    // Once the rule holds again the red state goes by itself.
    if (field == "LTorDn") {
        QCOMPARE(edit("LTorL")->text(), QStringLiteral("0"));
        Retype(edit("LTorDn"), "20");
        const double inductance = RingInductance(10, 2000, 20, Shown(edit("LTorDv")), Shown(edit("LTorH")));
        QVERIFY(SameDigits(Shown(edit("LTorL")), inductance, 12));
        QCOMPARE(Background(edit("LTorDn")), Window());
    } else {
        edit("LTorL")->setText(values::FormatNumber(Shown(edit("LTorL")) / 5));  // k = 2: Dн = 3 Dв
        QVERIFY(SameDigits(Shown(edit("LTorDn")), 30, 12));
        QCOMPARE(Background(edit("LTorDn")), Yellow);
    }
    QCOMPARE(testing::Reason(edit("LTorDn")), QString());
}

void FerriteRingTest::unitRatioOfRing_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("unknown");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("tip");
    // k = H · 2000 · 100 / (2500 · 80 H) = 1: no outer diameter gives it.
    const QString zeroDivisor = QStringLiteral("Нет решения: получается деление на ноль");
    QTest::newRow("outer diameter divides by zero") << QChar('.') << 2 << "5" << zeroDivisor;
    QTest::newRow("outer diameter divides by zero, comma") << QChar(',') << 2 << "2.5" << zeroDivisor;
    QTest::newRow("inner diameter shrinks to zero") << QChar('.') << 3 << "5" << QString();
}

void FerriteRingTest::unitRatioOfRing()
{
    QFETCH(QChar, separator);
    QFETCH(int, unknown);
    QFETCH(QString, height);
    QFETCH(QString, tip);
    const testing::DecimalSeparatorScope scope(separator);
    QStringList texts{"10", "2000", "20", "10", height, ""};
    texts[unknown] = QString();
    enter(texts);

    const testing::CapturedErrors errors;
    const double h = Shown(edit("LTorH"));
    // Pasted, so no shorter value is solved first.
    edit("LTorL")->setText(values::FormatNumber(80 * h));
    QCOMPARE(errors.count(), 0);
    QLineEdit* unknownField = edit(Fields[unknown]);
    QCOMPARE(unknownField->text(), QStringLiteral("0"));
    QCOMPARE(Background(unknownField), tip.isEmpty() ? Yellow : Red);
    QCOMPARE(testing::Reason(unknownField), tip);

    // k = 2 gives a diameter again, and the red state is gone.
    edit("LTorL")->setText(values::FormatNumber(40 * h));
    QCOMPARE(Background(unknownField), Yellow);
    QCOMPARE(testing::Reason(unknownField), QString());
    QVERIFY(SameDigits(Shown(unknownField), unknown == 2 ? 30 : 20.0 / 3, 12));
    QCOMPARE(errors.count(), 0);
}

void FerriteRingTest::nonPositiveInputChangesNothing()
{
    enter({"10", "", "20", "10", "5", ""});
    edit("LTorM")->setText(QStringLiteral("-2000"));
    QCOMPARE(edit("LTorL")->text(), QStringLiteral("0"));
    QVERIFY(!edit("LTorL")->isReadOnly());
}


QTEST_MAIN(FerriteRingTest)
#include "test_ferrite_ring.moc"
