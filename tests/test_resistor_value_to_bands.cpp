#include "support/codes_page.h"

#include "controls/radio_group.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using codes_testing::CodesWindow;
using codes_testing::PicturesOf;

class ResistorValueToBandsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void controlsAtStart();
    void workedExamples_data();
    void workedExamples();
    void bandsDenoteTheEntry_data();
    void bandsDenoteTheEntry();
    void refusedEntries_data();
    void refusedEntries();
    void automaticSwitches_data();
    void automaticSwitches();
    void toleranceColours_data();
    void toleranceColours();
    void temperatureCoefficientColours_data();
    void temperatureCoefficientColours();
    void emptyEntryOnlyUpdatesState();
    void nonDigitBandKeepsItsPicture();
    void clearEmptiesEntryAndDrawing();

private:
    CodesWindow& shared();
    std::unique_ptr<CodesWindow> shared_;
};

namespace {

const std::initializer_list<int> kBandImages{13, 14, 15, 16, 17, 18};

CodesWindow* OpenWritingTab()
{
    auto* w = new CodesWindow("N35", "PageControl13");
    w->nested->setCurrentIndex(1);
    return w;
}

QLineEdit* Entry(const CodesWindow& w)
{
    return w.find<QLineEdit>(QStringLiteral("E1"));
}

QGroupBox* BandCountGroup(const CodesWindow& w)
{
    return w.find<QGroupBox>(QStringLiteral("ColorRRG2"));
}

int BandCount(const CodesWindow& w)
{
    return 4 + controls::ItemIndex(BandCountGroup(w));
}

QString Answer(const CodesWindow& w, int n)
{
    return w.label(QStringLiteral("L%1").arg(n))->text();
}

// Back to "0", then unit, default tolerance and band count, then the entry typed key by key.
void Enter(const CodesWindow& w, const QString& text, int bands, const QString& unit = QStringLiteral("Ом"))
{
    QLineEdit* entry = Entry(w);
    testing::Retype(entry, QString());
    auto* unitCombo = w.find<QComboBox>(QStringLiteral("ColorRCB2"));
    if (unitCombo->currentText() != unit)
        testing::Choose(unitCombo, unit);
    auto* toleranceCombo = w.find<QComboBox>(QStringLiteral("ColorRCB3"));
    if (toleranceCombo->currentIndex() != 0)
        testing::Choose(toleranceCombo, 0);
    testing::ClickItem(BandCountGroup(w), bands - 4);
    entry->setFocus();
    entry->selectAll();
    QTest::keyClicks(entry, text);
}

// The resistance that bands drawn as pictures denote: digits, then the multiplier.
double DenotedOhms(const QStringList& pictures, int bands)
{
    const auto code = [](const QString& picture) { return picture.mid(3).toInt() - 17; };
    const int digits = bands == 4 ? 2 : 3;
    double value = 0;
    for (int i = 0; i < digits; ++i)
        value = value * 10 + code(pictures[i]);
    const int multiplier = code(pictures[digits]);
    const double scale = multiplier == 10 ? 0.1 : multiplier == 11 ? 0.01 : std::pow(10.0, multiplier);
    return value * scale;
}

} // namespace

CodesWindow& ResistorValueToBandsTest::shared()
{
    if (!shared_)
        shared_.reset(OpenWritingTab());
    return *shared_;
}

void ResistorValueToBandsTest::cleanupTestCase()
{
    shared_.reset();
}

