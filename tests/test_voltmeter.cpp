#include "app/main_window.h"
#include "controls/labelled_edit.h"
#include "support/page_fixture.h"
#include "support/unit_fields.h"
#include "support/test_support.h"
#include "values/field.h"
#include "values/number_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

using testing::Find;

class VoltmeterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void meterSolvesEachField_data();
    void meterSolvesEachField();
    void seriesResistorFromRange();
    void rangeFromSeriesResistor();
    void rangeNotAboveMeterVoltage();
    void solvedResistorResetWhenRangeFalls();

private:
    QLineEdit* edit(const QString& name) const { return Find<QLineEdit>(page_, name); }
    QComboBox* combo(const QString& name) const { return Find<QComboBox>(page_, name); }
    QString label(const QString& name) const { return Find<QLabel>(page_, name)->text(); }
    void completeMeter();  // Ru = 1000 Ом, Iu = 100 мкА, Uu solved as 0.1 В

    std::unique_ptr<testing::PageFixture> fixture_;
    QWidget* page_ = nullptr;
};

void VoltmeterTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>("N40");
    page_ = fixture_->sheet("TS25");
}

void VoltmeterTest::init()
{
    fixture_->errors().clear();
    Find<QPushButton>(page_, "RoButton1")->click();
}

void VoltmeterTest::cleanup()
{
    QCOMPARE(fixture_->errors().messages(), QStringList());
}

void VoltmeterTest::completeMeter()
{
    testing::Retype(edit("RoRu"), "1000");
    testing::Choose(combo("RoIuCB"), "мкА");
    testing::Retype(edit("RoIu"), "100");
}

void VoltmeterTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("defaultItem");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("group");

    const QStringList ohms{"Ом", "кОм", "мОм", "гОм"};
    const QStringList volts{"мВ", "В", "кВ"};
    QTest::newRow("Ru") << "RoRu" << "Сопротивление" << "RoRuCB" << ohms << 0 << "Ом" << "RoGB1";
    QTest::newRow("Iu") << "RoIu" << "Максимальный ток" << "RoIuCB" << QStringList{"мкА", "мА", "А"} << 2 << "Ампер"
                        << "RoGB1";
    QTest::newRow("Uu") << "RoUu" << "Напряжение" << "RoUuCB" << volts << 1 << "Вольт" << "RoGB1";
    QTest::newRow("Ro") << "RoR" << "Сопротивление Ro" << "RoRCB" << ohms << 0 << "Ом" << "RoGB2";
    QTest::newRow("E") << "RoE" << "Измеряемое напряжение E" << "RoECB" << volts << 1 << "Вольт" << "RoGB2";
}

void VoltmeterTest::controlsAsDesigned()
{
    QFETCH(QString, editName);
    QFETCH(QString, caption);
    QFETCH(QString, comboName);
    QFETCH(QStringList, items);
    QFETCH(int, defaultItem);
    QFETCH(QString, hint);
    QFETCH(QString, group);

    QCOMPARE(edit(editName)->text(), QString("0"));
    QCOMPARE(controls::EditCaption(edit(editName))->text(), caption);
    QCOMPARE(edit(editName)->parentWidget()->objectName(), group);
    QStringList shownItems;
    for (int i = 0; i < combo(comboName)->count(); ++i)
        shownItems << combo(comboName)->itemText(i);
    QCOMPARE(shownItems, items);
    QCOMPARE(combo(comboName)->currentIndex(), defaultItem);
    QCOMPARE(combo(comboName)->toolTip(), hint);

    QCOMPARE(Find<QGroupBox>(page_, "RoGB1")->title(), QString("Характеристики измерительной головки "));
    QCOMPARE(Find<QGroupBox>(page_, "RoGB2")->title(), QString("Расчёт"));
    QCOMPARE(Find<QGroupBox>(page_, "RoGB3")->title(), QString("Дополнительно"));
    QCOMPARE(label("RoLabel1"), QString("Мощность рассеивания Ro (Ват)"));
    QCOMPARE(label("RoLabel3"), QString("Напряжение на Ro (Вольт)"));
    QCOMPARE(label("RoLabel2"), QString("??"));
    QCOMPARE(label("RoLabel4"), QString("??"));
    for (const char* image : {"RoImage1", "RoImage2"})
        QCOMPARE(Find<QLabel>(page_, image)->property("picture").toString(), QString(image));
}

