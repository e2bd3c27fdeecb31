#include "pages/codes/inductor_writing_tab.h"

#include "pages/codes/colour_table.h"
#include "values/errors.h"
#include "values/field_description.h"
#include "values/number_text.h"

#include "ui_inductor_code_writing_tab.h"

#include <cmath>

namespace pages {

namespace {

using codes::BlueShade;

// The colour of a band character; one that is no whole number (or none
// yet) fails as any failed conversion does, naming the field it came from.
int BandCode(char16_t character, const QLineEdit* field)
{
    const QString text = character ? QString(QChar(character)) : QString();
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
    // The system's decimal separator is the decimal mark of the entry.
    const engineering::MarkingStep step = engineering::MarkInductor(
        codes::EntryCharacters(entry), values::DecimalSeparator().unicode(), ui->ColorLCB1->currentIndex(), marking_);
    if (step == engineering::MarkingStep::Refused)
        return;

    ui->ColorLLabel7->setText(ui->ColorLCB2->currentText());
    if (step == engineering::MarkingStep::OutOfRange)
        ui->ColorLLabel8->setText(QStringLiteral("Выход за пределы"));
    else
        ui->ColorLLabel8->setText(entry.isEmpty() ? QString() : entry + u' ' + ui->ColorLCB1->currentText());
    ShowPictures();
}

void InductorWritingTab::ShowPictures()
{
    // A number with no colour leaves the picture as it was.
    codes::ShowBandOf(ui->ColorLImage13, BandCode(marking_.digits[0], ui->ColorLEdit1), BlueShade::Light);
    codes::ShowBandOf(ui->ColorLImage14, BandCode(marking_.digits[1], ui->ColorLEdit1), BlueShade::Light);
    codes::ShowBandOf(ui->ColorLImage15, marking_.multiplierCode, BlueShade::Light);
    // Tolerance items: no fourth band, black, silver, gold.
    switch (ui->ColorLCB2->currentIndex()) {
    case 0:
        codes::ShowNoBand(ui->ColorLImage16);
        break;
    case 1:
        codes::ShowBand(ui->ColorLImage16, 0, BlueShade::Light);
        break;
    case 2:
        codes::ShowBand(ui->ColorLImage16, codes::kSilver, BlueShade::Light);
        break;
    case 3:
        codes::ShowBand(ui->ColorLImage16, codes::kGold, BlueShade::Light);
        break;
    default:
        break;
    }
}

void InductorWritingTab::Clear()
{
    marking_ = kCleared;
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