void ResistorValueToBandsTest::controlsAtStart()
{
    const std::unique_ptr<CodesWindow> w(OpenWritingTab());
    QLineEdit* entry = Entry(*w);
    QCOMPARE(entry->text(), QString());
    QCOMPARE(entry->maxLength(), 4);
    QCOMPARE(w->find<QLabel>(QStringLiteral("E1Caption"))->buddy(), entry);
    QCOMPARE(w->find<QLabel>(QStringLiteral("E1Caption"))->text(), QStringLiteral("Номинал"));

    const auto items = [&](const char* name) {
        auto* combo = w->find<QComboBox>(QLatin1String(name));
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    };
    QCOMPARE(items("ColorRCB2"), (QStringList{"Ом", "кОм", "мОм", "гОм"}));
    QCOMPARE(items("ColorRCB3"), (QStringList{"10%", "5%", "2%", "1%", "0.5%", "0.25%", "0.1%", "0.05%"}));
    QCOMPARE(items("ColorRCB4"), (QStringList{"1", "5", "10", "15", "25", "50", "100"}));
    for (const char* name : {"ColorRCB2", "ColorRCB3", "ColorRCB4"}) {
        QCOMPARE(w->find<QComboBox>(QLatin1String(name))->currentIndex(), 0);
        QVERIFY(w->find<QComboBox>(QLatin1String(name))->isEditable());
    }
    QVERIFY(!w->find<QComboBox>(QStringLiteral("ColorRCB4"))->isEnabled());
    QCOMPARE(w->find<QLabel>(QStringLiteral("Label87"))->text(), QStringLiteral("Допуск"));
    QCOMPARE(w->find<QLabel>(QStringLiteral("Label88"))->text(), QStringLiteral("ТКС"));

    QGroupBox* group = BandCountGroup(*w);
    QCOMPARE(group->title(), QStringLiteral("Количество точек или полос"));
    const QList<QRadioButton*> radios = controls::RadioItems(group);
    QCOMPARE(radios.size(), 3);
    QCOMPARE(radios[0]->text() + radios[1]->text() + radios[2]->text(), QStringLiteral("456"));
    QCOMPARE(controls::ItemIndex(group), 0);
    QCOMPARE(w->find<QPushButton>(QStringLiteral("ColorRButton1"))->text(), QStringLiteral("Очистить"));
    QCOMPARE(w->find<QGroupBox>(QStringLiteral("ColorRGB3"))->title(), QStringLiteral("Ответ"));
    QCOMPARE(Answer(*w, 7), QStringLiteral("Номинал"));
    QCOMPARE(Answer(*w, 8), QStringLiteral("Погрешность"));
    QCOMPARE(Answer(*w, 9), QStringLiteral("ТКС"));
    for (int n = 10; n <= 12; ++n)
        QCOMPARE(Answer(*w, n), QString());
}

void ResistorValueToBandsTest::workedExamples_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("shown");  // E1 after the entry filter
    QTest::addColumn<int>("finalBands");
    QTest::addColumn<QString>("pictures");

    const QChar comma(u','), point(u'.');
    QTest::newRow("47") << comma << "47" << "Ом" << 4 << "47" << 4 << "yellow violet black silver none none";
    QTest::newRow("470") << comma << "470" << "Ом" << 4 << "470" << 4 << "yellow violet brown silver none none";
    QTest::newRow("471 switches to 5") << comma << "471" << "Ом" << 4 << "471" << 5
                                       << "yellow violet brown black silver none";
    QTest::newRow("4,7 in 4 bands") << comma << "4,7" << "Ом" << 4 << "4,7" << 4
                                    << "yellow violet gold silver none none";
    QTest::newRow("4.7 in 4 bands, point") << point << "4.7" << "Ом" << 4 << "4.7" << 4
                                           << "yellow violet gold silver none none";
    QTest::newRow("4,7 in 5 bands") << comma << "4,7" << "Ом" << 5 << "4,7" << 5
                                    << "yellow violet black silver silver none";
    QTest::newRow("4.7 in 5 bands, point") << point << "4.7" << "Ом" << 5 << "4.7" << 5
                                           << "yellow violet black silver silver none";
    QTest::newRow("0,5 in 5 bands switches to 4") << comma << "0,5" << "Ом" << 5 << "0,5" << 4
                                                  << "green black silver silver none none";
    QTest::newRow("0.5 in 5 bands, point") << point << "0.5" << "Ом" << 5 << "0.5" << 4
                                           << "green black silver silver none none";
    QTest::newRow("4,7 kOhm") << comma << "4,7" << "кОм" << 4 << "4,7" << 4 << "yellow violet red silver none none";
    QTest::newRow("comma typed under point") << point << "4,7" << "кОм" << 4 << "4.7" << 4
                                             << "yellow violet red silver none none";
    QTest::newRow("point typed under comma") << comma << "4.7" << "кОм" << 4 << "4,7" << 4
                                             << "yellow violet red silver none none";
    QTest::newRow("0") << comma << "0" << "Ом" << 4 << "0" << 4 << "black black gold silver none none";
    QTest::newRow("9,9 GOhm") << comma << "9,9" << "гОм" << 4 << "9,9" << 4 << "white white grey silver none none";
    QTest::newRow("990 GOhm switches to 5") << comma << "990" << "гОм" << 4 << "990" << 5
                                            << "white white black white silver none";
    QTest::newRow("999 GOhm switches to 5") << comma << "999" << "гОм" << 4 << "999" << 5
                                            << "white white white white silver none";
    QTest::newRow("0,1 in 6 bands switches to 4") << comma << "0,1" << "Ом" << 6 << "0,1" << 4
                                                  << "brown black silver silver none none";
    // The entry filter drops a leading zero, so 047 arrives as 47.
    QTest::newRow("047") << comma << "047" << "Ом" << 4 << "47" << 4 << "yellow violet black silver none none";
    QTest::newRow("12,5 switches to 5") << comma << "12,5" << "Ом" << 4 << "12,5" << 5
                                        << "brown red green gold silver none";
    QTest::newRow("12.5, point") << point << "12.5" << "Ом" << 4 << "12.5" << 5 << "brown red green gold silver none";
    QTest::newRow("6 bands draw the TC") << comma << "47" << "кОм" << 6 << "47" << 6
                                         << "yellow violet black red silver white";
}