void VoltmeterTest::meterSolvesEachField_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("reason");  // why the solved field has no value, or empty

    QTest::newRow("Ru from Iu and Uu") << "RoIu" << "2" << "RoUu" << "300" << "RoRu" << 150.0 << "";
    QTest::newRow("Iu from Ru and Uu") << "RoRu" << "150" << "RoUu" << "300" << "RoIu" << 2.0 << "";
    QTest::newRow("Uu from Ru and Iu") << "RoRu" << "150" << "RoIu" << "2" << "RoUu" << 300.0 << "";
    QTest::newRow("Ru beyond every double") << "RoIu" << "1e-300" << "RoUu" << "1e300" << "RoRu" << 0.0
                                            << "Нет решения: результат слишком велик";
}

void VoltmeterTest::meterSolvesEachField()
{
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, solved);
    QFETCH(double, expected);
    QFETCH(QString, reason);

    for (const auto& [name, text] : {std::pair{first, firstText}, std::pair{second, secondText}}) {
        if (text.contains('e'))
            testing::Paste(edit(name), text);
        else
            testing::Retype(edit(name), text);
    }
    QVERIFY2(testing::SameDigits(testing::Shown(edit(solved)), expected), qPrintable(edit(solved)->text()));
    QCOMPARE(testing::Reason(edit(solved)), reason);
    if (!reason.isEmpty()) {
        QCOMPARE(testing::Background(edit(solved)), values::InvalidColour);
        QVERIFY(!edit(solved)->isReadOnly());
        return;
    }
    QCOMPARE(testing::Background(edit(solved)), values::ResultColour);
    QVERIFY(edit(solved)->isReadOnly());

    // Ten times the second input: the solved field follows.
    edit(second)->end(false);
    testing::Type(edit(second), "0");
    QVERIFY2(testing::SameDigits(testing::Shown(edit(solved)), expected * 10), qPrintable(edit(solved)->text()));
    QCOMPARE(label("RoLabel2"), QString("??"));
}

void VoltmeterTest::seriesResistorFromRange()
{
    completeMeter();
    QCOMPARE(edit("RoUu")->text(), QString("0.1"));
    QCOMPARE(testing::Background(edit("RoUu")), values::ResultColour);

    testing::Retype(edit("RoE"), "10");
    QCOMPARE(edit("RoR")->text(), QString("99000"));
    QCOMPARE(testing::Background(edit("RoR")), values::ResultColour);
    QVERIFY(edit("RoR")->isReadOnly());
    QCOMPARE(label("RoLabel2"), QString("0.00099"));
    QCOMPARE(label("RoLabel4"), QString("9.9"));

    // Shown in the unit its own combo shows.
    testing::Choose(combo("RoRCB"), "кОм");
    QCOMPARE(edit("RoR")->text(), QString("99"));
    QCOMPARE(combo("RoRCB")->toolTip(), QString("Келом"));
}

void VoltmeterTest::rangeFromSeriesResistor()
{
    completeMeter();
    testing::Retype(edit("RoR"), "99000");
    QCOMPARE(edit("RoE")->text(), QString("10"));
    QCOMPARE(testing::Background(edit("RoE")), values::ResultColour);
    QCOMPARE(testing::Background(edit("RoR")), values::WindowColour());
    QCOMPARE(label("RoLabel2"), QString("0.00099"));
    QCOMPARE(label("RoLabel4"), QString("9.9"));
}

void VoltmeterTest::rangeNotAboveMeterVoltage()
{
    completeMeter();
    testing::Retype(edit("RoE"), "0.05");
    QCOMPARE(edit("RoR")->text(), QString("0"));
    QCOMPARE(testing::Background(edit("RoR")), values::WindowColour());
    QCOMPARE(label("RoLabel2"), QString("0"));
    QCOMPARE(label("RoLabel4"), QString("0"));
}

void VoltmeterTest::solvedResistorResetWhenRangeFalls()
{
    completeMeter();
    testing::Retype(edit("RoE"), "10");
    QCOMPARE(edit("RoR")->text(), QString("99000"));

    testing::Choose(combo("RoECB"), "мВ");  // 10 мВ, below the meter's 0.1 В
    QCOMPARE(edit("RoR")->text(), QString("0"));
    QCOMPARE(testing::Background(edit("RoR")), values::WindowColour());
    QVERIFY(!edit("RoR")->isReadOnly());
    QCOMPARE(label("RoLabel2"), QString("0"));

    testing::Choose(combo("RoECB"), "кВ");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RoR")), (10000 - 0.1) / 0.0001));
    QCOMPARE(testing::Background(edit("RoR")), values::ResultColour);
    QVERIFY(testing::SameDigits(values::ParseNumber(label("RoLabel4")), 10000 - 0.1));
}

QTEST_MAIN(VoltmeterTest)
#include "test_voltmeter.moc"
