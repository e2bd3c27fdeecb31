// Renders every page (and every sub-page of a nested page control) of the
// main window to PNG files for review: skhemar_render_pages OUTDIR [MENUITEM...]

#include "app/main_window.h"
#include "app/page_catalog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

namespace {

void Save(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    window.grab().save(path);
    QTextStream(stdout) << path << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "usage: skhemar_render_pages OUTDIR [MENUITEM...]\n";
        return 2;
    }
    const QDir out(arguments[1]);
    QDir().mkpath(out.absolutePath());
    const QStringList wanted = arguments.mid(2);

    app::MainWindow window;
    window.show();
    Save(window, out.filePath(QStringLiteral("collapsed.png")));
    for (const app::PageEntry& entry : app::PageCatalog()) {
        const QString item = QLatin1String(entry.menuItem);
        if (!wanted.isEmpty() && !wanted.contains(item))
            continue;
        window.findChild<QAction*>(item)->trigger();
        const QString sheet = QLatin1String(entry.sheet);
        Save(window, out.filePath(sheet + QStringLiteral(".png")));
        for (QTabWidget* nested : window.page(sheet)->findChildren<QTabWidget*>()) {
            for (int i = 1; i < nested->count(); ++i) {
                nested->setCurrentIndex(i);
                Save(window, out.filePath(sheet + QLatin1Char('_') + nested->widget(i)->objectName() + QStringLiteral(".png")));
            }
            nested->setCurrentIndex(0);
        }
    }
    return 0;
}
