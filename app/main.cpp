#include "app/main_window.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Схемарь"));
    QApplication::setApplicationDisplayName(QStringLiteral("Схемарь"));
    app::InstallRussianTranslations(application);
    app::MainWindow window;
    window.show();
    return QApplication::exec();
}
