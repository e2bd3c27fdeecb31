#pragma once

// Shared by the colour-code suites: a window with a colour-code page open,
// swatch presses and band pictures named by colour.

#include "controls/colour_swatch.h"
#include "support/page_fixture.h"

#include <QHash>
#include <QLabel>
#include <QTabWidget>

namespace codes_testing {

// The pictures a band image may show, by colour word ("none" = no band).
inline QString PictureOf(const QString& colour)
{
    static const QHash<QString, QString> pictures{
        {"black", "PIC17"}, {"brown", "PIC18"}, {"red", "PIC19"},     {"orange", "PIC20"},
        {"yellow", "PIC21"}, {"green", "PIC22"}, {"blue", "PIC23"},   {"violet", "PIC24"},
        {"grey", "PIC25"},  {"white", "PIC26"}, {"gold", "PIC27"},    {"silver", "PIC28"},
        {"none", "PIC29"},  {"lightblue", "PIC30"}};
    if (!pictures.contains(colour))
        qFatal("no colour %s", qPrintable(colour));
    return pictures.value(colour);
}

// "yellow violet red" -> {"PIC21", "PIC24", "PIC19"}
inline QStringList PicturesOf(const QString& colours)
{
    QStringList names;
    for (const QString& word : colours.split(u' ', Qt::SkipEmptyParts))
        names << PictureOf(word);
    return names;
}

// A colour-code page with its nested page control, "." as the separator.
class CodesWindow : public testing::PageFixture {
public:
    CodesWindow(const char* menuItem, const char* nestedControl)
        : PageFixture(QString::fromLatin1(menuItem)),
          nested(find<QTabWidget>(QString::fromLatin1(nestedControl)))
    {
    }

    // The pictures of the images prefix + n, in the order given.
    QStringList pictures(const QString& prefix, std::initializer_list<int> numbers) const
    {
        QStringList names;
        for (int n : numbers)
            names << testing::Picture(label(prefix + QString::number(n)));
        return names;
    }

    controls::ColourSwatch* swatch(int tab, int tag) const
    {
        for (auto* swatch : nested->widget(tab)->findChildren<controls::ColourSwatch*>()) {
            if (swatch->tag() == tag)
                return swatch;
        }
        qFatal("no swatch with tag %d", tag);
    }

    // Presses the swatches of the reading tab as a user does, in order.
    void press(std::initializer_list<int> tags) const
    {
        nested->setCurrentIndex(0);
        for (int tag : tags) {
            controls::ColourSwatch* target = swatch(0, tag);
            if (!target->isVisible())
                qFatal("swatch %d is hidden", tag);
            QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
        }
    }

    // Closes the page with the close image and opens it again from the menu.
    void closeAndReopen() const
    {
        QTest::mouseClick(find<QWidget>(QStringLiteral("Image1")), Qt::LeftButton);
        reopen();
    }

    // The window takes the system's separator; the suites pin "." and try "," where it matters.
    testing::DecimalSeparatorScope separator{u'.'};
    QTabWidget* nested = nullptr;
};

} // namespace codes_testing
