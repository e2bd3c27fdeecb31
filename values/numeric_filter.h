#pragma once

#include <QChar>
#include <QString>

class QLineEdit;

namespace values {

struct FilteredText {
    QString text;
    int caret = 0;
    friend bool operator==(const FilteredText&, const FilteredText&) = default;
};

// Normalises what the user typed into a numeric edit so that it stays close
// to a number: one decimal separator, no letters but an exponent inside the
// text, no leading zeros, "0" for an empty text. The caret keeps its logical
// place. It counts in the text the edit holds once the rewrites that writing
// the returned text raises are done: an emptied text becomes "0" with the
// caret after it, ".5" becomes "0.5", so the caret may lie past the returned
// text but never past that final one.
FilteredText FilterNumericText(const QString& text, int caret, QChar decimalSeparator);

// Filters the edit's text in place. Writing a changed text raises the edit's
// change event at once (nested), as a user's change would.
void FilterNumericText(QLineEdit* edit, QChar decimalSeparator);
void FilterNumericText(QLineEdit* edit);

} // namespace values
