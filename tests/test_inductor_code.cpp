#include "support/codes_page.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using codes_testing::CodesWindow;
using codes_testing::PicturesOf;

class InductorCodeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void pageFrame();
    void swatches_data();
    void swatches();
    void drawing_data();
    void drawing();
    void readingControlsAtStart();
    void openingLoadsDefaultPictures();
    void reopeningKeepsAnswers();
    void decoding_data();
    void decoding();
    void oneDigitKeepsTheValue();
    void multiplierBeforeDigits();
    void clearReading();
    void writingControlsAtStart();
    void encoding_data();
    void encoding();
    void bandsDenoteTheEntry_data();
    void bandsDenoteTheEntry();
    void toleranceItems_data();
    void toleranceItems();
    void refusedEntries_data();
    void refusedEntries();
    void bandThatIsNoNumberFails();
    void clearWriting();

private:
    CodesWindow& shared();
    std::unique_ptr<CodesWindow> shared_;
};

namespace {

const std::initializer_list<int> kReadingImages{1, 2, 3, 4};
const std::initializer_list<int> kWritingImages{13, 14, 15, 16};

CodesWindow* OpenInductorPage()
{
    return new CodesWindow("N36", "PageControl12");
}

QString Text(const CodesWindow& w, const char* label)
{
    return w.label(QLatin1String(label))->text();
}

QLineEdit* Entry(const CodesWindow& w)
{
    return w.find<QLineEdit>(QStringLiteral("ColorLEdit1"));
}

// Back to "0", then unit and tolerance, then the entry typed key by key.
void Enter(const CodesWindow& w, const QString& text, int unit, int tolerance = 0)
{
    w.nested->setCurrentIndex(1);
    testing::Retype(Entry(w), QString());
    auto* unitCombo = w.find<QComboBox>(QStringLiteral("ColorLCB1"));
    if (unitCombo->currentIndex() != unit)
        testing::Choose(unitCombo, unit);
    auto* toleranceCombo = w.find<QComboBox>(QStringLiteral("ColorLCB2"));
    if (toleranceCombo->currentIndex() != tolerance)
        testing::Choose(toleranceCombo, tolerance);
    Entry(w)->setFocus();
    Entry(w)->selectAll();
    QTest::keyClicks(Entry(w), text);
}

void ClickClear(const CodesWindow& w, const char* button)
{
    w.find<QPushButton>(QLatin1String(button))->click();
}

} // namespace

CodesWindow& InductorCodeTest::shared()
{
    if (!shared_)
        shared_.reset(OpenInductorPage());
    return *shared_;
}

void InductorCodeTest::cleanupTestCase()
{
    shared_.reset();
}

void InductorCodeTest::pageFrame()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    QTabWidget* nested = w->nested;
    QCOMPARE(nested->parentWidget()->objectName(), QStringLiteral("TS20"));
    QCOMPARE(nested->count(), 2);
    QCOMPARE(nested->widget(0)->objectName(), QStringLiteral("TabSheet30"));
    QCOMPARE(nested->tabText(0), QStringLiteral("Цвето маркировка -> Номинал"));
    QCOMPARE(nested->widget(1)->objectName(), QStringLiteral("TabSheet31"));
    QCOMPARE(nested->tabText(1), QStringLiteral("Номинал -> Цвето маркировка"));
    QCOMPARE(nested->x(), 0);
    QCOMPARE(nested->width(), 722);
    // Re-fitted at every opening, aligned to the bottom of the page.
    QCOMPARE(nested->height(), nested->parentWidget()->height() - 5);
    QCOMPARE(nested->geometry().bottom(), nested->parentWidget()->height() - 1);
}

