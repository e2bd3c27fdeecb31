#include "support/codes_page.h"

#include "controls/radio_group.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

using codes_testing::CodesWindow;
using codes_testing::PicturesOf;

class ResistorCodeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void pageFrame();
    void swatches_data();
    void swatches();
    void drawing_data();
    void drawing();
    void readingControls();
    void openingLoadsDefaultPictures();
    void reopeningKeepsAnswersAndBands();
    void decoding_data();
    void decoding();
    void valueText_data();
    void valueText();
    void valueTextFollowsDecimalSeparator();
    void deadSwatchesOfStoredLayout();
    void bandCountLayout_data();
    void bandCountLayout();
    void bandCountChangeClears();
    void answersKeepTheirLastText();
    void clearReturnsToFourBands();
    void clearWithFourBandsKeepsLayout();

private:
    CodesWindow& pristine();  // never clicked
    CodesWindow& shared();    // every test row resets what it uses

    std::unique_ptr<CodesWindow> pristine_;
    std::unique_ptr<CodesWindow> shared_;
};

namespace {

CodesWindow* OpenResistorPage()
{
    return new CodesWindow("N35", "PageControl13");
}

QString AnswerText(const CodesWindow& w, int n)
{
    return w.label(QStringLiteral("ColorRLabel%1").arg(n))->text();
}

void ChooseBandCount(const CodesWindow& w, int count)
{
    testing::ClickItem(w.find<QGroupBox>(QStringLiteral("ColorRRG1")), count - 4);
}

} // namespace

CodesWindow& ResistorCodeTest::pristine()
{
    if (!pristine_)
        pristine_.reset(OpenResistorPage());
    return *pristine_;
}

CodesWindow& ResistorCodeTest::shared()
{
    if (!shared_)
        shared_.reset(OpenResistorPage());
    return *shared_;
}

void ResistorCodeTest::cleanupTestCase()
{
    pristine_.reset();
    shared_.reset();
}

void ResistorCodeTest::pageFrame()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    auto* nested = w->nested;
    QCOMPARE(nested->parentWidget()->objectName(), QStringLiteral("TS19"));
    QCOMPARE(nested->count(), 2);
    QCOMPARE(nested->widget(0)->objectName(), QStringLiteral("TabSheet32"));
    QCOMPARE(nested->tabText(0), QStringLiteral("Цвето маркировка -> Номинал"));
    QCOMPARE(nested->widget(1)->objectName(), QStringLiteral("TabSheet33"));
    QCOMPARE(nested->tabText(1), QStringLiteral("Номинал -> Цвето маркировка"));
    QCOMPARE(nested->x(), 0);
    QCOMPARE(nested->width(), 722);
    // Re-fitted at every opening, aligned to the bottom of the page.
    QCOMPARE(nested->height(), nested->parentWidget()->height() - 5);
    QCOMPARE(nested->geometry().bottom(), nested->parentWidget()->height() - 1);
}

void ResistorCodeTest::swatches_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("shown");

    const QStringList names{"Чёрный", "Коричневый", "Красный", "Оранжевый", "Жёлтый", "Зелёный",
                            "Синий", "Фиолетовый", "Серый", "Белый", "Золотой", "Серебряный"};
    const QList<QColor> colours{{0, 0, 0},       {104, 57, 23},  {255, 0, 0},     {253, 151, 42},
                                {255, 255, 43},  {0, 215, 0},    {5, 97, 209},    {172, 75, 192},
                                {205, 199, 190}, {255, 255, 255}, {233, 218, 134}, {124, 115, 105}};
    const QColor lateOrange(255, 168, 23);
    const auto addRow = [&](int row, int y, const QList<std::pair<int, int>>& tagsAndColours, bool shown) {
        for (int k = 0; k < tagsAndColours.size(); ++k) {
            const auto [tag, colour] = tagsAndColours[k];
            const QColor fill = colour == 3 && (row == 4 || row == 6) ? lateOrange : colours[colour];
            QTest::addRow("row %d %s", row, qPrintable(names[colour]))
                << tag << 115 + 22 * k << y << names[colour] << fill << shown;
        }
    };
    QList<std::pair<int, int>> row1, row2, row3, row4;
    for (int d = 1; d <= 9; ++d)
        row1 << std::pair{10 + d, d};
    for (int d = 0; d <= 9; ++d) {
        row2 << std::pair{20 + d, d};
        row3 << std::pair{30 + d, d};
        row4 << std::pair{40 + d, d};
    }
    row3 << std::pair{310, 10} << std::pair{311, 11};
    row4 << std::pair{410, 10} << std::pair{411, 11};
    addRow(1, 162, row1, true);
    addRow(2, 192, row2, true);
    addRow(3, 222, row3, true);
    addRow(4, 252, row4, true);
    addRow(5, 282, {{50, 1}, {51, 2}, {52, 5}, {53, 6}, {54, 7}, {55, 8}, {56, 10}, {57, 11}}, false);
    addRow(6, 309, {{60, 1}, {61, 2}, {62, 3}, {63, 4}, {64, 6}, {65, 7}, {66, 9}}, false);
}

