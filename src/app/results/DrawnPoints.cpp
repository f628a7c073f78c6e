#include "app/results/DrawnPoints.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace loopsim {
namespace {

using Iterator = QList<QPointF>::const_iterator;

Iterator firstFrom(const QList<QPointF>& points, double from) {
    return std::lower_bound(points.cbegin(), points.cend(), from,
                            [](const QPointF& point, double x) { return point.x() < x; });
}

Iterator firstAfter(const QList<QPointF>& points, double to) {
    return std::upper_bound(points.cbegin(), points.cend(), to,
                            [](double x, const QPointF& point) { return x < point.x(); });
}

// Which of `parts` equal parts of from..to holds x, for an x within from..to.
class Parts {
  public:
    Parts(double from, double to, int parts)
        : from_(from), perUnit_(parts / (to - from)), last_(parts - 1) {}
    int of(double x) const { return std::min(static_cast<int>((x - from_) * perUnit_), last_); }

  private:
    double from_;
    double perUnit_;
    int last_;
};

bool isStretch(double from, double to) {
    return std::isfinite(from) && std::isfinite(to) && to > from;
}

}  // namespace

QList<QPointF> pointsToDraw(const QList<QPointF>& points, double from, double to, int columns) {
    if (!isStretch(from, to))
        return points;
    columns = std::max(columns, 1);
    Iterator begin = firstFrom(points, from);
    Iterator end = firstAfter(points, to);
    if (end - begin <= 4 * columns) {
        begin = begin == points.cbegin() ? begin : begin - 1;
        end = end == points.cend() ? end : end + 1;
        return QList<QPointF>(begin, end);
    }

    QList<QPointF> drawn;
    drawn.reserve(4 * columns + 2);
    if (begin != points.cbegin())
        drawn.append(*(begin - 1));
    const Parts parts(from, to, columns);
    for (Iterator at = begin; at != end;) {
        const int column = parts.of(at->x());
        std::array<Iterator, 4> kept = {at, at, at, at};  // first, lowest, highest, last
        for (++at; at != end && parts.of(at->x()) == column; ++at) {
            if (at->y() < kept[1]->y())
                kept[1] = at;
            if (at->y() > kept[2]->y())
                kept[2] = at;
            kept[3] = at;
        }
        std::sort(kept.begin(), kept.end());
        for (auto it = kept.begin(), last = std::unique(kept.begin(), kept.end()); it != last; ++it)
            drawn.append(**it);
    }
    if (end != points.cend())
        drawn.append(*end);
    return drawn;
}

double drawnLength(const QList<QPointF>& points, double pixelsPerX, double pixelsPerY) {
    double length = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        length += std::hypot((points[i].x() - points[i - 1].x()) * pixelsPerX,
                             (points[i].y() - points[i - 1].y()) * pixelsPerY);
    return length;
}

bool clampValues(QList<QPointF>& points, double low, double high) {
    bool outside = false;
    for (QPointF& point : points) {
        const double y = std::isnan(point.y()) ? low : std::clamp(point.y(), low, high);
        if (!(y == point.y())) {
            point.setY(y);
            outside = true;
        }
    }
    return outside;
}

QList<QPointF> markersToDraw(const QList<QPointF>& markers, double from, double to, int places) {
    if (!isStretch(from, to))
        return markers;
    const Parts parts(from, to, std::max(places, 1));
    QList<QPointF> drawn;
    int lastPlace = -1;
    for (Iterator at = firstFrom(markers, from), end = firstAfter(markers, to); at != end; ++at) {
        if (const int place = parts.of(at->x()); place != lastPlace) {
            drawn.append(*at);
            lastPlace = place;
        }
    }
    return drawn;
}

}  // namespace loopsim
