#include "pages/circuits/filter_schematic.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace pages {

namespace {

using engineering::filter::Branch;
using engineering::filter::Parts;
using engineering::filter::Place;

// Drawing units; the whole drawing is scaled to fit the widget.
constexpr double kLine = 34;     // height of the signal line
constexpr double kHeight = 122;  // of the whole drawing
constexpr double kArrow = 26;    // input and output leads

double RungWidth(const Branch& branch)
{
    if (branch.place == Place::Series) {
        switch (branch.parts) {
        case Parts::Inductor: return 52;
        case Parts::Capacitor: return 44;
        case Parts::SeriesLC: return 92;
        case Parts::ParallelLC: return 60;
        }
    }
    return branch.parts == Parts::ParallelLC ? 64 : 48;
}

class Drawing {
public:
    explicit Drawing(QPainter& painter) : p_(painter) {}

    void line(double x1, double y1, double x2, double y2) { p_.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }

    // Four half-turns, 32 long, from (x, y) along the line or down from it.
    void coil(double x, double y, bool vertical)
    {
        QPainterPath path(QPointF(x, y));
        for (int i = 0; i < 4; ++i) {
            const double at = 8.0 * i;
            if (vertical)
                path.arcTo(QRectF(x - 4, y + at, 8, 8), 90, -180);
            else
                path.arcTo(QRectF(x + at, y - 4, 8, 8), 180, -180);
        }
        p_.drawPath(path);
    }

    // Two plates 6 apart, centred on (x, y), across a line that runs
    // horizontally (plates upright) or vertically.
    void capacitor(double x, double y, bool vertical)
    {
        if (vertical) {
            line(x - 8, y - 3, x + 8, y - 3);
            line(x - 8, y + 3, x + 8, y + 3);
        } else {
            line(x - 3, y - 8, x - 3, y + 8);
            line(x + 3, y - 8, x + 3, y + 8);
        }
    }

    void ground(double x, double y)
    {
        line(x - 8, y, x + 8, y);
        line(x - 5, y + 3.5, x + 5, y + 3.5);
        line(x - 2, y + 7, x + 2, y + 7);
    }

    void dot(double x, double y)
    {
        p_.save();
        p_.setBrush(Qt::black);
        p_.setPen(Qt::NoPen);
        p_.drawEllipse(QPointF(x, y), 2, 2);
        p_.restore();
    }

    void arrow(double x, double y)
    {
        line(x - 6, y - 3.5, x, y);
        line(x - 6, y + 3.5, x, y);
    }

