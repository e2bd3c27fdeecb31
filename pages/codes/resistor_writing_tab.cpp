#include "pages/codes/resistor_writing_tab.h"

#include "controls/radio_group.h"
#include "pages/codes/colour_table.h"
#include "values/number_text.h"
#include "values/units.h"

#include "ui_resistor_code_writing_tab.h"

#include <QScopedValueRollback>

#include <optional>

namespace pages {

namespace {

// Written forms of an entry (d any character but the decimal mark).
enum Shape { kNone, kDigit, kTwoDigits, kThreeDigits, kZeroPointDigit, kDigitPointDigit, kTwoDigitsPointDigit };

// Multiplier colour code by shape (rows) and unit (columns: Ом, кОм, мОм, гОм).
using MultiplierTable = std::array<std::array<int, 4>, 6>;
constexpr MultiplierTable kFourBandMultipliers{{
    {10, 2, 5, 8}, {0, 3, 6, 9}, {1, 4, 7, 9}, {11, 1, 4, 7}, {10, 2, 5, 8}, {-1, -1, -1, -1}}};
constexpr MultiplierTable kMoreBandMultipliers{{
    {11, 1, 4, 7}, {10, 2, 5, 8}, {0, 3, 6, 9}, {11, 0, 3, 6}, {11, 1, 4, 7}, {10, 2, 5, 8}}};

} // namespace

ResistorWritingTab::ResistorWritingTab(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ResistorWritingTab>())
{
    ui->setupUi(this);
}

ResistorWritingTab::~ResistorWritingTab() = default;

void ResistorWritingTab::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->E1}, [this](QObject*) { Encode(); });
    routes.combos.add({ui->ColorRCB2, ui->ColorRCB3, ui->ColorRCB4}, [this](QObject*) { Encode(); });
    routes.options.add({ui->ColorRRG2}, [this](QObject*) { Encode(); });
    routes.buttons.add({ui->ColorRButton1}, [this](QObject*) { Clear(); });
}

void ResistorWritingTab::Encode()
{
    if (switchingBandCount_)
        return;
    const qsizetype unit = values::UnitTexts(values::UnitKind::R).indexOf(ui->ColorRCB2->currentText());
    if (unit >= 0)
        unitExponent_ = 3 * static_cast<int>(unit);
    const int item = controls::ItemIndex(ui->ColorRRG2);
    if (item >= 0)
        bandCount_ = 4 + item;
    ui->E1->setEnabled(true);
    ui->ColorRCB2->setEnabled(true);
    ui->ColorRCB3->setEnabled(true);
    ui->ColorRCB4->setEnabled(bandCount_ == 6);

    const QString entry = ui->E1->text();
    if (entry.isEmpty())
        return;
    const auto at = [&entry](qsizetype i) -> std::optional<QChar> {
        return i < entry.size() ? std::optional<QChar>(entry[i]) : std::nullopt;
    };
    const auto c1 = at(0), c2 = at(1), c3 = at(2), c4 = at(3);
    // The system's decimal separator is the decimal mark of the entry.
    const QChar mark = values::DecimalSeparator();
    if ((c4 && c3 != mark) || (c2 == mark && c4) || (c3 == mark && !c4) || (c2 == mark && !c3))
        return;

    ui->L10->setText(entry + u' ' + ui->ColorRCB2->currentText());
    ui->L11->setText(ui->ColorRCB3->currentText());
    ui->L12->setText(bandCount_ == 6 ? ui->ColorRCB4->currentText() : QString());

    const bool four = bandCount_ == 4;
    const QString d1 = c1 ? QString(*c1) : QString();
    const QString d2 = c2 ? QString(*c2) : QString();
    const QString d3 = c3 ? QString(*c3) : QString();
    const QString d4 = c4 ? QString(*c4) : QString();
    const QString zero = QStringLiteral("0");
    if (!c2) {
        entryShape_ = kDigit;
        bands_ = {d1, zero, zero};
    } else if (!c3) {
        entryShape_ = kTwoDigits;
        bands_ = {d1, d2, zero};
    } else if (!c4 && *c2 != mark) {
        // A third digit other than 0 needs a third digit band.
        if (four && c3->unicode() > u'0') {
            SwitchBandCount(5);
            return;
        }
        entryShape_ = kThreeDigits;
        bands_ = four ? std::array{d1, d2, bands_[2]} : std::array{d1, d2, d3};
    } else if (!c4 && *c1 == u'0') {
        entryShape_ = kZeroPointDigit;
        bands_ = {d3, zero, zero};
    } else if (!c4 && c1->unicode() > u'0') {
        entryShape_ = kDigitPointDigit;
        bands_ = {d1, d3, zero};
    } else if (c4) {
        if (four) {
            SwitchBandCount(5);
            return;
        }
        entryShape_ = kTwoDigitsPointDigit;
        bands_ = {d1, d2, d4};
    }

    if (entryShape_ != kNone) {
        const MultiplierTable& table = four ? kFourBandMultipliers : kMoreBandMultipliers;
        const int code = table[static_cast<std::size_t>(entryShape_ - 1)][static_cast<std::size_t>(unitExponent_ / 3)];
        multiplierCode_ = QString::number(code);
        // 990 GΩ needs a multiplier beyond ×10⁹; 0,d Ω needs one below ×0.01.
        if (four && entryShape_ == kThreeDigits && unitExponent_ == 9) {
            SwitchBandCount(5);
            return;
        }
        if (!four && entryShape_ == kZeroPointDigit && unitExponent_ == 0) {
            SwitchBandCount(4);
            return;
        }
    }
    ShowPictures();
}

