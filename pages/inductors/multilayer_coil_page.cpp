#include "pages/inductors/multilayer_coil_page.h"

#include "controls/labelled_edit.h"
#include "engineering/coils.h"
#include "ui_multilayer_coil_page.h"
#include "values/checked_math.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/pictures.h"

namespace pages {

using values::Real;

namespace {

const QString TurnsCaption = QStringLiteral("Колличество витков W (штук)");
const QString InductanceCaption = QStringLiteral("Индуктивность L (мкГн)");
const QString OuterDiameterCaption = QStringLiteral("Наружный диаметр Dн (мм)");
const QString InnerDiameterCaption = QStringLiteral("Внутренний диаметр Dв (мм)");
const QString LengthCaption = QStringLiteral("Длинна намотки J (мм)");

constexpr int GeometryPictureTop = 141;
constexpr int WindingPictureTop = 75;

} // namespace

MultilayerCoilPage::MultilayerCoilPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::MultilayerCoilPage>())
{
    ui->setupUi(this);
    for (QLineEdit* input : {ui->L2W, ui->L2Dn, ui->L2Dv, ui->L2J})
        input->setEnabled(false);
    values::SetFieldState(ui->L2L, values::FieldState::Result);
}

MultilayerCoilPage::~MultilayerCoilPage() = default;

void MultilayerCoilPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->L2W, ui->L2Dn, ui->L2Dv, ui->L2J}, [this](QObject*) { Compute(); });
    routes.unroutedEdits.push_back(ui->L2L);
    routes.buttons.add({ui->L2Button}, [this](QObject*) { Clear(); });
    routes.options.add({ui->L2RB1}, [this](QObject*) {
        ChooseGeometryMode(FindInductance);
        Compute();
    });
    routes.options.add({ui->L2RB2}, [this](QObject*) {
        ChooseGeometryMode(FindTurns);
        Compute();
    });
    routes.options.add({ui->L2CB1}, [this](QObject*) {
        if (ui->L2CB1->isChecked())
            EnterExactMode();
        else
            LeaveExactMode();
        Compute();
    });
}

void MultilayerCoilPage::OnOpen()
{
    const QString picture = QStringLiteral("PIC34");
    values::LoadPicture(ui->L2Image1, picture);
    ui->L2Image1->resize(values::PictureSize(picture));
}

void MultilayerCoilPage::ShowPicture(const QString& name, int top)
{
    values::LoadPicture(ui->L2Image1, name);
    ui->L2Image1->resize(values::PictureSize(name));
    ui->L2Image1->move(ui->L2Image1->x(), top);
}

void MultilayerCoilPage::ZeroTexts()
{
    // Guarded: a computation run by the first write would find nothing to do,
    // or fail on a bad text still standing in a later field.
    for (QLineEdit* edit : {ui->L2W, ui->L2Dn, ui->L2Dv, ui->L2J, ui->L2L})
        values::WriteGuarded(edit, QStringLiteral("0"));
    values::ClearUnsolvable(ui->L2L);
}

void MultilayerCoilPage::EnterMode(Mode newMode)
{
    mode = newMode;
    for (QLineEdit* input : {ui->L2W, ui->L2Dn, ui->L2Dv, ui->L2J})
        input->setEnabled(true);
}

void MultilayerCoilPage::LeaveExactMode()
{
    mode = NoMode;
    ShowPicture(QStringLiteral("PIC34"), GeometryPictureTop);
    for (QLineEdit* input : {ui->L2W, ui->L2Dn, ui->L2Dv, ui->L2J})
        input->setEnabled(false);
    ui->L2GB->show();
    controls::SetEditCaption(ui->L2W, QString());
    controls::SetEditCaption(ui->L2Dn, OuterDiameterCaption);
    controls::SetEditCaption(ui->L2J, LengthCaption);
    controls::SetEditCaption(ui->L2Dv, InnerDiameterCaption);
    controls::SetEditCaption(ui->L2L, QString());
    ZeroTexts();
    // Exclusive radio buttons cannot all be unchecked while exclusive.
    for (QRadioButton* button : {ui->L2RB1, ui->L2RB2}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void MultilayerCoilPage::ChooseGeometryMode(Mode newMode)
{
    EnterMode(newMode);
    // The first edit and the output swap meanings between the two modes.
    const bool findInductance = newMode == FindInductance;
    controls::SetEditCaption(findInductance ? ui->L2W : ui->L2L, TurnsCaption);
    controls::SetEditCaption(findInductance ? ui->L2L : ui->L2W, InductanceCaption);
    ZeroTexts();
}

void MultilayerCoilPage::EnterExactMode()
{
    ShowPicture(QStringLiteral("PIC35"), WindingPictureTop);
    EnterMode(ExactInductance);
    ui->L2GB->hide();
    controls::SetEditCaption(ui->L2W, QStringLiteral("Число витков W (Штук)"));
    controls::SetEditCaption(ui->L2Dn, QStringLiteral("Число витков в один ряд (Штук)"));
    controls::SetEditCaption(ui->L2Dv, QStringLiteral("Диаметр провода Dп (мм)"));
    controls::SetEditCaption(ui->L2J, InnerDiameterCaption);
    controls::SetEditCaption(ui->L2L, InductanceCaption);
    ZeroTexts();
}

void MultilayerCoilPage::WriteOutput(double value)
{
    ui->L2L->setText(values::FormatNumber(value));
    values::ClearUnsolvable(ui->L2L);
}

void MultilayerCoilPage::Compute()
{
    const Real a = values::ReadValue(ui->L2Dn);
    const Real b = values::ReadValue(ui->L2Dv);
    const Real c = values::ReadValue(ui->L2J);
    const Real w = values::ReadValue(ui->L2W);
    if (!(a > 0 && b > 0 && c > 0))
        return;
    values::SolveInto(ui->L2L, [&] { Estimate(a, b, c, w); });
}

void MultilayerCoilPage::Estimate(Real a, Real b, Real c, Real w)
{
    if (!(w > 0))
        return;
    switch (mode) {
    case FindInductance:
        WriteOutput(values::checked::ToDouble(engineering::MultilayerInductance(w, a, b, c)));
        break;
    case FindTurns:
        // The first edit holds the inductance in this mode.
        WriteOutput(values::checked::ToDouble(engineering::MultilayerTurns(w, a, b, c)));
        break;
    case ExactInductance:
        // The edits hold turns, turns per row, wire and inner diameter here.
        WriteOutput(values::checked::ToDouble(engineering::MultilayerInductanceFromWinding(w, a, b, c)));
        break;
    case NoMode:
        break;
    }
}

void MultilayerCoilPage::Clear()
{
    ZeroTexts();
}

} // namespace pages
