#include "pages/inductors/single_layer_coil_page.h"

#include "ui_single_layer_coil_page.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

namespace pages {

using values::checked::Div;
using values::checked::Sqrt;

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
}

SingleLayerCoilPage::~SingleLayerCoilPage() = default;

void SingleLayerCoilPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->LW1, ui->LDk1, ui->LDp1, ui->LJ1, ui->LL1}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->L1Button}, [this](QObject*) { Clear(); });
    routes.options.add({ui->LCB1}, [this](QObject*) { Compute(); });
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
            const double length = values::checked::ToDouble(W * Dp);
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
        const Real D = Dk + Dp;
        if (closeWinding)
            Show(Turns, Div(1000 * Dp + Sqrt(1e6L * Dp * Dp + Div(1840 * D * D * D, L)), Div(2 * D * D, L)));
        else
            Show(Turns, Sqrt(Div(1000 * L * (J / D + 0.46L), D)));
    });
}

bool SingleLayerCoilPage::SolveFormerDiameter(bool closeWinding)
{
    if (!Entered(FormerDiameter, Dk))
        return true;
    if (W == 0 || Dp == 0 || L == 0 || (!closeWinding && J == 0))
        return false;
    return values::SolveInto(ui->LDk1, [&] {
        const Real k = Div(0.01L * W * W, L);
        const Real length = closeWinding ? W * Dp : J;
        Show(FormerDiameter, Div((Sqrt(0.2116L + 0.4L * k * length) + 0.46L) * 5, k) - Dp);
    });
}

bool SingleLayerCoilPage::SolveWireDiameter(bool closeWinding)
{
    if (!Entered(WireDiameter, Dp))
        return true;
    if (Dk == 0 || W == 0 || L == 0 || (!closeWinding && J == 0))
        return false;
    return values::SolveInto(ui->LDp1, [&] {
        if (closeWinding) {
            // Turn to turn the winding length itself depends on the wire: the
            // base formula becomes a quadratic in Dp.
            const Real a = W * W;
            const Real b = 2 * W * W * Dk - 1000 * W * L - 460 * L;
            const Real c = W * W * Dk * Dk - 460 * L * Dk;
            const Real root = Sqrt(b * b - 4 * a * c);
            // The smaller root (-b - root) / 2a, written so that no two nearly
            // equal numbers are subtracted: for b < 0, where a real coil
            // lies, through the product of the roots c / a.
            Show(WireDiameter, b < 0 ? Div(2 * c, -b + root) : Div(-b - root, 2 * a));
        } else {
            const Real k = Div(0.01L * W * W, L);
            Show(WireDiameter, Div((Sqrt(0.2116L + 0.4L * k * J) + 0.46L) * 5, k) - Dk);
        }
    });
}

bool SingleLayerCoilPage::SolveLength(bool closeWinding)
{
    // Turn to turn the length follows from the turns and is shown afterwards.
    if (!Entered(Length, J) || closeWinding)
        return true;
    if (Dk == 0 || Dp == 0 || W == 0 || L == 0)
        return false;
    return values::SolveInto(ui->LJ1, [&] {
        const Real D = Dk + Dp;
        Show(Length, Div(0.001L * D * D * W * W, L) - 0.46L * D);
    });
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
        const Real D = Dk + Dp;
        const Real length = closeWinding ? Dp * W : J;
        Show(Inductance, Div(0.001L * W * W * D, Div(length, D) + 0.46L));
        if (forLength)
            SolvedField = Length;
    });
}

void SingleLayerCoilPage::ShowRange()
{
    values::SolveInto(ui->LLabel1, [&] {
        const Real r = Div(J, Dk + Dp);
        const QString ratio = values::FormatNumber(values::checked::ToDouble(r));
        ui->LLabel1->setText(QStringLiteral("0.45 < ") + ratio + QStringLiteral(" < 2.5"));
        ShowRule(ui->LLabel1, r < 0.45L || r > 2.5L,
                 QStringLiteral("J / (Dк + Dп) вне пределов 0.45 - 2.5: погрешность расчёта больше 1%"));
    });
    ShowRule(ui->LLabel2, W * Dp > J, QStringLiteral("Витки не помещаются: W·Dп больше J"));
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
}

} // namespace pages
