#include "pages/codes/inductor_writing_tab.h"

#include "pages/codes/colour_table.h"
#include "values/errors.h"
#include "values/field_description.h"
#include "values/number_text.h"

#include "ui_inductor_code_writing_tab.h"

#include <array>
#include <cmath>
#include <optional>

namespace pages {

namespace {

using codes::BlueShade;

// Written forms of an entry (d any character but the decimal mark).
enum Shape { kNone, kDigit, kTwoDigits, kZeroPointDigit, kDigitPointDigit, kTwoDigitsZero };

constexpr int kOutOfRange = -1;

// Multiplier colour code by shape (rows) and unit (columns: мкГн, мГн, Гн, кГн).
constexpr std::array<std::array<int, 4>, 5> kMultipliers{{
    {10, 2, 5, 8}, {0, 3, 6, 9}, {11, 1, 4, 7}, {10, 2, 5, 8}, {1, 4, 7, kOutOfRange}}};

// The colour of a band text; a text that is no whole number fails as any
// failed conversion does, naming the field it came from.
int BandCode(const QString& text, const QLineEdit* field)
{
    const auto fail = [field](const QString& what) {
        throw values::ConversionError(
            QStringLiteral("%1: «%2» — %3").arg(values::FieldCaption(field), field->text(), what));
    };
    double number = 0;
    try {
        number = values::ParseNumber(text);
    } catch (const values::ConversionError&) {
        fail(QStringLiteral("не число"));
    }
    if (number != std::floor(number))
        fail(QStringLiteral("не целое число"));
    return static_cast<int>(number);
}

void DrawBand(QLabel* image, int code)
{
    // A number with no colour leaves the picture as it was.
    if (code >= 0 && code <= codes::kSilver)
        codes::ShowBand(image, code, BlueShade::Light);
}

} // namespace

InductorWritingTab::InductorWritingTab(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::InductorWritingTab>())
{
    ui->setupUi(this);
}

InductorWritingTab::~InductorWritingTab() = default;

void InductorWritingTab::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->ColorLEdit1}, [this](QObject*) { Encode(); });
    routes.combos.add({ui->ColorLCB1, ui->ColorLCB2}, [this](QObject*) { Encode(); });
    routes.buttons.add({ui->ColorLButton2}, [this](QObject*) { Clear(); });
}

void InductorWritingTab::Encode()
{
    const QString entry = ui->ColorLEdit1->text();
    const auto at = [&entry](qsizetype i) -> std::optional<QChar> {
        return i < entry.size() ? std::optional<QChar>(entry[i]) : std::nullopt;
    };
    const auto c1 = at(0), c2 = at(1), c3 = at(2);
    // The system's decimal separator is the decimal mark of the entry.
    const QChar mark = values::DecimalSeparator();
    // Three digits are accepted only as dd0.
    if (c3 == mark || (c2 == mark && !c3) || (c1 && c2 && c2 != mark && c3 && c3 != u'0'))
        return;

    ui->ColorLLabel7->setText(ui->ColorLCB2->currentText());
    ui->ColorLLabel8->setText(entry.isEmpty() ? QString() : entry + u' ' + ui->ColorLCB1->currentText());

    const QString d1 = c1 ? QString(*c1) : QString();
    const QString d2 = c2 ? QString(*c2) : QString();
    const QString d3 = c3 ? QString(*c3) : QString();
    const QString zero = QStringLiteral("0");
    if (c1 && !c2) {
        entryShape_ = kDigit;
        band1_ = d1;
        band2_ = zero;
    } else if (c2 && !c3) {
        entryShape_ = kTwoDigits;
        band1_ = d1;
        band2_ = d2;
    } else if (c3 && *c1 == u'0' && *c2 == mark) {
        entryShape_ = kZeroPointDigit;
        band1_ = d3;
        band2_ = zero;
    } else if (c3 && *c1 != u'0' && *c2 == mark) {
        entryShape_ = kDigitPointDigit;
        band1_ = d1;
        band2_ = d3;
    } else if (c3 && *c1 != u'0' && *c2 != mark && *c3 == u'0') {
        entryShape_ = kTwoDigitsZero;
        band1_ = d1;
        band2_ = d2;
    }

    const int unit = ui->ColorLCB1->currentIndex();
    if (entryShape_ != kNone && unit >= 0 && unit < 4) {
        const int code = kMultipliers[static_cast<std::size_t>(entryShape_ - 1)][static_cast<std::size_t>(unit)];
        if (code == kOutOfRange)
            ui->ColorLLabel8->setText(QStringLiteral("Выход за пределы"));
        else
            multiplierCode_ = code;
    }
    ShowPictures();
}

void InductorWritingTab::ShowPictures()
{
    DrawBand(ui->ColorLImage13, BandCode(band1_, ui->ColorLEdit1));
    DrawBand(ui->ColorLImage14, BandCode(band2_, ui->ColorLEdit1));
    DrawBand(ui->ColorLImage15, multiplierCode_);
    // Tolerance items: no fourth band, black, silver, gold.
    switch (ui->ColorLCB2->currentIndex()) {
    case 0:
        codes::ShowNoBand(ui->ColorLImage16);
        break;
    case 1:
        DrawBand(ui->ColorLImage16, 0);
        break;
    case 2:
        DrawBand(ui->ColorLImage16, codes::kSilver);
        break;
    case 3:
        DrawBand(ui->ColorLImage16, codes::kGold);
        break;
    default:
        break;
    }
}

void InductorWritingTab::Clear()
{
    entryShape_ = kNone;
    multiplierCode_ = 0;
    band1_.clear();
    band2_.clear();
    // A change like any other: the entry filter turns it into "0", which is encoded.
    ui->ColorLEdit1->setText(QString());
    ui->ColorLCB2->setCurrentIndex(0);
    ui->ColorLCB1->setCurrentIndex(0);
    ui->ColorLLabel8->clear();
    ui->ColorLLabel7->setText(QStringLiteral("20%"));
    for (QLabel* image : {ui->ColorLImage13, ui->ColorLImage14, ui->ColorLImage15, ui->ColorLImage16,
                          ui->ColorLImage17, ui->ColorLImage18})
        codes::ShowNoBand(image);
}

} // namespace pages
