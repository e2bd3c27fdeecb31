#include "support/page_fixture.h"
#include "values/numeric_filter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include <algorithm>
#include <random>

using values::FilterNumericText;
using values::FilteredText;

namespace {

bool IsSign(QChar ch)
{
    return ch == u'+' || ch == u'-';
}

// What a numeric edit shows after one change event, rewritten here from the
// rules the filter follows, the nested change event included.
FilteredText Expected(const QString& before, int c, QChar D)
{
    QString s = before;
    if (s.isEmpty())
        return {QStringLiteral("0"), 1};
    for (const QChar other : {QChar(u'.'), QChar(u',')})
        if (other != D)
            s.replace(other, D);
    const qsizetype firstSeparator = s.indexOf(D);
    for (qsizetype i = s.size() - 1; i >= 1; --i) {
        if (!(s[i] == D && i == firstSeparator) && !QStringLiteral("+-0123456789Ee").contains(s[i])) {
            s.remove(i, 1);
            --c;
        }
    }
    if (s[0] == D) {
        s.prepend(u'0');
        ++c;
    }
    if (s.endsWith(u'E') || s.endsWith(u'e'))
        s.chop(1);
    if (!s.isEmpty() && IsSign(s.back()))
        s.chop(1);
    if (s.size() >= 2 && IsSign(s[0]) && s[1] == D) {
        s.insert(1, u'0');
        ++c;
    }
    if (!s.isEmpty() && !QStringLiteral("+-0123456789").contains(s[0]))
        s.remove(0, 1);
    while (s.size() >= 2 && s[0] == u'0' && s[1] != D)
        s.remove(0, 1);
    while (s.size() >= 3 && IsSign(s[0]) && s[1] == u'0' && s[2] != D)
        s.remove(1, 1);
    if (s.isEmpty())
        return {QStringLiteral("0"), 1};
    // A changed text is filtered again (the edit's caret at its end) before
    // the caret is put at c, counted in what that left.
    const QString shown = s == before ? s : Expected(s, static_cast<int>(s.size()), D).text;
    return {shown, std::clamp(c, 0, static_cast<int>(shown.size()))};
}

// Keys for the edit: a character types itself, '<' is Backspace, '>' Delete,
// '#' selects all, '[' and ']' move the caret home and to the end, and
// "{text}" pastes the text.
struct Keys {
    QLineEdit* edit;
    QChar D;
    int start = 0;  // selection or caret, as the edit should have them
    int length = 0;

    // Presses one key; returns what went wrong, empty when the edit shows
    // what the rules say.
    QString press(const QString& key)
    {
        const QString before = edit->text();
        const int size = static_cast<int>(before.size());
        if (key == u"#" || key == u"[" || key == u"]") {
            place(key == u"]" ? size : 0, key == u"#" ? size : 0);
            return {};
        }
        QString changed = before;
        QString inserted;
        if (key == u"<" || key == u">") {
            const bool back = key == u"<";
            // Without a selection the character on that side of the caret goes, if any.
            if (length == 0 && (back ? start > 0 : start < size)) {
                start -= back ? 1 : 0;
                length = 1;
            }
            QTest::keyClick(edit, back ? Qt::Key_Backspace : Qt::Key_Delete);
        } else if (key.startsWith(u'{')) {
            inserted = key.mid(1, key.size() - 2);
            QGuiApplication::clipboard()->setText(inserted);
            QTest::keySequence(edit, QKeySequence::Paste);
        } else {
            inserted = key;
            testing::Type(edit, key);
        }
        changed.replace(start, length, inserted);
        const FilteredText expected = Expected(changed, start + static_cast<int>(inserted.size()), D);
        start = expected.caret;
        length = 0;
        if (edit->text() == expected.text && edit->cursorPosition() == expected.caret && !edit->hasSelectedText())
            return {};
        return QStringLiteral("\"%1\" then %2: \"%3\" caret %4, expected \"%5\" caret %6")
            .arg(before, key, edit->text())
            .arg(edit->cursorPosition())
            .arg(expected.text)
            .arg(expected.caret);
    }

    // Places the caret or a selection anywhere in the text.
    void place(int newStart, int newLength)
    {
        start = newStart;
        length = newLength;
        if (length > 0)
            edit->setSelection(start, length);
        else
            edit->setCursorPosition(start);
    }
};

} // namespace

