#include "support/page_script.h"

#include "support/page_state.h"
#include "pages/circuits/filter_plot.h"
#include "values/number_text.h"

#include <QAbstractButton>
#include <QHash>
#include <QAbstractItemView>
#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QAction>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineSeries>
#include <QTableView>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace testing {

namespace {

// A grid's rows, cells parted by " | ", rows by line feeds.
QString GridText(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows.join(u'\n');
}

QString TextOf(const PageFixture& page, const QString& name)
{
    if (auto* grid = page.window()->findChild<QAbstractItemView*>(name))
        return GridText(grid->model());
    if (auto* label = page.window()->findChild<QLabel*>(name))
        return label->text();
    if (auto* combo = page.window()->findChild<QComboBox*>(name))
        return combo->currentText();
    return page.edit(name)->text();
}

// "{0.5}" stands for the number as the program writes it.
QString Expand(QString text)
{
    static const QRegularExpression number(QStringLiteral("\\{([^}]*)\\}"));
    QRegularExpressionMatch match;
    while ((match = number.match(text)).hasMatch())
        text.replace(match.capturedStart(), match.capturedLength(), values::FormatNumber(match.captured(1).toDouble()));
    return text;
}

QColor Named(const QString& colour)
{
    return colour == u"yellow" ? Yellow : colour == u"red" ? Red : colour == u"normal" ? NormalText() : Window();
}

} // namespace