void InductorCodeTest::swatches_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QColor>("colour");

    const QStringList names{"Чёрный", "Коричневый", "Красный", "Оранжевый", "Жёлтый", "Зелёный",
                            "Голубой", "Фиолетовый", "Серый", "Белый", "Золотой", "Серебряный"};
    const QList<QColor> colours{{0, 0, 0},       {104, 57, 23},  {255, 0, 0},     {253, 151, 42},
                                {255, 255, 43},  {0, 215, 0},    {151, 196, 255}, {172, 75, 192},
                                {205, 199, 190}, {255, 255, 255}, {233, 218, 134}, {124, 115, 105}};
    const auto add = [&](int row, int k, int tag, int code) {
        QTest::addRow("row %d %s", row, qPrintable(names[code]))
            << tag << QPoint(115 + 22 * k, 162 + 30 * row) << names[code] << colours[code];
    };
    for (int d = 1; d <= 9; ++d)
        add(1, d - 1, 10 + d, d);
    for (int d = 0; d <= 9; ++d)
        add(2, d, 20 + d, d);
    for (int d = 0; d <= 9; ++d)
        add(3, d, 30 + d, d);
    add(3, 10, 310, 10);
    add(3, 11, 311, 11);
    QTest::newRow("row 4 no band") << 412 << QPoint(115, 282) << "Пустой или 3 полосы"
                                   << QApplication::palette().color(QPalette::Button);
    add(4, 1, 40, 0);
    add(4, 2, 410, 10);
    add(4, 3, 411, 11);
}

void InductorCodeTest::swatches()
{
    QFETCH(int, tag);
    QFETCH(QPoint, position);
    QFETCH(QString, hint);
    QFETCH(QColor, colour);

    const CodesWindow& w = shared();
    QCOMPARE(w.nested->widget(0)->findChildren<controls::ColourSwatch*>().size(), 35);
    const controls::ColourSwatch* swatch = w.swatch(0, tag);
    QCOMPARE(swatch->pos(), position);
    QCOMPARE(swatch->size(), QSize(20, 15));
    QCOMPARE(swatch->toolTip(), hint);
    QCOMPARE(swatch->colour(), colour);
    QVERIFY(swatch->isVisible());
    QVERIFY(swatch->objectName().startsWith(QLatin1String("SL")));
}

void InductorCodeTest::drawing_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("hint");

    const QList<std::tuple<int, int, QString>> roles{
        {165, 112, "Первое кольцо"}, {276, 21, "Первое кольцо"},    {296, 17, ""},
        {312, 21, "Второе кольцо"},  {332, 21, "Третие кольцо"},    {352, 21, "Четвёртое кольцо"},
        {372, 21, "Четвёртое кольцо"}, {392, 21, "Четвёртое кольцо"}, {412, 121, "Четвёртое кольцо"}};
    const int reading[] = {8, 1, 7, 2, 3, 4, 5, 6, 9};
    const int writing[] = {10, 13, 12, 14, 15, 16, 17, 18, 11};
    for (int i = 0; i < 9; ++i) {
        const auto& [x, width, hint] = roles[i];
        const bool end = width > 100;
        for (int image : {reading[i], writing[i]}) {
            const QString name = QStringLiteral("ColorLImage%1").arg(image);
            QTest::newRow(qPrintable(name)) << name << QRect(x, end ? 10 : 30, width, end ? 136 : 67) << hint;
        }
    }
}

void InductorCodeTest::drawing()
{
    QFETCH(QString, image);
    QFETCH(QRect, geometry);
    QFETCH(QString, hint);

    const QLabel* label = shared().label(image);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->toolTip(), hint);
}

void InductorCodeTest::readingControlsAtStart()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    for (int row = 1; row <= 4; ++row) {
        const QLabel* caption = w->label(QStringLiteral("ColorLL%1").arg(row));
        QCOMPARE(caption->text(), QStringLiteral(" %1 Полоса ").arg(row));
        QCOMPARE(caption->y(), 155 + 30 * row);
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
    }
    QCOMPARE(w->find<QPushButton>(QStringLiteral("ColorLButton1"))->text(), QStringLiteral("Очистить"));
    QCOMPARE(w->find<QGroupBox>(QStringLiteral("ColorLGB1"))->title(), QStringLiteral("Ответ"));
    QCOMPARE(Text(*w, "ColorLLabel1"), QStringLiteral("Номинал"));
    QCOMPARE(Text(*w, "ColorLLabel2"), QStringLiteral("Погрешность"));
    QCOMPARE(Text(*w, "ColorLLabel3"), QStringLiteral("20%"));
    QCOMPARE(Text(*w, "ColorLLabel4"), QString());
}

