#include "pages/resistive/ohms_law_page.h"

#include "ui_ohms_law_page.h"

#include "values/checked_math.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

namespace {

using values::Real;
using values::checked::Div;
using values::checked::Sqrt;

enum Field : int { V = 1, I = 2, R = 3, W = 4 };

constexpr std::array<values::UnitKind, 5> kKinds{values::UnitKind::U, values::UnitKind::U, values::UnitKind::I,
                                                 values::UnitKind::R, values::UnitKind::W};
constexpr std::array<int, 5> kDefaultUnit{0, 1, 2, 0, 1};
constexpr std::array<const char16_t*, 5> kDefaultHint{u"", u"Вольт", u"Ампер", u"Ом", u"Ват"};

// The second field each block tries, in order; the block's own field is the first.
constexpr std::array<std::array<int, 3>, 5> kSecondFields{{{}, {W, R, I}, {W, R, V}, {W, I, V}, {V, R, I}}};

constexpr int Bit(int field)
{
    return 1 << field;
}

// One quantity from the two that are known; the formulas depend only on
// which two those are.
Real Quantity(int field, int known, const std::array<double, 5>& given)
{
    const Real v = given[V];
    const Real i = given[I];
    const Real r = given[R];
    const Real w = given[W];
    switch (known) {
    case Bit(I) | Bit(R):
        return field == V ? i * r : r * i * i;
    case Bit(W) | Bit(I):
        return field == V ? Div(w, i) : Div(w, i * i);
    case Bit(W) | Bit(R):
        return field == V ? Sqrt(w * r) : Sqrt(Div(w, r));
    case Bit(V) | Bit(R):
        return field == I ? Div(v, r) : Div(v * v, r);
    case Bit(W) | Bit(V):
        return field == I ? Div(w, v) : Div(v * v, w);
    case Bit(V) | Bit(I):
        return field == R ? Div(v, i) : i * v;
    }
    return 0;
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
    routes.combos.add({ui->OmCBV, ui->OmCBI, ui->OmCBRn, ui->OmCBW},
                      [this](QObject* sender) { OnUnitChange(sender); });
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
    const int known = ((Bit(V) | Bit(I) | Bit(R) | Bit(W)) & ~Bit(first)) & ~Bit(second);

    // Both results are converted before either is written: a field that
    // cannot be computed turns red and the pair keeps its earlier values.
    PerField shown{};
    bool solved = true;
    for (const int field : {first, second}) {
        solved = values::SolveInto(edits_[field], [&] {
                     const double value = values::checked::ToDouble(Quantity(field, known, given));
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

void OhmsLawPage::OnUnitChange(QObject* combo)
{
    for (int field = V; field <= W; ++field) {
        if (combos_[field] == combo)
            scale_[field] = values::UnitScale(combos_[field], kKinds[field]);
    }
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
