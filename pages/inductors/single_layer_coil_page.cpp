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

    const bool closeWinding = ui->LCB1->isChecked();
    ui->LJ1->setReadOnly(closeWinding);

    if (!SolveTurns(closeWinding) || !SolveFormerDiameter(closeWinding) || !SolveWireDiameter(closeWinding)
        || !SolveLength(closeWinding) || !SolveInductance(closeWinding))
        return;

    if (closeWinding) {
        J = W * Dp;
        values::ShowResult(ui->LJ1, values::WindowColour(), true, values::checked::ToDouble(J));
    }
    ShowRange();
}

bool SingleLayerCoilPage::SolveTurns(bool closeWinding)
{
    if (!Entered(Turns, W))
        return true;
    if (!(Dk > 0 && Dp > 0 && L > 0 && (closeWinding || J > 0)))
        return false;
    const Real D = Dk + Dp;
    if (closeWinding)
        Show(Turns, Div(1000 * Dp + Sqrt(1e6L * Dp * Dp + Div(1840 * D * D * D, L)), Div(2 * D * D, L)));
    else
        Show(Turns, Sqrt(Div(1000 * L * (J / D + 0.46L), D)));
    return true;
}

bool SingleLayerCoilPage::SolveFormerDiameter(bool closeWinding)
{
    if (!Entered(FormerDiameter, Dk))
        return true;
    if (W == 0 || Dp == 0 || L == 0 || (!closeWinding && J == 0))
        return false;
    const Real k = Div(0.01L * W * W, L);
    const Real length = closeWinding ? W * Dp : J;
    Show(FormerDiameter, Div((Sqrt(0.2116L + 0.4L * k * length) + 0.46L) * 5, k) - Dp);
    return true;
}

bool SingleLayerCoilPage::SolveWireDiameter(bool closeWinding)
{
    if (!Entered(WireDiameter, Dp))
        return true;
    if (Dk == 0 || W == 0 || L == 0 || (!closeWinding && J == 0))
        return false;
    if (closeWinding) {
        // Turn to turn the winding length itself depends on the wire: the
        // base formula becomes a quadratic in Dp.
        const Real a = W * W;
        const Real b = 2 * W * W * Dk - 1000 * W * L - 460 * L;
        const Real c = W * W * Dk * Dk - 460 * L * Dk;
        Show(WireDiameter, Div(-b - Sqrt(b * b - 4 * a * c), 2 * a));
    } else {
        const Real k = Div(0.01L * W * W, L);
        Show(WireDiameter, Div((Sqrt(0.2116L + 0.4L * k * J) + 0.46L) * 5, k) - Dk);
    }
    return true;
}

bool SingleLayerCoilPage::SolveLength(bool closeWinding)
{
    // Turn to turn the length follows from the turns and is shown afterwards.
    if (!Entered(Length, J) || closeWinding)
        return true;
    if (Dk == 0 || Dp == 0 || W == 0 || L == 0)
        return false;
    const Real D = Dk + Dp;
    Show(Length, Div(0.001L * D * D * W * W, L) - 0.46L * D);
    return true;
}

bool SingleLayerCoilPage::SolveInductance(bool closeWinding)
{
    if (!Entered(Inductance, L))
        return true;
    if (Dk == 0 || Dp == 0 || W == 0 || (!closeWinding && J == 0))
        return false;
    const Real D = Dk + Dp;
    const Real length = closeWinding ? Dp * W : J;
    Show(Inductance, Div(0.001L * W * W * D, Div(length, D) + 0.46L));
    return true;
}

void SingleLayerCoilPage::ShowRange()
{
    const Real r = Div(J, Dk + Dp);
    const QString ratio = values::FormatNumber(values::checked::ToDouble(r));
    ui->LLabel1->setText(QStringLiteral("0.45 < ") + ratio + QStringLiteral(" < 2.5"));
    values::SetLabelAlarm(ui->LLabel1, r < 0.45L || r > 2.5L);
    values::SetLabelAlarm(ui->LLabel2, W * Dp > J);
}

void SingleLayerCoilPage::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {ui->LW1, ui->LDk1, ui->LDp1, ui->LJ1, ui->LL1})
        values::ShowCleared(edit);
    ui->LLabel1->setText(RangeUnknown);
    values::SetLabelAlarm(ui->LLabel1, false);
    values::SetLabelAlarm(ui->LLabel2, false);
    ui->LCB1->setChecked(false);
}

} // namespace pages
