#include "pages/inductors/wire_inductance_page.h"

#include "engineering/coils.h"
#include "ui_wire_inductance_page.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

using values::Real;

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
        if (!values::SolveInto(ui->L4J, [&] { Show(Length, engineering::WireLength(L, D)); }))
            return;
    }
    if (D == 0 || SolvedField == Diameter) {
        if (!(J > 0 && L > 0))
            return;
        if (!values::SolveInto(ui->L4D, [&] { Show(Diameter, engineering::WireDiameter(J, L)); }))
            return;
    }
    if (!(L == 0 || SolvedField == Inductance))
        return;
    if (!(J > 0 && D > 0))
        return;
    values::SolveInto(ui->L4L, [&] { Show(Inductance, engineering::WireInductance(J, D)); });
}

void WireInductancePage::Clear()
{
    SolvedField = None;
    for (QLineEdit* edit : {ui->L4J, ui->L4D, ui->L4L})
        values::ShowCleared(edit);
}

} // namespace pages