    void text(double x, double y, const QString& text, Qt::Alignment alignment)
    {
        const QRectF box(x - 40, y - 8, 80, 16);
        const QRectF placed = alignment & Qt::AlignLeft    ? box.translated(40, 0)
                              : alignment & Qt::AlignRight ? box.translated(-40, 0)
                                                           : box;
        p_.drawText(placed, int(alignment | Qt::AlignVCenter), text);
    }

private:
    QPainter& p_;
};

// One rung from x, its width given by RungWidth; names carry the rung number.
void DrawRung(Drawing& d, const Branch& branch, double x, int rung)
{
    const double w = RungWidth(branch);
    const double y = kLine;
    const QString l = QStringLiteral("L%1").arg(rung);
    const QString c = QStringLiteral("C%1").arg(rung);
    if (branch.place == Place::Series) {
        switch (branch.parts) {
        case Parts::Inductor:
            d.line(x, y, x + 10, y);
            d.coil(x + 10, y, false);
            d.line(x + 42, y, x + w, y);
            d.text(x + 26, y - 14, l, Qt::AlignHCenter);
            break;
        case Parts::Capacitor:
            d.line(x, y, x + 19, y);
            d.capacitor(x + 22, y, false);
            d.line(x + 25, y, x + w, y);
            d.text(x + 22, y - 16, c, Qt::AlignHCenter);
            break;
        case Parts::SeriesLC:
            d.line(x, y, x + 10, y);
            d.coil(x + 10, y, false);
            d.line(x + 42, y, x + 63, y);
            d.capacitor(x + 66, y, false);
            d.line(x + 69, y, x + w, y);
            d.text(x + 26, y - 14, l, Qt::AlignHCenter);
            d.text(x + 66, y - 16, c, Qt::AlignHCenter);
            break;
        case Parts::ParallelLC:
            // The coil in the line, the capacitor bridging it above.
            d.line(x, y, x + 14, y);
            d.coil(x + 14, y, false);
            d.line(x + 46, y, x + w, y);
            d.line(x + 8, y, x + 8, y - 18);
            d.line(x + w - 8, y, x + w - 8, y - 18);
            d.line(x + 8, y - 18, x + 27, y - 18);
            d.capacitor(x + 30, y - 18, false);
            d.line(x + 33, y - 18, x + w - 8, y - 18);
            d.dot(x + 8, y);
            d.dot(x + w - 8, y);
            d.text(x + 30, y + 12, l, Qt::AlignHCenter);
            d.text(x + 38, y - 28, c, Qt::AlignLeft);
            break;
        }
        return;
    }
    const double cx = x + w / 2;
    d.line(x, y, x + w, y);
    d.dot(cx, y);
    switch (branch.parts) {
    case Parts::Capacitor:
        d.line(cx, y, cx, y + 27);
        d.capacitor(cx, y + 30, true);
        d.line(cx, y + 33, cx, y + 60);
        d.text(cx - 11, y + 30, c, Qt::AlignRight);
        d.ground(cx, y + 60);
        break;
    case Parts::Inductor:
        d.line(cx, y, cx, y + 14);
        d.coil(cx, y + 14, true);
        d.line(cx, y + 46, cx, y + 60);
        d.text(cx + 8, y + 30, l, Qt::AlignLeft);
        d.ground(cx, y + 60);
        break;
    case Parts::SeriesLC:
        d.line(cx, y, cx, y + 8);
        d.coil(cx, y + 8, true);
        d.line(cx, y + 40, cx, y + 53);
        d.capacitor(cx, y + 56, true);
        d.line(cx, y + 59, cx, y + 70);
        d.text(cx + 8, y + 24, l, Qt::AlignLeft);
        d.text(cx + 11, y + 56, c, Qt::AlignLeft);
        d.ground(cx, y + 70);
        break;
    case Parts::ParallelLC: {
        const double left = cx - 12;
        const double right = cx + 12;
        d.line(cx, y, cx, y + 10);
        d.line(left, y + 10, right, y + 10);
        d.line(left, y + 10, left, y + 27);
        d.capacitor(left, y + 30, true);
        d.line(left, y + 33, left, y + 50);
        d.line(right, y + 10, right, y + 14);
        d.coil(right, y + 14, true);
        d.line(right, y + 46, right, y + 50);
        d.line(left, y + 50, right, y + 50);
        d.line(cx, y + 50, cx, y + 60);
        d.text(left - 10, y + 30, c, Qt::AlignRight);
        d.text(right + 8, y + 30, l, Qt::AlignLeft);
        d.ground(cx, y + 60);
        break;
    }
    }
}

} // namespace

void FilterSchematic::showLadder(const engineering::filter::Ladder& ladder)
{
    branches_ = ladder.branches;
    update();
}

void FilterSchematic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (branches_.empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    double width = 2 * kArrow;
    for (const Branch& branch : branches_)
        width += RungWidth(branch);
    // The drawing never grows past its natural size, only shrinks to fit.
    const double scale = std::min({1.6, (this->width() - 8) / width, (height() - 4) / kHeight});
    painter.translate((this->width() - width * scale) / 2, (height() - kHeight * scale) / 2);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);

    Drawing d(painter);
    d.line(0, kLine, kArrow, kLine);
    d.arrow(kArrow - 14, kLine);
    d.text(0, kLine - 12, QStringLiteral("Вх"), Qt::AlignLeft);
    double x = kArrow;
    for (std::size_t i = 0; i < branches_.size(); ++i) {
        DrawRung(d, branches_[i], x, int(i + 1));
        x += RungWidth(branches_[i]);
    }
    d.line(x, kLine, x + kArrow, kLine);
    d.arrow(x + kArrow, kLine);
    d.text(x + kArrow, kLine - 12, QStringLiteral("Вых"), Qt::AlignRight);
}

} // namespace pages
