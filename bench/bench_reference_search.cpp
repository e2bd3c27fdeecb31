// Times the two reference pages on 100,000-line files: one keystroke's
// search including the grid's repaint, the analogue page's opening, and the
// memory held over 1,000 searches; then the same keystrokes and opening on
// the files bundled with the program. Prints the figures; asserts nothing.

#include "app/error_reporter.h"
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 100000;
constexpr int kRepeats = 41;

// Windows-1251 bytes of "примечание" and "КТ".
const QByteArray kNote("\xEF\xF0\xE8\xEC\xE5\xF7\xE0\xED\xE8\xE5");
const QByteArray kKT("\xCA\xD2");

QByteArray Code(int number)
{
    return QByteArray::number(number, 36).toUpper();
}

// Every even line's designation starts with X_, every odd one with Y_; every
// tenth carries a colour suffix in brackets.
QByteArray SmdContents()
{
    const char* types[] = {"NPN", "PNP"};
    const char* packages[] = {"SOT-23", "SOT-323", "SOT-89"};
    QByteArray contents;
    contents.reserve(kLines * 64);
    for (int i = 0; i < kLines; ++i) {
        QByteArray designation = (i % 2 == 0 ? "X_" : "Y_") + Code(i);
        if (i % 10 == 0)
            designation += "(R)";
        contents += designation + " PART" + QByteArray::number(i) + " MAKER" + QByteArray::number(i % 20) + " "
            + types[i % 2] + " " + packages[i % 3] + " " + kNote + " " + QByteArray::number(i) + "  45V 0,1A\r\n";
    }
    return contents;
}

