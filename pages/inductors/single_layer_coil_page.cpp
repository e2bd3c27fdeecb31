#include "pages/inductors/single_layer_coil_page.h"

#include "engineering/coil_details.h"
#include "engineering/coils.h"
#include "pages/read_out.h"
#include "ui_single_layer_coil_page.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

namespace pages {

namespace {

const QString RangeUnknown = QStringLiteral("0.45 < ?? < 2.5");

// A label red for a broken rule names the rule in its tooltip.
void ShowRule(QLabel* label, bool broken, const QString& reason)
{
    if (broken)
        values::ShowUnsolvable(label, reason);
    else
        values::ClearUnsolvable(label);
}

} // namespace

SingleLayerCoilPage::SingleLayerCoilPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::SingleLayerCoilPage>())
{
    ui->setupUi(this);
    values::LoadPicture(ui->L1Image1, QStringLiteral("L1Image1"));
    ClearDetails();
}

SingleLayerCoilPage::~SingleLayerCoilPage() = default;

void SingleLayerCoilPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->LW1, ui->LDk1, ui->LDp1, ui->LJ1, ui->LL1}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->L1Button}, [this](QObject*) { Clear(); });
    routes.options.add({ui->LCB1}, [this](QObject*) { Compute(); });
    routes.edits.add({ui->L1QFreq}, [this](QObject*) { ShowDetails(); });
}

void SingleLayerCoilPage::Show(Field field, Real value)
{
    QLineEdit* const edits[] = {nullptr, ui->LW1, ui->LDk1, ui->LDp1, ui->LJ1, ui->LL1};
    // Converting first keeps the page as it was when the result does not fit.
    const double shown = values::checked::ToDouble(value);
    Real* const stored[] = {nullptr, &W, &Dk, &Dp, &J, &L};
    *stored[field] = shown;
    SolvedField = field;
    values::ShowSolved(edits[field], shown);
}

void SingleLayerCoilPage::Compute()
{
    SolveFields();
    ShowDetails();
}

void SingleLayerCoilPage::SolveFields()
{
    W = values::ReadValue(ui->LW1);
    Dk = values::ReadValue(ui->LDk1);
    Dp = values::ReadValue(ui->LDp1);
    J = values::ReadValue(ui->LJ1);
    L = values::ReadValue(ui->LL1);
    // Whatever had no answer is judged afresh from the new inputs.
    for (QLineEdit* edit : {ui->LW1, ui->LDk1, ui->LDp1, ui->LJ1, ui->LL1})
        values::ClearUnsolvable(edit);

    const bool closeWinding = ui->LCB1->isChecked();
    ui->LJ1->setReadOnly(closeWinding);

    if (!SolveTurns(closeWinding) || !SolveFormerDiameter(closeWinding) || !SolveWireDiameter(closeWinding)
        || !SolveLength(closeWinding) || !SolveInductance(closeWinding))
        return;

    if (closeWinding) {
        const bool shown = values::SolveInto(ui->LJ1, [&] {
            const double length = values::checked::ToDouble(engineering::CloseWoundLength(W, Dp));
            J = length;
            values::ShowResult(ui->LJ1, values::WindowColour(), true, length);
        });
        if (!shown)
            return;
    }
    ShowRange();
}

bool SingleLayerCoilPage::SolveTurns(bool closeWinding)
{
    if (!Entered(Turns, W))
        return true;
    if (!(Dk > 0 && Dp > 0 && L > 0 && (closeWinding || J > 0)))
        return false;
    return values::SolveInto(ui->LW1, [&] {
        Show(Turns, closeWinding ? engineering::CloseWoundTurns(L, Dk, Dp) : engineering::SingleLayerTurns(L, Dk, Dp, J));
    });
}

bool SingleLayerCoilPage::SolveFormerDiameter(bool closeWinding)
{
    if (!Entered(FormerDiameter, Dk))
        return true;
    if (W == 0 || Dp == 0 || L == 0 || (!closeWinding && J == 0))
        return false;
    return values::SolveInto(ui->LDk1, [&] {
        const Real length = closeWinding ? engineering::CloseWoundLength(W, Dp) : J;
        Show(FormerDiameter, engineering::SingleLayerFormerDiameter(W, Dp, length, L));
    });
}

bool SingleLayerCoilPage::SolveWireDiameter(bool closeWinding)
{
    if (!Entered(WireDiameter, Dp))
        return true;
    if (Dk == 0 || W == 0 || L == 0 || (!closeWinding && J == 0))
        return false;
    return values::SolveInto(ui->LDp1, [&] {
        Show(WireDiameter, closeWinding ? engineering::CloseWoundWireDiameter(W, Dk, L)
                                        : engineering::SingleLayerWireDiameter(W, Dk, J, L));
    });
}

