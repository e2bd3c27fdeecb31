#include "support/layout_check.h"
#include "support/unit_fields.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using testing::IsInput;
using testing::IsRed;
using testing::IsSolved;
using testing::Shows;
using testing::Retype;

namespace {

const QStringList kOhms{"Ом", "кОм", "мОм", "гОм"};
const QList<testing::UnitField> kFields{
    {"RabcRab", "Rab", "RabcRabCB", kOhms, 0, "Ом"}, {"RabcRbc", "Rbc", "RabcRbcCB", kOhms, 0, "Ом"},
    {"RabcRca", "Rca", "RabcRcaCB", kOhms, 0, "Ом"}, {"RabcRa", "Ra", "RabcRaCB", kOhms, 0, "Ом"},
    {"RabcRb", "Rb", "RabcRbCB", kOhms, 0, "Ом"},    {"RabcRc", "Rc", "RabcRcCB", kOhms, 0, "Ом"},
};
const QStringList kDelta = testing::EditNames(kFields).mid(0, 3);
const QStringList kStar = testing::EditNames(kFields).mid(3);
const QStringList kCombos = testing::ComboNames(kFields);

// Each star arm: the product of the two delta sides at its corner over the sum of all three.
QList<double> Star(double ab, double bc, double ca)
{
    const double sum = ab + bc + ca;
    return {ab * ca / sum, ab * bc / sum, bc * ca / sum};
}

// Each delta side: the two arms it joins plus their product over the third arm.
QList<double> Delta(double a, double b, double c)
{
    return {a + b + a * b / c, b + c + b * c / a, c + a + c * a / b};
}

} // namespace

class StarDeltaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned();
    void deltaGivesStar_data();
    void deltaGivesStar();
    void starGivesDelta_data();
    void starGivesDelta();
    void incompleteTripleComputesNothing();
    void cancellingDeltaTurnsRed_data();
    void cancellingDeltaTurnsRed();
    void unitChangeOnSolvedPage_data();
    void unitChangeOnSolvedPage();

private:
    QLineEdit* edit(const QString& name) const { return page->edit(name); }
    void type(const QStringList& edits, const QStringList& texts);
    std::unique_ptr<testing::PageFixture> page;
};

void StarDeltaTest::initTestCase()
{
    page = std::make_unique<testing::PageFixture>("N24");
    // As the page first opens, before any clearing.
    QCOMPARE(testing::FieldFaults(*page, kFields), QStringList());
}

void StarDeltaTest::init()
{
    page->clear("RabcButton");
    page->errors().clear();
}

void StarDeltaTest::cleanup()
{
    QCOMPARE(page->errors().messages(), QStringList());
}

void StarDeltaTest::type(const QStringList& edits, const QStringList& texts)
{
    for (int k = 0; k < edits.size(); ++k) {
        if (texts[k].startsWith('-'))
            testing::RetypeNegative(edit(edits[k]), texts[k].mid(1));
        else
            Retype(edit(edits[k]), texts[k]);
    }
}

void StarDeltaTest::controlsAsDesigned()
{
    const QWidget* sheet = page->sheet("TS21");
    const auto* delta = testing::Find<QGroupBox>(sheet, "RabcGB1");
    const auto* star = testing::Find<QGroupBox>(sheet, "RabcGB2");
    QCOMPARE(delta->title(), QString("Треугольник"));
    QCOMPARE(star->title(), QString("Звезда"));
    for (const QString& name : kDelta)
        QCOMPARE(edit(name)->parentWidget(), delta);
    for (const QString& name : kStar)
        QCOMPARE(edit(name)->parentWidget(), star);
    QCOMPARE(testing::Find<QLabel>(delta, "RabcImage1")->property("picture").toString(), QString("RabcImage1"));
    QCOMPARE(testing::Find<QLabel>(star, "RabcImage2")->property("picture").toString(), QString("RabcImage2"));
    QCOMPARE(testing::Find<QPushButton>(sheet, "RabcButton")->text(), QString("Очистить"));
    QCOMPARE(testing::LayoutFaults(sheet), QStringList());
}

void StarDeltaTest::deltaGivesStar_data()
{
    QTest::addColumn<QStringList>("delta");
    QTest::addColumn<QList<double>>("star");
    QTest::newRow("equal sides") << QStringList{"30", "30", "30"} << QList<double>{10, 10, 10};
    QTest::newRow("10 20 30") << QStringList{"10", "20", "30"} << QList<double>{5, 10 / 3.0, 10};
    QTest::newRow("uneven") << QStringList{"47", "220", "1.5"} << Star(47, 220, 1.5);
    QTest::newRow("one negative side") << QStringList{"10", "20", "-5"} << Star(10, 20, -5);
}

void StarDeltaTest::deltaGivesStar()
{
    QFETCH(QStringList, delta);
    QFETCH(QList<double>, star);
    type(kDelta, delta);
    for (int k = 0; k < 3; ++k) {
        QVERIFY(IsInput(edit(kDelta[k])));
        QVERIFY(IsSolved(edit(kStar[k])));
        QVERIFY(Shows(edit(kStar[k]), star[k]));
    }
}