void InductorCodeTest::openingLoadsDefaultPictures()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    const QStringList expected{"PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC33", "PIC31", "PIC32",
                               "PIC31", "PIC32", "PIC33", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29"};
    QCOMPARE(w->pictures("ColorLImage", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}), expected);
}

void InductorCodeTest::reopeningKeepsAnswers()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    w->press({14, 27, 32, 410});
    Enter(*w, QStringLiteral("47"), 0);
    w->closeAndReopen();
    QCOMPARE(w->pictures("ColorLImage", {1, 2, 3, 4, 13, 14, 15, 16}),
             PicturesOf("none none none none none none none none"));
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("4.7 мГн"));
    QCOMPARE(Text(*w, "ColorLLabel3"), QStringLiteral("5%"));
    QCOMPARE(Text(*w, "ColorLLabel8"), QStringLiteral("47 мкГн"));
    w->press({33});
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("47 мГн"));
}

void InductorCodeTest::decoding_data()
{
    QTest::addColumn<QList<int>>("tags");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("pictures");

    QTest::newRow("brown black red") << QList<int>{11, 20, 32} << "1 мГн" << "20%" << "brown black red none";
    QTest::newRow("yellow violet gold") << QList<int>{14, 27, 310} << "4.7 мкГн" << "20%" << "yellow violet gold none";
    QTest::newRow("red red grey") << QList<int>{12, 22, 38} << "2.2 кГн" << "20%" << "red red grey none";
    const QList<std::tuple<int, const char*, const char*>> multipliers{
        {30, "47 мкГн", "black"},   {31, "470 мкГн", "brown"},   {32, "4.7 мГн", "red"},
        {33, "47 мГн", "orange"},   {34, "470 мГн", "yellow"},   {35, "4.7 Гн", "green"},
        {36, "47 Гн", "lightblue"}, {37, "470 Гн", "violet"},    {38, "4.7 кГн", "grey"},
        {39, "47 кГн", "white"},    {310, "4.7 мкГн", "gold"},   {311, "0.47 мкГн", "silver"}};
    for (const auto& [tag, value, colour] : multipliers) {
        QTest::addRow("47 times %s", colour) << QList<int>{14, 27, tag} << value << "20%"
                                             << QStringLiteral("yellow violet %1 none").arg(colour);
    }
    QTest::newRow("light blue digits") << QList<int>{16, 26, 30} << "66 мкГн" << "20%"
                                       << "lightblue lightblue black none";
    QTest::newRow("black tolerance") << QList<int>{11, 20, 30, 40} << "10 мкГн" << "20%" << "brown black black black";
    QTest::newRow("gold tolerance") << QList<int>{11, 20, 30, 410} << "10 мкГн" << "5%" << "brown black black gold";
    QTest::newRow("silver tolerance") << QList<int>{11, 20, 30, 411} << "10 мкГн" << "10%"
                                      << "brown black black silver";
    QTest::newRow("no fourth band") << QList<int>{11, 20, 30, 411, 412} << "10 мкГн" << "20%"
                                    << "brown black black none";
}

void InductorCodeTest::decoding()
{
    QFETCH(QList<int>, tags);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(QString, pictures);

    const CodesWindow& w = shared();
    w.nested->setCurrentIndex(0);
    ClickClear(w, "ColorLButton1");
    for (int tag : tags)
        w.press({tag});
    QCOMPARE(Text(w, "ColorLLabel4"), value);
    QCOMPARE(Text(w, "ColorLLabel3"), tolerance);
    QCOMPARE(w.pictures("ColorLImage", kReadingImages), PicturesOf(pictures));
}

