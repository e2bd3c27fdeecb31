#pragma once

#include <QColor>
#include <QWidget>

namespace controls {

// A small clickable field of colour that carries an integer tag; a press of
// any mouse button is its click.
class ColourSwatch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)
    Q_PROPERTY(QColor colour READ colour WRITE setColour)

public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int tag_ = 0;
    QColor colour_{Qt::white};
};

} // namespace controls
