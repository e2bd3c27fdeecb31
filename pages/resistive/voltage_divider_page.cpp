#include "pages/resistive/voltage_divider_page.h"

#include "controls/radio_group.h"
#include "engineering/resistive_circuits.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

#include "ui_voltage_divider_page.h"

#include "pages/resistive/solved_field.h"

#include <QRadioButton>
#include <QScopedValueRollback>

#include <array>
#include <functional>

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

const QString kNotPositive = QStringLiteral("Нет решения: сопротивление получается нулевым или отрицательным");

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
    if (Mode() == LoadMode::None) {
        Rn = 0;
        I = 0;
    }
}

void VoltageDividerPage::Compute()
{
    ReadFields();
    for (QLineEdit* edit : Edits())
        values::ClearUnsolvable(edit);
    for (QLabel* label : Labels())
        values::ClearUnsolvable(label);
    if (Entered(E, SourceE) && !SolveSource())
        return;
    if (Entered(R1, UpperR1) && !SolveUpperResistor())
        return;
    if (Entered(R2, LowerR2) && !SolveLowerResistor())
        return;
    if (Entered(U, OutputU) && !SolveOutput())
        return;
    if (Mode() != LoadMode::None && (I == 0 || Rn == 0 || SolvedField == Load) && !SolveLoad())
        return;
    ShowInformation();
}

engineering::Divider VoltageDividerPage::Circuit() const
{
    return {E, R1, R2, U, I, Rn};
}

bool VoltageDividerPage::LoadGiven() const
{
    switch (Mode()) {
    case LoadMode::ByCurrent:
        return I > 0;
    case LoadMode::ByResistance:
        return Rn > 0;
    case LoadMode::None:
        break;
    }
    return true;
}

// Each block needs the fields its formula reads to be positive, and a
// source above the output wherever a resistor is sought.
bool VoltageDividerPage::SolveSource()
{
    if (!(R1 > 0 && R2 > 0 && U > 0 && LoadGiven()))
        return false;
    return Accept(SourceE, ui->R1R2EUIE, E, kE, [&] { return engineering::DividerSource(Mode(), Circuit()); });
}

bool VoltageDividerPage::SolveUpperResistor()
{
    if (!(R2 > 0 && E > 0 && U > 0 && LoadGiven() && E > U))
        return false;
    return AcceptResistance(UpperR1, ui->R1R2EUIR1, R1, kR1, engineering::DividerUpper);
}

bool VoltageDividerPage::SolveLowerResistor()
{
    if (!(R1 > 0 && E > 0 && U > 0 && LoadGiven() && E > U))
        return false;
    return AcceptResistance(LowerR2, ui->R1R2EUIR2, R2, kR2, engineering::DividerLower);
}

bool VoltageDividerPage::SolveOutput()
{
    if (!(R1 > 0 && E > 0 && R2 > 0 && LoadGiven()))
        return false;
    if (Mode() == LoadMode::ByCurrent && engineering::LoadDrainsUpper(Circuit())) {
        // The load takes all that R1 lets through, or more: no output voltage
        // and no load resistance fit.
        values::ShowUnsolvable(ui->R1R2EUIU, QStringLiteral("Нет решения: ток I должен быть меньше E / R1"));
        values::ShowUnsolvable(ui->R1R2EUIRn, kNotPositive);
        return false;
    }
    return Accept(OutputU, ui->R1R2EUIU, U, kU, [&] { return engineering::DividerOutput(Mode(), Circuit()); });
}

bool VoltageDividerPage::SolveLoad()
{
    if (!(R1 > 0 && R2 > 0 && E > 0 && U > 0 && E > U))
        return false;
    std::optional<Real> current;
    Solution solvedI{};
    const bool computed = values::SolveInto(ui->R1R2EUII, [&] {
        current = engineering::DividerLoadCurrent(Circuit());
        if (current)
            solvedI = Checked(*current, kI);
    });
    if (!computed || !current || !(solvedI.value > 0))
        return false;
    Solution solvedRn{};
    if (!values::SolveInto(ui->R1R2EUIRn,
                           [&] { solvedRn = Checked(engineering::OhmResistance(U, solvedI.value), kRn); }))
        return false;
    ui->R1R2EUIRG1->setEnabled(false);
    I = solvedI.value;
    Rn = solvedRn.value;
    SolvedField = Load;
    values::ShowSolved(ui->R1R2EUIRn, solvedRn.shown);
    values::ShowSolved(ui->R1R2EUII, solvedI.shown);
    return true;
}

