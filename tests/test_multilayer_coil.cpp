#include "app/main_window.h"
#include "support/page_fixture.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <memory>

using testing::Background;
using testing::Find;
using testing::Retype;
using testing::Yellow;
using testing::SameDigits;
using testing::Shown;

namespace {

// The multilayer coil estimates written out: lengths in mm, inductance in µH.
double FormFactor(double outer, double inner, double length)
{
    const double mean = (outer + inner) / 2;
    return 1.125 * length / mean + 1.25 * (outer - inner) / 2 / mean + 0.375;
}

double InductanceFromTurns(double turns, double outer, double inner, double length)
{
    return turns * turns * (outer + inner) / 2 / (1000 * FormFactor(outer, inner, length));
}

} // namespace

class MultilayerCoilTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startsWithoutMode();
    void modes_data();
    void modes();
    void checkBoxTwiceReturnsToNoMode();
    void switchingModeZeroesTexts();
    void outputChangeRunsNothing();
    void nonPositiveInputKeepsOutput_data();
    void nonPositiveInputKeepsOutput();
    void noAnswerIsRed_data();
    void noAnswerIsRed();

private:
    QLineEdit* edit(const char* name) const { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    QString caption(const char* name) const { return testing::Caption(edit(name)); }
    QRadioButton* radio(const char* name) const { return fixture_->find<QRadioButton>(QString::fromLatin1(name)); }
    QCheckBox* exact() const { return fixture_->find<QCheckBox>(QStringLiteral("L2CB1")); }
    QLabel* image() const { return fixture_->find<QLabel>(QStringLiteral("L2Image1")); }
    void enterGeometry(const QString& turns);

    std::unique_ptr<testing::PageFixture> fixture_;
};

void MultilayerCoilTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("N19"));
}

void MultilayerCoilTest::init()
{
    // Back to no mode, whatever the previous test left.
    if (!exact()->isChecked())
        exact()->click();
    exact()->click();
}

void MultilayerCoilTest::enterGeometry(const QString& turns)
{
    Retype(edit("L2Dn"), "20");
    Retype(edit("L2Dv"), "10");
    Retype(edit("L2J"), "10");
    Retype(edit("L2W"), turns);
}

void MultilayerCoilTest::startsWithoutMode()
{
    app::MainWindow fresh;
    testing::OpenPage(fresh, QStringLiteral("N19"));
    auto* picture = Find<QLabel>(&fresh, QStringLiteral("L2Image1"));
    QCOMPARE(picture->property("picture").toString(), QStringLiteral("PIC34"));
    QCOMPARE(picture->y(), 141);
    QCOMPARE(picture->size(), QSize(47, 79));
    for (const char* name : {"L2W", "L2Dn", "L2Dv", "L2J"}) {
        auto* field = Find<QLineEdit>(&fresh, QString::fromLatin1(name));
        QVERIFY(!field->isEnabled());
        QCOMPARE(field->text(), QStringLiteral("0"));
    }
    auto* output = Find<QLineEdit>(&fresh, QStringLiteral("L2L"));
    QCOMPARE(Background(output), Yellow);
    QVERIFY(output->isReadOnly());
    QCOMPARE(Find<QGroupBox>(&fresh, QStringLiteral("L2GB"))->title(), QStringLiteral("Найти"));
    QCOMPARE(Find<QRadioButton>(&fresh, QStringLiteral("L2RB1"))->text(), QStringLiteral("Индуктивность"));
    QCOMPARE(Find<QRadioButton>(&fresh, QStringLiteral("L2RB2"))->text(), QStringLiteral("Колличество витков"));
    QVERIFY(!Find<QRadioButton>(&fresh, QStringLiteral("L2RB1"))->isChecked());
    QVERIFY(!Find<QRadioButton>(&fresh, QStringLiteral("L2RB2"))->isChecked());
    QCOMPARE(Find<QCheckBox>(&fresh, QStringLiteral("L2CB1"))->text(), QStringLiteral("Точный расчёт индуктивности"));
    QVERIFY(!Find<QCheckBox>(&fresh, QStringLiteral("L2CB1"))->isChecked());
}

