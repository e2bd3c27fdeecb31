#include "app/about_window.h"

#include "ui_about_window.h"

#include "values/pictures.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QUrl>

namespace app {

namespace {

constexpr QColor kLinkGreen{0, 128, 0};
constexpr QColor kLinkRed{255, 0, 0};

QString LinkOf(const QString& labelName)
{
    if (labelName == QLatin1String("VerLabel1"))
        return QStringLiteral("mailto:skhemar@example.org?subject=Схемарь");
    if (labelName == QLatin1String("VerLabel2"))
        return QStringLiteral("https://example.org/forum/skhemar");
    return QStringLiteral("https://example.org/skhemar/");
}

} // namespace

AboutWindow::AboutWindow(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                              | Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::AboutWindow>())
{
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(448, 93);
    setWindowIcon(mainWindow->windowIcon());
    values::LoadPicture(ui_->VerImg1, QStringLiteral("VerImg1"));
    for (QLabel* label : {ui_->VerLabel1, ui_->VerLabel2, ui_->VerLabel3}) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setBold(true);
        font.setUnderline(true);
        label->setFont(font);
        RedGreen(label, kLinkGreen, 12);
        label->installEventFilter(this);
    }
    // Both windows share their top-left corner.
    move(mainWindow->pos());
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::RedGreen(QLabel* label, const QColor& colour, int pointSize)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    label->adjustSize();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (label) {
        switch (event->type()) {
        case QEvent::Enter:
            RedGreen(label, kLinkRed, 13);
            break;
        case QEvent::Leave:
            RedGreen(label, kLinkGreen, 12);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                VerLabelClick(label);
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::VerLabelClick(QLabel* label)
{
    // A link the desktop cannot open is ignored; the window stays open.
    QDesktopServices::openUrl(QUrl(LinkOf(label->objectName())));
}

} // namespace app
