#include "pages/resistive/added_resistor_page.h"

#include "ui_added_resistor_page.h"

#include "pages/resistive/solved_field.h"

#include "engineering/resistive_circuits.h"
#include "values/field.h"
#include "values/pictures.h"

namespace pages {

namespace {

// Fields are numbered in the order of the quantities of a drop.
enum Field : int { Uv = 1, Un = 2, In = 3, Rd = 4 };

constexpr std::array<values::UnitKind, 5> kKinds{values::UnitKind::U, values::UnitKind::U, values::UnitKind::U,
                                                 values::UnitKind::I, values::UnitKind::R};
constexpr std::array<int, 5> kDefaultUnit{0, 1, 1, 2, 0};
constexpr std::array<const char16_t*, 5> kDefaultHint{u"", u"Вольт", u"Вольт", u"Ампер", u"Ом"};

const QString kPowerPrefix = QStringLiteral("W = ");

} // namespace

AddedResistorPage::AddedResistorPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::AddedResistorPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS17"));
    edits_ = {nullptr, ui->RDUv, ui->RDU, ui->RDI, ui->RDR};
    combos_ = {nullptr, ui->RDCBUv, ui->RDCBU, ui->RDCBI, ui->RDCBR};
    values::LoadPicture(ui->RDImage1, QStringLiteral("RDImage1"));
}

AddedResistorPage::~AddedResistorPage() = default;

void AddedResistorPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->RDUv, ui->RDU, ui->RDI, ui->RDR}, [this](QObject*) { Compute(); });
    routes.combos.add({ui->RDCBUv, ui->RDCBU, ui->RDCBI, ui->RDCBR}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->RDButton}, [this](QObject*) { Clear(); });
}

void AddedResistorPage::Compute()
{
    std::array<double, kFields + 1> scale{};
    std::array<double, kFields + 1> q{};
    for (int field = Uv; field <= Rd; ++field) {
        scale[field] = values::UnitScale(combos_[field], kKinds[field]);
        q[field] = values::ReadValue(edits_[field], scale[field]);
    }
    if (SolvedField > 0)
        q[SolvedField] = solvedValue_;
    for (int field = Uv; field <= Rd; ++field)
        values::ClearUnsolvable(edits_[field]);
    values::ClearUnsolvable(ui->RDLabel2);

    // The rule is for typed voltages: a solved one is recomputed below and
    // keeps it by its formula.
    if (SolvedField != Uv && SolvedField != Un && q[Uv] > 0 && q[Uv] < q[Un]) {
        values::ShowUnsolvable(ui->RDUv, QStringLiteral("Uв должно быть не меньше Uн"));
        return;
    }

    for (int field = Uv; field <= Rd; ++field) {
        if (q[field] != 0 && SolvedField != field)
            continue;
        for (int input = Uv; input <= Rd; ++input) {
            if (input != field && !(q[input] > 0))
                return;
        }
        const engineering::Drop drop{q[Uv], q[Un], q[In], q[Rd]};
        const auto value = SolveField(edits_[field], scale[field], [&] {
            return engineering::SolveDrop(static_cast<engineering::DropQuantity>(field - Uv), drop);
        });
        if (!value)
            return;
        SolvedField = field;
        solvedValue_ = *value;
        q[field] = *value;
    }

    if (SolvedField > 0)
        ShowFigure(ui->RDLabel2, [&] { return engineering::PowerOfCurrent(q[In], q[Rd]); }, kPowerPrefix);
}

void AddedResistorPage::Clear()
{
    SolvedField = 0;
    solvedValue_ = 0;
    for (int field = Uv; field <= Rd; ++field) {
        values::ShowCleared(edits_[field]);
        values::SetUnit(combos_[field], kDefaultUnit[field], QString::fromUtf16(kDefaultHint[field]));
    }
    values::ClearUnsolvable(ui->RDLabel2);
    ui->RDLabel2->setText(kPowerPrefix);
}

} // namespace pages
