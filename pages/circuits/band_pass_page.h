#pragma once

#include "controls/page.h"
#include "values/checked_math.h"

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
        double lFactor;        // each of the two like coils is typed
        double cFactor;        // each of the two like capacitors is typed
        values::Real lcConstant;  // k of fc = 1 / (k·√(L·C))
        double C = 0;
        double L = 0;
        double Fc = 0;
        double cScale = 1e-12;
        double lScale = 1e-6;
        double fcScale = 1e6;
        Field solved = None;

        bool owns(const QObject* control) const;
        void readUnits();
        void readValues();
        // False when an entered block lacks an input: the whole computation ends.
        bool solve();
        void clear();
    };

    // Edits, unit changes and the type switch all come here.
    void Compute(QObject* sender);
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