bool SingleLayerCoilPage::SolveLength(bool closeWinding)
{
    // Turn to turn the length follows from the turns and is shown afterwards.
    if (!Entered(Length, J) || closeWinding)
        return true;
    if (Dk == 0 || Dp == 0 || W == 0 || L == 0)
        return false;
    return values::SolveInto(ui->LJ1, [&] { Show(Length, engineering::SingleLayerLength(W, Dk, Dp, L)); });
}

bool SingleLayerCoilPage::SolveInductance(bool closeWinding)
{
    // Turn to turn the length is no unknown of its own: while it is the
    // solved field the inductance follows in its place, and the length
    // solves again once the winding is open.
    const bool forLength = closeWinding && SolvedField == Length;
    if (!Entered(Inductance, L) && !forLength)
        return true;
    if (Dk == 0 || Dp == 0 || W == 0 || (!closeWinding && J == 0))
        return false;
    return values::SolveInto(ui->LL1, [&] {
        const Real length = closeWinding ? engineering::CloseWoundLength(W, Dp) : J;
        Show(Inductance, engineering::SingleLayerInductance(W, Dk, Dp, length));
        if (forLength)
            SolvedField = Length;
    });
}

void SingleLayerCoilPage::ShowRange()
{
    values::SolveInto(ui->LLabel1, [&] {
        const Real r = engineering::SingleLayerShapeRatio(J, Dk, Dp);
        const QString ratio = values::FormatNumber(values::checked::ToDouble(r));
        ui->LLabel1->setText(QStringLiteral("0.45 < ") + ratio + QStringLiteral(" < 2.5"));
        ShowRule(ui->LLabel1, !engineering::SingleLayerRuleHolds(r),
                 QStringLiteral("J / (Dк + Dп) вне пределов 0.45 - 2.5: погрешность расчёта больше 1%"));
    });
    ShowRule(ui->LLabel2, !engineering::TurnsFit(W, Dp, J), QStringLiteral("Витки не помещаются: W·Dп больше J"));
}

void SingleLayerCoilPage::ShowDetails()
{
    using namespace engineering;
    const Real frequency = values::ReadValue(ui->L1QFreq);
    // Turn to turn the length follows from the turns even where the page
    // solved nothing yet.
    const Real length = ui->LCB1->isChecked() ? W * Dp : J;
    if (!(W > 0 && Dk > 0 && Dp > 0 && length > 0)) {
        ClearDetails();
        return;
    }
    const Real d = Dk + Dp;
    const auto inductance = [&] { return NagaokaInductance(W, d, length) - RosaCorrection(W, d, length, Dp); };
    const auto resonance = [&] { return SelfResonance(inductance(), MedhurstCapacitance(d, length)); };
    ShowReadOut(ui->L1Nagaoka, [&] { return NagaokaInductance(W, d, length); });
    ShowReadOut(ui->L1Rosa, inductance);
    ShowReadOut(ui->L1SelfC, [&] { return MedhurstCapacitance(d, length); });
    ShowReadOut(ui->L1SRF, resonance);
    ShowReadOut(ui->L1WireLength, [&] { return HelixWireLength(W, d, length); });
    ShowReadOut(ui->L1WireR, [&] { return CopperResistance(HelixWireLength(W, d, length), Dp); });
    if (!(frequency > 0)) {
        ClearReadOut(ui->L1Q);
        return;
    }
    ShowReadOut(ui->L1Q, [&] {
        return CoilQ(inductance(), CopperSkinResistance(HelixWireLength(W, d, length), Dp, frequency), frequency);
    });
    // Above its own resonance the coil acts as a capacitor and has no Q as a coil.
    values::SolveInto(ui->L1Q, [&] {
        if (frequency >= resonance())
            values::ShowUnsolvable(ui->L1Q, QStringLiteral("Частота не ниже собственного резонанса: катушка уже не индуктивность"));
    });
}

void SingleLayerCoilPage::ClearDetails()
{
    for (QLineEdit* readOut : {ui->L1Nagaoka, ui->L1Rosa, ui->L1SelfC, ui->L1SRF, ui->L1WireLength, ui->L1WireR, ui->L1Q})
        ClearReadOut(readOut);
}

void SingleLayerCoilPage::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {ui->LW1, ui->LDk1, ui->LDp1, ui->LJ1, ui->LL1})
        values::ShowCleared(edit);
    ui->LLabel1->setText(RangeUnknown);
    values::ClearUnsolvable(ui->LLabel1);
    values::ClearUnsolvable(ui->LLabel2);
    ui->LCB1->setChecked(false);
    values::ShowCleared(ui->L1QFreq);
    ClearDetails();
}

} // namespace pages