void InductorCodeTest::oneDigitKeepsTheValue()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    w->press({12, 30});
    QCOMPARE(Text(*w, "ColorLLabel4"), QString());
    QCOMPARE(Text(*w, "ColorLLabel3"), QStringLiteral("20%"));
    w->press({21});
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("21 мкГн"));
    // A new first digit alone is enough: the second is still set.
    w->press({15});
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("51 мкГн"));
}

void InductorCodeTest::multiplierBeforeDigits()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    w->press({32, 14});
    QCOMPARE(Text(*w, "ColorLLabel4"), QString());
    w->press({27});
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("4.7 мГн"));
}

void InductorCodeTest::clearReading()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    w->press({14, 27, 32, 411});
    ClickClear(*w, "ColorLButton1");
    QCOMPARE(Text(*w, "ColorLLabel4"), QString());
    QCOMPARE(Text(*w, "ColorLLabel3"), QStringLiteral("20%"));
    QCOMPARE(w->pictures("ColorLImage", kReadingImages), PicturesOf("none none none none"));
    // Digits and multiplier are gone: two digits show the bare number and a blank.
    w->press({14, 27});
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("47 "));
    const testing::DecimalSeparatorScope comma(u',');
    w->press({311});
    QCOMPARE(Text(*w, "ColorLLabel4"), QStringLiteral("0,47 мкГн"));
}

void InductorCodeTest::writingControlsAtStart()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    QLineEdit* entry = Entry(*w);
    QCOMPARE(entry->text(), QStringLiteral("0"));
    QCOMPARE(entry->maxLength(), 3);
    QCOMPARE(w->find<QLabel>(QStringLiteral("ColorLEdit1Caption"))->buddy(), entry);
    QCOMPARE(w->find<QLabel>(QStringLiteral("ColorLEdit1Caption"))->text(), QStringLiteral("Номинал"));
    auto* unit = w->find<QComboBox>(QStringLiteral("ColorLCB1"));
    auto* tolerance = w->find<QComboBox>(QStringLiteral("ColorLCB2"));
    QStringList units, tolerances;
    for (int i = 0; i < unit->count(); ++i)
        units << unit->itemText(i);
    for (int i = 0; i < tolerance->count(); ++i)
        tolerances << tolerance->itemText(i);
    QCOMPARE(units, (QStringList{"мкГн", "мГн", "Гн", "кГн"}));
    QCOMPARE(tolerances, (QStringList{"20%", "20%", "10%", "5%"}));
    QCOMPARE(unit->currentIndex(), 0);
    QCOMPARE(tolerance->currentIndex(), 0);
    QCOMPARE(Text(*w, "ColorLLabel10"), QStringLiteral("Допуск"));
    QCOMPARE(w->find<QPushButton>(QStringLiteral("ColorLButton2"))->text(), QStringLiteral("Очистить"));
    QCOMPARE(w->find<QGroupBox>(QStringLiteral("ColorLGB2"))->title(), QStringLiteral("Ответ"));
    QCOMPARE(Text(*w, "ColorLLabel6"), QStringLiteral("Номинал"));
    QCOMPARE(Text(*w, "ColorLLabel5"), QStringLiteral("Погрешность"));
    QCOMPARE(Text(*w, "ColorLLabel8"), QString());
    QCOMPARE(Text(*w, "ColorLLabel7"), QStringLiteral("20%"));
}

