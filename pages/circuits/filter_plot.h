#pragma once

#include <QChartView>
#include <QString>

#include <vector>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace pages {

// Losses of a designed ladder over frequency, as they are drawn.
struct PlottedResponse {
    std::vector<double> frequencies; // Hz, rising
    std::vector<double> insertion;   // dB, exact parts
    std::vector<double> reflection;  // dB, exact parts
    std::vector<double> snappedInsertion; // dB, standard parts; empty when the parts are exact
    std::vector<double> snappedReflection;
    std::vector<double> marks;       // Hz: the cut-off or the band edges
    QString seriesName;              // "E24", empty for exact parts
    double unitFactor = 1e6;         // Hz per unit of the frequency axis
    QString unitSymbol;              // "МГц"
};

// Insertion and return loss in dB over a log frequency axis, loss growing
// downwards; the mouse shows the values under it, the context menu saves the
// picture.
class FilterPlot : public QChartView {
    Q_OBJECT

public:
    explicit FilterPlot(QWidget* parent = nullptr);

    void showResponse(PlottedResponse response);

    bool savePicture(const QString& path); // PNG or SVG by the file's suffix

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QLineSeries* addSeries(const QString& name, const QColor& colour, Qt::PenStyle style, bool inLegend);
    void showReadout(const QPointF& position);
    void saveAs(const QString& filter, const QString& suffix);

    PlottedResponse response_;
    QLineSeries* insertion_;
    QLineSeries* snappedInsertion_;
    QLineSeries* reflection_;
    QLineSeries* snappedReflection_;
    std::vector<QLineSeries*> marks_;
    QLogValueAxis* frequencyAxis_;
    QValueAxis* linearAxis_;
    QValueAxis* lossAxis_;
    QGraphicsRectItem* readoutBox_;
    QGraphicsSimpleTextItem* readout_;
};

} // namespace pages