void ResistorCodeTest::swatches()
{
    QFETCH(int, tag);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, hint);
    QFETCH(QColor, colour);
    QFETCH(bool, shown);

    CodesWindow* w = &pristine();
    QCOMPARE(w->nested->widget(0)->findChildren<controls::ColourSwatch*>().size(), 58);
    const controls::ColourSwatch* swatch = w->swatch(0, tag);
    QCOMPARE(swatch->pos(), QPoint(x, y));
    QCOMPARE(swatch->size(), QSize(20, 15));
    QCOMPARE(swatch->toolTip(), hint);
    QCOMPARE(swatch->colour(), colour);
    QCOMPARE(swatch->isVisible(), shown);
    QCOMPARE(swatch->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(swatch->objectName().startsWith(QLatin1String("SR")));
}

void ResistorCodeTest::drawing_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("hint");

    const QList<std::tuple<int, int, QString>> roles{
        {165, 112, "Первое кольцо"}, {276, 21, "Первое кольцо"},    {296, 17, ""},
        {312, 21, "Второе кольцо"},  {332, 21, "Третие кольцо"},    {352, 21, "Четвёртое кольцо"},
        {372, 21, "Пятое кольцо"},   {392, 21, "Шестое кольцо"},    {412, 121, "Шестое кольцо"}};
    const int reading[] = {8, 1, 7, 2, 3, 4, 5, 6, 9};
    const int writing[] = {10, 13, 12, 14, 15, 16, 17, 18, 11};
    for (int i = 0; i < 9; ++i) {
        const auto& [x, width, hint] = roles[i];
        const bool end = width > 100;
        const int height = end ? 136 : 67;
        for (int image : {reading[i], writing[i]}) {
            const QString name = QStringLiteral("ColorRImage%1").arg(image);
            QTest::newRow(qPrintable(name)) << name << QRect(x, end ? 10 : 30, width, height) << hint;
        }
    }
}

void ResistorCodeTest::drawing()
{
    QFETCH(QString, image);
    QFETCH(QRect, geometry);
    QFETCH(QString, hint);

    const CodesWindow* w = &pristine();
    const QLabel* label = w->label(image);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->toolTip(), hint);
    // The picture fills its image exactly, so the nine read as one body; an
    // image is drawn once its tab is shown.
    for (int tab = 0; tab < w->nested->count(); ++tab) {
        if (w->nested->widget(tab)->isAncestorOf(label))
            w->nested->setCurrentIndex(tab);
    }
    QCOMPARE(label->pixmap().deviceIndependentSize().toSize(), geometry.size());
    w->nested->setCurrentIndex(0);
}

