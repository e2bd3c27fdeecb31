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

class AmmeterShuntTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void meterShuntAndCircuit();
    void meterChangeResolvesShuntAndCircuit_data();
    void meterChangeResolvesShuntAndCircuit();
    void meterSolvesEachField_data();
    void meterSolvesEachField();
    void measuredCurrentFromShunt();
    void currentNotAboveMeterShowsNoShunt();
    void loadVoltageFromSource_data();
    void loadVoltageFromSource();
    void circuitWaitsForMeter();

private:
    QLineEdit* edit(const QString& name) const { return Find<QLineEdit>(page_, name); }
    QComboBox* combo(const QString& name) const { return Find<QComboBox>(page_, name); }
    QString label(const QString& name) const { return Find<QLabel>(page_, name)->text(); }
    double labelValue(const QString& name) const { return values::ParseNumber(label(name)); }
    void completeMeter();  // Ra = 100 Ом, Ia = 1 мА, Ua solved

    std::unique_ptr<testing::PageFixture> fixture_;
    QWidget* page_ = nullptr;
};

void AmmeterShuntTest::initTestCase()
{
    fixture_ = std::make_unique<testing::PageFixture>("N39");
    page_ = fixture_->sheet("TS24");
}

void AmmeterShuntTest::init()
{
    fixture_->errors().clear();
    Find<QPushButton>(page_, "RshButton1")->click();
}

void AmmeterShuntTest::cleanup()
{
    QCOMPARE(fixture_->errors().messages(), QStringList());
}

void AmmeterShuntTest::completeMeter()
{
    testing::Retype(edit("RshRa"), "100");
    testing::Choose(combo("RshIaCB"), "мА");
    testing::Retype(edit("RshIa"), "1");
}

void AmmeterShuntTest::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("defaultItem");
    QTest::addColumn<QString>("group");

    const QStringList ohms{"Ом", "кОм", "мОм", "гОм"};
    const QStringList amperes{"мкА", "мА", "А"};
    const QStringList volts{"мВ", "В", "кВ"};
    QTest::newRow("Ra") << "RshRa" << "Сопротивление Ra" << "RshRaCB" << ohms << 0 << "RshGB1";
    QTest::newRow("Ia") << "RshIa" << "Максимальный ток Ia" << "RshIaCB" << amperes << 2 << "RshGB1";
    QTest::newRow("Ua") << "RshUa" << "Напряжение Ua" << "RshUaCB" << volts << 1 << "RshGB1";
    QTest::newRow("I") << "RshI" << "Измеряемый ток I" << "RshICB" << amperes << 2 << "RshGB2";
    QTest::newRow("Rш") << "RshR" << "Сопротивление Rш" << "RshRCB" << ohms << 0 << "RshGB2";
    QTest::newRow("E") << "RshE" << "Входное напряжение E" << "RshECB" << volts << 1 << "RshGB3";
    QTest::newRow("U") << "RshU" << "Напряжение нагрузки U" << "RshUCB" << volts << 1 << "RshGB3";
}

void AmmeterShuntTest::controlsAsDesigned()
{
    QFETCH(QString, editName);
    QFETCH(QString, caption);
    QFETCH(QString, comboName);
    QFETCH(QStringList, items);
    QFETCH(int, defaultItem);
    QFETCH(QString, group);

    QCOMPARE(edit(editName)->text(), QString("0"));
    QCOMPARE(controls::EditCaption(edit(editName))->text(), caption);
    QCOMPARE(edit(editName)->parentWidget()->objectName(), group);
    QStringList shownItems;
    for (int i = 0; i < combo(comboName)->count(); ++i)
        shownItems << combo(comboName)->itemText(i);
    QCOMPARE(shownItems, items);
    QCOMPARE(combo(comboName)->currentIndex(), defaultItem);

    QCOMPARE(Find<QGroupBox>(page_, "RshGB1")->title(), QString("Характеристики измерительной головки"));
    QCOMPARE(Find<QGroupBox>(page_, "RshGB2")->title(), QString("Расчёт"));
    QCOMPARE(Find<QGroupBox>(page_, "RshGB3")->title(), QString("Дополнительно"));
    QCOMPARE(label("RshLabel1"), QString("Мощность рассеивания Rш (Ват)"));
    QCOMPARE(label("RshLabel2"), QString("Потребляемая мощность Rн (Ват)"));
    QCOMPARE(label("RshLabel6"), QString("??"));
    QCOMPARE(label("RshLabel7"), QString("??"));
    for (const char* image : {"RshImage1", "RshImage2"})
        QCOMPARE(Find<QLabel>(page_, image)->property("picture").toString(), QString(image));
}

