#pragma once

#include "controls/page.h"
#include "engineering/filter_sections.h"

#include <memory>

class QComboBox;
class QLineEdit;

namespace Ui {
class BandPassPage;
}

namespace pages {

// A T section built of a low-pass half (C1, L1, Fc1) and a high-pass half
// (C2, L2, Fc2), as a band-pass or a band-stop filter.
class BandPassPage : public controls::Page {
    Q_OBJECT

public:
    explicit BandPassPage(QWidget* parent = nullptr);
    ~BandPassPage() override;

    void OnOpen() override;
    void registerRoutes(controls::RouteTables& routes) override;

private:
    enum Field : unsigned char { None = 0, FieldC = 1, FieldL = 2, FieldFc = 3 };

    // One half of the section: its fields, units, values and solve state.
    struct Half {
        QLineEdit* cEdit;
        QComboBox* cUnit;
        QLineEdit* lEdit;
        QComboBox* lUnit;
        QLineEdit* fcEdit;
        QComboBox* fcUnit;
        engineering::FilterPass pass;
        engineering::ElementFactors factors;  // each of two like elements is typed
        double C = 0;
        double L = 0;
        double Fc = 0;
        double cScale = 1e-12;
        double lScale = 1e-6;
        double fcScale = 1e6;
        Field solved = None;

        double cFactor() const { return static_cast<double>(factors.capacitor); }
        double lFactor() const { return static_cast<double>(factors.inductorOrResistor); }
        void readUnits();
        void readValues();
        // False when an entered block lacks an input: the whole computation ends.
        bool solve();
        void clear();
    };

    // An edit or a unit of one half changed; a cut-off unit is shared by both halves.
    void Compute(Half* edited);
    void OnCutOffUnitChange(QComboBox* chosen, QComboBox* follower);
    void OnTypeChange();
    void Clear();
    void showType();
    void showPictures(int typeIndex);
    void showConditionColour();
    int filterType() const;

    std::unique_ptr<Ui::BandPassPage> ui;
    Half lowPass;
    Half highPass;
};

} // namespace pages
