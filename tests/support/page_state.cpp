#include "support/page_state.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace testing {

namespace {

QString ColourText(const QColor& colour)
{
    return colour.name(QColor::HexArgb);
}

} // namespace

PageState Snapshot(const QWidget* page)
{
    PageState state;
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (qobject_cast<const QComboBox*>(edit->parentWidget()))
            continue; // the combo's own text is covered by its index
        const QString name = edit->objectName();
        state[name + ".text"] = edit->text();
        state[name + ".readOnly"] = edit->isReadOnly() ? "yes" : "no";
        state[name + ".colour"] = ColourText(edit->palette().color(QPalette::Base));
    }
    for (const QComboBox* combo : page->findChildren<QComboBox*>()) {
        const QString name = combo->objectName();
        state[name + ".index"] = QString::number(combo->currentIndex());
        state[name + ".count"] = QString::number(combo->count());
        state[name + ".hint"] = combo->toolTip();
    }
    for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QRadioButton*>(button) || qobject_cast<const QCheckBox*>(button))
            state[button->objectName() + ".checked"] = button->isChecked() ? "yes" : "no";
    }
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        if (name.isEmpty())
            continue;
        state[name + ".text"] = label->text();
        state[name + ".colour"] = ColourText(label->palette().color(QPalette::WindowText));
        state[name + ".picture"] = label->property("picture").toString();
    }
    return state;
}

QStringList Differences(const PageState& start, const PageState& now, const QStringList& kept)
{
    QStringList differences;
    for (const auto& entry : start) {
        const QString& key = entry.first;
        const QString& value = entry.second;
        const QString control = key.section('.', 0, 0);
        const bool keptControl = std::any_of(kept.begin(), kept.end(), [&](const QString& name) {
            return name == key || name == control || control.startsWith(name + "Item")
                   || (name.endsWith("RadioButton") && control.startsWith(name));
        });
        if (keptControl)
            continue;
        const auto found = now.find(key);
        const QString current = found == now.end() ? QStringLiteral("<missing>") : found->second;
        if (current != value)
            differences << QStringLiteral("%1: start \"%2\", after clear \"%3\"").arg(key, value, current);
    }
    return differences;
}

QStringList KeptByClear(const QString& sheet)
{
    static const std::map<QString, QStringList> kept{
        // The form stores the hint misspelt; clearing writes the proper word.
        {"TS1", {"LCFCBC.hint"}},
        // The filter type stays; the label names the chosen type.
        {"TS5", {"FPRG1", "FPLabel3.text"}},
        // The mode (radio buttons, check box), its captions and the enabled
        // state of the inputs (hence their field colour) outlive clearing.
        {"TS8", {"L2RB1", "L2RB2", "L2CB1", "L2WCaption", "L2LCaption", "L2DnCaption", "L2DvCaption",
                 "L2JCaption", "L2W.colour", "L2L.colour", "L2Dn.colour", "L2Dv.colour", "L2J.colour"}},
        // The band count stays; the value entry is emptied like a user's
        // deletion, which the entry filter turns into "0".
        {"TS19", {"ColorRRG2", "E1.text"}},
        // Clearing makes the impedance field editable, though it starts read-only.
        {"TS23", {"RLCFLRRxl.readOnly"}},
        // Units go back by index alone; the hints follow at the next read.
        {"TS24", {"RshRaCB.hint", "RshIaCB.hint", "RshUaCB.hint", "RshRCB.hint", "RshICB.hint", "RshUCB.hint",
                  "RshECB.hint"}},
        // The three groups reset their unit texts but not the hints, and the
        // coil keeps its winding option.
        {"TS26", {"TS26CCB.hint", "TS26LCB.hint", "TS26FCB.hint", "TS26CBF.hint", "TS26CBT.hint", "TS26CBJ.hint",
                  "TS26CBJ4.hint", "TS26LlCB.hint", "TS26ChB1"}},
        // Look-up pages have nothing to clear: the search and its options stay.
        {"TS27", {"SMDEdit1", "SMDRadioGroup1", "SMDRadioButton", "SMDCheckBox1", "SMDCheckBox2", "SMDLabel1"}},
        {"TS28", {"AnalogTrEdit", "AnalogTrLabel1"}},
    };
    const auto found = kept.find(sheet);
    return found == kept.end() ? QStringList{} : found->second;
}

} // namespace testing
