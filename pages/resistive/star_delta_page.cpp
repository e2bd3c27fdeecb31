#include "pages/resistive/star_delta_page.h"

#include "ui_star_delta_page.h"

#include "values/checked_math.h"
#include "values/field.h"
#include "values/pictures.h"

#include <cmath>

namespace pages {

namespace {

using values::Real;
using values::checked::Div;
using values::checked::ToDouble;

enum Resistor : int { Rab, Rbc, Rca, Ra, Rb, Rc };
enum Solved : int { Nothing = 0, StarSolved = 1, DeltaSolved = 2 };

bool Complete(const std::array<double, 6>& r, int from)
{
    return r[from] != 0 && r[from + 1] != 0 && r[from + 2] != 0;
}

// One resistor of the star from the delta, k = 0, 1, 2 for Ra, Rb, Rc.
Real StarFromDelta(int k, Real ab, Real bc, Real ca)
{
    const Real sum = ab + bc + ca;
    const std::array<Real, 3> products{ab * ca, ab * bc, bc * ca};
    return Div(products[k], sum);
}

// One resistor of the delta from the star, k = 0, 1, 2 for Rab, Rbc, Rca.
Real DeltaFromStar(int k, Real a, Real b, Real c)
{
    switch (k) {
    case 0: return a + b + Div(a * b, c);
    case 1: return b + c + Div(b * c, a);
    }
    return a + c + Div(a * c, b);
}

} // namespace

StarDeltaPage::StarDeltaPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::StarDeltaPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS21"));
    edits_ = {ui->RabcRab, ui->RabcRbc, ui->RabcRca, ui->RabcRa, ui->RabcRb, ui->RabcRc};
    combos_ = {ui->RabcRabCB, ui->RabcRbcCB, ui->RabcRcaCB, ui->RabcRaCB, ui->RabcRbCB, ui->RabcRcCB};
    values::LoadPicture(ui->RabcImage1, QStringLiteral("RabcImage1"));
    values::LoadPicture(ui->RabcImage2, QStringLiteral("RabcImage2"));
}

StarDeltaPage::~StarDeltaPage() = default;

void StarDeltaPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->RabcRab, ui->RabcRbc, ui->RabcRca, ui->RabcRa, ui->RabcRb, ui->RabcRc},
                     [this](QObject* sender) { Compute(sender); });
    routes.combos.add({ui->RabcRabCB, ui->RabcRbcCB, ui->RabcRcaCB, ui->RabcRaCB, ui->RabcRbCB, ui->RabcRcCB},
                      [this](QObject* sender) { Compute(sender); });
    routes.buttons.add({ui->RabcButton}, [this](QObject*) { Clear(); });
}

// Every change recomputes the whole solved triple, whichever control raised it.
void StarDeltaPage::Compute(QObject*)
{
    std::array<double, kResistors> scale{};
    std::array<double, kResistors> r{};
    for (int i = 0; i < kResistors; ++i) {
        scale[i] = values::UnitScale(combos_[i], values::UnitKind::R);
        r[i] = values::ReadValue(edits_[i], scale[i]);
    }

    for (QLineEdit* edit : edits_)
        values::ClearUnsolvable(edit);

    // The whole triple is written or none of it: a resistor that cannot be
    // computed turns red and the triple keeps its earlier values.
    const auto solve = [&](int from, auto&& resistor, int solved) {
        std::array<double, 3> stored{};
        std::array<double, 3> shown{};
        bool computed = true;
        for (int k = 0; k < 3; ++k) {
            computed = values::SolveInto(edits_[from + k], [&] {
                           stored[k] = ToDouble(resistor(k));
                           shown[k] = ToDouble(Div(stored[k], scale[from + k]));
                       })
                && computed;
        }
        if (!computed)
            return false;
        SolvedField = solved;
        for (int k = 0; k < 3; ++k) {
            r[from + k] = stored[k];
            values::ShowSolved(edits_[from + k], shown[k]);
        }
        return true;
    };

    if (!Complete(r, Ra) || SolvedField == StarSolved) {
        if (!Complete(r, Rab))
            return;
        // Negative sides can cancel in the sum, which then leaves no star.
        const Real sum = Real(r[Rab]) + r[Rbc] + r[Rca];
        if (values::checked::CancelsOut(sum, std::fabs(r[Rab]) + std::fabs(r[Rbc]) + std::fabs(r[Rca]))) {
            for (int k = Ra; k <= Rc; ++k)
                values::ShowUnsolvable(edits_[k], QStringLiteral("Нет решения: сумма Rab + Rbc + Rca равна нулю"));
            return;
        }
        const auto star = [&](int k) { return StarFromDelta(k, r[Rab], r[Rbc], r[Rca]); };
        if (!solve(Ra, star, StarSolved))
            return;
    }
    if (!Complete(r, Rab) || SolvedField == DeltaSolved) {
        if (!Complete(r, Ra))
            return;
        solve(Rab, [&](int k) { return DeltaFromStar(k, r[Ra], r[Rb], r[Rc]); }, DeltaSolved);
    }
}

void StarDeltaPage::Clear()
{
    SolvedField = Nothing;
    for (int i = 0; i < kResistors; ++i) {
        values::ShowCleared(edits_[i]);
        values::SetUnit(combos_[i], 0, QStringLiteral("Ом"));
    }
}

} // namespace pages
