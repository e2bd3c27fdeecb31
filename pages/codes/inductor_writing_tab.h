#pragma once

#include "controls/route_tables.h"
#include "engineering/colour_codes.h"

#include <QString>
#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class InductorWritingTab;
}

namespace pages {

// "Номинал -> Цвето маркировка" of the inductor page: a value of at most
// three characters drawn as two digit bands, a multiplier and a tolerance.
class InductorWritingTab : public QWidget {
    Q_OBJECT

public:
    explicit InductorWritingTab(QWidget* parent = nullptr);
    ~InductorWritingTab() override;

    void registerRoutes(controls::RouteTables& routes);

    // Compute and OnUnitChange are this one operation.
    void Encode();
    void Clear();

private:
    void ShowPictures();

    std::unique_ptr<Ui::InductorWritingTab> ui;

    // Nothing written yet, and a black multiplier.
    static constexpr engineering::Marking kCleared{.multiplierCode = 0};
    engineering::Marking marking_ = kCleared;
};

} // namespace pages
