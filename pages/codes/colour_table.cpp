#include "pages/codes/colour_table.h"

#include "values/pictures.h"

#include <QFontMetrics>
#include <QLabel>

#include <array>

namespace pages::codes {

namespace {

constexpr std::array<const char*, 12> kBandPictures{
    "PIC17", "PIC18", "PIC19", "PIC20", "PIC21", "PIC22",
    "PIC23", "PIC24", "PIC25", "PIC26", "PIC27", "PIC28"};
constexpr int kBlue = 6;

// The code whose text is `text`, among the colours that have one.
std::optional<int> CodeWithText(const QString& text, QString (*textOf)(int code))
{
    for (int code = 0; code <= kSilver; ++code) {
        const QString candidate = textOf(code);
        if (!candidate.isEmpty() && candidate == text)
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

void ShowBandOf(QLabel* image, std::optional<int> code, BlueShade blue)
{
    if (code && *code >= 0 && *code <= kSilver)
        ShowBand(image, *code, blue);
}

std::u16string_view EntryCharacters(const QString& entry)
{
    return {QStringView(entry).utf16(), static_cast<std::size_t>(entry.size())};
}

// The texts spell the numbers with a point, whatever the system's separator.
QString ToleranceText(int code)
{
    const auto percent = engineering::ResistorTolerancePercent(code);
    return percent ? QString::number(*percent) + u'%' : QString();
}

std::optional<int> ToleranceCode(const QString& text)
{
    return CodeWithText(text, ToleranceText);
}

QString TcText(int code)
{
    const auto coefficient = engineering::TemperatureCoefficient(code);
    return coefficient ? QString::number(*coefficient) : QString();
}

std::optional<int> TcCode(const QString& text)
{
    return CodeWithText(text, TcText);
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