void MultilayerCoilTest::modes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("inputs");      // L2W, L2Dn, L2Dv, L2J
    QTest::addColumn<QStringList>("captions");    // L2W, L2Dn, L2Dv, L2J, L2L
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("top");

    const QString turns = QStringLiteral("Колличество витков W (штук)");
    const QString inductance = QStringLiteral("Индуктивность L (мкГн)");
    const QString outer = QStringLiteral("Наружный диаметр Dн (мм)");
    const QString inner = QStringLiteral("Внутренний диаметр Dв (мм)");
    const QString length = QStringLiteral("Длинна намотки J (мм)");

    // t = 5, Dm = 15, K = 0.75 + 0.41667 + 0.375.
    const double k = 1.125 * 10 / 15 + 1.25 * 5 / 15 + 0.375;
    QTest::newRow("inductance from turns")
        << "L2RB1" << QStringList{"100", "20", "10", "10"} << QStringList{turns, outer, inner, length, inductance}
        << 10000 * 15 / (1000 * k) << "PIC34" << 141;
    // Dн below Dв: a negative thickness, and the estimate shows what it gives.
    QTest::newRow("inductance, outer below inner")
        << "L2RB1" << QStringList{"5", "4", "10", "0.5"} << QStringList{turns, outer, inner, length, inductance}
        << InductanceFromTurns(5, 4, 10, 0.5) << "PIC34" << 141;
    QTest::newRow("turns from inductance")
        << "L2RB2" << QStringList{"97.297", "20", "10", "10"} << QStringList{inductance, outer, inner, length, turns}
        << std::sqrt(1000 * 97.297 * k / 15) << "PIC34" << 141;
    // D = 12.5: L = 10000 · 12.5 / (900 + 250 + 375).
    QTest::newRow("exact inductance")
        << "L2CB1" << QStringList{"100", "20", "0.5", "10"}
        << QStringList{QStringLiteral("Число витков W (Штук)"), QStringLiteral("Число витков в один ряд (Штук)"),
                       QStringLiteral("Диаметр провода Dп (мм)"), inner, inductance}
        << 125000.0 / (1125 * 20 * 0.5 / 12.5 + 1250 * 100 * 0.5 / (20 * 10 + 100 * 0.5) + 375) << "PIC35" << 75;
}

void MultilayerCoilTest::modes()
{
    QFETCH(QString, control);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, captions);
    QFETCH(double, expected);
    QFETCH(QString, picture);
    QFETCH(int, top);

    fixture_->find<QAbstractButton>(control)->click();
    const char* names[] = {"L2W", "L2Dn", "L2Dv", "L2J", "L2L"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(caption(names[i]), captions.at(i));
    for (int i = 0; i < 4; ++i)
        QVERIFY(edit(names[i])->isEnabled());
    Retype(edit("L2Dn"), inputs.at(1));
    Retype(edit("L2Dv"), inputs.at(2));
    Retype(edit("L2J"), inputs.at(3));
    Retype(edit("L2W"), inputs.at(0));

    QVERIFY2(SameDigits(Shown(edit("L2L")), expected, 12), qPrintable(edit("L2L")->text()));
    QCOMPARE(edit("L2L")->text(), values::FormatNumber(Shown(edit("L2L"))));
    QCOMPARE(Background(edit("L2L")), Yellow);
    QVERIFY(edit("L2L")->isReadOnly());
    QCOMPARE(image()->property("picture").toString(), picture);
    QCOMPARE(image()->y(), top);
    QCOMPARE(image()->size(), picture == "PIC34" ? QSize(47, 79) : QSize(50, 63));
    QCOMPARE(fixture_->find<QGroupBox>(QStringLiteral("L2GB"))->isVisible(), control != "L2CB1");
}

void MultilayerCoilTest::checkBoxTwiceReturnsToNoMode()
{
    radio("L2RB1")->click();
    exact()->click();
    QVERIFY(!fixture_->find<QGroupBox>(QStringLiteral("L2GB"))->isVisible());
    Retype(edit("L2W"), "100");
    exact()->click();

    QVERIFY(!exact()->isChecked());
    QVERIFY(!radio("L2RB1")->isChecked());
    QVERIFY(!radio("L2RB2")->isChecked());
    QVERIFY(fixture_->find<QGroupBox>(QStringLiteral("L2GB"))->isVisible());
    QCOMPARE(image()->property("picture").toString(), QStringLiteral("PIC34"));
    QCOMPARE(image()->y(), 141);
    QCOMPARE(caption("L2W"), QString());
    QCOMPARE(caption("L2Dn"), QStringLiteral("Наружный диаметр Dн (мм)"));
    QCOMPARE(caption("L2Dv"), QStringLiteral("Внутренний диаметр Dв (мм)"));
    QCOMPARE(caption("L2J"), QStringLiteral("Длинна намотки J (мм)"));
    QCOMPARE(caption("L2L"), QString());
    for (const char* name : {"L2W", "L2Dn", "L2Dv", "L2J"})
        QVERIFY(!edit(name)->isEnabled());
    for (const char* name : {"L2W", "L2Dn", "L2Dv", "L2J", "L2L"})
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));

    // Either radio button still starts its mode afterwards.
    radio("L2RB2")->click();
    QVERIFY(edit("L2W")->isEnabled());
    QCOMPARE(caption("L2W"), QStringLiteral("Индуктивность L (мкГн)"));
}

