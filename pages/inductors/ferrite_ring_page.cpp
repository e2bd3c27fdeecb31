#include "pages/inductors/ferrite_ring_page.h"

#include "engineering/ring_and_transformer.h"
#include "engineering/toroid.h"
#include "pages/read_out.h"
#include "ui_ferrite_ring_page.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

FerriteRingPage::FerriteRingPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::FerriteRingPage>())
{
    ui->setupUi(this);
    values::LoadPicture(ui->LTorImage1, QStringLiteral("LTorImage1"));
    for (QLineEdit* readOut : ReadOuts())
        ClearReadOut(readOut);
}

FerriteRingPage::~FerriteRingPage() = default;

void FerriteRingPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->LTorW, ui->LTorM, ui->LTorDn, ui->LTorDv, ui->LTorH, ui->LTorL},
                     [this](QObject*) { Compute(); });
    routes.buttons.add({ui->LTorButton}, [this](QObject*) { Clear(); });
    routes.edits.add({ui->LTorCatalogAL, ui->LTorWantedL, ui->LTorMeasuredL}, [this](QObject*) { ShowDetails(); });
}

FerriteRingPage::Real FerriteRingPage::Value(Field field) const
{
    const Real byField[] = {0, W, M, Dn, Dv, H, L};
    return byField[field];
}

bool FerriteRingPage::OthersPositive(Field field) const
{
    for (int other = Turns; other <= Inductance; ++other) {
        if (other != field && !(Value(static_cast<Field>(other)) > 0))
            return false;
    }
    return true;
}

FerriteRingPage::Real FerriteRingPage::Solve(Field field) const
{
    switch (field) {
    case Turns:
        return engineering::RingTurns(L, M, Dn, Dv, H);
    case Permeability:
        return engineering::RingPermeability(L, W, Dn, Dv, H);
    case OuterDiameter:
        return engineering::RingOuterDiameter(L, W, M, Dv, H);
    case InnerDiameter:
        return engineering::RingInnerDiameter(L, W, M, Dn, H);
    case Height:
        return engineering::RingHeight(L, W, M, Dn, Dv);
    case Inductance:
        return engineering::RingInductance(W, M, Dn, Dv, H);
    case None:
        break;
    }
    return 0;
}

std::array<QLineEdit*, 4> FerriteRingPage::ReadOuts() const
{
    return {ui->LTorExactL, ui->LTorAL, ui->LTorCatalogW, ui->LTorMeasuredM};
}

std::array<QLineEdit*, 6> FerriteRingPage::Edits() const
{
    return {ui->LTorW, ui->LTorM, ui->LTorDn, ui->LTorDv, ui->LTorH, ui->LTorL};
}

void FerriteRingPage::Show(Field field, Real value)
{
    const double shown = values::checked::ToDouble(value);
    Real* const stored[] = {nullptr, &W, &M, &Dn, &Dv, &H, &L};
    *stored[field] = shown;
    SolvedField = field;
    values::ShowSolved(Edits()[field - 1], shown);
}

void FerriteRingPage::Compute()
{
    SolveFields();
    ShowDetails();
}

void FerriteRingPage::SolveFields()
{
    W = values::ReadValue(ui->LTorW);
    M = values::ReadValue(ui->LTorM);
    Dn = values::ReadValue(ui->LTorDn);
    Dv = values::ReadValue(ui->LTorDv);
    H = values::ReadValue(ui->LTorH);
    L = values::ReadValue(ui->LTorL);
    // Whatever was red is judged afresh from the new inputs.
    for (QLineEdit* edit : Edits())
        values::ClearUnsolvable(edit);

    // Dн must exceed Dв. A diameter about to be solved is judged once it is
    // fresh, not by what the last computation left in it; before an inner
    // diameter is solved, all that can be told is that Dн must exceed 0.
    if (!Entered(OuterDiameter) && !(Dn > (Entered(InnerDiameter) ? 0 : Dv))) {
        values::ShowUnsolvable(ui->LTorDn, QStringLiteral("Dн должно быть больше Dв"));
        return;
    }

    bool outerSolved = false;
    for (int block = Turns; block <= Inductance; ++block) {
        const auto field = static_cast<Field>(block);
        if (!Entered(field))
            continue;
        if (!OthersPositive(field))
            break;
        if (!values::SolveInto(Edits()[field - 1], [&] { Show(field, Solve(field)); }))
            break;
        outerSolved = outerSolved || field == OuterDiameter;
    }
    if (outerSolved && !(Dn > Dv))
        values::ShowUnsolvable(ui->LTorDn, QStringLiteral("Нет решения: Dн получается не больше Dв"));
}

void FerriteRingPage::ShowDetails()
{
    const Real catalogFactor = values::ReadValue(ui->LTorCatalogAL);
    const Real wanted = values::ReadValue(ui->LTorWantedL);
    const Real measured = values::ReadValue(ui->LTorMeasuredL);
    const bool ring = Dn > Dv && Dv > 0 && H > 0;

    ShowReadOutWhen(ring && M > 0, ui->LTorAL,
                    [&] { return engineering::ToroidInductanceFactor(M, Dn, Dv, H); });
    ShowReadOutWhen(ring && M > 0 && W > 0, ui->LTorExactL,
                    [&] { return engineering::ToroidInductance(W, M, Dn, Dv, H); });
    ShowReadOutWhen(catalogFactor > 0 && wanted > 0, ui->LTorCatalogW,
                    [&] { return engineering::TurnsForInductance(wanted, catalogFactor); });
    ShowReadOutWhen(ring && W > 0 && measured > 0, ui->LTorMeasuredM,
                    [&] { return engineering::ToroidPermeability(measured, W, Dn, Dv, H); });
}

void FerriteRingPage::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : Edits())
        values::ShowCleared(edit);
    for (QLineEdit* edit : {ui->LTorCatalogAL, ui->LTorWantedL, ui->LTorMeasuredL})
        values::ShowCleared(edit);
    for (QLineEdit* readOut : ReadOuts())
        ClearReadOut(readOut);
}

} // namespace pages
