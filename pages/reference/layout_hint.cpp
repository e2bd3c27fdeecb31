#include "pages/reference/layout_hint.h"

#include <QLabel>

namespace pages::reference {

namespace {

// Capital letters drawn alike in both alphabets, Latin and Cyrillic in the same order.
constexpr char16_t kLatinLookAlikes[] = u"ABCEHKMOPTXY";
constexpr char16_t kCyrillicLookAlikes[] = u"АВСЕНКМОРТХУ";

bool IsLookAlike(QChar letter)
{
    const QChar upper = letter.toUpper();
    const std::u16string_view latin(kLatinLookAlikes);
    const std::u16string_view cyrillic(kCyrillicLookAlikes);
    return latin.find(upper.unicode()) != std::u16string_view::npos
        || cyrillic.find(upper.unicode()) != std::u16string_view::npos;
}

} // namespace

bool MixesLookAlikeLetters(const QString& typed)
{
    bool latin = false;
    bool cyrillic = false;
    bool lookAlike = false;
    for (const QChar c : typed) {
        if (!c.isLetter())
            continue;
        latin = latin || c.script() == QChar::Script_Latin;
        cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
        lookAlike = lookAlike || IsLookAlike(c);
    }
    return latin && cyrillic && lookAlike;
}

void ShowLayoutHint(QLabel* hint, const QString& typed, int found)
{
    hint->setVisible(found == 0 && MixesLookAlikeLetters(typed));
}

} // namespace pages::reference