void ResistorWritingTab::SwitchBandCount(int count)
{
    {
        // Checking the item raises the group's click, which would encode once more.
        const QScopedValueRollback guard(switchingBandCount_, true);
        controls::SetItemIndex(ui->ColorRRG2, count - 4);
    }
    Encode();
}

void ResistorWritingTab::ShowPictures()
{
    const auto draw = [](QLabel* image, std::optional<int> code) {
        if (code)
            codes::ShowBand(image, *code);
    };
    const auto tolerance = codes::ToleranceCode(ui->ColorRCB3->currentText());
    const auto multiplier = codes::CodeOfText(multiplierCode_);
    draw(ui->ColorRImage13, codes::CodeOfText(bands_[0]));
    draw(ui->ColorRImage14, codes::CodeOfText(bands_[1]));
    if (bandCount_ == 4) {
        draw(ui->ColorRImage15, multiplier);
        draw(ui->ColorRImage16, tolerance);
        codes::ShowNoBand(ui->ColorRImage17);
        codes::ShowNoBand(ui->ColorRImage18);
        return;
    }
    draw(ui->ColorRImage15, codes::CodeOfText(bands_[2]));
    draw(ui->ColorRImage16, multiplier);
    draw(ui->ColorRImage17, tolerance);
    if (ui->ColorRCB4->isEnabled())
        draw(ui->ColorRImage18, codes::TcCode(ui->ColorRCB4->currentText()));
    else
        codes::ShowNoBand(ui->ColorRImage18);
}

void ResistorWritingTab::Clear()
{
    bandCount_ = 0;
    unitExponent_ = 0;
    entryShape_ = kNone;
    // A change like any other: the entry filter turns it into "0", which is encoded.
    ui->E1->setText(QString());
    ui->ColorRCB2->setCurrentIndex(0);
    ui->ColorRCB3->setCurrentIndex(0);
    ui->ColorRCB4->setCurrentIndex(0);
    for (QLabel* image : {ui->ColorRImage13, ui->ColorRImage14, ui->ColorRImage15, ui->ColorRImage16,
                          ui->ColorRImage17, ui->ColorRImage18})
        codes::ShowNoBand(image);
    ui->L10->clear();
    ui->L11->clear();
    ui->L12->clear();
}

} // namespace pages
