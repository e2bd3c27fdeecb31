#include "pages/circuits/filter_plot.h"

#include "values/number_text.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFont>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pages {

namespace {

QList<QPointF> Points(const std::vector<double>& frequencies, const std::vector<double>& losses, double unitFactor)
{
    QList<QPointF> points;
    points.reserve(qsizetype(losses.size()));
    for (std::size_t i = 0; i < losses.size(); ++i)
        points.append(QPointF(frequencies[i] / unitFactor, losses[i]));
    return points;
}

QString Decibels(double loss)
{
    return values::FormatNumber(std::round(loss * 100) / 100) + QStringLiteral(" дБ");
}

} // namespace

// Given the chart at construction, the view owns it; a view made without one
// builds a default chart that setChart() would orphan.
FilterPlot::FilterPlot(QWidget* parent) : QChartView(new QChart, parent)
{
    QChart* chart = this->chart();
    setRenderHint(QPainter::Antialiasing);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    chart->legend()->setFont(small);

    frequencyAxis_ = new QLogValueAxis(chart);
    frequencyAxis_->setBase(10);
    frequencyAxis_->setMinorTickCount(8);
    frequencyAxis_->setLabelFormat(QStringLiteral("%.4g"));
    frequencyAxis_->setLabelsFont(small);
    frequencyAxis_->setTitleFont(small);
    lossAxis_ = new QValueAxis(chart);
    lossAxis_->setReverse(true);
    lossAxis_->setLabelFormat(QStringLiteral("%.4g"));
    lossAxis_->setLabelsFont(small);
    lossAxis_->setTitleFont(small);
    lossAxis_->setTitleText(QStringLiteral("Затухание, дБ"));
    // A narrow band reads better on an even scale: a log axis labels decades only.
    linearAxis_ = new QValueAxis(chart);
    linearAxis_->setLabelFormat(QStringLiteral("%.4g"));
    linearAxis_->setLabelsFont(small);
    linearAxis_->setTitleFont(small);
    linearAxis_->hide();
    chart->addAxis(frequencyAxis_, Qt::AlignBottom);
    chart->addAxis(linearAxis_, Qt::AlignBottom);
    chart->addAxis(lossAxis_, Qt::AlignLeft);

    insertion_ = addSeries(QStringLiteral("Затухание"), QColor(0, 70, 200), Qt::SolidLine, true);
    snappedInsertion_ = addSeries(QString(), QColor(0, 70, 200), Qt::DashLine, true);
    reflection_ = addSeries(QStringLiteral("Отражение"), QColor(0, 140, 60), Qt::SolidLine, true);
    snappedReflection_ = addSeries(QString(), QColor(0, 140, 60), Qt::DashLine, false);
    for (int i = 0; i < 2; ++i)
        marks_.push_back(addSeries(QString(), QColor(90, 90, 90), Qt::DotLine, false));

    // The read-out sits on a pale box so the curves under it do not hide it.
    readoutBox_ = new QGraphicsRectItem(chart);
    readoutBox_->setBrush(QColor(255, 255, 255, 225));
    readoutBox_->setPen(Qt::NoPen);
    readoutBox_->setZValue(10);
    readoutBox_->hide();
    readout_ = new QGraphicsSimpleTextItem(readoutBox_);
    readout_->setFont(small);
    setMouseTracking(true);
}

QLineSeries* FilterPlot::addSeries(const QString& name, const QColor& colour, Qt::PenStyle style, bool inLegend)
{
    auto* series = new QLineSeries(chart());
    series->setName(name);
    QPen pen(colour, 1.6, style);
    series->setPen(pen);
    chart()->addSeries(series);
    series->attachAxis(frequencyAxis_);
    series->attachAxis(lossAxis_);
    if (!inLegend) {
        for (QLegendMarker* marker : chart()->legend()->markers(series))
            marker->setVisible(false);
    }
    return series;
}

