#include "support/codes_page.h"

#include "controls/radio_group.h"
#include "values/number_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <cmath>
#include <optional>
#include <span>

// Every standard value drawn on the writing tab and clicked back in on the
// reading tab must read as the value typed.
class ResistorRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void roundTrip_data();
    void roundTrip();

private:
    std::unique_ptr<codes_testing::CodesWindow> w_;
};

namespace {

constexpr int kE24[] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                        330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr int kE96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                        147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                        215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                        316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                        464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                        681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

const QStringList kUnits{"Ом", "кОм", "мОм", "гОм"};

struct Typed {
    QString text;  // with "," as the decimal mark
    int unit;
};

// The value mantissa × 10^decade hundredths of an ohm as four characters at
// most in the unit that keeps it below 1000, if it can be typed at all.
std::optional<Typed> EntryFor(int mantissa, int decade)
{
    qint64 hundredths = mantissa;
    for (int i = 0; i < decade; ++i)
        hundredths *= 10;
    int unit = 0;
    while (hundredths >= 100000 && hundredths % 1000 == 0) {
        hundredths /= 1000;
        ++unit;
    }
    if (hundredths % 100 == 0)
        return Typed{QString::number(hundredths / 100), unit};
    if (hundredths % 10 == 0 && hundredths < 10000)
        return Typed{QStringLiteral("%1,%2").arg(hundredths / 100).arg(hundredths / 10 % 10), unit};
    return std::nullopt;
}

double OhmsOfAnswer(const QString& answer)
{
    const QStringList parts = answer.split(u' ');
    const double factor[] = {1, 1e3, 1e6, 1e9};
    return values::ParseNumber(parts.value(0)) * factor[kUnits.indexOf(parts.value(1))];
}

int CodeOfPicture(const QString& picture)
{
    return picture.mid(3).toInt() - 17;
}

} // namespace

void ResistorRoundTripTest::initTestCase()
{
    w_ = std::make_unique<codes_testing::CodesWindow>("N35", "PageControl13");
}

void ResistorRoundTripTest::cleanupTestCase()
{
    w_.reset();
}

void ResistorRoundTripTest::roundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bands");
    QTest::addColumn<double>("ohms");

    int untypeable = 0;
    const auto add = [&](std::span<const int> series, const char* name, int bands) {
        // 1 ohm up to the decade below 100 megaohm.
        for (int decade = 0; decade <= 7; ++decade) {
            for (int mantissa : series) {
                const auto entry = EntryFor(mantissa, decade);
                if (!entry) {
                    ++untypeable;  // three significant digits below 10 of a unit need five characters
                    continue;
                }
                const double ohms = mantissa * std::pow(10.0, decade - 2);
                QTest::addRow("%s %s %s", name, qPrintable(entry->text), qPrintable(kUnits[entry->unit]))
                    << entry->text << entry->unit << bands << ohms;
            }
        }
    };
    add(kE24, "E24", 4);
    QCOMPARE(untypeable, 0);  // every E24 value fits in four characters
    add(kE96, "E96", 5);
}

void ResistorRoundTripTest::roundTrip()
{
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(int, bands);
    QFETCH(double, ohms);

    codes_testing::CodesWindow& w = *w_;
    const testing::DecimalSeparatorScope separator(u',');

    // Encode.
    w.nested->setCurrentIndex(1);
    auto* entry = w.find<QLineEdit>(QStringLiteral("E1"));
    testing::Retype(entry, QString());
    auto* unitCombo = w.find<QComboBox>(QStringLiteral("ColorRCB2"));
    if (unitCombo->currentIndex() != unit)
        testing::Choose(unitCombo, unit);
    auto* writingBands = w.find<QGroupBox>(QStringLiteral("ColorRRG2"));
    testing::ClickItem(writingBands, bands - 4);
    entry->setFocus();
    entry->selectAll();
    QTest::keyClicks(entry, typed);
    QCOMPARE(4 + controls::ItemIndex(writingBands), bands);

    // Read back: the same colours clicked band by band.
    const QStringList drawn = w.pictures("ColorRImage", {13, 14, 15, 16, 17});
    testing::ClickItem(w.find<QGroupBox>(QStringLiteral("ColorRRG1")), bands - 4);
    const int digits = bands - 2;
    for (int i = 0; i < digits; ++i)
        w.press({10 * (i + 1) + CodeOfPicture(drawn[i])});
    const int multiplier = CodeOfPicture(drawn[digits]);
    const int multiplierRow = digits + 1;
    w.press({multiplier < 10 ? 10 * multiplierRow + multiplier : 100 * multiplierRow + multiplier});
    // The writing tab's default tolerance is silver: the last swatch of the tolerance row.
    QCOMPARE(drawn[digits + 1], codes_testing::PictureOf("silver"));
    w.press({bands == 4 ? 411 : 57});

    const QString answer = w.label(QStringLiteral("ColorRLabel10"))->text();
    QVERIFY2(testing::SameDigits(OhmsOfAnswer(answer), ohms, 12), qPrintable(answer));
    QCOMPARE(w.label(QStringLiteral("ColorRLabel11"))->text(), QStringLiteral("10%"));
}

QTEST_MAIN(ResistorRoundTripTest)
#include "test_resistor_round_trip.moc"
