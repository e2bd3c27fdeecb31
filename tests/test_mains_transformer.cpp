#include "app/main_window.h"
#include "support/test_support.h"
#include "values/number_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <memory>

using testing::Find;
using testing::Retype;

class MainsTransformerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void answers();
    void primaryVoltageChangesPrimaryTurnsOnly();
    void nonPositiveInputKeepsAnswers_data();
    void nonPositiveInputKeepsAnswers();
    void clearRestoresDefaults();
    void badNumberIsReported();
    void commaSeparator();

private:
    QLineEdit* edit(const char* name) const { return Find<QLineEdit>(window.get(), QString::fromLatin1(name)); }
    QString answer(int row) const
    {
        return Find<QLabel>(window.get(), QStringLiteral("TrLabel%1").arg(row + 5))->text();
    }
    QStringList shownAnswers() const { return {answer(1), answer(2), answer(3), answer(4), answer(5)}; }
    void enterSmallTransformer();

    std::unique_ptr<app::MainWindow> window;
};

void MainsTransformerTest::initTestCase()
{
    window = std::make_unique<app::MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    testing::OpenPage(*window, QStringLiteral("N27"));
}

void MainsTransformerTest::init()
{
    Find<QPushButton>(window.get(), QStringLiteral("TrButton"))->click();
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
    auto* field = Find<QLineEdit>(window.get(), name);
    QCOMPARE(field->text(), text);
    QString shownCaption;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == field)
            shownCaption = label->text();
    }
    QCOMPARE(shownCaption, caption);

    QCOMPARE(Find<QGroupBox>(window.get(), QStringLiteral("TrGB1"))->title(), QStringLiteral("Ответ"));
    const QStringList rows{u8"Число витков первичной обмотки", u8"Число витков вторичной обмотки",
                           u8"Диаметр провода первичной обмотки", u8"Диаметр провода вторичной обмотки",
                           u8"Мощность транссформатора"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(Find<QLabel>(window.get(), QStringLiteral("TrLabel%1").arg(i + 1))->text(), rows.at(i));
        QCOMPARE(answer(i + 1), QStringLiteral("??"));
    }
    QCOMPARE(Find<QLabel>(window.get(), QStringLiteral("TrLabel11"))->text(),
             QStringLiteral("Трансформатор вадержит такую нагружку"));
    QCOMPARE(Find<QLabel>(window.get(), QStringLiteral("TrImage1"))->property("picture").toString(),
             QStringLiteral("TrImage1"));
}

void MainsTransformerTest::answers()
{
    enterSmallTransformer();
    // S = 4 cm², 12.5 turns per volt, P = 12 W, I1 = 12 / 220 A.
    QCOMPARE(answer(1), QStringLiteral("2750"));
    QCOMPARE(answer(2), QStringLiteral("150"));
    QCOMPARE(answer(3), values::FormatNumber(std::sqrt(12.0 / 220 / 2.5)) + QStringLiteral(" мм"));
    QVERIFY(answer(3).startsWith(QStringLiteral("0.1477")));
    QCOMPARE(answer(4), values::FormatNumber(std::sqrt(0.4)) + QStringLiteral(" мм"));
    QVERIFY(answer(4).startsWith(QStringLiteral("0.6324")));
    QCOMPARE(answer(5), QStringLiteral("12 Ват"));
}

void MainsTransformerTest::primaryVoltageChangesPrimaryTurnsOnly()
{
    enterSmallTransformer();
    const QStringList before = shownAnswers();
    Retype(edit("TrU1"), "110");
    const QStringList after = shownAnswers();
    QCOMPARE(after.at(0), QStringLiteral("1375"));
    for (int i = 1; i < 5; ++i)
        QCOMPARE(after.at(i), before.at(i));
}

void MainsTransformerTest::nonPositiveInputKeepsAnswers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("no core L") << "TrL" << "0";
    QTest::newRow("negative core T") << "TrT" << "-2";
    QTest::newRow("negative primary voltage") << "TrU1" << "-220";
    QTest::newRow("no secondary voltage") << "TrU2" << "0";
    QTest::newRow("negative secondary current") << "TrI2" << "-1";
}

void MainsTransformerTest::nonPositiveInputKeepsAnswers()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    enterSmallTransformer();
    const QStringList before = shownAnswers();
    const testing::CapturedErrors errors;
    Find<QLineEdit>(window.get(), field)->setText(text);
    QCOMPARE(shownAnswers(), before);
    QCOMPARE(errors.count(), 0);
}

void MainsTransformerTest::clearRestoresDefaults()
{
    enterSmallTransformer();
    Retype(edit("TrU1"), "127");
    Find<QPushButton>(window.get(), QStringLiteral("TrButton"))->click();
    QCOMPARE(edit("TrU1")->text(), QStringLiteral("220"));
    for (const char* name : {"TrL", "TrT", "TrU2", "TrI2"})
        QCOMPARE(edit(name)->text(), QStringLiteral("0"));
    QCOMPARE(shownAnswers(), QStringList(5, QStringLiteral("??")));
}

void MainsTransformerTest::badNumberIsReported()
{
    enterSmallTransformer();
    const QStringList before = shownAnswers();
    const testing::CapturedErrors errors;
    edit("TrI2")->setText(QStringLiteral("1-2"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(shownAnswers(), before);

    // Clearing over the bad text raises nothing.
    Find<QPushButton>(window.get(), QStringLiteral("TrButton"))->click();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(edit("TrI2")->text(), QStringLiteral("0"));
}

void MainsTransformerTest::commaSeparator()
{
    const testing::DecimalSeparatorScope comma(',');
    Retype(edit("TrL"), "2.5");
    QCOMPARE(edit("TrL")->text(), QStringLiteral("2,5"));
    Retype(edit("TrT"), "2");
    Retype(edit("TrU2"), "12");
    Retype(edit("TrI2"), "1,5");
    QCOMPARE(answer(1), QStringLiteral("2200"));
    QCOMPARE(answer(4), values::FormatNumber(std::sqrt(0.6)) + QStringLiteral(" мм"));
    QVERIFY(answer(4).startsWith(QStringLiteral("0,77")));
    QCOMPARE(answer(5), QStringLiteral("18 Ват"));
}

QTEST_MAIN(MainsTransformerTest)
#include "test_mains_transformer.moc"
