#include "pages/resistive/quenching_capacitor_page.h"

#include "ui_quenching_capacitor_page.h"

#include <QSignalBlocker>

#include "pages/read_out.h"
#include "pages/resistive/solved_field.h"

#include "engineering/reactance.h"
#include "values/field.h"
#include "values/pictures.h"

#include <cmath>

namespace pages {

namespace {

// Fields are numbered in the order of the quantities of the circuit.
enum Field : int { In = 1, Un = 2, Uv = 3, F = 4, C = 5 };

constexpr std::array<values::UnitKind, 6> kKinds{values::UnitKind::I, values::UnitKind::I, values::UnitKind::U,
                                                 values::UnitKind::U, values::UnitKind::F, values::UnitKind::C};
constexpr std::array<int, 6> kDefaultUnit{0, 2, 1, 1, 0, 2};
constexpr std::array<const char16_t*, 6> kDefaultHint{u"", u"Ампер", u"Вольт", u"Вольт", u"Герц", u"Микрофарад"};

} // namespace

QuenchingCapacitorPage::QuenchingCapacitorPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::QuenchingCapacitorPage>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TS18"));
    edits_ = {nullptr, ui->CDIn, ui->CDUn, ui->CDUv, ui->CDF, ui->CDC};
    combos_ = {nullptr, ui->CDCBIn, ui->CDCBUn, ui->CDCBUv, ui->CDCBF, ui->CDCBC};
    values::LoadPicture(ui->CDImage1, QStringLiteral("CDImage1"));
    ClearReadOut(ui->CDRating);
}

QuenchingCapacitorPage::~QuenchingCapacitorPage() = default;

void QuenchingCapacitorPage::registerRoutes(controls::RouteTables& routes)
{
    routes.edits.add({ui->CDIn, ui->CDUn, ui->CDUv, ui->CDF, ui->CDC}, [this](QObject*) { Compute(); });
    routes.combos.add({ui->CDCBIn, ui->CDCBUn, ui->CDCBUv, ui->CDCBF, ui->CDCBC}, [this](QObject*) { Compute(); });
    routes.buttons.add({ui->CDButton}, [this](QObject*) { Clear(); });
    routes.options.add({ui->CDBridge}, [this](QObject*) { Compute(); });
}

void QuenchingCapacitorPage::Compute()
{
    SolveFields();
    ShowRating();
}

void QuenchingCapacitorPage::SolveFields()
{
    const bool bridge = ui->CDBridge->isChecked();
    std::array<double, kFields + 1> scale{};
    std::array<double, kFields + 1> q{};
    for (int field = In; field <= C; ++field) {
        scale[field] = values::UnitScale(combos_[field], kKinds[field]);
        q[field] = values::ReadValue(edits_[field], scale[field]);
    }
    if (SolvedField > 0)
        q[SolvedField] = solvedValue_;
    for (int field = In; field <= C; ++field)
        values::ClearUnsolvable(edits_[field]);

    // The rule is for typed voltages: a solved one is recomputed below and
    // keeps it by its formula. Behind a bridge the zener is charged up to
    // the input's peak.
    const double limit = bridge ? std::sqrt(2.0) * q[Uv] : q[Uv];
    if (SolvedField != Un && SolvedField != Uv && q[Un] > 0 && q[Uv] > 0 && q[Un] >= limit) {
        values::ShowUnsolvable(ui->CDUn, bridge ? QStringLiteral("Uн должно быть меньше амплитуды Uв, √2·Uв")
                                                : QStringLiteral("Uн должно быть меньше Uв"));
        return;
    }

    for (int field = In; field <= C; ++field) {
        if (q[field] != 0 && SolvedField != field)
            continue;
        for (int input = In; input <= C; ++input) {
            if (input != field && !(q[input] > 0))
                return;
        }
        const engineering::QuenchingCapacitor circuit{q[In], q[Un], q[Uv], q[F], q[C]};
        const auto value = SolveField(edits_[field], scale[field], [&] {
            const auto sought = static_cast<engineering::QuenchingQuantity>(field - In);
            return bridge ? engineering::SolveBridgeDropper(sought, circuit)
                          : engineering::SolveQuenching(sought, circuit);
        });
        if (!value)
            return;
        SolvedField = field;
        solvedValue_ = *value;
        q[field] = *value;
    }
}

void QuenchingCapacitorPage::ShowRating()
{
    const double supply = SolvedField == Uv ? solvedValue_
                                            : values::ReadValue(ui->CDUv, values::UnitScale(ui->CDCBUv, kKinds[Uv]));
    ShowReadOutWhen(supply > 0, ui->CDRating, [&] { return engineering::DropperVoltageRating(supply); });
}

void QuenchingCapacitorPage::Clear()
{
    SolvedField = 0;
    solvedValue_ = 0;
    for (int field = In; field <= C; ++field) {
        values::ShowCleared(edits_[field]);
        values::SetUnit(combos_[field], kDefaultUnit[field], QString::fromUtf16(kDefaultHint[field]));
    }
    {
        // A computation on the way would take the units' hints back from their defaults.
        const QSignalBlocker quiet(ui->CDBridge);
        ui->CDBridge->setChecked(false);
    }
    ClearReadOut(ui->CDRating);
}

} // namespace pages
