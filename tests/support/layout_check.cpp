#include "support/layout_check.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>

namespace testing {

namespace {

QString Name(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Width the widget's text needs, 0 where it shows none.
int TextWidth(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (!label->pixmap().isNull() || label->wordWrap())
            return 0;
        return label->sizeHint().width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->sizeHint().width();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QSize needed = combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                              QSize(widest, combo->fontMetrics().height()), combo);
        return needed.width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title().isEmpty() ? 0 : group->fontMetrics().horizontalAdvance(group->title()) + 12;
    return 0;
}

// Height one line of the widget's text needs, 0 where it shows none.
int TextHeight(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (!label->pixmap().isNull() || label->wordWrap() || label->text().isEmpty())
            return 0;
        const QMargins margins = label->contentsMargins();
        return label->fontMetrics().height() + margins.top() + margins.bottom();
    }
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget))
        return widget->fontMetrics().height();
    return 0;
}

// The pieces of one drawing (numbered images such as ColorRImage1..9) are
// placed edge on edge and may share a pixel column.
bool PiecesOfOneDrawing(const QWidget* a, const QWidget* b)
{
    const auto* first = qobject_cast<const QLabel*>(a);
    const auto* second = qobject_cast<const QLabel*>(b);
    if (!first || !second || first->pixmap().isNull() || second->pixmap().isNull())
        return false;
    auto stem = [](QString name) {
        while (!name.isEmpty() && name.back().isDigit())
            name.chop(1);
        return name;
    };
    return stem(a->objectName()) == stem(b->objectName()) && !stem(a->objectName()).isEmpty();
}

bool IsContainer(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) || widget->metaObject() == &QWidget::staticMetaObject;
}

void CollectFaults(const QWidget* parent, QStringList& faults)
{
    QList<const QWidget*> children;
    for (const QObject* object : parent->children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (child && !child->isWindow() && child->isVisibleTo(parent))
            children << child;
    }
    for (const QWidget* child : children) {
        if (!parent->rect().contains(child->geometry()))
            faults << Name(child) + QStringLiteral(" leaves ") + Name(parent);
        if (TextWidth(child) > child->width())
            faults << Name(child) + QStringLiteral(" is too narrow for its text (%1 < %2)").arg(child->width()).arg(TextWidth(child));
        if (TextHeight(child) > child->height())
            faults << Name(child) + QStringLiteral(" is too low for its text (%1 < %2)").arg(child->height()).arg(TextHeight(child));
        if (const auto* label = qobject_cast<const QLabel*>(child); label && label->wordWrap()
            && label->heightForWidth(label->width()) > label->height())
            faults << Name(child) + QStringLiteral(" is too low for its wrapped text");
        if (const auto* label = qobject_cast<const QLabel*>(child); label && !label->pixmap().isNull()) {
            const QSize picture = label->pixmap().deviceIndependentSize().toSize();
            if (picture.width() > label->width() || picture.height() > label->height())
                faults << Name(child) + QStringLiteral(" clips its picture");
        }
        // Each pair once, the earlier-made control named first, so reports read the same every run.
        for (qsizetype later = children.indexOf(child) + 1; later < children.size(); ++later) {
            const QWidget* other = children[later];
            if (child->geometry().intersects(other->geometry()) && !PiecesOfOneDrawing(child, other))
                faults << Name(child) + QStringLiteral(" overlaps ") + Name(other);
        }
        if (const auto* tabs = qobject_cast<const QTabWidget*>(child); tabs && tabs->currentWidget())
            CollectFaults(tabs->currentWidget(), faults);
        else if (IsContainer(child))
            CollectFaults(child, faults);
    }
}

} // namespace

QStringList LayoutFaults(const QWidget* page)
{
    QStringList faults;
    CollectFaults(page, faults);
    return faults;
}

} // namespace testing