bool VoltageDividerPage::AcceptResistance(Field field, QLineEdit* edit, double& target, double factor,
                                          ResistanceFormula formula)
{
    std::optional<Real> value;
    if (!values::SolveInto(edit, [&] { value = formula(Mode(), Circuit()); }))
        return false;
    if (!value) {
        values::ShowUnsolvable(edit, QStringLiteral("Нет решения: сопротивление получается бесконечно большим"));
        return false;
    }
    if (!(*value > 0)) {
        values::ShowUnsolvable(edit, kNotPositive);
        return false;
    }
    return Accept(field, edit, target, factor, [resistance = *value] { return resistance; });
}

// The block's result is shown together with the load field that follows
// it, or neither is: a field that cannot be computed turns red.
bool VoltageDividerPage::Accept(Field field, QLineEdit* edit, double& target, double factor,
                                const std::function<Real()>& compute)
{
    Solution solved{};
    if (!values::SolveInto(edit, [&] { solved = Checked(compute(), factor); }))
        return false;
    const double u = field == OutputU ? solved.value : U;

    // The load field that the mode does not take as input follows U.
    QLineEdit* follower = nullptr;
    Solution follows{};
    switch (Mode()) {
    case LoadMode::ByCurrent:
        follower = ui->R1R2EUIRn;
        if (!values::SolveInto(follower, [&] { follows = Checked(engineering::OhmResistance(u, I), kRn); }))
            return false;
        if (!(follows.value > 0)) {
            values::ShowUnsolvable(follower, kNotPositive);
            return false;
        }
        break;
    case LoadMode::ByResistance:
        follower = ui->R1R2EUII;
        if (!values::SolveInto(follower, [&] { follows = Checked(engineering::OhmCurrent(u, Rn), kI); }))
            return false;
        break;
    case LoadMode::None:
        break;
    }

    SolvedField = field;
    target = solved.value;
    values::ShowSolved(edit, solved.shown);
    if (follower) {
        (follower == ui->R1R2EUIRn ? Rn : I) = follows.value;
        values::ShowSolved(follower, follows.shown);
    }
    return true;
}

void VoltageDividerPage::ShowInformation()
{
    // Each figure that cannot be formed turns its label red; the others are shown.
    using namespace engineering;
    const auto inputResistance = [&] { return DividerInputResistance(Circuit()); };
    const auto inputPower = [&] { return PowerOfVoltage(E, inputResistance()); };
    const auto outputPower = [&] { return Power(U, I); };
    const std::array labels = Labels();
    ShowFigure(labels[0], [&] { return PowerOfVoltage(Real(E) - U, R1); });
    ShowFigure(labels[1], [&] { return PowerOfVoltage(U, R2); });
    ShowFigure(labels[2], inputPower);
    ShowFigure(labels[3], outputPower);
    ShowFigure(labels[4], [&] { return EfficiencyPercent(outputPower(), inputPower()); });
    ShowFigure(labels[5], inputResistance);
    ShowFigure(labels[6], [&] { return OhmCurrent(E, inputResistance()); });
}

std::array<QLineEdit*, 6> VoltageDividerPage::Edits() const
{
    return {ui->R1R2EUIR1, ui->R1R2EUIR2, ui->R1R2EUIE, ui->R1R2EUIU, ui->R1R2EUII, ui->R1R2EUIRn};
}

std::array<QLabel*, 7> VoltageDividerPage::Labels() const
{
    return {ui->R1R2EUIL1, ui->R1R2EUIL2, ui->R1R2EUIL3, ui->R1R2EUIL4,
            ui->R1R2EUIL5, ui->R1R2EUIL6, ui->R1R2EUIL7};
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
    case LoadMode::None:
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

    for (QLabel* label : Labels()) {
        values::ClearUnsolvable(label);
        label->setText(QStringLiteral("??"));
    }
    for (QWidget* control : std::initializer_list<QWidget*>{ui->R1R2EUII, ui->R1R2EUIICB, ui->R1R2EUIRn,
                                                             ui->R1R2EUIRnCB})
        control->setEnabled(true);
}

} // namespace pages