void AmmeterShuntTest::meterShuntAndCircuit()
{
    completeMeter();
    QCOMPARE(edit("RshUa")->text(), QString("0.1"));
    QCOMPARE(testing::Background(edit("RshUa")), values::ResultColour);
    QVERIFY(!edit("RshUa")->isReadOnly());
    QCOMPARE(combo("RshIaCB")->toolTip(), QString("Милиампер"));

    testing::Retype(edit("RshI"), "1");
    const double shunt = 100 * 0.001 / 0.999;
    QVERIFY2(testing::SameDigits(testing::Shown(edit("RshR")), shunt), qPrintable(edit("RshR")->text()));
    QCOMPARE(testing::Background(edit("RshR")), values::ResultColour);
    QVERIFY(!edit("RshR")->isReadOnly());
    QVERIFY(testing::SameDigits(labelValue("RshLabel6"), 0.999 * 0.999 * shunt));
    QCOMPARE(label("RshLabel7"), QString("0"));

    testing::Retype(edit("RshU"), "5");
    QCOMPARE(edit("RshE")->text(), QString("5.1"));
    QCOMPARE(testing::Background(edit("RshE")), values::ResultColour);
    QVERIFY(!edit("RshE")->isReadOnly());
    QCOMPARE(label("RshLabel7"), QString("5"));
}

void AmmeterShuntTest::meterChangeResolvesShuntAndCircuit_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<double>("ra");
    QTest::addColumn<double>("ia");

    QTest::newRow("Ra from 100 to 1000") << "Ra" << 1000.0 << 0.001;
    QTest::newRow("Ia unit from мА to мкА") << "Ia unit" << 100.0 << 1e-6;
    QTest::newRow("Ia unit from мА to А") << "Ia unit to A" << 100.0 << 1.0;
}

void AmmeterShuntTest::meterChangeResolvesShuntAndCircuit()
{
    QFETCH(QString, change);
    QFETCH(double, ra);
    QFETCH(double, ia);

    completeMeter();
    testing::Retype(edit("RshI"), "2");
    testing::Retype(edit("RshU"), "5");

    if (change == "Ra") {
        edit("RshRa")->end(false);
        testing::Type(edit("RshRa"), "0");
    } else {
        testing::Choose(combo("RshIaCB"), change == "Ia unit" ? "мкА" : "А");
    }
    const double ua = ia * ra;
    QVERIFY2(testing::SameDigits(testing::Shown(edit("RshUa")), ua), qPrintable(edit("RshUa")->text()));
    QCOMPARE(edit("RshE")->text(), values::FormatNumber(5 + ua));
    QCOMPARE(label("RshLabel7"), QString("10"));
    if (ia < 2) {
        const double shunt = ra * ia / (2 - ia);
        QVERIFY2(testing::SameDigits(testing::Shown(edit("RshR")), shunt), qPrintable(edit("RshR")->text()));
        QVERIFY(testing::SameDigits(labelValue("RshLabel6"), (2 - ia) * (2 - ia) * shunt));
    }
}

void AmmeterShuntTest::meterSolvesEachField_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("resolved");  // the first field, once the solved one is typed over with 4.7
    QTest::addColumn<QString>("reason");   // why the solved field has no value, or empty

    QTest::newRow("Ra from Ia and Ua") << QChar('.') << "RshIa" << "2" << "RshUa" << "300" << "RshRa" << 150.0
                                       << 3000 / 4.7 << "";
    QTest::newRow("Ia from Ra and Ua") << QChar('.') << "RshRa" << "150" << "RshUa" << "300" << "RshIa" << 2.0
                                       << 3000 / 4.7 << "";
    QTest::newRow("Ua from Ra and Ia") << QChar('.') << "RshRa" << "150" << "RshIa" << "2" << "RshUa" << 300.0
                                       << 4.7 / 20 << "";
    // 2 Ом at 1 мкА: Ua shows 2E-6, and later 2E-5.
    QTest::newRow("Ua of a few microvolts, comma") << QChar(',') << "RshIa" << "0,000001" << "RshRa" << "2"
                                                   << "RshUa" << 2E-6 << 4.7 / 20 << "";
    QTest::newRow("Ra beyond every double") << QChar('.') << "RshIa" << "1e-300" << "RshUa" << "1e300" << "RshRa"
                                            << 0.0 << 0.0 << "Нет решения: результат слишком велик";
}