void ResistorValueToBandsTest::workedExamples()
{
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(int, bands);
    QFETCH(QString, shown);
    QFETCH(int, finalBands);
    QFETCH(QString, pictures);

    CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(separator);
    Enter(w, typed, bands, unit);
    QCOMPARE(Entry(w)->text(), shown);
    QCOMPARE(BandCount(w), finalBands);
    QCOMPARE(w.pictures("ColorRImage", kBandImages), PicturesOf(pictures));
    // The answer repeats the entry as it stands, not a normalised number.
    QCOMPARE(Answer(w, 10), shown + u' ' + unit);
    QCOMPARE(Answer(w, 11), QStringLiteral("10%"));
    QCOMPARE(Answer(w, 12), finalBands == 6 ? QStringLiteral("1") : QString());
    QCOMPARE(w.find<QComboBox>(QStringLiteral("ColorRCB4"))->isEnabled(), finalBands == 6);
}

void ResistorValueToBandsTest::bandsDenoteTheEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("finalBands");

    // One entry of each written form, in every unit, from 4 and from 5 bands.
    const QList<std::tuple<const char*, double, const char*>> forms{
        {"5", 5, "d"}, {"47", 47, "dd"}, {"470", 470, "dd0"}, {"473", 473, "ddd"},
        {"0,5", 0.5, "0,d"}, {"4,7", 4.7, "d,d"}, {"12,5", 12.5, "dd,d"}};
    const QStringList units{"Ом", "кОм", "мОм", "гОм"};
    for (const auto& [typed, number, form] : forms) {
        for (int unit = 0; unit < 4; ++unit) {
            for (int bands : {4, 5}) {
                const QString text = QString::fromLatin1(typed);
                int finalBands = bands;
                if (bands == 4 && (text == "473" || text == "12,5" || (text == "470" && unit == 3)))
                    finalBands = 5;
                if (bands == 5 && text == "0,5" && unit == 0)
                    finalBands = 4;
                QTest::addRow("%s %s from %d bands", typed, qPrintable(units[unit]), bands)
                    << text << number << unit << bands << finalBands;
            }
        }
    }
}

void ResistorValueToBandsTest::bandsDenoteTheEntry()
{
    QFETCH(QString, typed);
    QFETCH(double, number);
    QFETCH(int, unit);
    QFETCH(int, bands);
    QFETCH(int, finalBands);

    CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(u',');
    const QString unitText = w.find<QComboBox>(QStringLiteral("ColorRCB2"))->itemText(unit);
    Enter(w, typed, bands, unitText);
    QCOMPARE(BandCount(w), finalBands);
    const QStringList pictures = w.pictures("ColorRImage", kBandImages);
    const double ohms = number * std::pow(10.0, 3 * unit);
    QVERIFY2(testing::SameDigits(DenotedOhms(pictures, finalBands), ohms, 12), qPrintable(pictures.join(u' ')));
    // The tolerance band follows the multiplier.
    QCOMPARE(pictures[finalBands == 4 ? 3 : 4], codes_testing::PictureOf("silver"));
}

void ResistorValueToBandsTest::refusedEntries_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("refusedKey");

    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        const QString mark(separator);
        const QByteArray name = separator == u',' ? "comma" : "point";
        QTest::addRow("1234, %s", name.data()) << separator << "123" << "4";
        QTest::addRow("1%s23, %s", qPrintable(mark), name.data()) << separator << "1" + mark + "2" << "3";
        QTest::addRow("12%s, %s", qPrintable(mark), name.data()) << separator << "12" << mark;
        QTest::addRow("1%s, %s", qPrintable(mark), name.data()) << separator << "1" << mark;
    }
}

