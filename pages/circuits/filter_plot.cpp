#include "pages/circuits/filter_plot.h"

#include "values/number_text.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFont>
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

FilterPlot::FilterPlot(QWidget* parent) : QChartView(parent)
{
    auto* chart = new QChart;
    setChart(chart); // the view owns it
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
    chart->addAxis(frequencyAxis_, Qt::AlignBottom);
    chart->addAxis(lossAxis_, Qt::AlignLeft);

    insertion_ = addSeries(QStringLiteral("Затухание"), QColor(0, 70, 200), Qt::SolidLine, true);
    snappedInsertion_ = addSeries(QString(), QColor(210, 30, 30), Qt::DashLine, true);
    reflection_ = addSeries(QStringLiteral("Отражение"), QColor(0, 140, 60), Qt::SolidLine, true);
    snappedReflection_ = addSeries(QString(), QColor(230, 130, 0), Qt::DashLine, true);
    for (int i = 0; i < 2; ++i)
        marks_.push_back(addSeries(QString(), QColor(90, 90, 90), Qt::DotLine, false));

    readout_ = new QGraphicsSimpleTextItem(chart);
    readout_->setFont(small);
    readout_->setZValue(10);
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
    if (!r.frequencies.empty())
        frequencyAxis_->setRange(r.frequencies.front() / factor, r.frequencies.back() / factor);
    frequencyAxis_->setTitleText(QStringLiteral("Частота, ") + r.unitSymbol);
    const QChar separator = values::DecimalSeparator();
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(separator == u',' ? QLocale(QLocale::Russian) : QLocale::c());

    const QString exactName = snapped ? QStringLiteral(" (точные)") : QString();
    insertion_->setName(QStringLiteral("Затухание") + exactName);
    reflection_->setName(QStringLiteral("Отражение") + exactName);
    insertion_->replace(Points(r.frequencies, r.insertion, factor));
    reflection_->replace(Points(r.frequencies, r.reflection, factor));
    snappedInsertion_->setName(QStringLiteral("Затухание (%1)").arg(r.seriesName));
    snappedReflection_->setName(QStringLiteral("Отражение (%1)").arg(r.seriesName));
    snappedInsertion_->replace(Points(r.frequencies, r.snappedInsertion, factor));
    snappedReflection_->replace(Points(r.frequencies, r.snappedReflection, factor));
    for (QLineSeries* series : {snappedInsertion_, snappedReflection_}) {
        series->setVisible(snapped);
        for (QLegendMarker* marker : chart()->legend()->markers(series))
            marker->setVisible(snapped);
    }
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        QList<QPointF> line;
        if (i < r.marks.size())
            line = {QPointF(r.marks[i] / factor, 0), QPointF(r.marks[i] / factor, bottom)};
        marks_[i]->replace(line);
        for (QLegendMarker* marker : chart()->legend()->markers(marks_[i]))
            marker->setVisible(false);
    }
    readout_->setText(QString());
}

void FilterPlot::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    showReadout(event->position());
}

void FilterPlot::leaveEvent(QEvent* event)
{
    QChartView::leaveEvent(event);
    readout_->setText(QString());
}

// The frequency under the mouse and the losses there, at the nearest point computed.
void FilterPlot::showReadout(const QPointF& position)
{
    const PlottedResponse& r = response_;
    const QPointF scenePoint = mapToScene(position.toPoint());
    const QPointF chartPoint = chart()->mapFromScene(scenePoint);
    if (r.frequencies.empty() || !chart()->plotArea().contains(chartPoint)) {
        readout_->setText(QString());
        return;
    }
    const double f = chart()->mapToValue(chartPoint, insertion_).x() * r.unitFactor;
    const auto above = std::lower_bound(r.frequencies.begin(), r.frequencies.end(), f);
    std::size_t i = std::size_t(std::min(above - r.frequencies.begin(), std::ptrdiff_t(r.frequencies.size() - 1)));
    if (i > 0 && std::abs(std::log(r.frequencies[i - 1] / f)) < std::abs(std::log(r.frequencies[i] / f)))
        --i;
    QString text = values::EngineeringText(r.frequencies[i], QStringLiteral("Гц"), 0, 9)
        + QStringLiteral(": затухание ") + Decibels(r.insertion[i]);
    if (!r.snappedInsertion.empty())
        text += QStringLiteral(" (%1: %2)").arg(r.seriesName, Decibels(r.snappedInsertion[i]));
    text += QStringLiteral(", отражение ") + Decibels(r.reflection[i]);
    readout_->setText(text);
    const QRectF area = chart()->plotArea();
    readout_->setPos(area.left() + 4, area.top() + 2);
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
