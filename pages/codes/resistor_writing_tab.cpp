#include "pages/codes/resistor_writing_tab.h"

#include "controls/radio_group.h"
#include "pages/codes/colour_table.h"
#include "values/number_text.h"
#include "values/units.h"

#include "ui_resistor_code_writing_tab.h"

#include <QScopedValueRollback>

namespace pages {

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
    // The system's decimal separator is the decimal mark of the entry.
    const engineering::MarkingStep step = engineering::MarkResistor(
        codes::EntryCharacters(entry), values::DecimalSeparator().unicode(), bandCount_, unitExponent_ / 3, marking_);
    if (step == engineering::MarkingStep::Refused)
        return;

    ui->L10->setText(entry + u' ' + ui->ColorRCB2->currentText());
    ui->L11->setText(ui->ColorRCB3->currentText());
    ui->L12->setText(bandCount_ == 6 ? ui->ColorRCB4->currentText() : QString());

    switch (step) {
    case engineering::MarkingStep::NeedsFiveBands:
        SwitchBandCount(5);
        return;
    case engineering::MarkingStep::NeedsFourBands:
        SwitchBandCount(4);
        return;
    default:
        ShowPictures();
    }
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
    using engineering::DigitColour;
    const auto tolerance = codes::ToleranceCode(ui->ColorRCB3->currentText());
    codes::ShowBandOf(ui->ColorRImage13, DigitColour(marking_.digits[0]));
    codes::ShowBandOf(ui->ColorRImage14, DigitColour(marking_.digits[1]));
    if (bandCount_ == 4) {
        codes::ShowBandOf(ui->ColorRImage15, marking_.multiplierCode);
        codes::ShowBandOf(ui->ColorRImage16, tolerance);
        codes::ShowNoBand(ui->ColorRImage17);
        codes::ShowNoBand(ui->ColorRImage18);
        return;
    }
    codes::ShowBandOf(ui->ColorRImage15, DigitColour(marking_.digits[2]));
    codes::ShowBandOf(ui->ColorRImage16, marking_.multiplierCode);
    codes::ShowBandOf(ui->ColorRImage17, tolerance);
    if (ui->ColorRCB4->isEnabled())
        codes::ShowBandOf(ui->ColorRImage18, codes::TcCode(ui->ColorRCB4->currentText()));
    else
        codes::ShowNoBand(ui->ColorRImage18);
}

void ResistorWritingTab::Clear()
{
    bandCount_ = 0;
    unitExponent_ = 0;
    // The bands and the multiplier stay until the next entry that fits a form.
    marking_.form = engineering::WrittenForm::None;
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
