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
// place and always lies inside the returned text.
FilteredText FilterNumericText(const QString& text, int caret, QChar decimalSeparator);

// Filters the edit's text in place. Writing a changed text raises the edit's
// change event at once (nested), as a user's change would.
void FilterNumericText(QLineEdit* edit, QChar decimalSeparator);
void FilterNumericText(QLineEdit* edit);

} // namespace values
