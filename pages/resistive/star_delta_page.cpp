#include "pages/resistive/star_delta_page.h"

#include "ui_star_delta_page.h"

#include "values/checked_math.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

namespace {

using values::Real;
using values::checked::Div;
using values::checked::ToDouble;

enum Resistor : int { Rab, Rbc, Rca, Ra, Rb, Rc };
enum Solved : int { Nothing = 0, StarSolved = 1, DeltaSolved = 2 };

using Triple = std::array<Real, 3>;

bool Complete(const std::array<double, 6>& r, int from)
{
    return r[from] != 0 && r[from + 1] != 0 && r[from + 2] != 0;
}

// Negative resistors can cancel in the sum, which then leaves no star.
Triple StarFromDelta(Real ab, Real bc, Real ca)
{
    const Real sum = ab + bc + ca;
    return {Div(ab * ca, sum), Div(ab * bc, sum), Div(bc * ca, sum)};
}

Triple DeltaFromStar(Real a, Real b, Real c)
{
    return {a + b + Div(a * b, c), b + c + Div(b * c, a), a + c + Div(a * c, b)};
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

    const auto show = [&](int from, const Triple& triple, int solved) {
        std::array<double, 3> stored{};
        std::array<double, 3> shown{};
        for (int k = 0; k < 3; ++k) {
            stored[k] = ToDouble(triple[k]);
            shown[k] = ToDouble(Div(stored[k], scale[from + k]));
        }
        SolvedField = solved;
        for (int k = 0; k < 3; ++k) {
            r[from + k] = stored[k];
            values::ShowSolved(edits_[from + k], shown[k]);
        }
    };

    if (!Complete(r, Ra) || SolvedField == StarSolved) {
        if (!Complete(r, Rab))
            return;
        show(Ra, StarFromDelta(r[Rab], r[Rbc], r[Rca]), StarSolved);
    }
    if (!Complete(r, Rab) || SolvedField == DeltaSolved) {
        if (!Complete(r, Ra))
            return;
        show(Rab, DeltaFromStar(r[Ra], r[Rb], r[Rc]), DeltaSolved);
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
