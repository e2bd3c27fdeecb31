#pragma once

#include "controls/route_tables.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class InductorReadingTab;
}

namespace pages {

// "Цвето маркировка -> Номинал" of the inductor page: two digit bands, a
// multiplier counted in microhenry and a tolerance band that may be absent.
class InductorReadingTab : public QWidget {
    Q_OBJECT

public:
    explicit InductorReadingTab(QWidget* parent = nullptr);
    ~InductorReadingTab() override;

    void registerRoutes(controls::RouteTables& routes);

    void OnColourClick(int tag);
    void Clear();

private:
    void ApplyBand(int tag);

    std::unique_ptr<Ui::InductorReadingTab> ui;

    QString digit1_;
    QString digit2_;
    std::optional<int> multiplier_;  // colour code of the multiplier band
    QString tolerance_ = QStringLiteral("20%");
    QString unit_;
    double value_ = 0;
};

} // namespace pages
