#include "controls/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(colour_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed();
}

} // namespace controls
