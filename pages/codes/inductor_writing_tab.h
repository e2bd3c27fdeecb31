#pragma once

#include "controls/route_tables.h"

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

    int entryShape_ = 0;      // written form of the last accepted entry, 0 none
    QString band1_;
    QString band2_;
    int multiplierCode_ = 0;  // colour code of the multiplier band
};

} // namespace pages
