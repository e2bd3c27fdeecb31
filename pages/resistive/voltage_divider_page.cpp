#include "pages/resistive/voltage_divider_page.h"

#include "controls/radio_group.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

#include "ui_voltage_divider_page.h"

#include <QRadioButton>
#include <QScopedValueRollback>

#include <array>

namespace pages {

using values::Real;
using values::UnitKind;
namespace checked = values::checked;

namespace {

// A solved value in base units and as its field shows it; both are checked
// before anything on the page changes.
struct Solution {
    double value;
    double shown;
};

Solution Checked(Real value, double factor)
{
    const double base = checked::ToDouble(value);
    return {base, checked::ToDouble(checked::Div(base, factor))};
}

} // namespace

VoltageDividerPage::VoltageDividerPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::VoltageDividerPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS22"));
    values::LoadPicture(ui->R1R2EUIImage1, QStringLiteral("R1R2EUIImage1"));
}

VoltageDividerPage::~VoltageDividerPage() = default;

void VoltageDividerPage::registerRoutes(controls::RouteTables& routes)
{
    const auto compute = [this](QObject*) { Compute(); };
    routes.edits.add({ui->R1R2EUIR1, ui->R1R2EUIR2, ui->R1R2EUIE, ui->R1R2EUIU, ui->R1R2EUIRn, ui->R1R2EUII},
                     compute);
    routes.buttons.add({ui->R1R2EUIButton}, [this](QObject*) { Clear(); });
    routes.combos.add({ui->R1R2EUIR1CB, ui->R1R2EUIR2CB, ui->R1R2EUIECB, ui->R1R2EUIUCB, ui->R1R2EUIRnCB,
                       ui->R1R2EUIICB},
                      compute);
    routes.options.add({ui->R1R2EUIRG1}, [this](QObject*) { OnOptionChange(); });
}

VoltageDividerPage::LoadMode VoltageDividerPage::Mode() const
{
    const int index = controls::ItemIndex(ui->R1R2EUIRG1);
    return index < 0 ? LoadMode::ByCurrent : static_cast<LoadMode>(index);
}

void VoltageDividerPage::ReadFields()
{
    R1 = values::ReadWithUnit(ui->R1R2EUIR1, ui->R1R2EUIR1CB, UnitKind::R, kR1);
    R2 = values::ReadWithUnit(ui->R1R2EUIR2, ui->R1R2EUIR2CB, UnitKind::R, kR2);
    E = values::ReadWithUnit(ui->R1R2EUIE, ui->R1R2EUIECB, UnitKind::U, kE);
    U = values::ReadWithUnit(ui->R1R2EUIU, ui->R1R2EUIUCB, UnitKind::U, kU);
    Rn = values::ReadWithUnit(ui->R1R2EUIRn, ui->R1R2EUIRnCB, UnitKind::R, kRn);
    I = values::ReadWithUnit(ui->R1R2EUII, ui->R1R2EUIICB, UnitKind::I, kI);
    if (Mode() == LoadMode::NoLoad) {
        Rn = 0;
        I = 0;
    }
}

void VoltageDividerPage::Compute()
{
    ReadFields();
    if (Entered(E, SourceE) && !SolveSource())
        return;
    if (Entered(R1, UpperR1) && !SolveUpperResistor())
        return;
    if (Entered(R2, LowerR2) && !SolveLowerResistor())
        return;
    if (Entered(U, OutputU) && !SolveOutput())
        return;
    if (Mode() != LoadMode::NoLoad && (I == 0 || Rn == 0 || SolvedField == Load) && !SolveLoad())
        return;
    ShowInformation();
}

bool VoltageDividerPage::SolveSource()
{
    Real value = 0;
    switch (Mode()) {
    case LoadMode::ByCurrent:
        if (!(R1 > 0 && R2 > 0 && U > 0 && I > 0))
            return false;
        value = checked::Div(Real(R1) * (Real(U) + Real(R2) * I) + Real(R2) * U, R2);
        break;
    case LoadMode::ByResistance:
        if (!(Rn > 0 && R1 > 0 && U > 0 && R2 > 0))
            return false;
        value = checked::Div(Real(U) * Rn * (Real(R1) + R2) + Real(R2) * R1 * U, Real(R2) * Rn);
        break;
    case LoadMode::NoLoad:
        if (!(R1 > 0 && R2 > 0 && U > 0))
            return false;
        value = checked::Div(Real(U) * (Real(R1) + R2), R2);
        break;
    }
    Accept(SourceE, ui->R1R2EUIE, E, kE, value);
    return true;
}

