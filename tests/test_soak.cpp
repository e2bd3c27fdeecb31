// Drives the whole window with a long, reproducible stream of random user
// events and checks that nothing breaks: no crash, no hang, no inf/nan in a
// field, the update guard always released, and every page's "Очистить"
// buttons bringing it back to how it first opened.

#include "app/main_window.h"
#include "app/page_catalog.h"
#include "controls/colour_swatch.h"
#include "support/page_state.h"
#include "support/test_support.h"
#include "values/update_guard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

namespace {

constexpr std::uint32_t kFixedSeed = 20261208;

// The fixed seed makes every run the same; SOAK_SEED explores other streams.
std::uint32_t Seed()
{
    static const std::uint32_t seed = [] {
        bool ok = false;
        const uint value = qEnvironmentVariable("SOAK_SEED").toUInt(&ok);
        return ok ? static_cast<std::uint32_t>(value) : kFixedSeed;
    }();
    return seed;
}
constexpr int kEventsPerPage = 400;
constexpr int kEvents = 12000;
constexpr int kHangSeconds = 20;

const QString kClearCaption = QStringLiteral("Очистить");

// Aborts the run, naming the event, when one event takes too long: a hang
// would otherwise only show up as CTest's timeout with no clue where.
class HangWatchdog {
public:
    HangWatchdog()
        : thread_([this] { watch(); })
    {
    }
    ~HangWatchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void beat(int eventIndex)
    {
        eventIndex_ = eventIndex;
        ++beats_;
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex_);
        long seen = -1;
        while (!stop_) {
            if (wake_.wait_for(lock, std::chrono::seconds(kHangSeconds), [this] { return stop_; }))
                return;
            const long now = beats_.load();
            if (now == seen) {
                std::fprintf(stderr, "soak: event %d (seed %u) did not finish in %d s\n",
                             eventIndex_.load(), Seed(), kHangSeconds);
                std::abort();
            }
            seen = now;
        }
    }

    std::atomic<int> eventIndex_{-1};
    std::atomic<long> beats_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

QtMessageHandler standardMessages = nullptr;

// The offscreen platform complains about every popup it cannot raise or grab.
void QuietPlatformWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    standardMessages(type, context, message);
}

QTabWidget* PageControl(const app::MainWindow& window)
{
    return testing::Find<QTabWidget>(&window, "PageControl1");
}

QWidget* CurrentPage(const app::MainWindow& window)
{
    return PageControl(window)->currentWidget();
}

template <class T>
QList<T*> Usable(const QWidget* page)
{
    QList<T*> usable;
    for (T* widget : page->findChildren<T*>()) {
        if (widget->isVisible() && widget->isEnabled())
            usable << widget;
    }
    return usable;
}

QList<QLineEdit*> EditableEdits(const QWidget* page)
{
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : Usable<QLineEdit>(page)) {
        if (!edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget()))
            edits << edit;
    }
    return edits;
}

bool IsSearchEdit(const QLineEdit* edit)
{
    // Free-text look-up fields: whatever letters the user typed stay there.
    return edit->objectName() == QLatin1String("SMDEdit1") || edit->objectName() == QLatin1String("AnalogTrEdit");
}

void SendText(QWidget* target, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(target, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

QString RandomText(std::mt19937& random)
{
    static const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789..,,--++EeEe  abzXинфнанОм");
    std::uniform_int_distribution<int> length(1, 10);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    QString text;
    for (int i = length(random); i > 0; --i)
        text += alphabet.at(pick(random));
    return text;
}

template <class T>
T* Pick(std::mt19937& random, const QList<T*>& from)
{
    if (from.isEmpty())
        return nullptr;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(from.size()) - 1);
    return from.at(pick(random));
}

void ClickTab(QTabWidget* tabs, int index)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

QList<QTabWidget*> NestedTabs(const QWidget* page)
{
    return page->findChildren<QTabWidget*>();
}

// Presses every "Очистить" of a page, walking through its sub-tabs so hidden
// groups are cleared too.
void PressEveryClear(QWidget* page)
{
    const auto pressVisible = [page] {
        for (QPushButton* button : Usable<QPushButton>(page)) {
            if (button->text() == kClearCaption)
                button->click();
        }
    };
    const QList<QTabWidget*> nested = NestedTabs(page);
    if (nested.isEmpty()) {
        pressVisible();
        return;
    }
    for (QTabWidget* tabs : nested) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i))
                continue;
            ClickTab(tabs, i);
            pressVisible();
        }
    }
}