void ResistorCodeTest::readingControls()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    for (int row = 1; row <= 6; ++row) {
        const QLabel* caption = w->label(QStringLiteral("ColorRLabel%1").arg(row));
        QCOMPARE(caption->text(), QStringLiteral(" %1 Полоса ").arg(row));
        QCOMPARE(caption->y(), 125 + 30 * row);
        QCOMPARE(caption->isVisible(), row <= 4);
        QVERIFY(caption->fontMetrics().height() <= 21);
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
    }
    auto* group = w->find<QGroupBox>(QStringLiteral("ColorRRG1"));
    QCOMPARE(group->title(), QStringLiteral("Количество точек или полос"));
    const QList<QRadioButton*> items = controls::RadioItems(group);
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), QStringLiteral("4"));
    QCOMPARE(items[1]->text(), QStringLiteral("5"));
    QCOMPARE(items[2]->text(), QStringLiteral("6"));
    QCOMPARE(controls::ItemIndex(group), 0);
    // Three columns: the items stand side by side.
    QCOMPARE(items[0]->y(), items[2]->y());
    QCOMPARE(w->find<QPushButton>(QStringLiteral("ColorRButton"))->text(), QStringLiteral("Очистить"));
    QCOMPARE(w->find<QGroupBox>(QStringLiteral("ColorRGB2"))->title(), QStringLiteral("Ответ"));
    QCOMPARE(AnswerText(*w, 7), QStringLiteral("Номинал"));
    QCOMPARE(AnswerText(*w, 8), QStringLiteral("Погрешность"));
    QCOMPARE(AnswerText(*w, 9), QStringLiteral("ТКС"));
    for (int n = 10; n <= 12; ++n)
        QVERIFY(AnswerText(*w, n).isEmpty());
}

void ResistorCodeTest::openingLoadsDefaultPictures()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    const QStringList expected{"PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC33", "PIC31", "PIC32",
                               "PIC31", "PIC32", "PIC33", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29"};
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}), expected);
}

void ResistorCodeTest::reopeningKeepsAnswersAndBands()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    w->press({14, 27, 32, 410});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("4.7 кОм"));
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4}), PicturesOf("yellow violet red gold"));
    w->nested->setCurrentIndex(1);
    w->closeAndReopen();
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4}), PicturesOf("none none none none"));
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("4.7 кОм"));
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("5%"));
    QCOMPARE(w->nested->currentIndex(), 1);
    // The stored digits survive: a new multiplier scales them.
    w->press({33});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("47 кОм"));
}

void ResistorCodeTest::decoding_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("tags");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("tc");
    QTest::addColumn<QString>("pictures");

    QTest::newRow("brown black red: 1 kOhm") << 4 << QList<int>{11, 20, 32} << "1 кОм" << "" << ""
                                             << "brown black red none none none";
    QTest::newRow("yellow violet orange brown, 5 bands") << 5 << QList<int>{14, 27, 33, 41} << "4.73 кОм" << "" << ""
                                                         << "yellow violet orange brown none none";
    QTest::newRow("first click on a multiplier") << 4 << QList<int>{32} << "0 Ом" << "" << ""
                                                 << "none none red none none none";
    QTest::newRow("digits without a multiplier") << 4 << QList<int>{11, 22} << "12 " << "" << ""
                                                 << "brown red none none none none";
    QTest::newRow("green black red") << 4 << QList<int>{15, 20, 32} << "5 кОм" << "" << ""
                                     << "green black red none none none";
    QTest::newRow("0 and 5 with red") << 4 << QList<int>{25, 32} << "500 Ом" << "" << ""
                                      << "none green red none none none";
    QTest::newRow("4 and 7 with red") << 4 << QList<int>{14, 27, 32} << "4.7 кОм" << "" << ""
                                      << "yellow violet red none none none";
    QTest::newRow("multiplier before digits") << 4 << QList<int>{34, 12, 22} << "220 кОм" << "" << ""
                                              << "red red yellow none none none";
    QTest::newRow("four band tolerances")
        << 4 << QList<int>{11, 20, 30, 41, 42, 45, 46, 47, 48, 410, 411} << "10 Ом" << "10%" << ""
        << "brown black black silver none none";
    QTest::newRow("four bands: brown tolerance") << 4 << QList<int>{41} << "0 " << "1%" << ""
                                                 << "none none none brown none none";
    QTest::newRow("four bands: red tolerance") << 4 << QList<int>{42} << "0 " << "2%" << ""
                                               << "none none none red none none";
    QTest::newRow("four bands: green tolerance") << 4 << QList<int>{45} << "0 " << "0.5%" << ""
                                                 << "none none none green none none";
    QTest::newRow("four bands: blue tolerance") << 4 << QList<int>{46} << "0 " << "0.25%" << ""
                                                << "none none none blue none none";
    QTest::newRow("four bands: violet tolerance") << 4 << QList<int>{47} << "0 " << "0.1%" << ""
                                                  << "none none none violet none none";
    QTest::newRow("four bands: grey tolerance") << 4 << QList<int>{48} << "0 " << "0.05%" << ""
                                                << "none none none grey none none";
    QTest::newRow("four bands: gold tolerance") << 4 << QList<int>{410} << "0 " << "5%" << ""
                                                << "none none none gold none none";
    QTest::newRow("five bands: multiplier row 4") << 5 << QList<int>{12, 27, 30, 42, 50} << "27 кОм" << "1%" << ""
                                                  << "red violet black red brown none";
    QTest::newRow("five bands: gold multiplier") << 5 << QList<int>{11, 20, 35, 410, 56} << "10.5 Ом" << "5%" << ""
                                                 << "brown black green gold gold none";
    QTest::newRow("five bands: silver multiplier") << 5 << QList<int>{19, 29, 39, 411, 57} << "9.99 Ом" << "10%" << ""
                                                   << "white white white silver silver none";
    QTest::newRow("five band tolerances")
        << 5 << QList<int>{50, 51, 52, 53, 54, 55} << "0 " << "0.05%" << ""
        << "none none none none grey none";
    QTest::newRow("six bands: red tc") << 6 << QList<int>{11, 20, 30, 42, 51, 61} << "10 кОм" << "2%" << "50"
                                       << "brown black black red red red";
    QTest::newRow("six bands: brown tc") << 6 << QList<int>{60} << "0 " << "" << "100"
                                         << "none none none none none brown";
    QTest::newRow("six bands: orange tc") << 6 << QList<int>{62} << "0 " << "" << "15"
                                          << "none none none none none orange";
    QTest::newRow("six bands: yellow tc") << 6 << QList<int>{63} << "0 " << "" << "25"
                                          << "none none none none none yellow";
    QTest::newRow("six bands: blue tc") << 6 << QList<int>{64} << "0 " << "" << "10"
                                        << "none none none none none blue";
    QTest::newRow("six bands: violet tc") << 6 << QList<int>{65} << "0 " << "" << "5"
                                          << "none none none none none violet";
    QTest::newRow("six bands: white tc") << 6 << QList<int>{66} << "0 " << "" << "1"
                                         << "none none none none none white";
}

