#include "controls/value_edits.h"

#include "values/field_description.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QStringList>
#include <QTabWidget>

#include <cstdlib>
#include <limits>
#include <memory>
#include <utility>

namespace controls {

namespace {

constexpr char kValueEdit[] = "valueEdit";
const QKeySequence kCopyPage(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

bool IsUnitCombo(const QComboBox* combo)
{
    return combo->accessibleName().endsWith(QStringLiteral(" — единица"));
}

bool SameRow(const QRect& a, const QRect& b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

// True when the combo follows the edit on its row with no other edit between.
bool NextOnRow(const QLineEdit* edit, const QComboBox* combo)
{
    const QRect field = edit->geometry();
    const QRect box = combo->geometry();
    if (!SameRow(field, box) || box.left() < field.right())
        return false;
    for (const QLineEdit* other : edit->parentWidget()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        const QRect between = other->geometry();
        if (other != edit && SameRow(field, between) && between.left() > field.right() && between.right() < box.left())
            return false;
    }
    return true;
}

// The unit combo of an edit: among the unit combos beside it, the one named
// after its caption, else (for an edit whose caption names no unit) the one
// that follows it on its row; nearest first.
const QComboBox* UnitComboBeside(const QLineEdit* edit)
{
    const QWidget* parent = edit->parentWidget();
    if (!parent)
        return nullptr;
    const QString named = values::FieldCaption(edit) + QStringLiteral(" — единица");
    const bool captionHasUnit = !values::FieldUnitText(edit).isEmpty();
    const QRect field = edit->geometry();
    const QComboBox* best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (const QComboBox* combo : parent->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
        if (!IsUnitCombo(combo))
            continue;
        const QRect box = combo->geometry();
        const bool byName = combo->accessibleName() == named;
        const bool onRow = !captionHasUnit && NextOnRow(edit, combo);
        if (!byName && !onRow)
            continue;
        const long distance = std::labs(box.center().y() - field.center().y()) + std::labs(box.left() - field.right());
        const long score = (byName ? 0 : 2) + (onRow ? 0 : 1);
        if (score * 1000000 + distance < bestScore) {
            bestScore = score * 1000000 + distance;
            best = combo;
        }
    }
    return best;
}

// The outermost tab page that holds the widget, and its tab caption.
const QWidget* TabPageOf(const QWidget* widget, QString& title)
{
    const QWidget* page = nullptr;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QWidget* stack = w->parentWidget();
        const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
        const int index = tabs ? tabs->indexOf(w) : -1;
        if (index >= 0) {
            page = w;
            title = tabs->tabText(index);
        }
    }
    return page;
}

QString ValueLines(const QWidget* page, const QString& title)
{
    QStringList lines{title};
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (!edit->property(kValueEdit).toBool() || !edit->isVisibleTo(page))
            continue;
        const QString name = values::FieldName(edit);
        if (!name.isEmpty())
            lines << name + QStringLiteral(": ") + values::ValueWithUnit(edit);
    }
    return lines.join(u'\n');
}

void ShowMenu(QLineEdit* edit, const QPoint& at, const StandardValuesRequest& openStandardValues)
{
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->addSeparator();
    QAction* copyValue = menu->addAction(QStringLiteral("Копировать значение с единицей"));
    QObject::connect(copyValue, &QAction::triggered, edit,
                     [edit] { QApplication::clipboard()->setText(values::ValueWithUnit(edit)); });
    QAction* copyPage = menu->addAction(QStringLiteral("Копировать всю страницу"));
    copyPage->setShortcut(kCopyPage);
    QObject::connect(copyPage, &QAction::triggered, edit,
                     [edit] { QApplication::clipboard()->setText(PageValuesText(edit)); });
    AddStandardValues(menu.get(), edit, openStandardValues);
    menu->exec(at);
}

// Keeps a value edit's description current where a page changes its lock or
// its use directly, and gives it the copy entries of its context menu.
class ValueEditWatcher : public QObject {
public:
    ValueEditWatcher(QObject* parent, StandardValuesRequest openStandardValues)
        : QObject(parent), openStandardValues_(std::move(openStandardValues))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit)
            return QObject::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::ReadOnlyChange:
        case QEvent::EnabledChange:
            values::DescribeField(edit);
            break;
        case QEvent::ToolTip:
            values::ShowFieldDescription(edit);
            break;
        case QEvent::ContextMenu:
            ShowMenu(edit, static_cast<QContextMenuEvent*>(event)->globalPos(), openStandardValues_);
            return true;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    StandardValuesRequest openStandardValues_;
};

} // namespace

void PrepareValueEdits(QWidget* root, StandardValuesRequest openStandardValues)
{
    auto* watcher = new ValueEditWatcher(root, std::move(openStandardValues));
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        auto* edit = qobject_cast<QLineEdit*>(label->buddy());
        if (!edit || edit->property(kValueEdit).toBool())
            continue;
        edit->setProperty(kValueEdit, true);
        const QComboBox* combo = UnitComboBeside(edit);
        values::SetFieldUnit(edit, combo);
        if (combo)
            QObject::connect(combo, &QComboBox::currentTextChanged, edit, [edit] { values::DescribeField(edit); });
        edit->installEventFilter(watcher);
        values::DescribeField(edit);
    }
}

QString PageValuesText(const QWidget* widget)
{
    QString title;
    const QWidget* page = TabPageOf(widget, title);
    return page ? ValueLines(page, title) : QString();
}

void InstallPageCopy(QTabWidget* pages)
{
    auto* shortcut = new QShortcut(kCopyPage, pages->window());
    QObject::connect(shortcut, &QShortcut::activated, pages, [pages] {
        const QWidget* page = pages->currentWidget();
        if (page && pages->isVisible())
            QApplication::clipboard()->setText(ValueLines(page, pages->tabText(pages->currentIndex())));
    });
}

} // namespace controls