// Every even line's foreign name holds an X.
QByteArray TrContents()
{
    QByteArray contents;
    contents.reserve(kLines * 24);
    for (int i = 0; i < kLines; ++i)
        contents += (i % 2 == 0 ? "2SX" : "2SC") + QByteArray::number(i) + " " + kKT + QByteArray::number(i) + "\r\n";
    return contents;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The bundled copy of a reference file, as the build tree lays it out.
QByteArray Bundled(const QString& name)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/skhemar/Baase/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int LineCount(const QByteArray& contents)
{
    return static_cast<int>(contents.count('\n'));
}

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One keystroke: the edit's text changes, the page searches, the grid repaints.
double Keystroke(QLineEdit* edit, QTableView* grid, const QString& text)
{
    QElapsedTimer timer;
    timer.start();
    edit->setText(text);
    grid->viewport()->repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

struct Case {
    const char* name;
    QString text;
    int type;
    bool partial;
};

void Report(const char* page, const char* name, double median, const QString& count)
{
    std::printf("%-4s %-48s median %8.2f ms  (%s found)\n", page, name, median, qPrintable(count));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::SetErrorReporter([](const QString& message) { std::fprintf(stderr, "error: %s\n", qPrintable(message)); });

    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()) || !QDir().mkdir(QStringLiteral("Baase"))
        || !Write(QStringLiteral("Baase/SMD.db"), SmdContents()) || !Write(QStringLiteral("Baase/Tr.db"), TrContents())) {
        std::fprintf(stderr, "cannot write the files\n");
        return 1;
    }

    app::MainWindow window;
    window.show();
    auto* smdItem = window.findChild<QAction*>(QStringLiteral("SMD1"));
    auto* trItem = window.findChild<QAction*>(QStringLiteral("N16"));
    smdItem->trigger();
    auto* smdEdit = window.findChild<QLineEdit*>(QStringLiteral("SMDEdit1"));
    auto* smdGrid = window.findChild<QTableView*>(QStringLiteral("SMDStringGrid1"));
    auto* smdCount = window.findChild<QLabel*>(QStringLiteral("SMDLabel1"));
    auto* partial = window.findChild<QCheckBox*>(QStringLiteral("SMDCheckBox1"));
    auto* group = window.findChild<QGroupBox*>(QStringLiteral("SMDRadioGroup1"));
    const QList<QRadioButton*> types = group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);

    std::printf("%d-line files; one keystroke = text change, search, grid repaint\n", kLines);
    const Case cases[] = {
        {"SMD exact designation", QStringLiteral("x_2u"), 0, false},
        {"SMD partial designation", QStringLiteral("7q"), 0, true},
        {"SMD exact, everything", QStringLiteral("part777"), 5, false},
        {"SMD partial, everything", QStringLiteral("777"), 5, true},
        {"SMD partial designation matching half the lines", QStringLiteral("x_"), 0, true},
    };
    for (const Case& c : cases) {
        partial->setChecked(c.partial);
        types[c.type]->setChecked(true);
        std::vector<double> times;
        for (int i = 0; i < kRepeats; ++i) {
            smdEdit->clear();
            times.push_back(Keystroke(smdEdit, smdGrid, c.text));
        }
        Report("", c.name, Median(times), smdCount->text());
    }

    std::vector<double> opening;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        trItem->trigger();
        opening.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("     %-48s median %8.2f ms\n", "Tr opening (loads Tr.db)", Median(opening));

    auto* trEdit = window.findChild<QLineEdit*>(QStringLiteral("AnalogTrEdit"));
    auto* trGrid = window.findChild<QTableView*>(QStringLiteral("AnalogTrStringGrid"));
    auto* trCount = window.findChild<QLabel*>(QStringLiteral("AnalogTrLabel1"));
    const std::pair<const char*, QString> trCases[] = {
        {"Tr one match", QStringLiteral("2sc77777")},
        {"Tr partial, few matches", QStringLiteral("7777")},
        {"Tr matching half the lines", QStringLiteral("x")},
        {"Tr cyrillic key", QStringLiteral("кт9999")},
    };
    for (const auto& [name, text] : trCases) {
        std::vector<double> times;
        for (int i = 0; i < kRepeats; ++i) {
            trEdit->clear();
            times.push_back(Keystroke(trEdit, trGrid, text));
        }
        Report("", name, Median(times), trCount->text());
    }

    // Memory: 1,000 searches each, alternating a wide and a narrow result;
    // the resident size is printed along the way, so a one-time step (caches
    // filled by the first searches) shows apart from growth.
    const auto searchRepeatedly = [](const char* name, QLineEdit* edit, const QString& wide, const QString& narrow) {
        std::printf("memory over 1000 %s searches (kB):", name);
        for (int i = 1; i <= 1000; ++i) {
            edit->setText(i % 2 == 0 ? wide : narrow);
            if (i == 1 || i == 10 || i == 100 || i == 500 || i == 1000)
                std::printf("  after %d: %ld", i, ResidentKilobytes());
        }
        std::printf("\n");
    };
    smdItem->trigger();
    partial->setChecked(true);
    types[0]->setChecked(true);
    searchRepeatedly("SMD", smdEdit, QStringLiteral("x_"), QStringLiteral("y_7"));
    trItem->trigger();
    searchRepeatedly("Tr", trEdit, QStringLiteral("x"), QStringLiteral("c7"));

    const QByteArray bundledSmd = Bundled(QStringLiteral("SMD.db"));
    const QByteArray bundledTr = Bundled(QStringLiteral("Tr.db"));
    if (bundledSmd.isEmpty() || bundledTr.isEmpty() || !Write(QStringLiteral("Baase/SMD.db"), bundledSmd)
        || !Write(QStringLiteral("Baase/Tr.db"), bundledTr)) {
        std::fprintf(stderr, "cannot copy the bundled files\n");
        return 1;
    }
    std::printf("bundled files: SMD.db %d records, Tr.db %d pairs\n", LineCount(bundledSmd), LineCount(bundledTr));
    auto* colour = window.findChild<QCheckBox*>(QStringLiteral("SMDCheckBox2"));
    struct BundledCase {
        const char* name;
        QString text;
        int type;
        bool partial;
        bool colour;
    };
    const BundledCase bundledCases[] = {
        {"SMD exact designation", QStringLiteral("1f"), 0, false, false},
        {"SMD partial designation", QStringLiteral("1"), 0, true, false},
        {"SMD exact, everything", QStringLiteral("bc847b"), 5, false, false},
        {"SMD partial, everything", QStringLiteral("sot"), 5, true, false},
        {"SMD colour marking", QStringLiteral("зеленая"), 0, false, true},
    };
    smdItem->trigger();
    for (const BundledCase& c : bundledCases) {
        colour->setChecked(c.colour);
        partial->setChecked(c.partial);
        types[c.type]->setChecked(true);
        std::vector<double> times;
        for (int i = 0; i < kRepeats; ++i) {
            smdEdit->clear();
            times.push_back(Keystroke(smdEdit, smdGrid, c.text));
        }
        Report("", c.name, Median(times), smdCount->text());
    }
    colour->setChecked(false);

    std::vector<double> bundledOpening;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        trItem->trigger();
        bundledOpening.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("     %-48s median %8.2f ms\n", "Tr opening (loads the bundled Tr.db)", Median(bundledOpening));
    std::vector<double> trTimes;
    for (int i = 0; i < kRepeats; ++i) {
        trEdit->clear();
        trTimes.push_back(Keystroke(trEdit, trGrid, QStringLiteral("кт3102")));
    }
    Report("", "Tr search in the bundled file", Median(trTimes), trCount->text());
    return 0;
}