void AmmeterShuntTest::meterSolvesEachField()
{
    QFETCH(QChar, separator);
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QString, solved);
    QFETCH(double, expected);
    QFETCH(double, resolved);
    QFETCH(QString, reason);
    const testing::DecimalSeparatorScope scope(separator);

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
        return;
    }
    QCOMPARE(testing::Background(edit(solved)), values::ResultColour);
    QCOMPARE(testing::Background(edit(first)), values::WindowColour());

    // The solved field stays the solved one while the inputs change: ten times the second input.
    edit(second)->end(false);
    testing::Type(edit(second), "0");
    QVERIFY2(testing::SameDigits(testing::Shown(edit(solved)), expected * 10), qPrintable(edit(solved)->text()));

    // Typed over, the solved field is an input that keeps every key; the
    // emptied first field is then the one to solve.
    edit(first)->selectAll();
    QTest::keyClick(edit(first), Qt::Key_Backspace);
    QCOMPARE(edit(first)->text(), QString("0"));
    QCOMPARE(testing::Background(edit(first)), values::WindowColour());
    const QString typed = QString("4") + separator + "7";
    testing::Overtype(edit(solved), typed);
    QCOMPARE(edit(solved)->text(), typed);
    QCOMPARE(testing::Background(edit(solved)), values::WindowColour());
    QVERIFY2(testing::SameDigits(testing::Shown(edit(first)), resolved), qPrintable(edit(first)->text()));
    QCOMPARE(testing::Background(edit(first)), values::ResultColour);
    testing::Type(edit(solved), "1");
    QCOMPARE(edit(solved)->text(), typed + "1");
}

void AmmeterShuntTest::measuredCurrentFromShunt()
{
    completeMeter();
    testing::Retype(edit("RshR"), "0.5");
    const double current = 0.001 * (100 + 0.5) / 0.5;
    QVERIFY2(testing::SameDigits(testing::Shown(edit("RshI")), current), qPrintable(edit("RshI")->text()));
    QCOMPARE(testing::Background(edit("RshI")), values::ResultColour);
    QVERIFY(testing::SameDigits(labelValue("RshLabel6"), (current - 0.001) * (current - 0.001) * 0.5));

    testing::Retype(edit("RshE"), "12");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RshU")), 12 - 0.1));
    QVERIFY(testing::SameDigits(labelValue("RshLabel7"), (12 - 0.1) * current));
}

void AmmeterShuntTest::currentNotAboveMeterShowsNoShunt()
{
    completeMeter();
    testing::Choose(combo("RshICB"), "мА");
    testing::Retype(edit("RshI"), "0.5");
    QCOMPARE(edit("RshR")->text(), QString("0"));
    QCOMPARE(testing::Background(edit("RshR")), values::ResultColour);
    QCOMPARE(label("RshLabel6"), QString("0"));

    // Above the meter's current again (10.5 мА): the shunt is solved once more.
    edit("RshI")->home(false);
    testing::Type(edit("RshI"), "1");
    QVERIFY(testing::SameDigits(testing::Shown(edit("RshR")), 100 * 0.001 / (0.0105 - 0.001)));
}

void AmmeterShuntTest::loadVoltageFromSource_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("load");
    QTest::addColumn<bool>("loadWritten");
    QTest::addColumn<QString>("power");

    QTest::newRow("source above the meter's drop") << "10" << "9.9" << true << "19.8";
    QTest::newRow("source below the meter's drop") << "0.05" << "0" << false << "0";
}

void AmmeterShuntTest::loadVoltageFromSource()
{
    QFETCH(QString, source);
    QFETCH(QString, load);
    QFETCH(bool, loadWritten);
    QFETCH(QString, power);

    completeMeter();
    testing::Retype(edit("RshI"), "2");
    testing::Retype(edit("RshE"), source);
    QCOMPARE(edit("RshU")->text(), load);
    QCOMPARE(testing::Background(edit("RshU")), loadWritten ? values::ResultColour : values::WindowColour());
    QCOMPARE(label("RshLabel7"), power);
}

void AmmeterShuntTest::circuitWaitsForMeter()
{
    testing::Retype(edit("RshU"), "5");
    QCOMPARE(edit("RshE")->text(), QString("0"));
    QCOMPARE(label("RshLabel7"), QString("??"));
    testing::Retype(edit("RshI"), "1");
    QCOMPARE(edit("RshR")->text(), QString("0"));
    QCOMPARE(testing::Background(edit("RshR")), values::WindowColour());
    QCOMPARE(label("RshLabel6"), QString("0"));
}

QTEST_MAIN(AmmeterShuntTest)
#include "test_ammeter_shunt.moc"
