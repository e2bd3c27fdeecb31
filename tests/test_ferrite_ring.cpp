#include "app/main_window.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Background;
using testing::Find;
using testing::Retype;
using testing::SameDigits;
using testing::Shown;

namespace {

const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);

QColor Window()
{
    return QApplication::palette().color(QPalette::Base);
}

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
    void outerDiameterNotLargerIsRed();
    void negativeOuterDiameterIsShown();
    void unitRatioOfRing_data();
    void unitRatioOfRing();
    void nonPositiveInputChangesNothing();
    void clearRestoresFields();
    void badNumberIsReported();
    void commaSeparator();

private:
    QLineEdit* edit(const char* name) const { return Find<QLineEdit>(window.get(), QString::fromLatin1(name)); }
    void clear() { Find<QPushButton>(window.get(), QStringLiteral("LTorButton"))->click(); }
    void enter(const QStringList& texts);  // one text per field, "" leaves it alone

    std::unique_ptr<app::MainWindow> window;
};

void FerriteRingTest::initTestCase()
{
    window = std::make_unique<app::MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    testing::OpenPage(*window, QStringLiteral("N26"));
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
    auto* field = Find<QLineEdit>(window.get(), name);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QString shownCaption;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == field)
            shownCaption = label->text();
    }
    QCOMPARE(shownCaption, caption);
    QCOMPARE(Find<QLabel>(window.get(), QStringLiteral("LTorImage1"))->property("picture").toString(),
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

void FerriteRingTest::outerDiameterNotLargerIsRed()
{
    enter({"10", "2000", "", "10", "5", ""});
    Retype(edit("LTorDn"), "10");
    QCOMPARE(Background(edit("LTorDn")), Red);
    QCOMPARE(edit("LTorL")->text(), QStringLiteral("0"));
    QVERIFY(!edit("LTorL")->isReadOnly());

    Retype(edit("LTorDn"), "20");
    QCOMPARE(Background(edit("LTorDn")), Window());
    QVERIFY(SameDigits(Shown(edit("LTorL")), RingInductance(10, 2000, 20, 10, 5), 12));
}

void FerriteRingTest::negativeOuterDiameterIsShown()
{
    // k = 5 · 2000 · 100 / (2500 · 1000) = 0.4
    enter({"10", "2000", "", "10", "5", "1000"});
    QVERIFY(SameDigits(Shown(edit("LTorDn")), 10 * 1.4 / -0.6, 12));
    QCOMPARE(Background(edit("LTorDn")), Yellow);
}

void FerriteRingTest::unitRatioOfRing_data()
{
    QTest::addColumn<int>("unknown");
    QTest::addColumn<int>("errorCount");
    QTest::addColumn<QString>("shown");
    // k = 5 · 2000 · 100 / (2500 · 400) = 1: no outer diameter gives it.
    QTest::newRow("outer diameter divides by zero") << 2 << 1 << "0";
    QTest::newRow("inner diameter shrinks to zero") << 3 << 0 << "0";
}

void FerriteRingTest::unitRatioOfRing()
{
    QFETCH(int, unknown);
    QFETCH(int, errorCount);
    QFETCH(QString, shown);
    QStringList texts{"10", "2000", "20", "10", "5", ""};
    texts[unknown] = QString();
    enter(texts);

    const testing::CapturedErrors errors;
    edit("LTorL")->setText(QStringLiteral("400"));  // pasted, so no shorter value is solved first
    QCOMPARE(errors.count(), errorCount);
    QCOMPARE(edit(Fields[unknown])->text(), shown);
    QCOMPARE(Background(edit(Fields[unknown])), errorCount ? Window() : Yellow);
}

void FerriteRingTest::nonPositiveInputChangesNothing()
{
    enter({"10", "", "20", "10", "5", ""});
    edit("LTorM")->setText(QStringLiteral("-2000"));
    QCOMPARE(edit("LTorL")->text(), QStringLiteral("0"));
    QVERIFY(!edit("LTorL")->isReadOnly());
}

void FerriteRingTest::clearRestoresFields()
{
    enter({"10", "2000", "", "10", "5", ""});
    Retype(edit("LTorDn"), "5");
    QCOMPARE(Background(edit("LTorDn")), Red);
    Retype(edit("LTorDn"), "20");
    clear();
    for (const char* name : Fields) {
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
        QVERIFY(!edit(name)->isReadOnly());
        QCOMPARE(Background(edit(name)), Window());
    }
}

void FerriteRingTest::badNumberIsReported()
{
    enter({"10", "2000", "20", "10", "5", ""});
    const QString before = edit("LTorL")->text();
    const testing::CapturedErrors errors;
    edit("LTorH")->setText(QStringLiteral("5e1e2"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(edit("LTorL")->text(), before);
}

void FerriteRingTest::commaSeparator()
{
    const testing::DecimalSeparatorScope comma(',');
    enter({"10", "2000", "20", "10", "2.5", ""});
    QCOMPARE(edit("LTorH")->text(), QStringLiteral("2,5"));
    QCOMPARE(edit("LTorL")->text(), values::FormatNumber(Shown(edit("LTorL"))));
    QVERIFY(edit("LTorL")->text().contains(QLatin1Char(',')));
    QVERIFY(SameDigits(Shown(edit("LTorL")), RingInductance(10, 2000, 20, 10, 2.5), 12));
}

QTEST_MAIN(FerriteRingTest)
#include "test_ferrite_ring.moc"
