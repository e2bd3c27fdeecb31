// The two "value to colour bands" tabs, driven through the real window as a
// user would: entries typed, units, tolerances, TC and band counts chosen,
// "Очистить" pressed, under either decimal separator.
//
// Input: byte 0 chooses the separator (bit 0: ',' else '.'); then operations,
// each one byte (low 3 bits the operation, the rest its argument); the two
// entry operations take the next argument/8 % 6 bytes as the text, each byte
// naming a character of kAlphabet.
//
// After every operation: each band image shows a band colour or no band; the
// layout matches the band count; an entry that is refused leaves the
// drawing as it was; an entry of digits in one of the accepted forms is
// drawn as bands whose value is the entry times its unit; the resistor tab
// never reports an error, the inductor tab only for a band that is no digit.
#include "app/error_reporter.h"
#include "app/main_window.h"
#include "controls/radio_group.h"
#include "values/number_text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <optional>

namespace {

void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken at line %d\n", line);
        __builtin_trap();
    }
}

// Digits, both separators, what the numeric filter lets through, and a few
// characters it must remove.
const std::array<char16_t, 24> kAlphabet{u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u',', u'.',
                                         u'+', u'-', u'e', u'E', u' ', u'a', u'О', u'\u0663', u'\t', u'\0', u'0',
                                         u'1'};

struct Window {
    Window()
    {
        for (const char* item : {"N35", "N36"})
            window.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        app::SetErrorReporter([this](const QString&) { ++errors; });
    }
    template <class T>
    T* find(const char* name) const
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        Check(found != nullptr);
        return found;
    }
    app::MainWindow window;
    int errors = 0;
};

Window& TheWindow()
{
    static int argc = 1;
    static char name[] = "fuzz_colour_codes";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)application;
    static Window* window = new Window;
    return *window;
}

// Band colour code of an image: PIC17 … PIC28 are 0 … 11, PIC30 the
// inductor's light blue (6); no band is nothing.
std::optional<int> BandOf(const QLabel* image, bool lightBlue)
{
    const QString picture = image->property("picture").toString();
    Check(picture.startsWith(QLatin1String("PIC")));
    const int number = picture.mid(3).toInt();
    if (number == 29)
        return std::nullopt;
    if (lightBlue && number == 30)
        return 6;
    Check(number >= 17 && number <= 28 && !(lightBlue && number == 23));
    return number - 17;
}

int Power(int code)
{
    return code == 10 ? -1 : code == 11 ? -2 : code;
}

bool AllDigits(const QString& text, QChar mark)
{
    for (const QChar c : text)
        if (c != mark && !(c >= u'0' && c <= u'9'))
            return false;
    return true;
}

double EntryValue(QString entry, QChar mark)
{
    return entry.replace(mark, u'.').toDouble();  // C notation whatever the locale
}