void FilterPlot::showResponse(PlottedResponse response)
{
    response_ = std::move(response);
    const PlottedResponse& r = response_;
    const double factor = r.unitFactor;
    const bool snapped = !r.snappedInsertion.empty();

    // Only loss a reader can tell apart: up to 100 dB, in steps of 10.
    const double worst = r.insertion.empty() ? 0 : *std::max_element(r.insertion.begin(), r.insertion.end());
    const double bottom = std::clamp(std::ceil(worst / 10) * 10, 10.0, 100.0);
    lossAxis_->setRange(0, bottom);
    lossAxis_->setTickCount(int(bottom / 10) + 1 <= 11 ? int(bottom / 10) + 1 : 11);
    if (!r.frequencies.empty()) {
        const double from = r.frequencies.front() / factor;
        const double to = r.frequencies.back() / factor;
        const bool logarithmic = to >= 10 * from;
        QAbstractAxis* shown = logarithmic ? static_cast<QAbstractAxis*>(frequencyAxis_) : linearAxis_;
        QAbstractAxis* hidden = logarithmic ? static_cast<QAbstractAxis*>(linearAxis_) : frequencyAxis_;
        for (QAbstractSeries* series : chart()->series()) {
            if (series->attachedAxes().contains(hidden))
                series->detachAxis(hidden);
            if (!series->attachedAxes().contains(shown))
                series->attachAxis(shown);
        }
        hidden->hide();
        shown->show();
        shown->setRange(from, to);
        shown->setTitleText(QStringLiteral("Частота, ") + r.unitSymbol);
        if (!logarithmic) {
            // Ticks on round numbers, 1, 2 or 5 times a power of ten, about five of them.
            const double rough = (to - from) / 5;
            const double power = std::pow(10.0, std::floor(std::log10(rough)));
            const double step = rough <= power ? power : rough <= 2 * power ? 2 * power : rough <= 5 * power ? 5 * power : 10 * power;
            linearAxis_->setTickType(QValueAxis::TicksDynamic);
            linearAxis_->setTickInterval(step);
            linearAxis_->setTickAnchor(std::ceil(from / step) * step);
            linearAxis_->setMinorTickCount(1);
        }
    }
    const QChar separator = values::DecimalSeparator();
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(separator == u',' ? QLocale(QLocale::Russian) : QLocale::c());

    insertion_->replace(Points(r.frequencies, r.insertion, factor));
    reflection_->replace(Points(r.frequencies, r.reflection, factor));
    // Solid for the exact parts, dashed for the standard ones; one legend entry says so.
    snappedInsertion_->setName(QStringLiteral("пунктир: ") + r.seriesName);
    snappedReflection_->setName(r.seriesName);
    snappedInsertion_->replace(Points(r.frequencies, r.snappedInsertion, factor));
    snappedReflection_->replace(Points(r.frequencies, r.snappedReflection, factor));
    snappedInsertion_->setVisible(snapped);
    snappedReflection_->setVisible(snapped);
    for (QLegendMarker* marker : chart()->legend()->markers(snappedInsertion_))
        marker->setVisible(snapped);
    for (QLegendMarker* marker : chart()->legend()->markers(snappedReflection_))
        marker->setVisible(false);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        QList<QPointF> line;
        if (i < r.marks.size())
            line = {QPointF(r.marks[i] / factor, 0), QPointF(r.marks[i] / factor, bottom)};
        marks_[i]->replace(line);
        for (QLegendMarker* marker : chart()->legend()->markers(marks_[i]))
            marker->setVisible(false);
    }
    readoutBox_->hide();
}

void FilterPlot::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    showReadout(event->position());
}

void FilterPlot::leaveEvent(QEvent* event)
{
    QChartView::leaveEvent(event);
    readoutBox_->hide();
}

// The frequency under the mouse and the losses there, at the nearest point computed.
void FilterPlot::showReadout(const QPointF& position)
{
    const PlottedResponse& r = response_;
    const QPointF scenePoint = mapToScene(position.toPoint());
    const QPointF chartPoint = chart()->mapFromScene(scenePoint);
    if (r.frequencies.empty() || !chart()->plotArea().contains(chartPoint)) {
        readoutBox_->hide();
        return;
    }
    const double f = chart()->mapToValue(chartPoint, insertion_).x() * r.unitFactor;
    const auto above = std::lower_bound(r.frequencies.begin(), r.frequencies.end(), f);
    std::size_t i = std::size_t(std::min(above - r.frequencies.begin(), std::ptrdiff_t(r.frequencies.size() - 1)));
    if (i > 0 && std::abs(std::log(r.frequencies[i - 1] / f)) < std::abs(std::log(r.frequencies[i] / f)))
        --i;
    QString text = values::EngineeringText(r.frequencies[i], QStringLiteral("Гц"), 0, 9)
        + QStringLiteral("\nзатухание ") + Decibels(r.insertion[i]);
    if (!r.snappedInsertion.empty())
        text += QStringLiteral(", %1: %2").arg(r.seriesName, Decibels(r.snappedInsertion[i]));
    text += QStringLiteral("\nотражение ") + Decibels(r.reflection[i]);
    if (!r.snappedReflection.empty())
        text += QStringLiteral(", %1: %2").arg(r.seriesName, Decibels(r.snappedReflection[i]));
    readout_->setText(text);
    // Low in the plot, where the skirts leave room.
    const QRectF area = chart()->plotArea();
    const QRectF box = readout_->boundingRect().adjusted(-3, -2, 3, 2);
    readoutBox_->setRect(box);
    readoutBox_->setPos(area.left() + 6, area.bottom() - box.bottom() - 4);
    readoutBox_->show();
}

void FilterPlot::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Сохранить как PNG…"), this,
                   [this] { saveAs(QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral(".png")); });
    menu.addAction(QStringLiteral("Сохранить как SVG…"), this,
                   [this] { saveAs(QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral(".svg")); });
    menu.exec(event->globalPos());
}

void FilterPlot::saveAs(const QString& filter, const QString& suffix)
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить график"),
                                                QStringLiteral("фильтр") + suffix, filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    savePicture(path);
}

bool FilterPlot::savePicture(const QString& path)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(QStringLiteral("Затухание фильтра"));
        QPainter painter(&svg);
        render(&painter);
        return painter.end();
    }
    return grab().save(path, "PNG");
}

} // namespace pages