void InductorCodeTest::encoding_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("pictures");

    const QChar comma(u','), point(u'.');
    QTest::newRow("47 uH") << comma << "47" << 0 << "47" << "47 мкГн" << "yellow violet black none";
    QTest::newRow("4,7 mH") << comma << "4,7" << 1 << "4,7" << "4,7 мГн" << "yellow violet red none";
    QTest::newRow("4.7 mH, point") << point << "4.7" << 1 << "4.7" << "4.7 мГн" << "yellow violet red none";
    QTest::newRow("comma typed under point") << point << "4,7" << 1 << "4.7" << "4.7 мГн" << "yellow violet red none";
    QTest::newRow("0,5 uH") << comma << "0,5" << 0 << "0,5" << "0,5 мкГн" << "green black silver none";
    QTest::newRow("0.5 uH, point") << point << "0.5" << 0 << "0.5" << "0.5 мкГн" << "green black silver none";
    QTest::newRow("220 uH") << comma << "220" << 0 << "220" << "220 мкГн" << "red red brown none";
    // Out of range keeps the multiplier of the last run ("22" in kH: white).
    QTest::newRow("220 kH") << comma << "220" << 3 << "220" << "Выход за пределы" << "red red white none";
    QTest::newRow("5 H") << comma << "5" << 2 << "5" << "5 Гн" << "green black green none";
    QTest::newRow("47 H light blue") << comma << "47" << 2 << "47" << "47 Гн" << "yellow violet lightblue none";
    QTest::newRow("0 uH") << comma << "0" << 0 << "0" << "0 мкГн" << "black black gold none";
    // The entry filter drops leading zeros: 05 arrives as 5 and 010 as 10.
    QTest::newRow("05 uH") << comma << "05" << 0 << "5" << "5 мкГн" << "green black gold none";
    QTest::newRow("010 uH") << comma << "010" << 0 << "10" << "10 мкГн" << "brown black black none";
}

void InductorCodeTest::encoding()
{
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    QFETCH(QString, shown);
    QFETCH(QString, value);
    QFETCH(QString, pictures);

    const CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(separator);
    Enter(w, typed, unit);
    QCOMPARE(Entry(w)->text(), shown);
    QCOMPARE(Text(w, "ColorLLabel8"), value);
    QCOMPARE(Text(w, "ColorLLabel7"), QStringLiteral("20%"));
    QCOMPARE(w.pictures("ColorLImage", kWritingImages), PicturesOf(pictures));
    QCOMPARE(w.pictures("ColorLImage", {17, 18}), PicturesOf("none none"));
}

void InductorCodeTest::bandsDenoteTheEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("unit");

    const QStringList units{"uH", "mH", "H", "kH"};
    const QList<std::pair<const char*, double>> forms{{"5", 5}, {"47", 47}, {"0,5", 0.5}, {"4,7", 4.7}, {"220", 220}};
    for (const auto& [typed, number] : forms) {
        for (int unit = 0; unit < 4; ++unit) {
            if (number == 220 && unit == 3)
                continue;  // beyond white: shown as out of range above
            QTest::addRow("%s %s", typed, qPrintable(units[unit])) << QString::fromLatin1(typed) << number << unit;
        }
    }
}

void InductorCodeTest::bandsDenoteTheEntry()
{
    QFETCH(QString, typed);
    QFETCH(double, number);
    QFETCH(int, unit);

    const CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(u',');
    Enter(w, typed, unit);
    const QStringList drawn = w.pictures("ColorLImage", {13, 14, 15});
    const auto code = [](const QString& picture) {
        return picture == QLatin1String("PIC30") ? 6 : picture.mid(3).toInt() - 17;
    };
    const int multiplier = code(drawn[2]);
    const double scale = multiplier == 10 ? 0.1 : multiplier == 11 ? 0.01 : std::pow(10.0, multiplier);
    const double microhenry = (10 * code(drawn[0]) + code(drawn[1])) * scale;
    QVERIFY2(testing::SameDigits(microhenry, number * std::pow(10.0, 3 * unit), 12), qPrintable(drawn.join(u' ')));
}

void InductorCodeTest::toleranceItems_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    QTest::newRow("no fourth band") << 0 << "20%" << "none";
    QTest::newRow("black") << 1 << "20%" << "black";
    QTest::newRow("silver") << 2 << "10%" << "silver";
    QTest::newRow("gold") << 3 << "5%" << "gold";
}

