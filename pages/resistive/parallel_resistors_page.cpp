#include "pages/resistive/parallel_resistors_page.h"

#include "ui_parallel_resistors_page.h"

#include "pages/resistive/solved_field.h"

#include "engineering/resistive_circuits.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

namespace {

enum Field : int { R1 = 1, R2 = 2, Rp = 3 };

} // namespace

ParallelResistorsPage::ParallelResistorsPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::ParallelResistorsPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS16"));
    edits_ = {nullptr, ui->RRR1, ui->RRR2, ui->RRR12};
    combos_ = {nullptr, ui->RRCBR1, ui->RRCBR2, ui->RRCBR12};
    values::LoadPicture(ui->RRImage1, QStringLiteral("RRImage1"));
}

ParallelResistorsPage::~ParallelResistorsPage() = default;

void ParallelResistorsPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->RRR1, ui->RRR2, ui->RRR12}, [this](QObject*) { Compute(); });
    routes.combos.add({ui->RRCBR1, ui->RRCBR2, ui->RRCBR12}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->RRButton}, [this](QObject*) { Clear(); });
}

void ParallelResistorsPage::Compute()
{
    std::array<double, kFields + 1> scale{};
    std::array<double, kFields + 1> r{};
    for (int field = R1; field <= Rp; ++field) {
        scale[field] = values::UnitScale(combos_[field], values::UnitKind::R);
        r[field] = values::ReadValue(edits_[field], scale[field]);
    }

    for (int field = R1; field <= Rp; ++field)
        values::ClearUnsolvable(edits_[field]);

    const auto solve = [&](int field, auto&& compute) {
        const auto value = SolveField(edits_[field], scale[field], compute);
        if (value) {
            SolvedField = field;
            r[field] = *value;
        }
        return value.has_value();
    };

    // A resistor in parallel with the other gives less than either, hence
    // the other must exceed the combined value.
    if (r[R1] == 0 || SolvedField == R1) {
        if (!(r[R2] > 0 && r[Rp] > 0 && r[R2] > r[Rp]))
            return;
        if (!solve(R1, [&] { return engineering::ParallelPartner(r[R2], r[Rp]); }))
            return;
    }
    if (r[R2] == 0 || SolvedField == R2) {
        if (!(r[R1] > 0 && r[Rp] > 0 && r[R1] > r[Rp]))
            return;
        if (!solve(R2, [&] { return engineering::ParallelPartner(r[R1], r[Rp]); }))
            return;
    }
    if (r[Rp] == 0 || SolvedField == Rp) {
        if (!(r[R1] > 0 && r[R2] > 0))
            return;
        solve(Rp, [&] { return engineering::ParallelResistance(r[R1], r[R2]); });
    }
}

void ParallelResistorsPage::Clear()
{
    SolvedField = 0;
    for (int field = R1; field <= Rp; ++field) {
        values::ShowCleared(edits_[field]);
        values::SetUnit(combos_[field], 0, QStringLiteral("Ом"));
    }
}

} // namespace pages
