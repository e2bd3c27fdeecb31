#include "values/numeric_filter.h"

#include "values/number_text.h"

#include <QLineEdit>

#include <algorithm>

namespace values {

namespace {

bool IsSign(QChar ch)
{
    return ch == u'+' || ch == u'-';
}

bool IsDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool IsExponent(QChar ch)
{
    return ch == u'E' || ch == u'e';
}

// One pass over the text. The caret is left as the pass moved it, not yet
// kept inside the text.
FilteredText FilterOnce(const QString& text, int caret, QChar D)
{
    QString s = text;
    int c = caret;
    if (s.isEmpty())
        return {QStringLiteral("0"), 1};

    for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
        if (separator != D)
            s.replace(separator, D);
    }

    // Positions below are 0-based; only the first separator survives and the
    // first character is left for the later steps.
    const qsizetype firstSeparator = s.indexOf(D);
    for (qsizetype i = s.size() - 1; i >= 1; --i) {
        const QChar ch = s[i];
        const bool keep = (ch == D && i == firstSeparator) || IsSign(ch) || IsDigit(ch) || IsExponent(ch);
        if (!keep) {
            s.remove(i, 1);
            --c;
        }
    }

    if (s.front() == D) {
        s.prepend(u'0');
        ++c;
    }

    if (!s.isEmpty() && IsExponent(s.back()))
        s.chop(1);
    if (!s.isEmpty() && IsSign(s.back()))
        s.chop(1);

    if (s.size() >= 2 && IsSign(s[0]) && s[1] == D) {
        s.insert(1, u'0');
        ++c;
    }

    if (!s.isEmpty() && !IsSign(s[0]) && !IsDigit(s[0]))
        s.remove(0, 1);

    while (s.size() >= 2 && s[0] == u'0' && s[1] != D)
        s.remove(0, 1);

    while (s.size() >= 3 && IsSign(s[0]) && s[1] == u'0' && s[2] != D)
        s.remove(1, 1);

    return {s, c};
}

} // namespace

FilteredText FilterNumericText(const QString& text, int caret, QChar D)
{
    const FilteredText pass = FilterOnce(text, caret, D);
    // The edit turns an emptied text into "0" at once; the caret goes after it.
    if (pass.text.isEmpty())
        return {pass.text, 1};
    // Writing a changed text filters it again at once, before the caret is
    // set, so the caret counts in the text those rewrites leave (".5" with the
    // caret at 3 ends as "0.5" with the caret at its end).
    QString shown = pass.text;
    for (QString written = text; shown != written;) {
        written = shown;
        shown = FilterOnce(written, 0, D).text;
    }
    return {pass.text, std::clamp(pass.caret, 0, static_cast<int>(shown.size()))};
}

void FilterNumericText(QLineEdit* edit, QChar decimalSeparator)
{
    const FilteredText filtered = FilterNumericText(edit->text(), edit->cursorPosition(), decimalSeparator);
    edit->setText(filtered.text);
    // After the nested change event, which may have rewritten the text again.
    edit->setCursorPosition(std::min(filtered.caret, static_cast<int>(edit->text().size())));
}

void FilterNumericText(QLineEdit* edit)
{
    FilterNumericText(edit, DecimalSeparator());
}

} // namespace values