void MultilayerCoilTest::switchingModeZeroesTexts()
{
    radio("L2RB1")->click();
    enterGeometry("100");
    QVERIFY(Shown(edit("L2L")) > 0);
    radio("L2RB2")->click();
    for (const char* name : {"L2W", "L2Dn", "L2Dv", "L2J", "L2L"})
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
}

void MultilayerCoilTest::outputChangeRunsNothing()
{
    radio("L2RB1")->click();
    enterGeometry("100");
    const testing::CapturedErrors errors;
    edit("L2L")->setText(QStringLiteral("12a"));
    // Filtered like every numeric edit, but no computation rewrites it.
    QCOMPARE(edit("L2L")->text(), QStringLiteral("12"));
    QCOMPARE(errors.count(), 0);
}

void MultilayerCoilTest::nonPositiveInputKeepsOutput_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("no turns") << "L2W" << "0";
    QTest::newRow("negative turns") << "L2W" << "-100";
    QTest::newRow("negative outer diameter") << "L2Dn" << "-20";
    QTest::newRow("no inner diameter") << "L2Dv" << "0";
    QTest::newRow("no length") << "L2J" << "0";
}

void MultilayerCoilTest::nonPositiveInputKeepsOutput()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    radio("L2RB1")->click();
    enterGeometry("100");
    const QString before = edit("L2L")->text();
    fixture_->find<QLineEdit>(field)->setText(text);
    QCOMPARE(edit("L2L")->text(), before);
    QCOMPARE(Background(fixture_->find<QLineEdit>(field)), testing::Background(edit("L2Dv")));
}

void MultilayerCoilTest::noAnswerIsRed_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("inputs");  // L2Dn, L2Dv, L2J, then L2W pasted
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QStringList>("answered");  // a change that gives an answer again

    const QString negativeRoot = QStringLiteral("Нет решения: под корнем получается отрицательное число");
    const QString overflow = QStringLiteral("Нет решения: результат слишком велик");
    // Dн below Dв makes the thickness negative: K = -0.0803…, no real root.
    QTest::newRow("turns from a negative form factor")
        << QChar('.') << "L2RB2" << QStringList{"4", "10", "0.5", "5"} << negativeRoot << QStringList{"L2Dn", "20"};
    QTest::newRow("turns from a negative form factor, comma")
        << QChar(',') << "L2RB2" << QStringList{"4", "10", "0.5", "5"} << negativeRoot << QStringList{"L2Dn", "20"};
    QTest::newRow("inductance beyond a double")
        << QChar('.') << "L2RB1" << QStringList{"20", "10", "10", "1e200"} << overflow << QStringList{"L2W", "100"};
    QTest::newRow("exact inductance beyond a double")
        << QChar(',') << "L2CB1" << QStringList{"20", "0.5", "10", "1.5e200"} << overflow
        << QStringList{"L2W", "100"};
}

void MultilayerCoilTest::noAnswerIsRed()
{
    QFETCH(QChar, separator);
    QFETCH(QString, control);
    QFETCH(QStringList, inputs);
    QFETCH(QString, tip);
    QFETCH(QStringList, answered);
    const testing::DecimalSeparatorScope scope(separator);
    fixture_->find<QAbstractButton>(control)->click();
    Retype(edit("L2Dn"), inputs.at(0));
    Retype(edit("L2Dv"), inputs.at(1));
    Retype(edit("L2J"), inputs.at(2));
    const QString before = edit("L2L")->text();
    const testing::CapturedErrors errors;
    edit("L2W")->setText(inputs.at(3));  // pasted

    QCOMPARE(errors.count(), 0);
    QCOMPARE(edit("L2L")->text(), before);
    QCOMPARE(Background(edit("L2L")), testing::Red);
    QCOMPARE(edit("L2L")->toolTip(), tip);

    fixture_->find<QLineEdit>(answered.at(0))->setText(answered.at(1));
    QVERIFY(Shown(edit("L2L")) > 0);
    QCOMPARE(Background(edit("L2L")), Yellow);
    QCOMPARE(testing::Reason(edit("L2L")), QString());
    QCOMPARE(errors.count(), 0);
}


QTEST_MAIN(MultilayerCoilTest)
#include "test_multilayer_coil.moc"
