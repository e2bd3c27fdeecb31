#include "pages/inductors/wire_inductance_page.h"

#include "ui_wire_inductance_page.h"
#include "values/errors.h"
#include "values/field.h"
#include "values/pictures.h"

#include <cfloat>
#include <cmath>

namespace pages {

using values::Real;
using values::checked::Div;
using values::checked::Exp;
using values::checked::Ln;

namespace {

constexpr int HighestDigit = 12;  // decades searched: 1E12 mm down to 1E-5 mm
constexpr int LowestDigit = -5;

// Straight round wire at high frequency: L = 0.2·l·(ln(4l/d) − 1) nH with l
// and d in millimetres, here in microhenries.
Real WireModel(Real length, Real diameter)
{
    return (Ln(Div(4 * length, diameter)) - 1) * length / 5000;
}

Real PowerOfTen(int exponent)
{
    return Exp(exponent * std::log(10.0L));
}

} // namespace

WireInductancePage::WireInductancePage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::WireInductancePage>())
{
    ui->setupUi(this);
    values::LoadPicture(ui->L4Image1, QStringLiteral("L4Image1"));
}

WireInductancePage::~WireInductancePage() = default;

void WireInductancePage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->L4J, ui->L4D, ui->L4L}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->L4Button}, [this](QObject*) { Clear(); });
}

Real WireInductancePage::LengthFor(Real inductance, Real diameter)
{
    // The model rises without bound above e·D/4, so "longer than the root" is
    // a monotone test; below e·D/4 it is negative and never exceeds the target.
    const auto beyondRoot = [&](Real length) { return WireModel(length, diameter) > inductance; };

    if (!beyondRoot(DBL_MAX))
        throw values::ArithmeticError(QStringLiteral("Переполнение при операции с плавающей точкой"),
                                      values::ArithmeticError::Kind::Overflow);

    // Start one decade below the first power of ten past the root, so that no
    // decade takes more than ten steps, however long the wire.
    int top = HighestDigit;
    while (!beyondRoot(PowerOfTen(top + 1)))
        ++top;

    Real sum = 0;
    for (int digit = top; digit >= LowestDigit; --digit) {
        const Real step = PowerOfTen(digit);
        for (;;) {
            const Real next = sum + step;
            // Steps too small to change the sum cannot refine it any further.
            if (next == sum)
                return sum;
            if (beyondRoot(next))
                break;
            sum = next;
        }
    }
    return sum;
}

void WireInductancePage::Show(Field field, Real value)
{
    QLineEdit* const edits[] = {nullptr, ui->L4J, ui->L4D, ui->L4L};
    const double shown = values::checked::ToDouble(value);
    Real* const stored[] = {nullptr, &J, &D, &L};
    *stored[field] = shown;
    SolvedField = field;
    values::ShowSolved(edits[field], shown);
}

void WireInductancePage::Compute()
{
    J = values::ReadValue(ui->L4J);
    D = values::ReadValue(ui->L4D);
    L = values::ReadValue(ui->L4L);
    // Whatever had no answer is judged afresh from the new inputs.
    for (QLineEdit* edit : {ui->L4J, ui->L4D, ui->L4L})
        values::ClearUnsolvable(edit);

    if (J == 0 || SolvedField == Length) {
        if (!(L > 0 && D > 0))
            return;
        if (!values::SolveInto(ui->L4J, [&] { Show(Length, LengthFor(L, D)); }))
            return;
    }
    if (D == 0 || SolvedField == Diameter) {
        if (!(J > 0 && L > 0))
            return;
        if (!values::SolveInto(ui->L4D, [&] { Show(Diameter, 4 * J * Exp(-1 - Div(5000 * L, J))); }))
            return;
    }
    if (!(L == 0 || SolvedField == Inductance))
        return;
    if (!(J > 0 && D > 0))
        return;
    values::SolveInto(ui->L4L, [&] { Show(Inductance, WireModel(J, D)); });
}

void WireInductancePage::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {ui->L4J, ui->L4D, ui->L4L})
        values::ShowCleared(edit);
}

} // namespace pages
