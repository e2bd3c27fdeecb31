#pragma once

#include <QString>

#include <optional>

class QLabel;

namespace pages::codes {

// A colour code names a band colour: 0..9 the colour of that digit (black ..
// white), 10 gold, 11 silver. A multiplier band of code k means ×10^k, gold
// ×0.1 and silver ×0.01.
inline constexpr int kGold = 10;
inline constexpr int kSilver = 11;

// The inductor page draws its blue lighter than the resistor page.
enum class BlueShade { Dark, Light };

// BandPictures: the picture of one band of each colour.
QString BandPicture(int code, BlueShade blue = BlueShade::Dark);

// Shows the band of a colour code in a band image; the plain body slice
// stands where there is no band.
void ShowBand(QLabel* image, int code, BlueShade blue = BlueShade::Dark);
void ShowNoBand(QLabel* image);

// The colour that a digit text "0".."9", "10" (gold) or "11" (silver) names;
// nothing for any other text.
std::optional<int> CodeOfText(const QString& text);

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
