#include "controls/labelled_edit.h"

#include "values/errors.h"

#include <QLabel>
#include <QLineEdit>

namespace controls {

QLabel* EditCaption(const QLineEdit* edit)
{
    const QWidget* scope = edit->window();
    for (QLabel* label : scope->findChildren<QLabel*>()) {
        if (label->buddy() == edit)
            return label;
    }
    return nullptr;
}

void NameControlsByCaptions(QWidget* root)
{
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* control = label->buddy();
        if (!control || !control->accessibleName().isEmpty())
            continue;
        QString name = label->text();
        name.remove(u'&');
        control->setAccessibleName(name.trimmed());
    }
}

void SetEditCaption(const QLineEdit* edit, const QString& caption)
{
    QLabel* label = EditCaption(edit);
    if (!label)
        throw values::ResourceError(QStringLiteral("Поле %1 без подписи").arg(edit->objectName()));
    label->setText(caption);
    label->buddy()->setAccessibleName(caption);
}

} // namespace controls
