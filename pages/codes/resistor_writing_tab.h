#pragma once

#include "controls/route_tables.h"
#include "engineering/colour_codes.h"

#include <QString>
#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class ResistorWritingTab;
}

namespace pages {

// "Номинал -> Цвето маркировка" of the resistor page: a nominal value of at
// most four characters is taken apart character by character and drawn as
// bands; the tab moves between 4 and 5 bands where the value needs it.
class ResistorWritingTab : public QWidget {
    Q_OBJECT

public:
    explicit ResistorWritingTab(QWidget* parent = nullptr);
    ~ResistorWritingTab() override;

    void registerRoutes(controls::RouteTables& routes);

    // Compute, OnUnitChange and OnOptionChange are this one operation.
    void Encode();
    void Clear();

private:
    void SwitchBandCount(int count);
    void ShowPictures();

    std::unique_ptr<Ui::ResistorWritingTab> ui;

    int bandCount_ = 4;     // 0 after Clear, until the next encoding reads it
    int unitExponent_ = 0;  // 0, 3, 6, 9: ohm, kiloohm, megaohm, gigaohm
    engineering::Marking marking_;  // of the last entry that fitted a form
    bool switchingBandCount_ = false;
};

} // namespace pages
