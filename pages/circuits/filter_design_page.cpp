#include "pages/circuits/filter_design_page.h"

#include "ui_filter_design_page.h"

#include "controls/labelled_edit.h"
#include "engineering/filter_response.h"
#include "pages/circuits/filter_elements.h"
#include "pages/circuits/filter_plot.h"
#include "values/field.h"
#include "values/number_text.h"
#include "values/numeric_filter.h"
#include "values/update_guard.h"
#include "values/units.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace pages {

namespace {

using namespace engineering::filter;
using engineering::Real;

constexpr int kPoints = 400;
constexpr int kMegahertz = 2; // index of "мГц" among the frequency units

std::optional<engineering::ESeries> ChosenSeries(int index)
{
    switch (index) {
    case 1: return engineering::ESeries::E12;
    case 2: return engineering::ESeries::E24;
    case 3: return engineering::ESeries::E96;
    default: return std::nullopt; // "Точные"
    }
}

bool IsBand(Kind kind)
{
    return kind == Kind::BandPass || kind == Kind::BandStop;
}

std::vector<double> Doubles(const std::vector<Loss>& losses, Real Loss::*member)
{
    std::vector<double> values;
    values.reserve(losses.size());
    for (const Loss& loss : losses)
        values.push_back(double(loss.*member));
    return values;
}

// The sweep point nearest each mark moves onto it, so the curve passes
// through the loss at the cut-off or the band edges themselves.
void PutOnMarks(std::vector<Real>& frequencies, const std::vector<Real>& marks)
{
    for (const Real mark : marks) {
        const auto above = std::lower_bound(frequencies.begin(), frequencies.end(), mark);
        if (above == frequencies.end())
            continue;
        auto nearest = above;
        if (above != frequencies.begin() && mark / *(above - 1) < *above / mark)
            nearest = above - 1;
        *nearest = mark;
    }
}

std::unique_ptr<Ui::FilterDesignPage> SetUp(QWidget* page)
{
    auto ui = std::make_unique<Ui::FilterDesignPage>();
    ui->setupUi(page);
    return ui;
}

} // namespace

FilterDesignPage::FilterDesignPage(QWidget* parent)
    : Page(parent), ui(SetUp(this)), elements_(new FilterElementsModel(this))
{
    ui->FDElements->setModel(elements_);
    ui->FDElements->verticalHeader()->hide();
    ui->FDElements->horizontalHeader()->setStretchLastSection(true);
    ui->FDElements->verticalHeader()->setDefaultSectionSize(ui->FDElements->fontMetrics().height() + 6);
    ui->FDElements->setColumnWidth(0, 58);
    ui->FDElements->setColumnWidth(1, 108);
    ui->FDElements->setColumnWidth(2, 102);
    auto* copy = new QAction(QStringLiteral("Копировать список элементов"), ui->FDElements);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { copyElements(); });
    ui->FDElements->addAction(copy);
    ui->FDElements->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QComboBox* unit : {ui->FDCBF1, ui->FDCBF2})
        values::FillUnitCombo(unit, values::UnitTexts(values::UnitKind::F), QStringLiteral("Мегагерц"), kMegahertz);
}

FilterDesignPage::~FilterDesignPage() = default;

void FilterDesignPage::registerRoutes(controls::RouteTables& routes)
{
    const auto compute = [this](QObject*) { Compute(); };
    routes.edits.add({ui->FDRipple, ui->FDImpedance, ui->FDF1, ui->FDF2}, compute);
    routes.combos.add({ui->FDCBF1, ui->FDCBF2, ui->FDTopology, ui->FDSeries, ui->FDOrder}, compute);
    routes.combos.add({ui->FDKind, ui->FDResponse}, [this](QObject*) { OnOptionChange(); });
    routes.buttons.add({ui->FDButton}, [this](QObject*) { Clear(); });
}

// Back to the design the page opens with.
void FilterDesignPage::Clear()
{
    {
        const values::UpdateGuardScope guard;
        const QSignalBlocker quiet(ui->FDOrder); // one design at the end, not one per field
        ui->FDOrder->setValue(5);
        for (QComboBox* choice : {ui->FDKind, ui->FDResponse, ui->FDTopology, ui->FDSeries})
            choice->setCurrentIndex(0);
        for (QComboBox* unit : {ui->FDCBF1, ui->FDCBF2})
            values::SetUnit(unit, kMegahertz, QStringLiteral("Мегагерц"));
        ui->FDRipple->setText(values::FormatNumber(0.1));
        ui->FDImpedance->setText(QStringLiteral("50"));
        ui->FDF1->setText(QStringLiteral("30"));
        ui->FDF2->setText(QStringLiteral("40"));
    }
    OnOptionChange();
}

// Every opening shows the page's numbers in the decimal separator in use
// and the design they give; the first opening starts with 0.1 dB of ripple.
void FilterDesignPage::OnOpen()
{
    plot();
    if (!shown_)
        values::WriteGuarded(ui->FDRipple, values::FormatNumber(0.1));
    {
        const values::UpdateGuardScope guard;
        for (QLineEdit* edit : {ui->FDRipple, ui->FDImpedance, ui->FDF1, ui->FDF2})
            values::FilterNumericText(edit);
    }
    OnOptionChange();
}

