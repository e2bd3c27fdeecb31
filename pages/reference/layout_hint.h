#pragma once

#include <QString>

class QLabel;

namespace pages::reference {

// True when the typed text holds Latin and Cyrillic letters together and one
// of them has a look-alike in the other alphabet (K and К, T and Т, ...):
// most likely part of it was typed with the keyboard in the other layout,
// and the files, which never mix the two in a name, hold no such key.
bool MixesLookAlikeLetters(const QString& typed);

// Shows the hint to check the keyboard layout under a search that found
// nothing for such a text; hides it after any other search.
void ShowLayoutHint(QLabel* hint, const QString& typed, int found);

} // namespace pages::reference
