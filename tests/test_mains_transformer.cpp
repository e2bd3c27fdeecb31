#include "app/main_window.h"
#include "support/page_fixture.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Find;
using testing::Retype;
using testing::Red;

namespace {

const QString CoreFits = QStringLiteral("Трансформатор вадержит такую нагружку");

} // namespace

class MainsTransformerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void answers_data();
    void answers();
    void primaryVoltageChangesPrimaryWindingOnly();
    void nonPositiveInputKeepsAnswers_data();
    void nonPositiveInputKeepsAnswers();

private:
    QLineEdit* edit(const char* name) const { return fixture_->find<QLineEdit>(QString::fromLatin1(name)); }
    QLabel* label(int number) const { return fixture_->find<QLabel>(QStringLiteral("TrLabel%1").arg(number)); }
    QString answer(int row) const { return label(row + 5)->text(); }
    QStringList shownAnswers() const { return {answer(1), answer(2), answer(3), answer(4), answer(5)}; }
    void enterSmallTransformer();

    std::unique_ptr<testing::PageFixture> fixture_;
};

void MainsTransformerTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>(QStringLiteral("N27"));
}

void MainsTransformerTest::init()
{
    fixture_->find<QPushButton>(QStringLiteral("TrButton"))->click();
}

void MainsTransformerTest::enterSmallTransformer()
{
    Retype(edit("TrL"), "2");
    Retype(edit("TrT"), "2");
    Retype(edit("TrU2"), "12");
    Retype(edit("TrI2"), "1");
}

void MainsTransformerTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("core L") << "TrL" << u8"L (См)" << "0";
    QTest::newRow("core T") << "TrT" << u8"Т (См)" << "0";
    QTest::newRow("primary voltage") << "TrU1" << u8"U1 - первичная обмотка (Вольт)" << "220";
    QTest::newRow("secondary voltage") << "TrU2" << u8"U2 - вторичная обмотка (Вольт)" << "0";
    QTest::newRow("secondary current") << "TrI2" << u8"I2 - вторичная обмотка (Ампер)" << "0";
}

void MainsTransformerTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    auto* field = fixture_->find<QLineEdit>(name);
    QCOMPARE(field->text(), text);
    QCOMPARE(testing::Caption(field), caption);

    QCOMPARE(fixture_->find<QGroupBox>(QStringLiteral("TrGB1"))->title(), QStringLiteral("Ответ"));
    const QStringList rows{u8"Число витков первичной обмотки", u8"Число витков вторичной обмотки",
                           u8"Диаметр провода первичной обмотки", u8"Диаметр провода вторичной обмотки",
                           u8"Мощность транссформатора"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(fixture_->find<QLabel>(QStringLiteral("TrLabel%1").arg(i + 1))->text(), rows.at(i));
        QCOMPARE(answer(i + 1), QStringLiteral("??"));
    }
    QCOMPARE(fixture_->find<QLabel>(QStringLiteral("TrLabel11"))->text(),
             QStringLiteral("Трансформатор вадержит такую нагружку"));
    QCOMPARE(fixture_->find<QLabel>(QStringLiteral("TrImage1"))->property("picture").toString(),
             QStringLiteral("TrImage1"));
}

void MainsTransformerTest::answers_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("primary");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("turns");
    QTest::addColumn<double>("wire");  // of the primary, to four places
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("most");  // watts the core carries, empty while the load fits
    // S = 4 cm², 12.5 turns per volt, I1 = P / U1; the core carries (4 / 1.2)² W.
    QTest::newRow("220 V, core too small") << QChar('.') << "220" << "1" << "2750" << 0.1477 << "12" << "11.1";
    QTest::newRow("110 V, core too small") << QChar('.') << "110" << "1" << "1375" << 0.2089 << "12" << "11.1";
    QTest::newRow("110 V, comma") << QChar(',') << "110" << "1" << "1375" << 0.2089 << "12" << "11,1";
    QTest::newRow("load fits the core") << QChar('.') << "220" << "0.9" << "2750" << 0.1401 << "10.8" << "";
    QTest::newRow("load fits, comma") << QChar(',') << "220" << "0.9" << "2750" << 0.1401 << "10,8" << "";
}