void ResistorCodeTest::decoding()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, tags);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(QString, tc);
    QFETCH(QString, pictures);

    CodesWindow* w = &shared();
    ChooseBandCount(*w, bands == 4 ? 5 : 4);  // every row starts from a reset
    ChooseBandCount(*w, bands);
    for (int tag : tags)
        w->press({tag});
    QCOMPARE(AnswerText(*w, 10), value);
    QCOMPARE(AnswerText(*w, 11), tolerance);
    QCOMPARE(AnswerText(*w, 12), tc);
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4, 5, 6}), PicturesOf(pictures));
}

void ResistorCodeTest::valueText_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<int>("multiplier");  // tag of the multiplier swatch
    QTest::addColumn<QString>("text");

    const QStringList colours{"black", "brown", "red", "orange", "yellow", "green",
                              "blue", "violet", "grey", "white", "gold", "silver"};
    // Expected texts per multiplier: 4 bands for v = 47 and 5; 5 bands for v = 473, 47 and 5.
    const QList<QStringList> expected{
        {"47 Ом", "5 Ом", "473 Ом", "47 Ом", "5 Ом"},
        {"470 Ом", "50 Ом", "4.73 кОм", "470 Ом", "50 Ом"},
        {"4.7 кОм", "500 Ом", "47.3 кОм", "4.7 кОм", "500 Ом"},
        {"47 кОм", "5 кОм", "473 кОм", "47 кОм", "5 кОм"},
        {"470 кОм", "50 кОм", "4.73 мОм", "470 кОм", "50 кОм"},
        {"4.7 мОм", "500 кОм", "47.3 мОм", "4.7 мОм", "500 кОм"},
        {"47 мОм", "5 мОм", "473 мОм", "47 мОм", "5 мОм"},
        {"470 мОм", "50 мОм", "4.73 гОм", "470 мОм", "50 мОм"},
        {"4.7 гОм", "500 мОм", "47.3 гОм", "4.7 гОм", "500 мОм"},
        {"47 гОм", "5 гОм", "473 гОм", "47 гОм", "5 гОм"},
        {"4.7 Ом", "0.5 Ом", "47.3 Ом", "4.7 Ом", "0.5 Ом"},
        {"0.47 Ом", "0.05 Ом", "4.73 Ом", "0.47 Ом", "0.05 Ом"}};
    const QList<QList<int>> fourBandDigits{{4, 7}, {0, 5}};
    const QList<QList<int>> fiveBandDigits{{4, 7, 3}, {0, 4, 7}, {0, 0, 5}};
    for (int code = 0; code < 12; ++code) {
        const int fourTag = code < 10 ? 30 + code : 300 + code;
        const int fiveTag = code < 10 ? 40 + code : 400 + code;
        for (int i = 0; i < 2; ++i) {
            QTest::addRow("4 bands, %s, %s", qPrintable(colours[code]), qPrintable(expected[code][i]))
                << 4 << fourBandDigits[i] << fourTag << expected[code][i];
        }
        for (int i = 0; i < 3; ++i) {
            QTest::addRow("5 bands, %s, %s", qPrintable(colours[code]), qPrintable(expected[code][2 + i]))
                << 5 << fiveBandDigits[i] << fiveTag << expected[code][2 + i];
        }
    }
}

