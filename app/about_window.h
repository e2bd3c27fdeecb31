#pragma once

#include <QDialog>

#include <memory>

class QLabel;

namespace Ui {
class AboutWindow;
}

namespace app {

// "О программе": title, version, a picture and three links. Created for each
// showing and destroyed when closed.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* mainWindow);
    ~AboutWindow() override;

    static void RedGreen(QLabel* label, const QColor& colour, int pointSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void VerLabelClick(QLabel* label);
    std::unique_ptr<Ui::AboutWindow> ui_;
};

} // namespace app
