#include "values/checked_math.h"
#include "values/errors.h"
#include "values/number_text.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using values::FormatNumber;
using values::ParseNumber;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void readsBack_data();
    void readsBack();
    void parses_data();
    void parses();
    void refuses_data();
    void refuses();
    void engineeringReading_data();
    void engineeringReading();
    void checkedArithmetic_data();
    void checkedArithmetic();
};

void NumberTextTest::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("point");
    QTest::newRow("one third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds rounds up") << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("1E-5 scientific") << 1E-5 << "1E-5";
    QTest::newRow("0.0001 fixed") << 0.0001 << "0.0001";
    QTest::newRow("0.00005 scientific") << 0.00005 << "5E-5";
    QTest::newRow("1E15 scientific") << 1E15 << "1E15";
    QTest::newRow("15 digits fixed") << 123456789012345.0 << "123456789012345";
    QTest::newRow("16 digits rounded to scientific") << 1234567890123456.0 << "1.23456789012346E15";
    QTest::newRow("1E16") << 1E16 << "1E16";
    QTest::newRow("1E10 fixed") << 1E10 << "10000000000";
    QTest::newRow("2.5E20") << 2.5E20 << "2.5E20";
    QTest::newRow("negative") << -5.25 << "-5.25";
    QTest::newRow("negative scientific") << -1.5E-7 << "-1.5E-7";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("rounding carries into a new digit") << 9.9999999999999999 << "10";
    QTest::newRow("rounding at 15 digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("resonance") << 5.0329212104487 << "5.0329212104487";
    QTest::newRow("largest double") << DBL_MAX << "1.79769313486232E308";
    QTest::newRow("smallest normal") << DBL_MIN << "2.2250738585072E-308";
    QTest::newRow("integer with trailing zeros") << 1000000.0 << "1000000";
    QTest::newRow("just below fixed range") << 0.000099999 << "9.9999E-5";
}

void NumberTextTest::formats()
{
    QFETCH(double, value);
    QFETCH(QString, point);
    QCOMPARE(FormatNumber(value, u'.'), point);
    QString comma = point;
    comma.replace(u'.', u',');
    QCOMPARE(FormatNumber(value, u','), comma);
}

void NumberTextTest::readsBack_data()
{
    QTest::addColumn<double>("value");
    for (const double v : {1.0 / 3, 1E-5, 6.02214076E23, -2.718281828459045, 1E-300, 123456.789, 7E15, DBL_MAX,
                           -1.7976931348623155E308})
        QTest::newRow(qPrintable(QString::number(v, 'g', 17))) << v;
}

void NumberTextTest::readsBack()
{
    QFETCH(double, value);
    for (const QChar D : {QChar(u'.'), QChar(u',')}) {
        const double back = ParseNumber(FormatNumber(value, D), D);
        QCOMPARE(FormatNumber(back, D), FormatNumber(value, D));
        QVERIFY(std::fabs(back - value) <= std::fabs(value) * 1E-14);
    }
}

void NumberTextTest::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "42" << 42.0;
    QTest::newRow("decimal") << "4D7" << 4.7;
    QTest::newRow("blanks around") << "  -3D5 " << -3.5;
    QTest::newRow("plus sign") << "+2" << 2.0;
    QTest::newRow("exponent") << "1e5" << 1E5;
    QTest::newRow("capital exponent with sign") << "2D5E-3" << 2.5E-3;
    QTest::newRow("trailing separator") << "5D" << 5.0;
    QTest::newRow("leading separator") << "D25" << 0.25;
    QTest::newRow("underflow is zero") << "1e-999" << 0.0;
    QTest::newRow("many leading zeros") << "000012" << 12.0;
    QTest::newRow("largest double as shown") << "1D79769313486232E308" << DBL_MAX;
    QTest::newRow("negative largest double as shown") << "-1D79769313486232E308" << -DBL_MAX;
}

void NumberTextTest::parses()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    for (const QChar D : {QChar(u'.'), QChar(u',')}) {
        QString local = text;
        local.replace(u'D', D);
        QCOMPARE(ParseNumber(local, D), value);
    }
}

