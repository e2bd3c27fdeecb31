#pragma once

#include "controls/page.h"

#include <memory>

namespace Ui {
class OscillatingCircuitPage;
}

namespace pages {

// Resonance of an LC circuit: any two of C, L and F give the third.
class OscillatingCircuitPage : public controls::Page {
    Q_OBJECT

public:
    explicit OscillatingCircuitPage(QWidget* parent = nullptr);
    ~OscillatingCircuitPage() override;

    void registerRoutes(controls::RouteTables& routes) override;

private:
    enum Field : unsigned char { None = 0, FieldC = 1, FieldL = 2, FieldF = 3 };

    // An edit or its unit combo changed: only that field is read again.
    void Compute(Field changed);
    void Clear();

    void ReadField(Field field);

    std::unique_ptr<Ui::OscillatingCircuitPage> ui;

    double C = 0;
    double L = 0;
    double F = 0;
    double cScale = 1e-12;
    double lScale = 1e-6;
    double fScale = 1e6;
    Field SolvedField = None;
};

} // namespace pages