bool SameValue(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

// A disabled combo cannot be chosen from: false, and nothing happens.
bool Choose(QComboBox* combo, int index)
{
    if (!combo->isEnabled())
        return false;
    combo->setCurrentIndex(index % combo->count());
    emit combo->activated(combo->currentIndex());
    return true;
}

struct Tab {
    const char* edit;
    std::array<const char*, 6> images;
};
const Tab kResistor{"E1", {"ColorRImage13", "ColorRImage14", "ColorRImage15", "ColorRImage16", "ColorRImage17", "ColorRImage18"}};
const Tab kInductor{"ColorLEdit1", {"ColorLImage13", "ColorLImage14", "ColorLImage15", "ColorLImage16", "ColorLImage17", "ColorLImage18"}};

std::array<QString, 6> Pictures(const Window& w, const Tab& tab)
{
    std::array<QString, 6> pictures;
    for (std::size_t i = 0; i < 6; ++i)
        pictures[i] = w.find<QLabel>(tab.images[i])->property("picture").toString();
    return pictures;
}

// Accepted written forms: d, dd, ddd, d,d, dd,d (d any character but the mark).
bool ResistorRefuses(const QString& e, QChar mark)
{
    const auto at = [&](int i) { return i < e.size() ? std::optional(e[i]) : std::nullopt; };
    return (at(3) && at(2) != mark) || (at(1) == mark && at(3)) || (at(2) == mark && !at(3)) ||
           (at(1) == mark && !at(2));
}

bool InductorRefuses(const QString& e, QChar mark)
{
    const auto at = [&](int i) { return i < e.size() ? std::optional(e[i]) : std::nullopt; };
    return at(2) == mark || (at(1) == mark && !at(2)) || (at(1) && at(1) != mark && at(2) && at(2) != u'0');
}

void CheckResistor(const Window& w, QChar mark, const std::array<QString, 6>& before, int errorsBefore)
{
    const int bands = 4 + controls::ItemIndex(w.find<QGroupBox>("ColorRRG2"));
    auto* tc = w.find<QComboBox>("ColorRCB4");
    Check(bands >= 4 && bands <= 6);
    Check(tc->isEnabled() == (bands == 6));
    Check(w.errors == errorsBefore);
    std::array<std::optional<int>, 6> code;
    for (std::size_t i = 0; i < 6; ++i)
        code[i] = BandOf(w.find<QLabel>(kResistor.images[i]), false);

    const QString entry = w.find<QLineEdit>(kResistor.edit)->text();
    // The tab starts with an empty entry, which is not encoded.
    if (entry.isEmpty() || ResistorRefuses(entry, mark)) {
        Check(Pictures(w, kResistor) == before);
        return;
    }
    Check(bands == 6 || !code[5]);
    Check(bands > 4 || !code[4]);
    // Every accepted entry of digits has one of the written forms.
    if (!AllDigits(entry, mark))
        return;
    Check(!entry.startsWith(mark));
    static const std::array<int, 8> kTolerance{11, 10, 2, 1, 5, 6, 7, 8};  // "10%" … "0.05%"
    static const std::array<int, 7> kTc{9, 7, 6, 3, 4, 2, 1};              // "1" … "100"
    const std::size_t tolerance = bands == 4 ? 3 : 4;
    Check(code[tolerance] == kTolerance[static_cast<std::size_t>(w.find<QComboBox>("ColorRCB3")->currentIndex())]);
    if (bands == 6)
        Check(code[5] == kTc[static_cast<std::size_t>(tc->currentIndex())]);

    const std::size_t digits = bands == 4 ? 2 : 3;
    double mantissa = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        Check(code[i] && *code[i] <= 9);
        mantissa = mantissa * 10 + *code[i];
    }
    Check(code[digits].has_value());
    const double drawn = mantissa * std::pow(10.0, Power(*code[digits]));
    const int unit = w.find<QComboBox>("ColorRCB2")->currentIndex();
    Check(SameValue(drawn, EntryValue(entry, mark) * std::pow(10.0, 3 * unit)));
    Check(w.find<QLabel>("L10")->text() == entry + u' ' + w.find<QComboBox>("ColorRCB2")->currentText());
}

void CheckInductor(const Window& w, QChar mark, const std::array<QString, 6>& before, int errorsBefore)
{
    std::array<std::optional<int>, 4> code;
    for (std::size_t i = 0; i < 4; ++i)
        code[i] = BandOf(w.find<QLabel>(kInductor.images[i]), true);
    const QString entry = w.find<QLineEdit>(kInductor.edit)->text();
    if (InductorRefuses(entry, mark)) {
        Check(Pictures(w, kInductor) == before && w.errors == errorsBefore);
        return;
    }
    if (!AllDigits(entry, mark))
        return;  // a band that is no digit is reported as a failed conversion
    Check(w.errors == errorsBefore);
    const bool shaped = entry.size() <= 2 || (entry[1] == mark) || (entry[0] != u'0' && entry[2] == u'0');
    const int unit = w.find<QComboBox>("ColorLCB1")->currentIndex();
    const bool outOfRange = entry.size() == 3 && entry[1] != mark && unit == 3;
    Check((w.find<QLabel>("ColorLLabel8")->text() == QStringLiteral("Выход за пределы")) == (shaped && outOfRange));
    if (!shaped || outOfRange)
        return;
    static const std::array<std::optional<int>, 4> kTolerance{std::nullopt, 0, 11, 10};
    Check(code[3] == kTolerance[static_cast<std::size_t>(w.find<QComboBox>("ColorLCB2")->currentIndex())]);
    Check(code[0] && code[1] && code[2] && *code[0] <= 9 && *code[1] <= 9);
    const double drawn = (*code[0] * 10 + *code[1]) * std::pow(10.0, Power(*code[2]));
    Check(SameValue(drawn, EntryValue(entry, mark) * std::pow(10.0, 3 * unit)));
}

