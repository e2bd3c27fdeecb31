#include "app/menu_keys.h"

#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

namespace app {

namespace {

// Several desktop styles leave Alt navigation of the menu bar off; the menu
// bar has it built in and only asks its style.
class AltKeyStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void EnableMenuBarKeys(QMenuBar* bar)
{
    auto* style = new AltKeyStyle;
    style->setParent(bar);
    bar->setStyle(style);

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().constFirst());
    });
}

} // namespace app