void InductorCodeTest::toleranceItems()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QString, colour);

    const CodesWindow& w = shared();
    Enter(w, QStringLiteral("47"), 1, item == 0 ? 3 : 0);
    // Only the tolerance changes: band 4 and its answer follow, the entry is encoded again.
    w.label(QStringLiteral("ColorLLabel8"))->clear();
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorLCB2")), item);
    QCOMPARE(Text(w, "ColorLLabel7"), text);
    QCOMPARE(Text(w, "ColorLLabel8"), QStringLiteral("47 мГн"));
    QCOMPARE(w.pictures("ColorLImage", kWritingImages), PicturesOf("yellow violet orange " + colour));
}

void InductorCodeTest::refusedEntries_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("refusedKey");
    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        const QString mark(separator);
        const char* name = separator == u',' ? "comma" : "point";
        QTest::addRow("123, %s", name) << separator << "12" << "3";
        QTest::addRow("1%s, %s", qPrintable(mark), name) << separator << "1" << mark;
        QTest::addRow("12%s, %s", qPrintable(mark), name) << separator << "12" << mark;
    }
}

void InductorCodeTest::refusedEntries()
{
    QFETCH(QChar, separator);
    QFETCH(QString, accepted);
    QFETCH(QString, refusedKey);

    const CodesWindow& w = shared();
    const testing::DecimalSeparatorScope scope(separator);
    Enter(w, accepted, 1, 2);
    const QStringList pictures = w.pictures("ColorLImage", kWritingImages);
    const QString value = Text(w, "ColorLLabel8");
    QCOMPARE(value, accepted + QStringLiteral(" мГн"));
    QTest::keyClicks(Entry(w), refusedKey);
    QCOMPARE(Entry(w)->text(), accepted + refusedKey);
    QCOMPARE(w.pictures("ColorLImage", kWritingImages), pictures);
    QCOMPARE(Text(w, "ColorLLabel8"), value);
    QCOMPARE(Text(w, "ColorLLabel7"), QStringLiteral("10%"));
}

void InductorCodeTest::bandThatIsNoNumberFails()
{
    const std::unique_ptr<CodesWindow> w(OpenInductorPage());
    Enter(*w, QStringLiteral("10"), 1);
    QCOMPARE(w->pictures("ColorLImage", kWritingImages), PicturesOf("brown black orange none"));
    const testing::CapturedErrors errors;
    // An exponent letter may stand inside the entry: 1e0 has the form dd0.
    Entry(*w)->setCursorPosition(1);
    QTest::keyClicks(Entry(*w), QStringLiteral("e"));
    QCOMPARE(Entry(*w)->text(), QStringLiteral("1e0"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.messages().constFirst(), QStringLiteral("Номинал: «1e0» — не число"));
    // The answer was written before the failure; the pictures after it were not.
    QCOMPARE(Text(*w, "ColorLLabel8"), QStringLiteral("1e0 мГн"));
    QCOMPARE(w->pictures("ColorLImage", kWritingImages), PicturesOf("brown black orange none"));
}

void InductorCodeTest::clearWriting()
{
    const CodesWindow& w = shared();
    Enter(w, QStringLiteral("4,7"), 2, 3);
    ClickClear(w, "ColorLButton2");
    QCOMPARE(Entry(w)->text(), QStringLiteral("0"));
    QCOMPARE(w.find<QComboBox>(QStringLiteral("ColorLCB1"))->currentIndex(), 0);
    QCOMPARE(w.find<QComboBox>(QStringLiteral("ColorLCB2"))->currentIndex(), 0);
    QCOMPARE(Text(w, "ColorLLabel8"), QString());
    QCOMPARE(Text(w, "ColorLLabel7"), QStringLiteral("20%"));
    QCOMPARE(w.pictures("ColorLImage", {13, 14, 15, 16, 17, 18}), PicturesOf("none none none none none none"));
    // The "0" left by the filter is encoded at the next choice.
    testing::Choose(w.find<QComboBox>(QStringLiteral("ColorLCB2")), 1);
    QCOMPARE(Text(w, "ColorLLabel8"), QStringLiteral("0 мкГн"));
    QCOMPARE(w.pictures("ColorLImage", kWritingImages), PicturesOf("black black gold black"));
}

QTEST_MAIN(InductorCodeTest)
#include "test_inductor_code.moc"
