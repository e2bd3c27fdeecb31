#pragma once

class QComboBox;
class QLineEdit;
class QString;

namespace pages::extended {

// The page's own writes into its edits and combos, none of which is taken
// for the user's input.
void WriteText(QLineEdit* edit, const QString& text);
void WriteUnit(QComboBox* combo, const QString& text);  // a combo's text, its item selected with it
void ShowComputed(QLineEdit* edit, double value);       // yellow, still editable
void ShowEmpty(QLineEdit* edit);                        // "0" in the window colour

} // namespace pages::extended
