#include "pages/circuits/oscillating_circuit_page.h"

#include "ui_oscillating_circuit_page.h"

#include "engineering/oscillating_circuit.h"
#include "pages/circuits/store_and_show.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

OscillatingCircuitPage::OscillatingCircuitPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::OscillatingCircuitPage>())
{
    ui->setupUi(this);
    values::LoadPicture(ui->LCFImage1, QStringLiteral("LCFImage1"));
}

OscillatingCircuitPage::~OscillatingCircuitPage() = default;

void OscillatingCircuitPage::registerRoutes(controls::RouteTables& routes)
{
    const auto compute = [this](Field field) { return [this, field](QObject*) { Compute(field); }; };
    routes.edits.add({ui->LCFC}, compute(FieldC));
    routes.edits.add({ui->LCFL}, compute(FieldL));
    routes.edits.add({ui->LCFF}, compute(FieldF));
    routes.buttons.add({ui->LCFButton}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->LCFCBC}, compute(FieldC));
    routes.combos.add({ui->LCFCBL}, compute(FieldL));
    routes.combos.add({ui->LCFCBF}, compute(FieldF));
}

void OscillatingCircuitPage::ReadField(Field field)
{
    using values::UnitKind;
    switch (field) {
    case FieldC:
        C = values::ReadWithUnit(ui->LCFC, ui->LCFCBC, UnitKind::C, cScale);
        return;
    case FieldL:
        L = values::ReadWithUnit(ui->LCFL, ui->LCFCBL, UnitKind::L, lScale);
        return;
    case FieldF:
        F = values::ReadWithUnit(ui->LCFF, ui->LCFCBF, UnitKind::F, fScale);
        return;
    case None:
        return;
    }
}

void OscillatingCircuitPage::Compute(Field changed)
{
    for (QLineEdit* edit : {ui->LCFC, ui->LCFL, ui->LCFF})
        values::ClearUnsolvable(edit);
    ReadField(changed);

    if (values::Solvable(C, L, F))
        SolvedField = FieldC;
    if (values::Solvable(L, C, F))
        SolvedField = FieldL;
    if (values::Solvable(F, C, L))
        SolvedField = FieldF;

    // Valid numbers that give no answer turn the solved field red; its
    // earlier result stays.
    using engineering::ResonantFrequency;
    using engineering::ResonantPartner;
    switch (SolvedField) {
    case None:
        return;
    case FieldC:
        values::SolveInto(ui->LCFC, [&] { StoreAndShow(ui->LCFC, C, ResonantPartner(L, F), cScale); });
        return;
    case FieldL:
        values::SolveInto(ui->LCFL, [&] { StoreAndShow(ui->LCFL, L, ResonantPartner(C, F), lScale); });
        return;
    case FieldF:
        values::SolveInto(ui->LCFF, [&] { StoreAndShow(ui->LCFF, F, ResonantFrequency(L, C), fScale); });
        return;
    }
}

void OscillatingCircuitPage::Clear()
{
    SolvedField = None;
    C = L = F = 0;
    cScale = 1e-12;
    lScale = 1e-6;
    fScale = 1e6;
    for (QLineEdit* edit : {ui->LCFC, ui->LCFL, ui->LCFF})
        values::ShowCleared(edit);
    values::SetUnit(ui->LCFCBC, 0, QStringLiteral("Пикофарад"));
    values::SetUnit(ui->LCFCBL, 0, QStringLiteral("Микрогенри"));
    values::SetUnit(ui->LCFCBF, 2, QStringLiteral("Мегагерц"));
}

} // namespace pages