void ResistorCodeTest::valueText()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, digits);
    QFETCH(int, multiplier);
    QFETCH(QString, text);

    CodesWindow* w = &shared();
    ChooseBandCount(*w, bands == 4 ? 5 : 4);
    ChooseBandCount(*w, bands);
    for (int i = 0; i < digits.size(); ++i) {
        // Row 1 has no black: a leading 0 is simply not chosen.
        if (digits[i] != 0 || i > 0)
            w->press({10 * (i + 1) + digits[i]});
    }
    w->press({multiplier});
    QCOMPARE(AnswerText(*w, 10), text);
}

void ResistorCodeTest::valueTextFollowsDecimalSeparator()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    {
        const testing::DecimalSeparatorScope separator(u',');
        w->press({14, 27, 32});
        QCOMPARE(AnswerText(*w, 10), QStringLiteral("4,7 кОм"));
    }
    w->press({311});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("0.47 Ом"));
}

void ResistorCodeTest::deadSwatchesOfStoredLayout()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    w->press({14, 27, 33});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("47 кОм"));
    for (int tag : {40, 43, 44, 49}) {
        QCOMPARE(w->swatch(0, tag)->pos(), QPoint(115 + 22 * (tag - 40), 252));
        w->label("ColorRLabel10")->setText(QStringLiteral("stale"));
        w->press({tag});
        // Nothing chosen, but the answer is written again.
        QCOMPARE(AnswerText(*w, 10), QStringLiteral("47 кОм"));
        QCOMPARE(AnswerText(*w, 11), QString());
        QCOMPARE(w->pictures("ColorRImage", {4}), PicturesOf("none"));
    }
    w->press({41});
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("1%"));
    QCOMPARE(w->pictures("ColorRImage", {4}), PicturesOf("brown"));
}

void ResistorCodeTest::bandCountLayout_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QList<int>>("hiddenRow4");
    QTest::addColumn<QList<int>>("row4x");  // brown, red, green, blue, violet, grey, gold, silver
    QTest::addColumn<bool>("row3GoldSilver");
    QTest::addColumn<bool>("row5");
    QTest::addColumn<bool>("row6");

    QTest::newRow("4") << 4 << QList<int>{40, 43, 44, 49} << QList<int>{115, 137, 159, 181, 203, 225, 247, 269} << true
                       << false << false;
    QTest::newRow("5") << 5 << QList<int>{} << QList<int>{137, 159, 225, 247, 269, 291, 335, 357} << false << true
                       << false;
    QTest::newRow("6") << 6 << QList<int>{} << QList<int>{137, 159, 225, 247, 269, 291, 335, 357} << false << true
                       << true;
}

