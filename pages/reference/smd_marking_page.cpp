#include "pages/reference/smd_marking_page.h"

#include "controls/radio_group.h"
#include "controls/string_grid.h"
#include "pages/reference/layout_hint.h"
#include "pages/reference/reference_file.h"
#include "pages/reference/smd_search.h"
#include "ui_smd_marking_page.h"

#include <array>

namespace pages {

namespace {

using reference::ByteSpan;

constexpr int kColumns = 6;
// Room for the grid's frame, so the last column ends at the grid's edge.
constexpr int kLastColumnMargin = 7;

// The matching records as the file holds them; cells are cut out of the
// line when the grid paints them.
class SmdRecordRows : public controls::StringGridRows {
public:
    SmdRecordRows(std::shared_ptr<const QByteArray> contents, std::vector<ByteSpan> lines)
        : contents_(std::move(contents)), lines_(std::move(lines))
    {
    }

    int count() const override { return static_cast<int>(lines_.size()); }

    QString cell(int row, int column) const override
    {
        std::array<std::string_view, reference::kSmdWords> words;
        const std::string_view rest = reference::SplitWords(reference::View(*contents_, lines_[row]), words);
        const std::string_view text = column < reference::kSmdWords ? words[column] : rest;
        return reference::Decode(text.substr(0, controls::kLongestCellText));
    }

private:
    std::shared_ptr<const QByteArray> contents_;
    std::vector<ByteSpan> lines_;
};

} // namespace

SmdMarkingPage::SmdMarkingPage(QWidget* parent) : Page(parent), ui(std::make_unique<Ui::SmdMarkingPage>())
{
    ui->setupUi(this);
    grid_ = controls::MakeStringGrid(ui->SMDStringGrid1, kColumns);
    controls::KeepLastColumnClear(ui->SMDStringGrid1, kLastColumnMargin);
}

SmdMarkingPage::~SmdMarkingPage() = default;

void SmdMarkingPage::registerRoutes(controls::RouteTables& routes)
{
    routes.addSearchEdit(ui->SMDEdit1, [this](QObject*) { Compute(); });
    routes.combos.add({ui->SMDCheckBox1, ui->SMDCheckBox2}, [this](QObject*) { OnOptionChange(); });
    routes.options.add({ui->SMDRadioGroup1}, [this](QObject*) { OnOptionChange(); });
    routes.grids.add({ui->SMDStringGrid1}, [this](QObject*) { OnGridClick(); });
}

void SmdMarkingPage::OnOpen()
{
    controls::SetColumnWidths(ui->SMDStringGrid1, {85, 115, 138, 40, 65, 260});
    controls::ClearLastColumnOfScrollBar(ui->SMDStringGrid1, kLastColumnMargin);
    grid_->setCaptions({
        QStringLiteral("  Обозначение"),
        QStringLiteral("      Наименование"),
        QStringLiteral("          Производитель"),
        QStringLiteral("  Тип"),
        QStringLiteral("    Корпус"),
        QStringLiteral("               Дополнительная информация"),
    });
}

void SmdMarkingPage::Compute()
{
    Search();
}

void SmdMarkingPage::OnOptionChange()
{
    Search();
}

void SmdMarkingPage::OnGridClick()
{
    controls::FitLastColumn(ui->SMDStringGrid1, kLastColumnMargin);
}

void SmdMarkingPage::Search()
{
    grid_->showEmptyRow();
    ui->SMDLabel1->setText(QStringLiteral("0"));
    ui->SMDLayoutHint->hide();

    const bool colour = ui->SMDCheckBox2->isChecked();
    if (colour) {
        // Choosing another item raises the group's change, which searches
        // first; this search then finds the same.
        controls::SetItemIndex(ui->SMDRadioGroup1, 0);
    }
    ui->SMDRadioGroup1->setEnabled(!colour);

    const QString typed = ui->SMDEdit1->text();
    if (typed.isEmpty())
        return;

    reference::SmdQuery query;
    query.key = reference::SearchKey(typed);
    query.field = static_cast<reference::SmdField>(std::max(0, controls::ItemIndex(ui->SMDRadioGroup1)));
    query.partial = ui->SMDCheckBox1->isChecked();
    query.colour = colour;

    auto contents = std::make_shared<const QByteArray>(reference::ReadReferenceFile(QStringLiteral("SMD.db")));
    const QByteArray upper = reference::UpperCased(reference::View(*contents, {0, contents->size()}));
    std::vector<ByteSpan> lines = reference::FindSmdRecords(upper, query);
    reference::ShowLayoutHint(ui->SMDLayoutHint, typed, static_cast<int>(lines.size()));
    if (lines.empty())
        return;
    const int found = static_cast<int>(lines.size());
    grid_->showRows(std::make_shared<SmdRecordRows>(std::move(contents), std::move(lines)));
    ui->SMDLabel1->setText(QString::number(found));
}

} // namespace pages
