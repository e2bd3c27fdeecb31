#include "pages/circuits/oscillating_circuit_page.h"

#include "ui_oscillating_circuit_page.h"

#include "pages/circuits/filter_math.h"
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
    const auto compute = [this](QObject* sender) { Compute(sender); };
    routes.edits.add({ui->LCFC, ui->LCFL, ui->LCFF}, compute);
    routes.buttons.add({ui->LCFButton}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->LCFCBC, ui->LCFCBL, ui->LCFCBF}, compute);
}

void OscillatingCircuitPage::ReadFieldOf(QObject* sender)
{
    using values::UnitKind;
    if (sender == ui->LCFC || sender == ui->LCFCBC)
        C = values::ReadWithUnit(ui->LCFC, ui->LCFCBC, UnitKind::C, cScale);
    else if (sender == ui->LCFL || sender == ui->LCFCBL)
        L = values::ReadWithUnit(ui->LCFL, ui->LCFCBL, UnitKind::L, lScale);
    else if (sender == ui->LCFF || sender == ui->LCFCBF)
        F = values::ReadWithUnit(ui->LCFF, ui->LCFCBF, UnitKind::F, fScale);
}

void OscillatingCircuitPage::Compute(QObject* sender)
{
    for (QLineEdit* edit : {ui->LCFC, ui->LCFL, ui->LCFF})
        values::ClearUnsolvable(edit);
    ReadFieldOf(sender);

    if (values::Solvable(C, L, F))
        SolvedField = FieldC;
    if (values::Solvable(L, C, F))
        SolvedField = FieldL;
    if (values::Solvable(F, C, L))
        SolvedField = FieldF;

    // Valid numbers that give no answer turn the solved field red; its
    // earlier result stays.
    using namespace filter_math;
    switch (SolvedField) {
    case None:
        return;
    case FieldC:
        values::SolveInto(ui->LCFC, [&] { StoreAndShow(ui->LCFC, C, LcElement(TwoPi, L, F), cScale); });
        return;
    case FieldL:
        values::SolveInto(ui->LCFL, [&] { StoreAndShow(ui->LCFL, L, LcElement(TwoPi, C, F), lScale); });
        return;
    case FieldF:
        values::SolveInto(ui->LCFF, [&] { StoreAndShow(ui->LCFF, F, LcCutOff(TwoPi, L, C), fScale); });
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
