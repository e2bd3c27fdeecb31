#include "pages/resistive/ohms_law_page.h"

#include "ui_ohms_law_page.h"

#include "engineering/resistive_circuits.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

namespace {

using values::checked::Div;

enum Field : int { V = 1, I = 2, R = 3, W = 4 };

constexpr std::array<values::UnitKind, 5> kKinds{values::UnitKind::U, values::UnitKind::U, values::UnitKind::I,
                                                 values::UnitKind::R, values::UnitKind::W};
constexpr std::array<int, 5> kDefaultUnit{0, 1, 2, 0, 1};
constexpr std::array<const char16_t*, 5> kDefaultHint{u"", u"Вольт", u"Ампер", u"Ом", u"Ват"};

// The second field each block tries, in order; the block's own field is the first.
constexpr std::array<std::array<int, 3>, 5> kSecondFields{{{}, {W, R, I}, {W, R, V}, {W, I, V}, {V, R, I}}};

// Fields are numbered in the order of the quantities.
engineering::LoadQuantity Quantity(int field)
{
    return static_cast<engineering::LoadQuantity>(field - V);
}

} // namespace

OhmsLawPage::OhmsLawPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::OhmsLawPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS15"));
    edits_ = {nullptr, ui->OmV, ui->OmI, ui->OmRn, ui->OmW};
    combos_ = {nullptr, ui->OmCBV, ui->OmCBI, ui->OmCBRn, ui->OmCBW};
    values::LoadPicture(ui->OmImage1, QStringLiteral("OmImage1"));
}

OhmsLawPage::~OhmsLawPage() = default;

void OhmsLawPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->OmV, ui->OmI, ui->OmRn, ui->OmW}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->OmButton}, [this](QObject*) { Clear(); });
    for (int field = V; field <= W; ++field)
        routes.combos.add({combos_[field]}, [this, field](QObject*) { OnUnitChange(field); });
}

void OhmsLawPage::Compute()
{
    PerField given{};
    for (int field = V; field <= W; ++field)
        given[field] = values::ReadValue(edits_[field], scale_[field]);
    for (int field = V; field <= W; ++field)
        values::ClearUnsolvable(edits_[field]);

    for (int first = V; first <= W; ++first) {
        if (given[first] != 0 && SolvedField != first)
            continue;
        for (const int second : kSecondFields[first]) {
            if (given[second] != 0 && SolvedField2 != second)
                continue;
            for (int input = V; input <= W; ++input) {
                if (input != first && input != second && !(given[input] > 0))
                    return;
            }
            Solve(first, second, given);
            return;
        }
    }
}

void OhmsLawPage::Solve(int first, int second, const PerField& given)
{
    const engineering::Load load{given[V], given[I], given[R], given[W]};

    // Both results are converted before either is written: a field that
    // cannot be computed turns red and the pair keeps its earlier values.
    PerField shown{};
    bool solved = true;
    for (const int field : {first, second}) {
        solved = values::SolveInto(edits_[field], [&] {
                     const int other = field == first ? second : first;
                     const double value =
                         values::checked::ToDouble(engineering::SolveLoad(Quantity(field), Quantity(other), load));
                     shown[field] = values::checked::ToDouble(Div(value, scale_[field]));
                 })
            && solved;
    }
    if (!solved)
        return;
    SolvedField = first;
    SolvedField2 = second;
    for (int field = V; field <= W; ++field) {
        if (field == first || field == second)
            values::ShowSolved(edits_[field], shown[field]);
    }
}

void OhmsLawPage::OnUnitChange(int field)
{
    scale_[field] = values::UnitScale(combos_[field], kKinds[field]);
    if (SolvedField > 0)
        Compute();
}

void OhmsLawPage::Clear()
{
    SolvedField = 0;
    SolvedField2 = 0;
    scale_.fill(1.0);
    for (int field = V; field <= W; ++field) {
        values::ShowCleared(edits_[field]);
        values::SetUnit(combos_[field], kDefaultUnit[field], QString::fromUtf16(kDefaultHint[field]));
    }
}

} // namespace pages