void NumberTextTest::refuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("sign inside") << "1-2" << QChar(u'.');
    QTest::newRow("two signs") << "+-5" << QChar(u'.');
    QTest::newRow("two exponents") << "1e5e3" << QChar(u'.');
    QTest::newRow("empty") << "" << QChar(u'.');
    QTest::newRow("separator alone") << "." << QChar(u'.');
    QTest::newRow("exponent without digits") << "1e" << QChar(u'.');
    QTest::newRow("other separator") << "1.5" << QChar(u',');
    QTest::newRow("two separators") << "1,2,3" << QChar(u',');
    QTest::newRow("overflow") << "1e999" << QChar(u'.');
    QTest::newRow("overflow, digit right after the point") << "0.9e400" << QChar(u'.');
    QTest::newRow("overflow, bare fraction") << ",5E999" << QChar(u',');
    QTest::newRow("just above the largest shown") << "1.79769313486233E308" << QChar(u'.');
    QTest::newRow("letters") << "abc" << QChar(u'.');
    QTest::newRow("arabic digits") << "\u0661" << QChar(u'.');
}

void NumberTextTest::refuses()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    try {
        ParseNumber(text, separator);
        QFAIL("accepted");
    } catch (const values::ConversionError& error) {
        QCOMPARE(error.message(), QStringLiteral("«%1» — не число").arg(text));
    }
}

void NumberTextTest::engineeringReading_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("point");
    QTest::newRow("period of 100 pF and 10 uH") << 1.98691765315922E-7 << "с" << -12 << 0 << "198.7 нс";
    QTest::newRow("resonance") << 5032921.21044872 << "Гц" << -12 << 9 << "5.033 МГц";
    QTest::newRow("rounding carries to the next prefix") << 999.96 << "Ом" << -12 << 9 << "1 кОм";
    QTest::newRow("trailing zeros dropped") << 4.7E-9 << "Ф" << -12 << 9 << "4.7 нФ";
    QTest::newRow("micro") << 2.5E-5 << "Гн" << -12 << 9 << "25 мкГн";
    QTest::newRow("no prefix") << 12.3456 << "В" << -12 << 9 << "12.35 В";
    QTest::newRow("negative") << -0.0123456 << "А" << -12 << 9 << "-12.35 мА";
    QTest::newRow("zero") << 0.0 << "Вт" << -12 << 9 << "0 Вт";
    QTest::newRow("beyond giga keeps giga") << 2.5E12 << "Гц" << -12 << 9 << "2500 ГГц";
    QTest::newRow("below pico keeps pico") << 1.5E-15 << "Ф" << -12 << 9 << "0.0015 пФ";
    QTest::newRow("seconds, never kiloseconds") << 7200.0 << "с" << -12 << 0 << "7200 с";
    QTest::newRow("lengths from millimetres up") << 2.5E-4 << "м" << -3 << 3 << "0.25 мм";
    QTest::newRow("wavelength") << 59.6075 << "м" << -3 << 3 << "59.61 м";
}

void NumberTextTest::engineeringReading()
{
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(QString, point);
    QCOMPARE(values::EngineeringText(value, unit, u'.', lowest, highest), point);
    QString comma = point;
    comma.replace(u'.', u',');
    QCOMPARE(values::EngineeringText(value, unit, u',', lowest, highest), comma);
}

void NumberTextTest::checkedArithmetic_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("fault");
    QTest::newRow("division by zero") << 0 << 1.0 << 0.0 << "Деление на ноль";
    QTest::newRow("zero by zero") << 0 << 0.0 << 0.0 << "Недопустимая операция";
    QTest::newRow("division overflow") << 0 << DBL_MAX << 1E-300 << "";
    QTest::newRow("root of negative") << 1 << -1.0 << 0.0 << "Недопустимая операция";
    QTest::newRow("logarithm of zero") << 2 << 0.0 << 0.0 << "Недопустимая операция";
    QTest::newRow("fine division") << 0 << 1.0 << 4.0 << "";
}

void NumberTextTest::checkedArithmetic()
{
    QFETCH(int, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, fault);
    using namespace values::checked;
    const bool expectFault = !fault.isEmpty() || QByteArray(QTest::currentDataTag()) == "division overflow";
    try {
        values::Real r = 0;
        if (operation == 0)
            r = Div(a, b);
        else if (operation == 1)
            r = Sqrt(a);
        else
            r = Ln(a);
        const double d = ToDouble(r);
        QVERIFY(!expectFault);
        QVERIFY(std::isfinite(d));
    } catch (const values::ArithmeticError& error) {
        QVERIFY2(expectFault, qPrintable(error.message()));
        QVERIFY(error.message().startsWith(fault));
    }
}

QTEST_MAIN(NumberTextTest)
#include "test_number_text.moc"
