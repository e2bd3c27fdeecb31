// Program start to first shown window, and peak memory, of Skhemar against a
// bare Qt main window started the same way.
//   bench_startup            runs both 15 times each and prints medians
//   bench_startup skhemar    one start of the program's window (used by the above)
//   bench_startup bare       one start of a bare QMainWindow

#include "app/main_window.h"
#include "app/translations.h"
#include "bench_support.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

template <class Window>
int ShowOnce(int argc, char* argv[], bool skhemar)
{
    QApplication application(argc, argv);
    if (skhemar)
        app::InstallRussianTranslations(application);
    Window window;
    window.show();
    // The first shown window: exposed and painted once. The figure is the
    // moment of that paint; tearing down is not part of starting.
    QTimer::singleShot(0, &application, [] {
        const auto shown = std::chrono::duration_cast<std::chrono::nanoseconds>(
            bench::Clock::now().time_since_epoch()).count();
        std::printf("shown_ns %lld\npeak_kib %ld\n", static_cast<long long>(shown), bench::PeakMemoryKiB());
        std::fflush(stdout);
        std::_Exit(0);
    });
    return QApplication::exec();
}

struct Run {
    double milliseconds;
    long peakKiB;
};

Run Launch(const QString& mode)
{
    QProcess process;
    const auto start = std::chrono::duration_cast<std::chrono::nanoseconds>(
        bench::Clock::now().time_since_epoch()).count();
    process.start(QCoreApplication::applicationFilePath(), {mode});
    process.waitForFinished(60000);
    const QByteArray out = process.readAllStandardOutput();
    auto field = [&out](const char* name) {
        const int at = out.indexOf(name);
        return at < 0 ? 0LL : out.mid(at + static_cast<int>(qstrlen(name))).split('\n').first().trimmed().toLongLong();
    };
    // steady_clock is the system-wide monotonic clock, shared by both processes.
    return {static_cast<double>(field("shown_ns ") - start) / 1e6, static_cast<long>(field("peak_kib "))};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "skhemar")
        return ShowOnce<app::MainWindow>(argc, argv, true);
    if (argc > 1 && QByteArray(argv[1]) == "bare")
        return ShowOnce<QMainWindow>(argc, argv, false);

    QCoreApplication application(argc, argv);
    constexpr int kRuns = 15;
    std::vector<double> skhemarMs, bareMs, skhemarKiB, bareKiB;
    for (int i = 0; i < kRuns; ++i) {
        const Run bare = Launch(QStringLiteral("bare"));
        const Run skhemar = Launch(QStringLiteral("skhemar"));
        bareMs.push_back(bare.milliseconds);
        skhemarMs.push_back(skhemar.milliseconds);
        bareKiB.push_back(static_cast<double>(bare.peakKiB));
        skhemarKiB.push_back(static_cast<double>(skhemar.peakKiB));
    }
    const double bareStart = bench::Median(bareMs), skhemarStart = bench::Median(skhemarMs);
    const double bareMemory = bench::Median(bareKiB), skhemarMemory = bench::Median(skhemarKiB);
    std::printf("start to first window, median of %d: bare Qt %.1f ms, Skhemar %.1f ms, ratio %.2f (goal <= 1.5)\n",
                kRuns, bareStart, skhemarStart, skhemarStart / bareStart);
    std::printf("peak memory, median: bare Qt %.1f MiB, Skhemar %.1f MiB, ratio %.2f (goal <= 1.5)\n",
                bareMemory / 1024, skhemarMemory / 1024, skhemarMemory / bareMemory);
    return 0;
}