QString Describe(const QObject* object)
{
    return QStringLiteral("%1 %2").arg(object->metaObject()->className(), object->objectName());
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomEventsKeepEveryPageSound();
    void clearBringsEveryPageBack();
    void cleanupTestCase();

private:
    bool runEvent(int index, std::mt19937& random, bool mayLeavePage);
    void checkFields(int index);

    std::unique_ptr<testing::CapturedErrors> errors_;
    std::map<QString, testing::PageState> startStates_;
    std::unique_ptr<app::MainWindow> window_;
    QString lastAction_;
    std::map<QString, int> actions_;
};

void SoakTest::initTestCase()
{
    standardMessages = qInstallMessageHandler(QuietPlatformWarnings);
    errors_ = std::make_unique<testing::CapturedErrors>();
    {
        app::MainWindow fresh;
        fresh.show();
        for (const app::PageEntry& entry : app::PageCatalog()) {
            testing::OpenPage(fresh, entry.menuItem);
            QWidget* page = testing::Find<QWidget>(&fresh, entry.sheet);
            QCOMPARE(CurrentPage(fresh), page);
            startStates_[entry.sheet] = testing::Snapshot(page);
        }
    }
    window_ = std::make_unique<app::MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void SoakTest::cleanupTestCase()
{
    window_.reset();
    errors_.reset();
}

void SoakTest::checkFields(int index)
{
    if (values::UpdateGuard)
        QFAIL(qPrintable(QStringLiteral("seed %1 event %2 (%3): UpdateGuard left set").arg(Seed()).arg(index).arg(lastAction_)));
    for (const QLineEdit* edit : CurrentPage(*window_)->findChildren<QLineEdit*>()) {
        if (IsSearchEdit(edit))
            continue;
        const QString text = edit->text();
        if (text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive))
            QFAIL(qPrintable(QStringLiteral("seed %1 event %2 (%3): %4 shows \"%5\"")
                                 .arg(Seed()).arg(index).arg(lastAction_, edit->objectName(), text)));
    }
    // Read-outs written into labels must not show them either.
    for (const QLabel* label : CurrentPage(*window_)->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive))
            QFAIL(qPrintable(QStringLiteral("seed %1 event %2 (%3): label %4 shows \"%5\"")
                                 .arg(Seed()).arg(index).arg(lastAction_, label->objectName(), text)));
    }
}