void StarDeltaTest::starGivesDelta_data()
{
    QTest::addColumn<QStringList>("star");
    QTest::addColumn<QList<double>>("delta");
    QTest::newRow("equal arms") << QStringList{"10", "10", "10"} << QList<double>{30, 30, 30};
    QTest::newRow("back from 10 20 30") << QStringList{"5", "3.33333333333333", "10"}
                                        << Delta(5, 3.33333333333333, 10);
    QTest::newRow("uneven") << QStringList{"1", "2", "4"} << QList<double>{3.5, 14, 7};
}

void StarDeltaTest::starGivesDelta()
{
    QFETCH(QStringList, star);
    QFETCH(QList<double>, delta);
    type(kStar, star);
    for (int k = 0; k < 3; ++k) {
        QVERIFY(IsInput(edit(kStar[k])));
        QVERIFY(IsSolved(edit(kDelta[k])));
        QVERIFY(Shows(edit(kDelta[k]), delta[k]));
    }
}

void StarDeltaTest::incompleteTripleComputesNothing()
{
    Retype(edit("RabcRa"), "10");
    Retype(edit("RabcRc"), "10");
    Retype(edit("RabcRab"), "30");
    Retype(edit("RabcRca"), "30");
    for (const QString& name : kDelta + kStar)
        QVERIFY2(IsInput(edit(name)), qPrintable(name));
    QCOMPARE(edit("RabcRb")->text(), QString("0"));
    QCOMPARE(edit("RabcRbc")->text(), QString("0"));
}

void StarDeltaTest::cancellingDeltaTurnsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("sides");  // Rab, Rca, Rbc in typing order; Rbc goes in last
    QTest::addColumn<QString>("apart");      // an Rbc that no longer cancels
    QTest::addColumn<QList<double>>("star");

    QTest::newRow("1 + 2 - 3") << QChar('.') << QStringList{"1", "-3", "2"} << "4" << Star(1, 4, -3);
    // 0.1 + 0.2 - 0.3 leaves only rounding noise of binary fractions.
    QTest::newRow("0.1 + 0.2 - 0.3, point") << QChar('.') << QStringList{"0.1", "-0.3", "0.2"} << "0.4"
                                            << Star(0.1, 0.4, -0.3);
    QTest::newRow("0.1 + 0.2 - 0.3, comma") << QChar(',') << QStringList{"0,1", "-0,3", "0,2"} << "0,4"
                                            << Star(0.1, 0.4, -0.3);
}

void StarDeltaTest::cancellingDeltaTurnsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QStringList, sides);
    QFETCH(QString, apart);
    QFETCH(QList<double>, star);
    const testing::DecimalSeparatorScope scope(separator);

    type({"RabcRab", "RabcRca", "RabcRbc"}, sides);
    for (const QString& name : kStar) {
        QCOMPARE(edit(name)->text(), QString("0"));
        QVERIFY(IsRed(edit(name)));
        QVERIFY(!edit(name)->isReadOnly());
        QCOMPARE(edit(name)->toolTip(), QString("Нет решения: сумма Rab + Rbc + Rca равна нулю"));
    }

    // Nothing was solved: a side that no longer cancels gives the star.
    testing::Overtype(edit("RabcRbc"), apart);
    for (int k = 0; k < 3; ++k) {
        QVERIFY(Shows(edit(kStar[k]), star[k]));
        QVERIFY(IsSolved(edit(kStar[k])));
        QCOMPARE(testing::Reason(edit(kStar[k])), QString());
    }
}

void StarDeltaTest::unitChangeOnSolvedPage_data()
{
    QTest::addColumn<int>("combo");   // index into kCombos
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QList<double>>("star");  // as shown

    QTest::newRow("Rab in кОм") << 0 << 1 << "Келом" << Star(30E3, 30, 30);
    QTest::newRow("Rbc in мОм") << 1 << 2 << "Мегом" << Star(30, 30E6, 30);
    QTest::newRow("Rca in гОм") << 2 << 3 << "Гиком" << Star(30, 30, 30E9);
    QTest::newRow("Ra in кОм") << 3 << 1 << "Келом" << QList<double>{0.01, 10, 10};
    QTest::newRow("Rb in мОм") << 4 << 2 << "Мегом" << QList<double>{10, 1E-5, 10};
    QTest::newRow("Rc in гОм") << 5 << 3 << "Гиком" << QList<double>{10, 10, 1E-8};
}

void StarDeltaTest::unitChangeOnSolvedPage()
{
    QFETCH(int, combo);
    QFETCH(int, item);
    QFETCH(QString, hint);
    QFETCH(QList<double>, star);

    type(kDelta, {"30", "30", "30"});
    testing::Choose(page->combo(kCombos[combo]), item);
    QCOMPARE(page->combo(kCombos[combo])->toolTip(), hint);
    for (int k = 0; k < 3; ++k) {
        QVERIFY(IsSolved(edit(kStar[k])));
        QVERIFY(Shows(edit(kStar[k]), star[k]));
        QCOMPARE(edit(kDelta[k])->text(), QString("30"));
    }
}

QTEST_MAIN(StarDeltaTest)
#include "test_star_delta.moc"
