#include "pages/codes/resistor_reading_tab.h"

#include "controls/colour_swatch.h"
#include "controls/radio_group.h"
#include "pages/codes/colour_table.h"
#include "values/number_text.h"
#include "values/units.h"

#include "ui_resistor_code_reading_tab.h"

#include <QScopedValueRollback>

namespace pages {

namespace {

using codes::kGold;
using codes::kSilver;

// Colours of the tolerance row (row 5, and row 4 with four bands) and of the
// temperature coefficient row (row 6), in swatch order.
constexpr std::array<int, 8> kToleranceRow{1, 2, 5, 6, 7, 8, kGold, kSilver};
constexpr std::array<int, 7> kTcRow{1, 2, 3, 4, 6, 7, 9};

constexpr int kFirstSwatchX = 115;
constexpr int kSwatchStep = 22;

int SwatchX(int position)
{
    return kFirstSwatchX + kSwatchStep * position;
}

} // namespace

ResistorReadingTab::ResistorReadingTab(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ResistorReadingTab>())
{
    ui->setupUi(this);
    for (auto* swatch : findChildren<controls::ColourSwatch*>())
        swatches_.insert(swatch->tag(), swatch);
    for (QLabel* caption : {ui->ColorRLabel1, ui->ColorRLabel2, ui->ColorRLabel3, ui->ColorRLabel4,
                            ui->ColorRLabel5, ui->ColorRLabel6})
        codes::SetRowCaptionFont(caption);
}

ResistorReadingTab::~ResistorReadingTab() = default;

void ResistorReadingTab::registerRoutes(controls::RouteTables& routes)
{
    for (controls::ColourSwatch* swatch : swatches_)
        routes.swatches.add({swatch}, [this, swatch](QObject*) { OnColourClick(swatch->tag()); });
    routes.options.add({ui->ColorRRG1}, [this](QObject*) { OnOptionChange(); });
    routes.buttons.add({ui->ColorRButton}, [this](QObject*) { Clear(); });
}

void ResistorReadingTab::Reset()
{
    digits_ = {};
    multiplier_.reset();
    value_ = 0;
    tolerance_.clear();
    tc_.clear();
    unit_.clear();
    for (QLabel* image : {ui->ColorRImage1, ui->ColorRImage2, ui->ColorRImage3, ui->ColorRImage4,
                          ui->ColorRImage5, ui->ColorRImage6})
        codes::ShowNoBand(image);
    ui->ColorRLabel10->clear();
    ui->ColorRLabel11->clear();
    ui->ColorRLabel12->clear();
    ui->ColorRLabel5->hide();
    ui->ColorRLabel6->hide();
    ShowRow(5, false);
    ShowRow(6, false);
}

void ResistorReadingTab::ShowRow(int row, bool visible)
{
    for (controls::ColourSwatch* swatch : swatches_) {
        if (swatch->tag() / 10 == row && swatch->tag() < 100)
            swatch->setVisible(visible);
    }
}

void ResistorReadingTab::LayOutToleranceRow(bool compact)
{
    // With four bands row 4 holds only the tolerance colours, closed up.
    for (int code : {0, 3, 4, 9})
        swatches_.value(40 + code)->setVisible(!compact);
    for (std::size_t i = 0; i < kToleranceRow.size(); ++i) {
        const int code = kToleranceRow[i];
        const int tag = code < kGold ? 40 + code : 400 + code;
        controls::ColourSwatch* swatch = swatches_.value(tag);
        // Stored order of row 4: black .. white, gold, silver, so the code is the place.
        swatch->move(SwatchX(compact ? static_cast<int>(i) : code), swatch->y());
        swatch->show();
    }
}

void ResistorReadingTab::OnOptionChange()
{
    if (settingBandCount_)
        return;
    Reset();
    const int item = controls::ItemIndex(ui->ColorRRG1);
    if (item < 0)
        return;
    bandCount_ = 4 + item;
    const bool four = bandCount_ == 4;
    swatches_.value(310)->setVisible(four);
    swatches_.value(311)->setVisible(four);
    LayOutToleranceRow(four);
    if (four)
        return;
    ui->ColorRLabel5->show();
    ShowRow(5, true);
    if (bandCount_ == 6) {
        ui->ColorRLabel6->show();
        ShowRow(6, true);
    }
}

void ResistorReadingTab::ApplyFourBands(int tag)
{
    const auto band = codes::BandOfTag(tag);
    if (!band)
        return;
    QLabel* const images[] = {ui->ColorRImage1, ui->ColorRImage2, ui->ColorRImage3, ui->ColorRImage4};
    switch (band->row) {
    case 1:
    case 2:
        digits_[static_cast<std::size_t>(band->row - 1)] = band->code;
        break;
    case 3:
        multiplier_ = band->code;
        break;
    case 4:
        if (codes::ToleranceText(band->code).isEmpty())
            return;  // black, orange, yellow and white mean nothing here
        tolerance_ = codes::ToleranceText(band->code);
        break;
    default:
        return;
    }
    codes::ShowBand(images[band->row - 1], band->code);
}

void ResistorReadingTab::ApplyMoreBands(int tag)
{
    if (tag >= 50 && tag <= 57) {
        const int code = kToleranceRow[static_cast<std::size_t>(tag - 50)];
        tolerance_ = codes::ToleranceText(code);
        codes::ShowBand(ui->ColorRImage5, code);
        return;
    }
    if (tag >= 60 && tag <= 66) {
        const int code = kTcRow[static_cast<std::size_t>(tag - 60)];
        tc_ = codes::TcText(code);
        codes::ShowBand(ui->ColorRImage6, code);
        return;
    }
    const auto band = codes::BandOfTag(tag);
    if (!band)
        return;
    QLabel* const images[] = {ui->ColorRImage1, ui->ColorRImage2, ui->ColorRImage3, ui->ColorRImage4};
    if (band->row <= 3) {
        if (band->code >= kGold)
            return;
        digits_[static_cast<std::size_t>(band->row - 1)] = band->code;
    } else {
        multiplier_ = band->code;
    }
    codes::ShowBand(images[band->row - 1], band->code);
}

void ResistorReadingTab::OnColourClick(int tag)
{
    if (bandCount_ == 4)
        ApplyFourBands(tag);
    else
        ApplyMoreBands(tag);
    if (!tolerance_.isEmpty())
        ui->ColorRLabel11->setText(tolerance_);
    if (!tc_.isEmpty())
        ui->ColorRLabel12->setText(tc_);
    ui->ColorRLabel10->setText(ComputeValueText());
}

QString ResistorReadingTab::ComputeValueText()
{
    const bool four = bandCount_ == 4;
    const int digits = four ? digits_[0] * 10 + digits_[1] : digits_[0] * 100 + digits_[1] * 10 + digits_[2];
    value_ = digits;
    if (multiplier_) {
        const engineering::ScaledValue scaled = engineering::ResistorValue(digits, *multiplier_, !four);
        value_ = scaled.value;
        unit_ = values::UnitTexts(values::UnitKind::R).at(scaled.unit);
    }
    return values::FormatNumber(value_) + u' ' + unit_;
}

void ResistorReadingTab::Clear()
{
    Reset();
    if (controls::ItemIndex(ui->ColorRRG1) == 0)
        return;
    {
        const QScopedValueRollback guard(settingBandCount_, true);
        controls::SetItemIndex(ui->ColorRRG1, 0);
    }
    OnOptionChange();
}

} // namespace pages
