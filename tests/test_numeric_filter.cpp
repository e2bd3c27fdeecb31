#include "values/numeric_filter.h"

#include <QTest>

using values::FilterNumericText;
using values::FilteredText;

class NumericFilterTest : public QObject {
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void fixedPointIsReachedQuickly_data();
    void fixedPointIsReachedQuickly();
};

void NumericFilterTest::filters_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    for (const QChar D : {QChar(u'.'), QChar(u',')}) {
        const QString d(D);
        const QString name = D == u'.' ? QStringLiteral("point: ") : QStringLiteral("comma: ");
        auto row = [&](const char* label, const QString& text, int caret, const QString& expected, int expectedCaret) {
            QTest::newRow(qPrintable(name + QLatin1String(label))) << D << text << caret << expected << expectedCaret;
        };
        row("empty becomes 0 with caret after it", "", 0, "0", 1);
        row("plain number kept", "123", 3, "123", 3);
        row("point becomes separator", "1.5", 3, "1" + d + "5", 3);
        row("comma becomes separator", "1,5", 3, "1" + d + "5", 3);
        row("second separator dropped", "1.2.3", 5, "1" + d + "23", 4);
        row("mixed separators keep the first", "1,2.3", 5, "1" + d + "23", 4);
        row("letter dropped, caret moves back", "12a3", 3, "123", 2);
        row("blank dropped", "1 2", 3, "12", 2);
        row("leading separator gets a zero", ".5", 2, "0" + d + "5", 3);
        row("sign then separator gets a zero", "-.5", 3, "-0" + d + "5", 4);
        row("leading zeros dropped", "007", 3, "7", 1);
        row("signed leading zeros dropped", "-007", 4, "-7", 2);
        row("zero before separator kept", "0.05", 4, "0" + d + "05", 4);
        row("zero then digit typed after", "05", 2, "5", 1);
        row("digit typed before zero", "50", 1, "50", 1);
        row("trailing exponent dropped", "15e", 3, "15", 2);
        row("inner exponent kept", "1e5", 2, "1e5", 2);
        row("exponent then sign: one pass drops the sign", "1e-", 3, "1e", 2);
        row("trailing sign dropped", "5-", 2, "5", 1);
        row("lone minus becomes empty", "-", 1, "", 0);
        row("lone exponent becomes empty", "e", 1, "", 0);
        row("leading letter dropped", "a5", 2, "5", 1);
        row("leading exponent dropped", "e5", 2, "5", 1);
        row("signs elsewhere kept", "1-2", 3, "1-2", 3);
        row("double exponent kept", "1e5e3", 5, "1e5e3", 5);
        row("plus minus kept", "+-5", 3, "+-5", 3);
        row("minus zero kept", "-0", 2, "-0", 2);
        row("minus zero separator kept", "-0.5", 4, "-0" + d + "5", 4);
        row("caret never negative", "abc", 0, "", 0);
        row("cyrillic dropped", "1ж2", 2, "12", 1);
    }
}

void NumericFilterTest::filters()
{
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    const FilteredText result = FilterNumericText(text, caret, separator);
    QCOMPARE(result.text, expected);
    QCOMPARE(result.caret, expectedCaret);
}

void NumericFilterTest::fixedPointIsReachedQuickly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("exponent sign") << "1e-";
    QTest::newRow("many signs") << "-+-+e";
    QTest::newRow("junk") << "..,,ee--++";
    QTest::newRow("letters only") << "abcdef";
    QTest::newRow("zeros") << "000000.000";
}

void NumericFilterTest::fixedPointIsReachedQuickly()
{
    QFETCH(QString, text);
    FilteredText current{text, static_cast<int>(text.size())};
    int rounds = 0;
    for (;; ++rounds) {
        QVERIFY(rounds <= text.size() + 2); // each rewrite removes a character or ends
        const FilteredText next = FilterNumericText(current.text, current.caret, u',');
        QVERIFY(next.caret >= 0 && next.caret <= next.text.size());
        if (next.text == current.text)
            break;
        current = next;
    }
    QVERIFY(!current.text.isEmpty());
}

QTEST_MAIN(NumericFilterTest)
#include "test_numeric_filter.moc"