void ResistorValueToBandsTest::refusedEntries()
{
    QFETCH(QChar, separator);
    QFETCH(QString, accepted);
    QFETCH(QString, refusedKey);

    CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(separator);
    Enter(w, accepted, 4);
    const QStringList pictures = w.pictures("ColorRImage", kBandImages);
    const QString value = Answer(w, 10);
    const int bands = BandCount(w);
    QCOMPARE(value, Entry(w)->text() + QStringLiteral(" Ом"));
    QTest::keyClicks(Entry(w), refusedKey);
    QCOMPARE(Entry(w)->text(), accepted + refusedKey);
    QCOMPARE(w.pictures("ColorRImage", kBandImages), pictures);
    QCOMPARE(Answer(w, 10), value);
    QCOMPARE(BandCount(w), bands);
}

void ResistorValueToBandsTest::automaticSwitches_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("finalBands");

    QTest::newRow("third digit from 4 bands") << "471" << "Ом" << 4 << 5;
    QTest::newRow("third digit stays with 5 bands") << "471" << "Ом" << 5 << 5;
    QTest::newRow("third digit stays with 6 bands") << "471" << "Ом" << 6 << 6;
    QTest::newRow("dd,d from 4 bands") << "12,5" << "кОм" << 4 << 5;
    QTest::newRow("dd,d stays with 6 bands") << "12,5" << "кОм" << 6 << 6;
    QTest::newRow("dd0 GOhm from 4 bands") << "990" << "гОм" << 4 << 5;
    QTest::newRow("dd0 MOhm stays with 4 bands") << "990" << "мОм" << 4 << 4;
    QTest::newRow("0,d Ohm from 5 bands") << "0,5" << "Ом" << 5 << 4;
    QTest::newRow("0,d Ohm from 6 bands") << "0,1" << "Ом" << 6 << 4;
    QTest::newRow("0,d Ohm stays with 4 bands") << "0,5" << "Ом" << 4 << 4;
    QTest::newRow("0,d kOhm stays with 5 bands") << "0,5" << "кОм" << 5 << 5;
}

void ResistorValueToBandsTest::automaticSwitches()
{
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(int, bands);
    QFETCH(int, finalBands);

    CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(u',');
    Enter(w, typed, bands, unit);
    QCOMPARE(BandCount(w), finalBands);
    auto* tc = w.find<QComboBox>(QStringLiteral("ColorRCB4"));
    QCOMPARE(tc->isEnabled(), finalBands == 6);
    QCOMPARE(Answer(w, 12), finalBands == 6 ? tc->currentText() : QString());
    if (finalBands != 6)
        QCOMPARE(w.pictures("ColorRImage", {18}), PicturesOf("none"));
    if (finalBands == 4)
        QCOMPARE(w.pictures("ColorRImage", {17}), PicturesOf("none"));
}

void ResistorValueToBandsTest::toleranceColours_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    const QList<std::pair<const char*, const char*>> items{
        {"10%", "silver"}, {"5%", "gold"}, {"2%", "red"}, {"1%", "brown"},
        {"0.5%", "green"}, {"0.25%", "blue"}, {"0.1%", "violet"}, {"0.05%", "grey"}};
    for (int i = 0; i < items.size(); ++i)
        QTest::newRow(items[i].first) << i << items[i].first << items[i].second;
}

void ResistorValueToBandsTest::toleranceColours()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QString, colour);

    CodesWindow& w = shared();
    Enter(w, QStringLiteral("47"), 4);
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorRCB3")), item);
    QCOMPARE(Answer(w, 11), text);
    QCOMPARE(w.pictures("ColorRImage", {16}), PicturesOf(colour));
    testing::ClickItem(BandCountGroup(w), 1);
    QCOMPARE(w.pictures("ColorRImage", {16, 17}), PicturesOf("gold " + colour));
}

void ResistorValueToBandsTest::temperatureCoefficientColours_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    const QList<std::pair<const char*, const char*>> items{
        {"1", "white"}, {"5", "violet"}, {"10", "blue"}, {"15", "orange"},
        {"25", "yellow"}, {"50", "red"}, {"100", "brown"}};
    for (int i = 0; i < items.size(); ++i)
        QTest::newRow(items[i].first) << i << items[i].first << items[i].second;
}