QString RunSteps(PageFixture& page, const QString& sheet, const QStringList& steps)
{
    const PageState start = Snapshot(page.sheet(sheet));
    QHash<QString, QString> remembered;
    for (const QString& step : steps) {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        const QString rest = Expand(step.section(u' ', 2));
        const auto fail = [&step](const QString& seen) { return QStringLiteral("%1: got %2").arg(step, seen); };
        if (verb == u"type") {
            Retype(page.edit(name), rest);
        } else if (verb == u"set") {
            page.edit(name)->setText(rest);
        } else if (verb == u"negate") {
            Negate(page.edit(name));
        } else if (verb == u"overtype") {
            Overtype(page.edit(name), rest);
        } else if (verb == u"insert") {
            TypeAt(page.edit(name), rest.section(u' ', 0, 0).toInt(), rest.section(u' ', 1));
        } else if (verb == u"choose") {
            bool byIndex = false;
            const int index = rest.toInt(&byIndex);
            byIndex ? Choose(page.combo(name), index) : Choose(page.combo(name), rest);
        } else if (verb == u"click") {
            page.find<QAbstractButton>(name)->click();
        } else if (verb == u"item") {
            ClickItem(page.group(name), rest.toInt());
        } else if (verb == u"remember") {
            remembered[name] = TextOf(page, name);
        } else if (verb == u"text" || verb == u"same" || verb == u"contains") {
            const QString shown = TextOf(page, name);
            const bool holds = verb == u"text" ? shown == rest : verb == u"same" ? shown == remembered.value(name) : shown.contains(rest);
            if (!holds)
                return fail(shown);
        } else if (verb == u"shows") {
            if (!Shows(page.edit(name), rest.toDouble()))
                return fail(page.edit(name)->text());
        } else if (verb == u"digits" || verb == u"near") {
            const double shown = Shown(page.edit(name));
            // "digits E n number", "near E number limit"
            const int at = verb == u"digits" ? 1 : 0;
            const double expected = rest.section(u' ', at, at).toDouble();
            const double limit = rest.section(u' ', 1 - at, 1 - at).toDouble();
            const bool holds = verb == u"digits" ? SameDigits(shown, expected, static_cast<int>(limit))
                                                 : std::fabs(shown - expected) <= limit;
            if (!holds)
                return fail(page.edit(name)->text());
        } else if (verb == u"rounds") {
            if (!RoundsTo(Shown(page.edit(name)), rest.toDouble()))
                return fail(page.edit(name)->text());
        } else if (verb == u"formatted") {
            const QString text = page.edit(name)->text();
            if (text != values::FormatNumber(Shown(page.edit(name))))
                return fail(text);
        } else if (verb == u"caption") {
            if (Caption(page.edit(name)) != rest)
                return fail(Caption(page.edit(name)));
        } else if (verb == u"colour") {
            if (Background(page.edit(name)) != Named(rest))
                return fail(Background(page.edit(name)).name());
        } else if (verb == u"font") {
            const QColor colour = FontColour(page.find<QWidget>(name));
            if (rest == u"notred" ? colour == Red : colour != Named(rest))
                return fail(colour.name());
        } else if (verb == u"uncheck") {
            // At least one click, so the page hears of the box even when it was clear.
            auto* box = page.find<QAbstractButton>(name);
            if (!box->isChecked())
                box->click();
            box->click();
        } else if (verb == u"checked" || verb == u"unchecked") {
            if (page.find<QAbstractButton>(name)->isChecked() != (verb == u"checked"))
                return fail(verb == u"checked" ? "unchecked" : "checked");
        } else if (verb == u"spin") {
            auto* box = page.find<QAbstractSpinBox>(name);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, rest);
        } else if (verb == u"red" && page.window()->findChild<QAbstractSpinBox*>(name)) {
            const QColor shown = page.find<QAbstractSpinBox>(name)->palette().color(QPalette::Base);
            if (shown != Red)
                return fail(shown.name());
        } else if (verb == u"cell") {
            // "cell T row column text"
            const QAbstractItemModel* model = page.find<QTableView>(name)->model();
            const QModelIndex index = model->index(rest.section(u' ', 0, 0).toInt(), rest.section(u' ', 1, 1).toInt());
            const QString shown = model->data(index).toString();
            if (shown != rest.section(u' ', 2))
                return fail(shown);
        } else if (verb == u"rows") {
            const int rows = page.find<QTableView>(name)->model()->rowCount();
            if (rows != rest.toInt())
                return fail(QString::number(rows));
        } else if (verb == u"curve") {
            // "curve P series from to low high": every point plotted from..to lies in low..high, and one at least
            const QList<QAbstractSeries*> all = page.find<QChartView>(name)->chart()->series();
            const auto* series = qobject_cast<QLineSeries*>(all.value(rest.section(u' ', 0, 0).toInt()));
            const double from = rest.section(u' ', 1, 1).toDouble(), to = rest.section(u' ', 2, 2).toDouble();
            const double low = rest.section(u' ', 3, 3).toDouble(), high = rest.section(u' ', 4, 4).toDouble();
            int inside = 0;
            for (const QPointF& point : series ? series->points() : QList<QPointF>()) {
                if (point.x() < from || point.x() > to)
                    continue;
                ++inside;
                if (point.y() < low || point.y() > high || !series->isVisible())
                    return fail(QStringLiteral("%1 at %2").arg(point.y()).arg(point.x()));
            }
            if (inside == 0)
                return fail(QStringLiteral("no point"));
        } else if (verb == u"saved") {
            // "saved P suffix": the plot written to a file of that kind, read back
            const QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("plot.") + rest);
            QImage image;
            if (!page.find<pages::FilterPlot>(name)->savePicture(path) || !image.load(path) || image.width() < 100)
                return fail(QStringLiteral("no picture"));
        } else if (verb == u"copied") {
            QGuiApplication::clipboard()->clear();
            for (QAction* action : page.find<QWidget>(name)->actions()) {
                if (action->shortcut() == QKeySequence(QKeySequence::Copy))
                    action->trigger();
            }
            const QString copied = QGuiApplication::clipboard()->text();
            if (!copied.contains(rest))
                return fail(copied);
        } else if (verb == u"solved" || verb == u"input" || verb == u"red" || verb == u"readonly" || verb == u"editable") {
            const QLineEdit* edit = page.edit(name);
            const bool holds = verb == u"solved" ? IsSolved(edit)
                               : verb == u"input" ? IsInput(edit)
                               : verb == u"red"   ? IsRed(edit)
                                                  : edit->isReadOnly() == (verb == u"readonly");
            if (!holds)
                return fail(Background(edit).name() + (edit->isReadOnly() ? " read-only" : " editable"));
        } else if (verb == u"enabled" || verb == u"disabled") {
            if (page.find<QWidget>(name)->isEnabled() != (verb == u"enabled"))
                return fail(verb == u"enabled" ? "disabled" : "enabled");
        } else if (verb == u"index") {
            if (page.combo(name)->currentIndex() != rest.toInt())
                return fail(QString::number(page.combo(name)->currentIndex()));
        } else if (verb == u"hint") {
            if (page.find<QWidget>(name)->toolTip() != rest)
                return fail(page.find<QWidget>(name)->toolTip());
        } else if (verb == u"reason") {
            if (Reason(page.find<QWidget>(name)) != rest)
                return fail(Reason(page.find<QWidget>(name)));
        } else if (verb == u"picture") {
            if (Picture(page.label(name)) != rest)
                return fail(Picture(page.label(name)));
        } else if (verb == u"tip") {
            const QString tip = HoverTip(page.find<QWidget>(name));
            if (!tip.contains(rest))
                return fail(tip);
        } else if (verb == u"errors") {
            const QStringList messages = page.errors().messages();
            page.errors().clear();
            if (messages.size() != name.toInt() || (!rest.isEmpty() && !messages.value(0).contains(rest)))
                return fail(messages.join(u'|'));
        } else if (verb == u"start") {
            const QStringList differences = Differences(start, Snapshot(page.sheet(sheet)), KeptByClear(sheet));
            if (!differences.isEmpty())
                return fail(differences.join(u'\n'));
        } else {
            return QStringLiteral("unknown step: ") + step;
        }
    }
    if (page.errors().count() != 0)
        return QStringLiteral("unexpected reports: ") + page.errors().messages().join(u'|');
    return {};
}

} // namespace testing