// Ripple belongs to Chebyshev only, the upper edge to the band kinds only.
void FilterDesignPage::OnOptionChange()
{
    const auto kind = static_cast<Kind>(ui->FDKind->currentIndex());
    const bool band = IsBand(kind);
    ui->FDRipple->setEnabled(static_cast<Response>(ui->FDResponse->currentIndex()) == Response::Chebyshev);
    ui->FDF2->setEnabled(band);
    ui->FDCBF2->setEnabled(band);
    controls::SetEditCaption(ui->FDF1, band ? QStringLiteral("Нижняя частота F1") : QStringLiteral("Частота среза F1"));
    Compute();
}

Request FilterDesignPage::readRequest() const
{
    Request request;
    request.kind = static_cast<Kind>(ui->FDKind->currentIndex());
    request.response = static_cast<Response>(ui->FDResponse->currentIndex());
    request.order = ui->FDOrder->value();
    // A disabled field is not read: what it holds does not count.
    if (request.response == Response::Chebyshev)
        request.rippleDb = values::ReadValue(ui->FDRipple);
    request.impedance = values::ReadValue(ui->FDImpedance);
    request.f1 = values::ReadWithUnit(ui->FDF1, ui->FDCBF1, values::UnitKind::F);
    if (IsBand(request.kind))
        request.f2 = values::ReadWithUnit(ui->FDF2, ui->FDCBF2, values::UnitKind::F);
    request.topology = ui->FDTopology->currentIndex() == 1 ? Topology::SeriesFirst : Topology::ShuntFirst;
    return request;
}

void FilterDesignPage::Compute()
{
    const Request request = readRequest();
    clearRefusal();
    Design design;
    if (!values::SolveInto(ui->FDF1, [&] { design = DesignLadder(request); }))
        return;
    if (design.error) {
        showRefusal(*design.error);
        return;
    }
    showDesign(request, design.ladder);
}

void FilterDesignPage::showRefusal(const InputError& error)
{
    switch (error.input) {
    case Input::Order: values::ShowUnsolvable(ui->FDOrder, error.reason); break;
    case Input::Ripple: values::ShowUnsolvable(ui->FDRipple, error.reason); break;
    case Input::Impedance: values::ShowUnsolvable(ui->FDImpedance, error.reason); break;
    case Input::F1: values::ShowUnsolvable(ui->FDF1, error.reason); break;
    case Input::F2: values::ShowUnsolvable(ui->FDF2, error.reason); break;
    }
}

// The inputs have no colour of their own: once a red one is mended it takes
// the inherited palette again, so a field disabled meanwhile looks disabled.
void FilterDesignPage::clearRefusal()
{
    for (QWidget* input : std::initializer_list<QWidget*>{ui->FDOrder, ui->FDRipple, ui->FDImpedance, ui->FDF1, ui->FDF2}) {
        if (!values::IsUnsolvable(input))
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(input))
            values::ClearUnsolvable(edit);
        else
            values::ClearUnsolvable(ui->FDOrder);
        input->setPalette(QPalette());
    }
}

// Everything is computed before anything is shown, so a failure leaves the
// previous design whole.
void FilterDesignPage::showDesign(const Request& request, const Ladder& ladder)
{
    const auto series = ChosenSeries(ui->FDSeries->currentIndex());
    const int unitIndex = ui->FDCBF1->currentIndex();
    PlottedResponse response;
    std::vector<FilterElement> elements;
    const bool computed = values::SolveInto(ui->FDF1, [&] {
        const Ladder snapped = series ? Snapped(ladder, *series) : ladder;
        const FrequencyRange range = SweepRange(request);
        std::vector<Real> marks{request.f1};
        if (IsBand(request.kind))
            marks.push_back(request.f2);
        std::vector<Real> frequencies = LogSweep(range.from, range.to, kPoints);
        PutOnMarks(frequencies, marks);
        const std::vector<Loss> exact = ComputeResponse(ladder, frequencies);
        response.frequencies.assign(frequencies.begin(), frequencies.end());
        response.insertion = Doubles(exact, &Loss::insertionDb);
        response.reflection = Doubles(exact, &Loss::returnDb);
        if (series) {
            const std::vector<Loss> standard = ComputeResponse(snapped, frequencies);
            response.snappedInsertion = Doubles(standard, &Loss::insertionDb);
            response.snappedReflection = Doubles(standard, &Loss::returnDb);
            response.seriesName = QString::fromLatin1(engineering::ESeriesName(*series));
        }
        response.marks.assign(marks.begin(), marks.end());
        elements = ListElements(ladder, snapped);
    });
    if (!computed)
        return;
    const values::UnitItem& unit = values::UnitItems(values::UnitKind::F)[std::size_t(unitIndex)];
    response.unitFactor = unit.factor;
    response.unitSymbol = values::UnitSymbol({values::UnitKind::F, std::size_t(unitIndex)});
    elements_->show(std::move(elements), response.seriesName);
    ui->FDSchematic->showLadder(ladder);
    plot()->showResponse(std::move(response));
    shown_ = true;
}

// A chart builds a whole graphics scene: made when the page first opens,
// not while the program starts.
FilterPlot* FilterDesignPage::plot()
{
    if (!plot_) {
        plot_ = new FilterPlot(ui->FDPlotArea);
        plot_->setObjectName(QStringLiteral("FDPlot"));
        auto* layout = new QVBoxLayout(ui->FDPlotArea);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(plot_);
    }
    return plot_;
}

void FilterDesignPage::copyElements() const
{
    QGuiApplication::clipboard()->setText(elements_->plainText());
}

} // namespace pages