bool SoakTest::runEvent(int index, std::mt19937& random, bool mayLeavePage)
{
    QWidget* page = CurrentPage(*window_);
    std::uniform_int_distribution<int> kind(0, mayLeavePage ? 99 : 93);
    const int roll = kind(random);
    lastAction_.clear();
    if (roll < 45) {
        if (QLineEdit* edit = Pick(random, EditableEdits(page))) {
            edit->setFocus();
            std::uniform_int_distribution<int> how(0, 3);
            const int mode = how(random);
            if (mode == 0)
                edit->selectAll();
            else if (mode == 1)
                edit->end(false);
            else if (mode == 2)
                QTest::keyClick(edit, Qt::Key_Backspace);
            const QString text = RandomText(random);
            lastAction_ = QStringLiteral("type \"%1\" into %2 (mode %3)").arg(text, edit->objectName()).arg(mode);
            SendText(edit, text);
        }
    } else if (roll < 58) {
        if (QComboBox* combo = Pick(random, Usable<QComboBox>(page)); combo && combo->count() > 0) {
            std::uniform_int_distribution<int> item(0, combo->count() - 1);
            const int chosen = item(random);
            lastAction_ = QStringLiteral("choose %1 in %2").arg(chosen).arg(combo->objectName());
            testing::Choose(combo, chosen);
        }
    } else if (roll < 66) {
        if (QRadioButton* radio = Pick(random, Usable<QRadioButton>(page))) {
            lastAction_ = "click " + Describe(radio);
            QTest::mouseClick(radio, Qt::LeftButton);
        }
    } else if (roll < 71) {
        if (QCheckBox* box = Pick(random, Usable<QCheckBox>(page))) {
            lastAction_ = "click " + Describe(box);
            QTest::mouseClick(box, Qt::LeftButton);
        }
    } else if (roll < 77) {
        if (QPushButton* button = Pick(random, Usable<QPushButton>(page))) {
            lastAction_ = "click " + Describe(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    } else if (roll < 85) {
        if (controls::ColourSwatch* swatch = Pick(random, Usable<controls::ColourSwatch>(page))) {
            lastAction_ = "press " + Describe(swatch);
            QTest::mousePress(swatch, Qt::LeftButton);
            QTest::mouseRelease(swatch, Qt::LeftButton);
        }
    } else if (roll < 90) {
        QTableView* grid = Pick(random, Usable<QTableView>(page));
        if (grid && grid->model() && grid->model()->rowCount() > 0 && grid->model()->columnCount() > 0) {
            std::uniform_int_distribution<int> row(0, grid->model()->rowCount() - 1);
            std::uniform_int_distribution<int> column(0, grid->model()->columnCount() - 1);
            const QModelIndex cell = grid->model()->index(row(random), column(random));
            grid->scrollTo(cell);
            lastAction_ = QStringLiteral("cell %1,%2 of %3").arg(cell.row()).arg(cell.column()).arg(grid->objectName());
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        }
    } else if (roll < 94) {
        if (QTabWidget* tabs = Pick(random, Usable<QTabWidget>(page)); tabs && tabs->count() > 0) {
            std::uniform_int_distribution<int> tab(0, tabs->count() - 1);
            const int chosen = tab(random);
            if (tabs->isTabVisible(chosen)) {
                lastAction_ = QStringLiteral("sub-tab %1 of %2").arg(chosen).arg(tabs->objectName());
                ClickTab(tabs, chosen);
            }
        }
    } else {
        const auto& catalog = app::PageCatalog();
        std::uniform_int_distribution<int> which(0, static_cast<int>(catalog.size()) - 1);
        const app::PageEntry& entry = catalog.at(which(random));
        lastAction_ = QStringLiteral("open page %1").arg(entry.sheet);
        testing::OpenPage(*window_, entry.menuItem);
    }
    if (!lastAction_.isEmpty())
        ++actions_[lastAction_.section(' ', 0, 0)];
    checkFields(index);
    return !QTest::currentTestFailed();
}

void SoakTest::randomEventsKeepEveryPageSound()
{
    for (const app::PageEntry& entry : app::PageCatalog())
        testing::OpenPage(*window_, entry.menuItem);

    std::mt19937 random(Seed());
    qInfo("soak seed %u", Seed());
    HangWatchdog watchdog;
    QElapsedTimer clock;
    clock.start();
    int index = 0;
    // A stay on every page first, so each gets its share whatever the dice
    // say about page changes, then a free run across pages.
    for (const app::PageEntry& entry : app::PageCatalog()) {
        testing::OpenPage(*window_, entry.menuItem);
        for (int step = 0; step < kEventsPerPage; ++step, ++index) {
            watchdog.beat(index);
            if (!runEvent(index, random, false))
                return;
        }
    }
    // The free run with the other decimal separator, as on a Russian desktop.
    const testing::DecimalSeparatorScope comma(',');
    for (const int end = index + kEvents; index < end; ++index) {
        watchdog.beat(index);
        if (!runEvent(index, random, true))
            return;
    }
    QStringList kinds = errors_->messages();
    kinds.removeDuplicates();
    qInfo("soak: %d distinct error messages:\n%s", static_cast<int>(kinds.size()), qPrintable(kinds.filter(QRegularExpression("^(?!.*— не число$)")).mid(0, 40).join('\n')));
    qInfo("soak: %d events in %lld ms, %d errors reported", index, static_cast<long long>(clock.elapsed()),
          errors_->count());
    QStringList tally;
    for (const auto& [action, count] : actions_)
        tally << QStringLiteral("%1 %2").arg(action).arg(count);
    qInfo("soak actions: %s", qPrintable(tally.join(", ")));
}

void SoakTest::clearBringsEveryPageBack()
{
    QStringList failures;
    for (const app::PageEntry& entry : app::PageCatalog()) {
        testing::OpenPage(*window_, entry.menuItem);
        QWidget* page = CurrentPage(*window_);
        PressEveryClear(page);
        const QStringList differences = testing::Differences(startStates_.at(entry.sheet), testing::Snapshot(page), testing::KeptByClear(entry.sheet));
        for (const QString& difference : differences)
            failures << QStringLiteral("%1: %2").arg(entry.sheet, difference);
    }
    if (!failures.isEmpty())
        QFAIL(qPrintable("pages not back at their start state after clearing:\n" + failures.join('\n')));
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
