#include "pages/reference/transistor_analogues_page.h"

#include "controls/string_grid.h"
#include "pages/reference/analogue_table.h"
#include "pages/reference/layout_hint.h"
#include "pages/reference/reference_file.h"
#include "ui_transistor_analogues_page.h"

namespace pages {

namespace {

constexpr int kColumns = 2;
constexpr int kColumnWidth = 155;

// The matching pairs; they keep the table they were found in, so a reload
// at the next opening leaves the shown results as they were.
class AnaloguePairRows : public controls::StringGridRows {
public:
    AnaloguePairRows(std::shared_ptr<const reference::AnalogueTable> table, std::vector<int> lines)
        : table_(std::move(table)), lines_(std::move(lines))
    {
    }

    int count() const override { return static_cast<int>(lines_.size()); }

    QString cell(int row, int column) const override
    {
        const int line = lines_[static_cast<std::size_t>(row)];
        return column == 0 ? table_->foreignType(line) : table_->russianType(line);
    }

private:
    std::shared_ptr<const reference::AnalogueTable> table_;
    std::vector<int> lines_;
};

} // namespace

TransistorAnaloguesPage::TransistorAnaloguesPage(QWidget* parent)
    : Page(parent), ui(std::make_unique<Ui::TransistorAnaloguesPage>())
{
    ui->setupUi(this);
    grid_ = controls::MakeStringGrid(ui->AnalogTrStringGrid, kColumns);
    controls::SetColumnWidths(ui->AnalogTrStringGrid, {kColumnWidth, kColumnWidth});
    controls::KeepLastColumnClear(ui->AnalogTrStringGrid, 0);
}

TransistorAnaloguesPage::~TransistorAnaloguesPage() = default;

void TransistorAnaloguesPage::registerRoutes(controls::RouteTables& routes)
{
    routes.addSearchEdit(ui->AnalogTrEdit, [this](QObject*) { Compute(); });
    routes.grids.add({ui->AnalogTrStringGrid}, [this](QObject*) { OnGridClick(); });
}

void TransistorAnaloguesPage::OnOpen()
{
    grid_->setCaptions({QStringLiteral("Буржуйский"), QStringLiteral("Русский")});
    // A file that cannot be read leaves the earlier contents in place.
    table_ = reference::AnalogueTable::Load();
}

void TransistorAnaloguesPage::Compute()
{
    grid_->showEmptyRow();
    ui->AnalogTrLabel1->setText(QStringLiteral("0"));
    ui->AnalogTrLayoutHint->hide();
    const QString typed = ui->AnalogTrEdit->text();
    if (typed.isEmpty() || !table_)
        return;
    std::vector<int> lines = table_->Find(reference::SearchKey(typed));
    reference::ShowLayoutHint(ui->AnalogTrLayoutHint, typed, static_cast<int>(lines.size()));
    if (lines.empty())
        return;
    const int found = static_cast<int>(lines.size());
    grid_->showRows(std::make_shared<AnaloguePairRows>(table_, std::move(lines)));
    ui->AnalogTrLabel1->setText(QString::number(found));
}

void TransistorAnaloguesPage::OnGridClick()
{
    controls::FitLastColumn(ui->AnalogTrStringGrid, 0);
}

} // namespace pages
