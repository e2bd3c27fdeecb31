#pragma once

#include <QString>

#include <vector>

class QComboBox;

namespace pages::extended {

// The extended circuit page reads its units from the combo's text and keeps
// the numbers in the units shown; each table gives the factor that its
// formulas multiply by.
struct TextUnit {
    QString text;
    double factor;
    QString hint;
};
using UnitTable = std::vector<TextUnit>;

const UnitTable& CapacitancePicofarads();   // picofarads per unit
const UnitTable& InductanceMicrohenries();  // microhenries per unit
const UnitTable& FrequencyPerMegahertz();   // units per megahertz
const UnitTable& FrequencyHertz();          // hertz per unit
const UnitTable& TimeSeconds();             // seconds per unit
const UnitTable& LengthMetres();            // metres per unit

enum class Hint { Set, Keep };

// Looks the combo's text up in the table: a match sets the factor (and the
// hint, when asked); a text that matches nothing leaves the factor as it was.
void TakeUnit(QComboBox* combo, const UnitTable& table, double& factor, Hint hint = Hint::Set);

} // namespace pages::extended