void Reset(Window& w)
{
    // "0" first (the tab starts empty), so that going back to 4 bands cannot
    // switch to 5.
    w.find<QLineEdit>(kResistor.edit)->setText(QStringLiteral("1"));
    w.find<QPushButton>("ColorRButton1")->click();
    controls::RadioItems(w.find<QGroupBox>("ColorRRG2")).at(0)->click();
    w.find<QPushButton>("ColorRButton1")->click();
    w.find<QPushButton>("ColorLButton2")->click();
    w.errors = 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    Window& w = TheWindow();
    const QChar mark = (data[0] & 1) ? QChar(u',') : QChar(u'.');
    values::SetDecimalSeparator(mark);
    Reset(w);

    for (std::size_t at = 1; at < size;) {
        const int operation = data[at] & 7;
        const int argument = data[at] >> 3;
        ++at;
        const bool resistor = operation <= 4;
        const std::array<QString, 6> before = Pictures(w, resistor ? kResistor : kInductor);
        const int errorsBefore = w.errors;
        switch (operation) {
        case 0:
        case 5: {
            QString text;
            for (int n = argument % 6; n > 0 && at < size; --n, ++at)
                text += QChar(kAlphabet[data[at] % kAlphabet.size()]);
            auto* edit = w.find<QLineEdit>(resistor ? kResistor.edit : kInductor.edit);
            // Writing the text the edit holds raises no change.
            const bool unchanged = text.left(edit->maxLength()) == edit->text();
            edit->setText(text);
            if (unchanged) {
                Check(Pictures(w, resistor ? kResistor : kInductor) == before);
                continue;
            }
            break;
        }
        case 1:
            Choose(w.find<QComboBox>(argument & 1 ? "ColorRCB3" : "ColorRCB2"), argument >> 1);
            break;
        case 2:
            if (!Choose(w.find<QComboBox>("ColorRCB4"), argument)) {
                Check(Pictures(w, kResistor) == before);
                continue;
            }
            break;
        case 3: {
            // Clicking the item already checked changes nothing.
            QRadioButton* item = controls::RadioItems(w.find<QGroupBox>("ColorRRG2")).at(argument % 3);
            if (item->isChecked()) {
                item->click();
                Check(Pictures(w, kResistor) == before);
                continue;
            }
            item->click();
            break;
        }
        case 4:
            w.find<QPushButton>("ColorRButton1")->click();
            break;
        case 6:
            Choose(w.find<QComboBox>(argument & 1 ? "ColorLCB2" : "ColorLCB1"), argument >> 1);
            break;
        case 7:
            w.find<QPushButton>("ColorLButton2")->click();
            break;
        }
        if (operation == 4 || operation == 7) {
            // "Очистить" draws the new "0" first, then blanks the drawing.
            for (const QString& picture : Pictures(w, resistor ? kResistor : kInductor))
                Check(picture == QLatin1String("PIC29"));
            Check(w.find<QLineEdit>(resistor ? kResistor.edit : kInductor.edit)->text() == QLatin1String("0"));
        } else if (resistor)
            CheckResistor(w, mark, before, errorsBefore);
        else
            CheckInductor(w, mark, before, errorsBefore);
    }
    return 0;
}
