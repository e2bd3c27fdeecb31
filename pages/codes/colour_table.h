#pragma once

#include "engineering/colour_codes.h"

#include <QString>

#include <optional>
#include <string_view>

class QLabel;

namespace pages::codes {

// A colour code names a band colour (engineering/colour_codes.h): 0..9 the
// colour of that digit (black .. white), 10 gold, 11 silver.
inline constexpr int kGold = engineering::kGoldBand;
inline constexpr int kSilver = engineering::kSilverBand;

// The inductor page draws its blue lighter than the resistor page.
enum class BlueShade { Dark, Light };

// BandPictures: the picture of one band of each colour.
QString BandPicture(int code, BlueShade blue = BlueShade::Dark);

// Shows the band of a colour code in a band image; the plain body slice
// stands where there is no band.
void ShowBand(QLabel* image, int code, BlueShade blue = BlueShade::Dark);
void ShowNoBand(QLabel* image);

// Shows the band of a code that names a colour (0 … 11); nothing or any
// other number leaves the picture as it was.
void ShowBandOf(QLabel* image, std::optional<int> code, BlueShade blue = BlueShade::Dark);

// The characters of a band writer's entry, as the engineering core reads them.
std::u16string_view EntryCharacters(const QString& entry);

// Tolerance texts of the resistor bands ("1%" brown … "10%" silver) and
// temperature coefficient texts ("100" brown … "1" white).
QString ToleranceText(int code);
std::optional<int> ToleranceCode(const QString& text);
QString TcText(int code);
std::optional<int> TcCode(const QString& text);

// Swatch tags of the rows 1 to 4: row·10 + digit, and row·100 + 10 or 11
// for gold and silver (row·100 + 12 for the inductor's "no band").
struct SwatchBand {
    int row;
    int code;
};
std::optional<SwatchBand> BandOfTag(int tag);

// Row captions of the swatch rows are 21 pixels high.
void SetRowCaptionFont(QLabel* caption);

} // namespace pages::codes
