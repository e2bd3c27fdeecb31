// Renders every page (and every sub-page of a nested page control) of the
// main window to PNG files for review:
//   skhemar_render_pages OUTDIR [MENUITEM[:EDIT=TEXT,EDIT=TEXT...]...]
// Texts given for a page's edits are typed in, key by key, before rendering;
// a combo box given an item's text chooses that item.

#include "app/main_window.h"
#include "app/page_catalog.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
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

void TypeInto(QWidget& window, const QString& assignments)
{
    for (const QString& assignment : assignments.split(u',', Qt::SkipEmptyParts)) {
        const QString name = assignment.section(u'=', 0, 0);
        const QString text = assignment.section(u'=', 1);
        if (auto* combo = window.findChild<QComboBox*>(name)) {
            // As the list would: select the item, then report the choice.
            const int index = combo->findText(text);
            if (index >= 0) {
                combo->setCurrentIndex(index);
                emit combo->activated(index);
            }
            continue;
        }
        auto* edit = window.findChild<QLineEdit*>(name);
        if (!edit)
            continue;
        edit->setFocus();
        edit->selectAll();
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
        }
    }
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
    QStringList wanted;
    QHash<QString, QString> inputs;
    for (const QString& argument : arguments.mid(2)) {
        wanted << argument.section(u':', 0, 0);
        inputs.insert(wanted.last(), argument.section(u':', 1));
    }

    app::MainWindow window;
    window.show();
    Save(window, out.filePath(QStringLiteral("collapsed.png")));
    for (const app::PageEntry& entry : app::PageCatalog()) {
        const QString item = QLatin1String(entry.menuItem);
        if (!wanted.isEmpty() && !wanted.contains(item))
            continue;
        window.findChild<QAction*>(item)->trigger();
        TypeInto(window, inputs.value(item));
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
