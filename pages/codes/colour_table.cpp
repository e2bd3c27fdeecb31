#include "pages/codes/colour_table.h"

#include "values/pictures.h"

#include <QFontMetrics>
#include <QLabel>

#include <array>
#include <utility>

namespace pages::codes {

namespace {

constexpr std::array<const char*, 12> kBandPictures{
    "PIC17", "PIC18", "PIC19", "PIC20", "PIC21", "PIC22",
    "PIC23", "PIC24", "PIC25", "PIC26", "PIC27", "PIC28"};
constexpr int kBlue = 6;

constexpr std::array<std::pair<int, const char*>, 8> kTolerances{{
    {1, "1%"}, {2, "2%"}, {5, "0.5%"}, {kBlue, "0.25%"}, {7, "0.1%"}, {8, "0.05%"}, {kGold, "5%"}, {kSilver, "10%"}}};

constexpr std::array<std::pair<int, const char*>, 7> kTemperatureCoefficients{{
    {1, "100"}, {2, "50"}, {3, "15"}, {4, "25"}, {kBlue, "10"}, {7, "5"}, {9, "1"}}};

template <std::size_t N>
QString TextOf(const std::array<std::pair<int, const char*>, N>& table, int code)
{
    for (const auto& [c, text] : table) {
        if (c == code)
            return QString::fromLatin1(text);
    }
    return {};
}

template <std::size_t N>
std::optional<int> CodeOf(const std::array<std::pair<int, const char*>, N>& table, const QString& text)
{
    for (const auto& [code, t] : table) {
        if (text == QLatin1String(t))
            return code;
    }
    return std::nullopt;
}

} // namespace

QString BandPicture(int code, BlueShade blue)
{
    if (code == kBlue && blue == BlueShade::Light)
        return QStringLiteral("PIC30");
    return QString::fromLatin1(kBandPictures.at(static_cast<std::size_t>(code)));
}

void ShowBand(QLabel* image, int code, BlueShade blue)
{
    values::LoadPicture(image, BandPicture(code, blue));
}

void ShowNoBand(QLabel* image)
{
    values::LoadPicture(image, QStringLiteral("PIC29"));
}

std::optional<int> CodeOfText(const QString& text)
{
    for (int code = 0; code <= kSilver; ++code) {
        if (text == QString::number(code))
            return code;
    }
    return std::nullopt;
}

QString ToleranceText(int code)
{
    return TextOf(kTolerances, code);
}

std::optional<int> ToleranceCode(const QString& text)
{
    return CodeOf(kTolerances, text);
}

QString TcText(int code)
{
    return TextOf(kTemperatureCoefficients, code);
}

std::optional<int> TcCode(const QString& text)
{
    return CodeOf(kTemperatureCoefficients, text);
}

std::optional<SwatchBand> BandOfTag(int tag)
{
    if (tag >= 10 && tag <= 49)
        return SwatchBand{tag / 10, tag % 10};
    if (tag >= 110 && tag <= 499 && tag % 100 >= 10 && tag % 100 <= 12)
        return SwatchBand{tag / 100, tag % 100};
    return std::nullopt;
}

void SetRowCaptionFont(QLabel* caption)
{
    // The largest font whose line is no higher than 21 pixels.
    QFont font = caption->font();
    for (int pixels = 21; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= 21)
            break;
    }
    caption->setFont(font);
}

} // namespace pages::codes