class NumericFilterTest : public QObject {
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void fixedPointIsReachedQuickly_data();
    void fixedPointIsReachedQuickly();
    void editFollowsTheRulesKeyByKey_data();
    void editFollowsTheRulesKeyByKey();
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
        auto row = [&](const QString& label, const QString& text, int caret, const QString& expected, int expectedCaret) {
            QTest::newRow(qPrintable(name + label)) << D << text << caret << expected << expectedCaret;
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
        row("exponent then sign: one pass drops the sign, caret counts in the coming 1", "1e-", 3, "1e", 1);
        row("trailing sign dropped", "5-", 2, "5", 1);
        row("lone minus becomes empty, caret after the coming 0", "-", 1, "", 1);
        row("lone exponent becomes empty, caret after the coming 0", "e", 1, "", 1);
        for (const QChar dropped : QStringView(u"юa -+e"))
            row(QStringLiteral("selection replaced by \"%1\": caret after the coming 0").arg(dropped),
                QString(dropped), 1, "", 1);
        row("junk pasted before the separator: caret counts in the coming 0.5", "a" + d + "5", 3, d + "5", 3);
        row("leading letter dropped", "a5", 2, "5", 1);
        row("leading exponent dropped", "e5", 2, "5", 1);
        row("signs elsewhere kept", "1-2", 3, "1-2", 3);
        row("double exponent kept", "1e5e3", 5, "1e5e3", 5);
        row("plus minus kept", "+-5", 3, "+-5", 3);
        row("minus zero kept", "-0", 2, "-0", 2);
        row("minus zero separator kept", "-0.5", 4, "-0" + d + "5", 4);
        row("caret never negative", "1abc", 0, "1", 0);
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
    int furthestCaret = 0;
    int rounds = 0;
    for (;; ++rounds) {
        QVERIFY(rounds <= text.size() + 2); // each rewrite removes a character or ends
        const FilteredText next = FilterNumericText(current.text, current.caret, u',');
        QVERIFY(next.caret >= 0);
        furthestCaret = std::max(furthestCaret, next.caret);
        if (next.text == current.text)
            break;
        current = next;
    }
    QVERIFY(!current.text.isEmpty());
    QVERIFY(furthestCaret <= current.text.size()); // counted in the text the rewrites end with
}

void NumericFilterTest::editFollowsTheRulesKeyByKey_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("keys"); // none: random keys from the seed
    QTest::addColumn<int>("seed");
    QTest::addColumn<QString>("expected");
    for (const QChar D : {QChar(u'.'), QChar(u',')}) {
        const QString name = D == u'.' ? QStringLiteral("point: ") : QStringLiteral("comma: ");
        auto row = [&](const QString& label, const QString& keys, int seed, QString expected) {
            QTest::newRow(qPrintable(name + label)) << D << keys << seed << expected.replace(u'.', D);
        };
        row("-5, Backspace, 7 gives 7", "#5[-]<7", 0, "7");
        for (const QChar dropped : QStringView(u"юa -+e"))
            row(QStringLiteral("\"%1\" over a selection, then 5 gives 5").arg(dropped), QStringLiteral("#123#") + dropped + u'5', 0, "5");
        row("pasted a.5, then 1 gives 0.51", "#{a.5}1", 0, "0.51");
        for (const int seed : {1, 2})
            row(QStringLiteral("random keys, seed %1").arg(seed), QString(), seed, QString());
    }
}

void NumericFilterTest::editFollowsTheRulesKeyByKey()
{
    QFETCH(QChar, separator);
    QFETCH(QString, keys);
    QFETCH(int, seed);
    QFETCH(QString, expected);
    const testing::DecimalSeparatorScope scope(separator);
    // Texts such as 1-2 are reported to the fixture, not shown in a box.
    const testing::PageFixture page(QStringLiteral("N7"));
    QLineEdit* edit = page.edit(QStringLiteral("LCFC"));
    edit->setFocus();
    Keys board{edit, separator};
    board.place(edit->cursorPosition(), 0);

    for (qsizetype i = 0; i < keys.size(); ++i) {
        const qsizetype close = keys[i] == u'{' ? keys.indexOf(u'}', i) : i;
        const QString failure = board.press(keys.mid(i, close - i + 1));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        i = close;
    }
    if (!keys.isEmpty()) {
        QCOMPARE(edit->text(), expected);
        return;
    }

    std::mt19937 random(static_cast<unsigned>(seed));
    const QString typed = QStringLiteral("01234567890123456789.,.,-+eE aю");
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto character = [&] { return QString(typed[pick(0, static_cast<int>(typed.size()) - 1)]); };
    for (int n = 0; n < 1500; ++n) {
        const int size = static_cast<int>(edit->text().size());
        const int where = pick(0, 3);
        if (where == 1)
            board.place(pick(0, size), 0);
        else if (where == 2) {
            const int from = pick(0, size);
            board.place(from, pick(0, size - from));
        }
        const int what = pick(0, 9);
        QString key = what < 5 ? character() : what < 7 ? QStringLiteral("<") : QStringLiteral(">");
        if (what == 9) {
            key = QStringLiteral("{");
            for (int length = pick(1, 4); length > 0; --length)
                key += character();
            key += u'}';
        }
        const QString failure = board.press(key);
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("key %1: ").arg(n) + failure));
    }
}

QTEST_MAIN(NumericFilterTest)
#include "test_numeric_filter.moc"
