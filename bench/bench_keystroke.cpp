// In-process figures: constructing and showing the main window with all its
// pages, and one keystroke in a numeric edit of every kind of page through
// filter, routing, compute and result display.

#include "app/error_reporter.h"
#include "app/main_window.h"
#include "app/page_catalog.h"
#include "bench_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include <cstdio>

namespace {

void Key(QWidget* target, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Median time of typing a digit at the end of the edit and deleting it again.
double KeystrokeMicroseconds(QLineEdit* edit)
{
    edit->setFocus();
    edit->end(false);
    std::vector<double> samples;
    for (int i = 0; i < 2000; ++i) {
        const bool add = i % 2 == 0;
        const auto start = bench::Clock::now();
        if (add)
            Key(edit, Qt::Key_7, QStringLiteral("7"));
        else
            Key(edit, Qt::Key_Backspace, QString());
        samples.push_back(bench::Microseconds(bench::Clock::now() - start));
    }
    return bench::Median(samples);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // A message box would stop the run; failures are not what is measured here.
    app::SetErrorReporter([](const QString&) {});

    std::vector<double> construct;
    for (int i = 0; i < 10; ++i) {
        const auto start = bench::Clock::now();
        app::MainWindow window;
        window.show();
        QApplication::processEvents();
        construct.push_back(bench::Microseconds(bench::Clock::now() - start) / 1000);
    }
    std::printf("construct and show the main window with all pages: median %.2f ms\n", bench::Median(construct));

    app::MainWindow window;
    window.show();
    // The first two fields of every page that has numeric edits: fill the
    // first so that typing into the second computes something.
    // A sheet name as the argument measures that page alone (for a profiler).
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const app::PageEntry& entry : app::PageCatalog()) {
        if (!only.isEmpty() && only != QLatin1String(entry.sheet))
            continue;
        window.findChild<QAction*>(QLatin1String(entry.menuItem))->trigger();
        QWidget* page = window.page(QLatin1String(entry.sheet));
        QList<QLineEdit*> edits;
        for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
            if (!edit->isReadOnly() && edit->isVisible() && edit->text() == QLatin1String("0"))
                edits << edit;
        }
        if (edits.size() < 2)
            continue;
        edits[0]->setFocus();
        edits[0]->selectAll();
        Key(edits[0], Qt::Key_3, QStringLiteral("3"));
        edits[1]->selectAll();
        Key(edits[1], Qt::Key_5, QStringLiteral("5"));
        std::printf("keystroke on %-5s (%s): median %.1f us (goal < 100)\n", entry.sheet,
                    qPrintable(edits[1]->objectName()), KeystrokeMicroseconds(edits[1]));
    }

    // The filter designer at its largest: a band-pass of order 11 (22 parts),
    // snapped to E24, 400 points, two ladders swept. One digit typed into the
    // impedance redesigns, lists, draws and plots; grab() paints the whole
    // page as the screen would.
    if (!only.isEmpty() && only != QLatin1String("TSFilterDesign"))
        return 0;
    window.findChild<QAction*>(QStringLiteral("NFilterDesign"))->trigger();
    QWidget* designer = window.page(QStringLiteral("TSFilterDesign"));
    window.findChild<QComboBox*>(QStringLiteral("FDKind"))->setCurrentIndex(2);
    window.findChild<QComboBox*>(QStringLiteral("FDSeries"))->setCurrentIndex(2);
    window.findChild<QSpinBox*>(QStringLiteral("FDOrder"))->setValue(11);
    auto* impedance = window.findChild<QLineEdit*>(QStringLiteral("FDImpedance"));
    impedance->setFocus();
    impedance->end(false);
    std::vector<double> redraws;
    for (int i = 0; i < 200; ++i) {
        const auto start = bench::Clock::now();
        if (i % 2 == 0)
            Key(impedance, Qt::Key_7, QStringLiteral("7"));
        else
            Key(impedance, Qt::Key_Backspace, QString());
        designer->grab();
        redraws.push_back(bench::Microseconds(bench::Clock::now() - start) / 1000);
    }
    std::printf("filter designer, band-pass order 11, E24, 400 points: input change to painted page: median %.2f ms (goal < 30)\n",
                bench::Median(redraws));
    return 0;
}