bool VoltageDividerPage::SolveUpperResistor()
{
    Real value = 0;
    switch (Mode()) {
    case LoadMode::ByCurrent:
        if (!(R2 > 0 && E > 0 && U > 0 && I > 0 && E > U))
            return false;
        value = checked::Div(Real(R2) * (Real(E) - U), Real(U) + Real(R2) * I);
        break;
    case LoadMode::ByResistance:
        if (!(Rn > 0 && R2 > 0 && U > 0 && E > 0 && E > U))
            return false;
        value = checked::Div(Real(R2) * (Real(E) - U) * Rn, Real(U) * (Real(R2) + Rn));
        break;
    case LoadMode::NoLoad:
        if (!(R2 > 0 && E > 0 && U > 0 && E > U))
            return false;
        value = checked::Div(Real(R2) * (Real(E) - U), U);
        break;
    }
    Accept(UpperR1, ui->R1R2EUIR1, R1, kR1, value);
    return true;
}

bool VoltageDividerPage::SolveLowerResistor()
{
    Real value = 0;
    switch (Mode()) {
    case LoadMode::ByCurrent:
        if (!(R1 > 0 && E > 0 && U > 0 && I > 0 && E > U))
            return false;
        value = checked::Div(Real(R1) * U, Real(E) - U - Real(R1) * I);
        break;
    case LoadMode::ByResistance:
        if (!(Rn > 0 && R1 > 0 && U > 0 && E > 0 && E > U))
            return false;
        value = checked::Div(Real(U) * R1 * Rn, (Real(E) - U) * Rn - Real(R1) * U);
        break;
    case LoadMode::NoLoad:
        if (!(R1 > 0 && E > 0 && U > 0 && E > U))
            return false;
        value = checked::Div(Real(R1) * U, Real(E) - U);
        break;
    }
    Accept(LowerR2, ui->R1R2EUIR2, R2, kR2, value);
    return true;
}

bool VoltageDividerPage::SolveOutput()
{
    Real value = 0;
    switch (Mode()) {
    case LoadMode::ByCurrent:
        if (!(R1 > 0 && E > 0 && R2 > 0 && I > 0))
            return false;
        value = checked::Div(Real(E) * R2 - Real(I) * R1 * R2, Real(R1) + R2);
        break;
    case LoadMode::ByResistance:
        if (!(Rn > 0 && R1 > 0 && R2 > 0 && E > 0))
            return false;
        value = checked::Div(Real(E) * R2 * Rn, (Real(R1) + R2) * Rn + Real(R1) * R2);
        break;
    case LoadMode::NoLoad:
        if (!(R1 > 0 && E > 0 && R2 > 0))
            return false;
        value = checked::Div(Real(E) * R2, Real(R1) + R2);
        break;
    }
    Accept(OutputU, ui->R1R2EUIU, U, kU, value);
    return true;
}

bool VoltageDividerPage::SolveLoad()
{
    if (!(R1 > 0 && R2 > 0 && E > 0 && U > 0 && E > U))
        return false;
    const Real current = checked::Div(Real(R2) * E - Real(U) * (Real(R1) + R2), Real(R1) * R2);
    if (!(current > 0))
        return false;
    const Solution solvedI = Checked(current, kI);
    const Solution solvedRn = Checked(checked::Div(U, solvedI.value), kRn);
    ui->R1R2EUIRG1->setEnabled(false);
    I = solvedI.value;
    Rn = solvedRn.value;
    SolvedField = Load;
    values::ShowSolved(ui->R1R2EUIRn, solvedRn.shown);
    values::ShowSolved(ui->R1R2EUII, solvedI.shown);
    return true;
}

void VoltageDividerPage::Accept(Field field, QLineEdit* edit, double& target, double factor, Real value)
{
    const Solution solved = Checked(value, factor);
    SolvedField = field;
    target = solved.value;
    values::ShowSolved(edit, solved.shown);
    ShowLoadCompanion();
}

