#include "pages/inductors/ferrite_ring_page.h"

#include "ui_ferrite_ring_page.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

using values::checked::Div;
using values::checked::Sqrt;

namespace {

constexpr values::Real RingConstant = 2500;

} // namespace

FerriteRingPage::FerriteRingPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::FerriteRingPage>())
{
    ui->setupUi(this);
    values::LoadPicture(ui->LTorImage1, QStringLiteral("LTorImage1"));
}

FerriteRingPage::~FerriteRingPage() = default;

void FerriteRingPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->LTorW, ui->LTorM, ui->LTorDn, ui->LTorDv, ui->LTorH, ui->LTorL},
                     [this](QObject*) { Compute(); });
    routes.buttons.add({ui->LTorButton}, [this](QObject*) { Clear(); });
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
        return Sqrt(Div(RingConstant * L * S, H * M * Delta));
    case Permeability:
        return Div(RingConstant * L * S, H * W * W * Delta);
    case OuterDiameter: {
        const Real k = Div(H * M * W * W, RingConstant * L);
        return Div(Dv * (k + 1), k - 1);
    }
    case InnerDiameter: {
        const Real k = Div(H * M * W * W, RingConstant * L);
        return Div(Dn * (k - 1), k + 1);
    }
    case Height:
        return Div(RingConstant * L * S, M * W * W * Delta);
    case Inductance:
        return Div(H * M * W * W * Delta, RingConstant * S);
    case None:
        break;
    }
    return 0;
}

void FerriteRingPage::Show(Field field, Real value)
{
    QLineEdit* const edits[] = {nullptr, ui->LTorW, ui->LTorM, ui->LTorDn, ui->LTorDv, ui->LTorH, ui->LTorL};
    const double shown = values::checked::ToDouble(value);
    Real* const stored[] = {nullptr, &W, &M, &Dn, &Dv, &H, &L};
    *stored[field] = shown;
    SolvedField = field;
    values::ShowSolved(edits[field], shown);
}

bool FerriteRingPage::CheckDiameters()
{
    if (Dn == 0)
        return true;
    if (!(Dn > Dv)) {
        values::SetFieldColour(ui->LTorDn, values::InvalidColour);
        return false;
    }
    values::SetFieldColour(ui->LTorDn, values::WindowColour());
    return true;
}

void FerriteRingPage::Compute()
{
    W = values::ReadValue(ui->LTorW);
    M = values::ReadValue(ui->LTorM);
    Dn = values::ReadValue(ui->LTorDn);
    Dv = values::ReadValue(ui->LTorDv);
    H = values::ReadValue(ui->LTorH);
    L = values::ReadValue(ui->LTorL);
    S = Dn + Dv;
    Delta = Dn - Dv;

    if (!CheckDiameters())
        return;

    for (int block = Turns; block <= Inductance; ++block) {
        const auto field = static_cast<Field>(block);
        if (Value(field) != 0 && SolvedField != field)
            continue;
        if (!OthersPositive(field))
            return;
        Show(field, Solve(field));
    }
}

void FerriteRingPage::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {ui->LTorW, ui->LTorM, ui->LTorDn, ui->LTorDv, ui->LTorH, ui->LTorL})
        values::ShowCleared(edit);
}

} // namespace pages