void ResistorCodeTest::bandCountLayout()
{
    QFETCH(int, bands);
    QFETCH(QList<int>, hiddenRow4);
    QFETCH(QList<int>, row4x);
    QFETCH(bool, row3GoldSilver);
    QFETCH(bool, row5);
    QFETCH(bool, row6);

    CodesWindow* w = &shared();
    // Reach each count from every other one.
    for (int from : {4, 5, 6}) {
        if (from == bands)
            continue;
        ChooseBandCount(*w, from);
        ChooseBandCount(*w, bands);
        for (int tag : {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 410, 411})
            QCOMPARE(w->swatch(0, tag)->isVisible(), !hiddenRow4.contains(tag));
        const int tolerance[] = {41, 42, 45, 46, 47, 48, 410, 411};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w->swatch(0, tolerance[i])->pos(), QPoint(row4x[i], 252));
        QCOMPARE(w->swatch(0, 310)->isVisible(), row3GoldSilver);
        QCOMPARE(w->swatch(0, 311)->isVisible(), row3GoldSilver);
        for (int tag = 50; tag <= 57; ++tag)
            QCOMPARE(w->swatch(0, tag)->isVisible(), row5);
        for (int tag = 60; tag <= 66; ++tag)
            QCOMPARE(w->swatch(0, tag)->isVisible(), row6);
        QCOMPARE(w->label("ColorRLabel5")->isVisible(), row5);
        QCOMPARE(w->label("ColorRLabel6")->isVisible(), row6);
    }
}

void ResistorCodeTest::bandCountChangeClears()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    ChooseBandCount(*w, 6);
    w->press({14, 27, 33, 42, 51, 61});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("47.3 кОм"));
    QCOMPARE(AnswerText(*w, 12), QStringLiteral("50"));
    ChooseBandCount(*w, 5);
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4, 5, 6}), PicturesOf("none none none none none none"));
    for (int n = 10; n <= 12; ++n)
        QCOMPARE(AnswerText(*w, n), QString());
    // Digits and multiplier are gone too.
    w->press({52});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("0 "));
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("0.5%"));
    // With five bands the TC row is hidden, so the TC answer stays empty.
    QCOMPARE(AnswerText(*w, 12), QString());
    QVERIFY(!w->swatch(0, 60)->isVisible());
}

void ResistorCodeTest::answersKeepTheirLastText()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    ChooseBandCount(*w, 6);
    w->press({53, 60});
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("0.25%"));
    QCOMPARE(AnswerText(*w, 12), QStringLiteral("100"));
    w->press({11, 22, 30});
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("0.25%"));
    QCOMPARE(AnswerText(*w, 12), QStringLiteral("100"));
    w->press({57, 65});
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("10%"));
    QCOMPARE(AnswerText(*w, 12), QStringLiteral("5"));
}

void ResistorCodeTest::clearReturnsToFourBands()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    auto* group = w->find<QGroupBox>(QStringLiteral("ColorRRG1"));
    ChooseBandCount(*w, 6);
    w->press({14, 27, 33, 42, 51, 61});
    w->find<QPushButton>(QStringLiteral("ColorRButton"))->click();
    QCOMPARE(controls::ItemIndex(group), 0);
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4, 5, 6}), PicturesOf("none none none none none none"));
    for (int n = 10; n <= 12; ++n)
        QCOMPARE(AnswerText(*w, n), QString());
    QVERIFY(!w->swatch(0, 40)->isVisible());
    QCOMPARE(w->swatch(0, 410)->pos(), QPoint(247, 252));
    QVERIFY(w->swatch(0, 310)->isVisible());
    QVERIFY(!w->label("ColorRLabel5")->isVisible());
    // Four-band meaning of the rows again.
    w->press({14, 27, 32, 410});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("4.7 кОм"));
    QCOMPARE(AnswerText(*w, 11), QStringLiteral("5%"));
}

void ResistorCodeTest::clearWithFourBandsKeepsLayout()
{
    const std::unique_ptr<CodesWindow> w(OpenResistorPage());
    w->press({14, 27, 32, 410});
    w->find<QPushButton>(QStringLiteral("ColorRButton"))->click();
    QCOMPARE(w->pictures("ColorRImage", {1, 2, 3, 4}), PicturesOf("none none none none"));
    QCOMPARE(AnswerText(*w, 10), QString());
    QCOMPARE(AnswerText(*w, 11), QString());
    // The stored layout stays: all twelve swatches of row 4 at their places.
    QVERIFY(w->swatch(0, 40)->isVisible());
    QCOMPARE(w->swatch(0, 410)->pos(), QPoint(335, 252));
    w->press({12});
    QCOMPARE(AnswerText(*w, 10), QStringLiteral("20 "));
}

QTEST_MAIN(ResistorCodeTest)
#include "test_resistor_code.moc"
