#include "pages/circuits/high_pass_page.h"

#include "ui_high_pass_page.h"

#include "values/pictures.h"

namespace pages {

namespace {

// The pictures of the Г, Т and П sections, LC and RC.
const FilterKind HighPass{
    engineering::FilterPass::HighPass,
    {{
        {{"PIC7", "PIC10"}},
        {{"PIC9", "PIC12"}},
        {{"PIC8", "PIC11"}},
    }},
};

FilterControls ControlsOf(Ui::HighPassPage& ui)
{
    return {ui.FVC, ui.FVCBC, ui.FVLR, ui.FVCBLR, ui.FVFc, ui.FVCBFc,
            ui.FVRG1, ui.FVRG2, ui.FVImage2, ui.FVButton};
}

std::unique_ptr<Ui::HighPassPage> SetUp(QWidget* page)
{
    auto ui = std::make_unique<Ui::HighPassPage>();
    ui->setupUi(page);
    return ui;
}

} // namespace

HighPassPage::HighPassPage(QWidget* parent)
    : Page(parent), ui(SetUp(this)), section(ControlsOf(*ui), HighPass)
{
    values::LoadPicture(ui->FVImage1, QStringLiteral("FVImage1"));
}

HighPassPage::~HighPassPage() = default;

void HighPassPage::OnOpen()
{
    section.OnOpen();
}

void HighPassPage::registerRoutes(controls::RouteTables& routes)
{
    section.registerRoutes(routes);
}

} // namespace pages
