#include "pages/resistive/star_delta_page.h"

#include "ui_star_delta_page.h"

#include "engineering/resistive_circuits.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

namespace {

using values::checked::Div;
using values::checked::ToDouble;

enum Resistor : int { Rab, Rbc, Rca, Ra, Rb, Rc };
enum Solved : int { Nothing = 0, StarSolved = 1, DeltaSolved = 2 };

bool Complete(const std::array<double, 6>& r, int from)
{
    return r[from] != 0 && r[from + 1] != 0 && r[from + 2] != 0;
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
    // Every change recomputes the whole solved triple, whichever control raised it.
    routes.edits.add({ui->RabcRab, ui->RabcRbc, ui->RabcRca, ui->RabcRa, ui->RabcRb, ui->RabcRc},
                     [this](QObject*) { Compute(); });
    routes.combos.add({ui->RabcRabCB, ui->RabcRbcCB, ui->RabcRcaCB, ui->RabcRaCB, ui->RabcRbCB, ui->RabcRcCB},
                      [this](QObject*) { Compute(); });
    routes.buttons.add({ui->RabcButton}, [this](QObject*) { Clear(); });
}

void StarDeltaPage::Compute()
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
        if (engineering::DeltaHasNoStar(r[Rab], r[Rbc], r[Rca])) {
            for (int k = Ra; k <= Rc; ++k)
                values::ShowUnsolvable(edits_[k], QStringLiteral("Нет решения: сумма Rab + Rbc + Rca равна нулю"));
            return;
        }
        const auto star = [&](int k) { return engineering::StarFromDelta(k, r[Rab], r[Rbc], r[Rca]); };
        if (!solve(Ra, star, StarSolved))
            return;
    }
    if (!Complete(r, Rab) || SolvedField == DeltaSolved) {
        if (!Complete(r, Ra))
            return;
        solve(Rab, [&](int k) { return engineering::DeltaFromStar(k, r[Ra], r[Rb], r[Rc]); }, DeltaSolved);
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
