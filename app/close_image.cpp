#include "app/close_image.h"

#include "values/pictures.h"

#include <QMouseEvent>

namespace app {

CloseImage::CloseImage(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(19, 19);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Закрыть страницу"));
    values::LoadPicture(this, QStringLiteral("Image1"));
}

void CloseImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace app