void ResistorValueToBandsTest::temperatureCoefficientColours()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QString, colour);

    CodesWindow& w = shared();
    Enter(w, QStringLiteral("47"), 6);
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorRCB4")), item);
    QCOMPARE(Answer(w, 12), text);
    QCOMPARE(w.pictures("ColorRImage", {18}), PicturesOf(colour));
    // With five bands the TC band and answer go.
    testing::ClickItem(BandCountGroup(w), 1);
    QCOMPARE(Answer(w, 12), QString());
    QCOMPARE(w.pictures("ColorRImage", {18}), PicturesOf("none"));
}

void ResistorValueToBandsTest::emptyEntryOnlyUpdatesState()
{
    const std::unique_ptr<CodesWindow> w(OpenWritingTab());
    auto* tc = w->find<QComboBox>(QStringLiteral("ColorRCB4"));
    const QStringList pictures = w->pictures("ColorRImage", kBandImages);
    testing::ClickItem(BandCountGroup(*w), 2);
    QVERIFY(tc->isEnabled());
    testing::Choose(w->find<QComboBox>(QStringLiteral("ColorRCB2")), QStringLiteral("кОм"));
    testing::Choose(w->find<QComboBox>(QStringLiteral("ColorRCB3")), QStringLiteral("5%"));
    testing::Choose(tc, QStringLiteral("50"));
    QCOMPARE(Entry(*w)->text(), QString());
    for (int n = 10; n <= 12; ++n)
        QCOMPARE(Answer(*w, n), QString());
    QCOMPARE(w->pictures("ColorRImage", kBandImages), pictures);
    // The unit exponent did follow: 1 kOhm in five bands is 100 × 10.
    QTest::keyClicks(Entry(*w), QStringLiteral("1"));
    QCOMPARE(Answer(*w, 10), QStringLiteral("1 кОм"));
    QCOMPARE(Answer(*w, 11), QStringLiteral("5%"));
    QCOMPARE(Answer(*w, 12), QStringLiteral("50"));
    QCOMPARE(w->pictures("ColorRImage", kBandImages), PicturesOf("brown black black brown gold red"));
    testing::ClickItem(BandCountGroup(*w), 0);
    QVERIFY(!tc->isEnabled());
}

void ResistorValueToBandsTest::nonDigitBandKeepsItsPicture()
{
    const testing::CapturedErrors errors;
    CodesWindow& w = shared();
    Enter(w, QStringLiteral("15"), 4);
    QCOMPARE(w.pictures("ColorRImage", kBandImages), PicturesOf("brown green black silver none none"));
    // An exponent letter may stand inside the entry: 1e5 has the form ddd.
    Entry(w)->setCursorPosition(1);
    QTest::keyClicks(Entry(w), QStringLiteral("e"));
    QCOMPARE(Entry(w)->text(), QStringLiteral("1e5"));
    QCOMPARE(BandCount(w), 5);
    QCOMPARE(w.pictures("ColorRImage", kBandImages), PicturesOf("brown green green black silver none"));
    QCOMPARE(errors.count(), 0);
}

void ResistorValueToBandsTest::clearEmptiesEntryAndDrawing()
{
    CodesWindow& w = shared();
    Enter(w, QStringLiteral("12,5"), 6, QStringLiteral("мОм"));
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorRCB3")), 3);
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorRCB4")), 4);
    w.find<QPushButton>(QStringLiteral("ColorRButton1"))->click();
    // Emptied, then made "0" by the entry filter.
    QCOMPARE(Entry(w)->text(), QStringLiteral("0"));
    for (const char* name : {"ColorRCB2", "ColorRCB3", "ColorRCB4"})
        QCOMPARE(w.find<QComboBox>(QLatin1String(name))->currentIndex(), 0);
    QCOMPARE(w.pictures("ColorRImage", kBandImages), PicturesOf("none none none none none none"));
    for (int n = 10; n <= 12; ++n)
        QCOMPARE(Answer(w, n), QString());
    QCOMPARE(BandCount(w), 6);
    // The next choice encodes the "0" again, in ohm.
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorRCB3")), 1);
    QCOMPARE(Answer(w, 10), QStringLiteral("0 Ом"));
    QCOMPARE(w.pictures("ColorRImage", kBandImages), PicturesOf("black black black silver gold white"));
}

QTEST_MAIN(ResistorValueToBandsTest)
#include "test_resistor_value_to_bands.moc"
