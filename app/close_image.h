#pragma once

#include <QLabel>

namespace app {

// The close image "Image1": a small glyph that closes the current page.
class CloseImage : public QLabel {
    Q_OBJECT

public:
    explicit CloseImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace app
