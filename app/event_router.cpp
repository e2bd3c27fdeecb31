#include "app/event_router.h"

#include "app/error_reporter.h"
#include "controls/colour_swatch.h"
#include "controls/radio_group.h"
#include "values/numeric_filter.h"
#include "values/update_guard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>

namespace app {

namespace {

// Puts NumericFilterOn back at the end of every edit change, failure or not:
// a failed search must not leave the next numeric edit unfiltered.
class FilterFlagRestore {
public:
    explicit FilterFlagRestore(bool& flag) : flag_(flag) {}
    ~FilterFlagRestore() { flag_ = true; }
    FilterFlagRestore(const FilterFlagRestore&) = delete;
    FilterFlagRestore& operator=(const FilterFlagRestore&) = delete;

private:
    bool& flag_;
};

bool IsTextEditingKey(const QKeyEvent* key)
{
    // Focus moves and closing the list stay with the keyboard.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape)
        return false;
    return !key->text().isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
        || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)
        || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

// A combo whose text part only shows the chosen unit opens its list on a
// click anywhere in the box, as a combo without a text part does.
class WholeComboArrowStyle : public QProxyStyle {
public:
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option, const QPoint& at,
                                     const QWidget* widget) const override
    {
        const SubControl hit = QProxyStyle::hitTestComplexControl(control, option, at, widget);
        if (control == CC_ComboBox && hit == SC_ComboBoxEditField)
            return SC_ComboBoxArrow;
        return hit;
    }
};

} // namespace

EventRouter::EventRouter(QObject* parent) : QObject(parent) {}

void EventRouter::Dispatch(const std::function<void()>& work)
{
    ++depth_;
    std::exception_ptr failure;
    try {
        work();
    } catch (...) {
        failure = std::current_exception();
    }
    --depth_;
    if (failure && !pending_)
        pending_ = failure;
    if (depth_ == 0 && pending_)
        ReportFailure(std::exchange(pending_, nullptr));
}

bool EventRouter::isSearchEdit(const QObject* sender) const
{
    return std::find(tables_.searchEdits.begin(), tables_.searchEdits.end(), sender) != tables_.searchEdits.end();
}

void EventRouter::EditChange(QObject* sender)
{
    if (values::UpdateGuard)
        return;
    Dispatch([&] {
        const FilterFlagRestore restore(numericFilterOn_);
        if (isSearchEdit(sender))
            numericFilterOn_ = false;
        if (numericFilterOn_) {
            if (auto* edit = qobject_cast<QLineEdit*>(sender))
                values::FilterNumericText(edit);
            // A failure in the nested change event that the rewrite raised ends this one too.
            if (pending_)
                std::rethrow_exception(std::exchange(pending_, nullptr));
        }
        tables_.edits.route(sender);
    });
}

void EventRouter::ButtonClick(QObject* sender)
{
    Dispatch([&] { tables_.buttons.route(sender); });
}

void EventRouter::CBClick(QObject* sender)
{
    Dispatch([&] { tables_.combos.route(sender); });
}

void EventRouter::RBClick(QObject* sender)
{
    Dispatch([&] { tables_.options.route(sender); });
}

void EventRouter::MouseUp(QObject* sender)
{
    Dispatch([&] { tables_.grids.route(sender); });
}

void EventRouter::SwatchMouseDown(QObject* sender)
{
    Dispatch([&] { tables_.swatches.route(sender); });
}

void EventRouter::wireEdit(QObject* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { EditChange(edit); });
}

void EventRouter::wireCombo(QObject* control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::activated, this, [this, combo] { CBClick(combo); });
    else if (auto* box = qobject_cast<QCheckBox*>(control))
        connect(box, &QCheckBox::toggled, this, [this, box] { CBClick(box); });
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        connect(spin, &QSpinBox::valueChanged, this, [this, spin] { CBClick(spin); });
}

void EventRouter::wireOption(QObject* control)
{
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        for (QRadioButton* item : controls::RadioItems(group)) {
            connect(item, &QRadioButton::toggled, this, [this, group](bool checked) {
                if (checked)
                    RBClick(group);
            });
        }
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        connect(radio, &QRadioButton::toggled, this, [this, radio](bool checked) {
            if (checked)
                RBClick(radio);
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        connect(box, &QCheckBox::toggled, this, [this, box] { RBClick(box); });
    }
}

void EventRouter::wireGrid(QObject* control)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
        view->viewport()->installEventFilter(this);
        if (auto* table = qobject_cast<QTableView*>(view))
            table->horizontalHeader()->viewport()->installEventFilter(this);
    }
}

void EventRouter::wire(QWidget* root)
{
    for (const auto& row : tables_.edits.rows())
        std::for_each(row.controls.begin(), row.controls.end(), [this](QObject* c) { wireEdit(c); });
    for (QLineEdit* edit : tables_.unroutedEdits)
        wireEdit(edit);
    for (const auto& row : tables_.buttons.rows()) {
        for (QObject* control : row.controls) {
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                connect(button, &QAbstractButton::clicked, this, [this, button] { ButtonClick(button); });
        }
    }
    for (const auto& row : tables_.combos.rows())
        std::for_each(row.controls.begin(), row.controls.end(), [this](QObject* c) { wireCombo(c); });
    for (const auto& row : tables_.options.rows())
        std::for_each(row.controls.begin(), row.controls.end(), [this](QObject* c) { wireOption(c); });
    for (const auto& row : tables_.grids.rows())
        std::for_each(row.controls.begin(), row.controls.end(), [this](QObject* c) { wireGrid(c); });
    for (const auto& row : tables_.swatches.rows()) {
        for (QObject* control : row.controls) {
            if (auto* swatch = qobject_cast<controls::ColourSwatch*>(control))
                connect(swatch, &controls::ColourSwatch::pressed, this, [this, swatch] { SwatchMouseDown(swatch); });
        }
    }
    // Combo boxes have an editable text part, but their value changes only by
    // choosing an item. The text part is costly to build, so a combo gets it
    // when it is first shown rather than at start-up.
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        combo->installEventFilter(this);
        if (combo->isEditable())
            prepareComboText(combo);
    }
}

void EventRouter::prepareComboText(QComboBox* combo)
{
    combo->setEditable(true);
    QLineEdit* text = combo->lineEdit();
    text->installEventFilter(this);
    text->setReadOnly(true);
    // The text part is no place to type: a click on it reaches the combo,
    // whose style takes it for a click on the arrow, and opens the list.
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    text->setCursor(Qt::ArrowCursor);
    if (!comboStyle_) {
        comboStyle_ = new WholeComboArrowStyle;
        comboStyle_->setParent(this);
    }
    combo->setStyle(comboStyle_);
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && !combo->isEditable())
            prepareComboText(combo);
    } else if (event->type() == QEvent::KeyPress) {
        const bool inCombo = qobject_cast<QComboBox*>(watched)
            || qobject_cast<QComboBox*>(watched->parent());
        if (inCombo && IsTextEditingKey(static_cast<QKeyEvent*>(event)))
            return true; // R1R2EUIRnCBKeyPress: the typed character becomes nothing
    } else if (event->type() == QEvent::MouseButtonRelease) {
        for (QObject* p = watched; p; p = p->parent()) {
            if (auto* view = qobject_cast<QAbstractItemView*>(p)) {
                if (!qobject_cast<QHeaderView*>(view)) {
                    MouseUp(view);
                    break;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