void MainsTransformerTest::answers()
{
    QFETCH(QChar, separator);
    QFETCH(QString, primary);
    QFETCH(QString, current);
    QFETCH(QString, turns);
    QFETCH(double, wire);
    QFETCH(QString, power);
    QFETCH(QString, most);
    const testing::DecimalSeparatorScope scope(separator);
    if (primary != "220")
        Retype(edit("TrU1"), primary);
    Retype(edit("TrL"), "2");
    Retype(edit("TrT"), "2");
    Retype(edit("TrU2"), "12");
    Retype(edit("TrI2"), current);

    const double i2 = values::ParseNumber(current, '.');
    const double p = 12 * i2;
    QCOMPARE(answer(1), turns);
    QCOMPARE(answer(2), QStringLiteral("150"));
    QCOMPARE(answer(3), values::FormatNumber(std::sqrt(p / primary.toDouble() / 2.5)) + QStringLiteral(" мм"));
    QVERIFY2(std::fabs(values::ParseNumber(answer(3).section(' ', 0, 0)) - wire) < 0.5e-4, qPrintable(answer(3)));
    QCOMPARE(answer(4), values::FormatNumber(std::sqrt(i2 / 2.5)) + QStringLiteral(" мм"));
    QCOMPARE(answer(5), power + QStringLiteral(" Ват"));

    const auto checkCore = [&](bool fits, double watts) {
        QCOMPARE(label(11)->text(), fits ? CoreFits : QStringLiteral("Сердечник мал: не более ") + most + " Ват");
        QCOMPARE(testing::FontColour(label(11)), fits ? testing::NormalText() : Red);
        const QString needed = values::FormatNumber(QString::number(1.2 * std::sqrt(watts), 'g', 3).toDouble());
        QCOMPARE(label(11)->toolTip(), fits ? QString()
                                            : "Для " + values::FormatNumber(watts)
                                                  + QStringLiteral(" Ват нужно сечение сердечника L·Т не меньше ")
                                                  + needed + QStringLiteral(" см²"));
    };
    checkCore(most.isEmpty(), p);
    if (most.isEmpty())
        return;
    // A load the core carries brings the caption back.
    Retype(edit("TrI2"), "0.9");
    checkCore(true, 10.8);
}

void MainsTransformerTest::primaryVoltageChangesPrimaryWindingOnly()
{
    enterSmallTransformer();
    const QStringList before = shownAnswers();
    Retype(edit("TrU1"), "110");
    const QStringList after = shownAnswers();
    QCOMPARE(after.at(0), QStringLiteral("1375"));
    QCOMPARE(after.at(2), values::FormatNumber(std::sqrt(12.0 / 110 / 2.5)) + QStringLiteral(" мм"));
    for (int i : {1, 3, 4})
        QCOMPARE(after.at(i), before.at(i));
}

void MainsTransformerTest::nonPositiveInputKeepsAnswers_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("red");  // answers with no value: they keep their text
    QTest::newRow("no core L") << QChar('.') << "TrL" << "0" << QList<int>();
    QTest::newRow("negative core T") << QChar('.') << "TrT" << "-2" << QList<int>();
    QTest::newRow("negative primary voltage") << QChar('.') << "TrU1" << "-220" << QList<int>();
    QTest::newRow("no secondary voltage") << QChar('.') << "TrU2" << "0" << QList<int>();
    QTest::newRow("negative secondary current") << QChar('.') << "TrI2" << "-1" << QList<int>();
    // 50 / S turns per volt: more primary turns than a double holds.
    QTest::newRow("primary turns beyond a double") << QChar('.') << "TrL" << "1.5e-305" << QList<int>{6};
    QTest::newRow("primary turns beyond a double, comma") << QChar(',') << "TrL" << "1.5e-305" << QList<int>{6};
    QTest::newRow("power beyond a double") << QChar('.') << "TrI2" << "1e308" << QList<int>{10, 11};
}

void MainsTransformerTest::nonPositiveInputKeepsAnswers()
{
    QFETCH(QChar, separator);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QList<int>, red);
    const testing::DecimalSeparatorScope scope(separator);
    enterSmallTransformer();
    const QStringList before = shownAnswers();
    const QString core = label(11)->text();
    auto* changed = fixture_->find<QLineEdit>(field);
    const QString typedBefore = changed->text();
    const testing::CapturedErrors errors;
    changed->setText(text);  // pasted
    QCOMPARE(errors.count(), 0);
    if (red.isEmpty())
        QCOMPARE(shownAnswers(), before);
    for (int number = 6; number <= 11; ++number) {
        const bool unsolved = red.contains(number);
        QCOMPARE(testing::FontColour(label(number)) == Red, unsolved || number == 11);
        if (unsolved) {
            QCOMPARE(label(number)->text(), number == 11 ? core : before.at(number - 6));
            QCOMPARE(label(number)->toolTip(), QStringLiteral("Нет решения: результат слишком велик"));
        }
    }

    // The earlier input gives every answer again.
    changed->setText(typedBefore);
    QCOMPARE(shownAnswers(), before);
    for (int number = 6; number <= 10; ++number) {
        QVERIFY(testing::FontColour(label(number)) != Red);
        QCOMPARE(label(number)->toolTip(), QString());
    }
    QVERIFY(label(11)->toolTip().startsWith(QStringLiteral("Для 12 Ват")));
    QCOMPARE(errors.count(), 0);
}


QTEST_MAIN(MainsTransformerTest)
#include "test_mains_transformer.moc"