// The load field that the mode does not take as input follows U.
void VoltageDividerPage::ShowLoadCompanion()
{
    switch (Mode()) {
    case LoadMode::ByCurrent: {
        const Solution solved = Checked(checked::Div(U, I), kRn);
        Rn = solved.value;
        values::ShowSolved(ui->R1R2EUIRn, solved.shown);
        break;
    }
    case LoadMode::ByResistance: {
        const Solution solved = Checked(checked::Div(U, Rn), kI);
        I = solved.value;
        values::ShowSolved(ui->R1R2EUII, solved.shown);
        break;
    }
    case LoadMode::NoLoad:
        break;
    }
}

void VoltageDividerPage::ShowInformation()
{
    // Rp: R2 in parallel with the load.
    const Real rp = checked::Div(Real(R2) * U, Real(U) + Real(R2) * I);
    const Real inputResistance = checked::Finite(rp + R1);
    const Real inputPower = checked::Div(Real(E) * E, inputResistance);
    const Real outputPower = Real(I) * U;
    const std::array<Real, 7> figures{
        checked::Div((Real(E) - U) * (Real(E) - U), R1),
        checked::Div(Real(U) * U, R2),
        inputPower,
        outputPower,
        checked::Div(outputPower * 100, inputPower),
        inputResistance,
        checked::Div(E, inputResistance),
    };
    std::array<QString, 7> texts;
    for (std::size_t i = 0; i < figures.size(); ++i)
        texts[i] = values::FormatNumber(checked::ToDouble(figures[i]));

    const std::array labels{ui->R1R2EUIL1, ui->R1R2EUIL2, ui->R1R2EUIL3, ui->R1R2EUIL4,
                            ui->R1R2EUIL5, ui->R1R2EUIL6, ui->R1R2EUIL7};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(texts[i]);
}

void VoltageDividerPage::OnOptionChange()
{
    if (clearing_)
        return;
    ResetPage();
    switch (Mode()) {
    case LoadMode::ByCurrent:
        ui->R1R2EUII->setReadOnly(false);
        ui->R1R2EUIRn->setReadOnly(true);
        break;
    case LoadMode::ByResistance:
        ui->R1R2EUII->setReadOnly(true);
        ui->R1R2EUIRn->setReadOnly(false);
        break;
    case LoadMode::NoLoad:
        for (QWidget* control : std::initializer_list<QWidget*>{ui->R1R2EUIRn, ui->R1R2EUII, ui->R1R2EUIRnCB,
                                                                 ui->R1R2EUIICB})
            control->setEnabled(false);
        break;
    }
}

void VoltageDividerPage::Clear()
{
    ui->R1R2EUIRG1->setEnabled(true);
    SolvedField = None;
    {
        const QScopedValueRollback<bool> guard(clearing_, true);
        controls::RadioItems(ui->R1R2EUIRG1).front()->setChecked(true);
    }
    ResetPage();
}

void VoltageDividerPage::ResetPage()
{
    SolvedField = None;
    for (QLineEdit* edit : {ui->R1R2EUIR1, ui->R1R2EUIR2, ui->R1R2EUIE, ui->R1R2EUIU, ui->R1R2EUII})
        values::ShowCleared(edit);
    values::ShowResult(ui->R1R2EUIRn, values::WindowColour(), true, 0);

    values::SetUnit(ui->R1R2EUIR1CB, 0, QStringLiteral("Ом"));
    values::SetUnit(ui->R1R2EUIR2CB, 0, QStringLiteral("Ом"));
    values::SetUnit(ui->R1R2EUIECB, 1, QStringLiteral("Вольт"));
    values::SetUnit(ui->R1R2EUIUCB, 1, QStringLiteral("Вольт"));
    values::SetUnit(ui->R1R2EUIICB, 2, QStringLiteral("Ампер"));
    values::SetUnit(ui->R1R2EUIRnCB, 0, QStringLiteral("Ом"));

    for (QLabel* label : {ui->R1R2EUIL1, ui->R1R2EUIL2, ui->R1R2EUIL3, ui->R1R2EUIL4, ui->R1R2EUIL5,
                          ui->R1R2EUIL6, ui->R1R2EUIL7})
        label->setText(QStringLiteral("??"));
    for (QWidget* control : std::initializer_list<QWidget*>{ui->R1R2EUII, ui->R1R2EUIICB, ui->R1R2EUIRn,
                                                             ui->R1R2EUIRnCB})
        control->setEnabled(true);
}

} // namespace pages
