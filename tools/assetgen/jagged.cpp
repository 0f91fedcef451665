// Generates the fixed pseudo-random numbers and star outlines.
#include "tools/assetgen/jagged.h"

#include <cmath>
#include <numbers>

namespace assetgen {

Scatter::Scatter(int seed)
    : m_state(0x9E3779B9u * static_cast<std::uint32_t>(seed + 1))
{
}

qreal Scatter::between(qreal low, qreal high)
{
    m_state = m_state * 1664525u + 1013904223u;
    return low + (high - low) * static_cast<qreal>(m_state >> 8) / qreal(1 << 24);
}

QPointF polar(QPointF centre, qreal radius, qreal angle)
{
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

QPolygonF jaggedStar(QPointF centre, qreal outer, qreal inner, int spikes, qreal turn,
                     qreal roughness, Scatter& scatter)
{
    QPolygonF points;
    for (int i = 0; i < 2 * spikes; ++i) {
        qreal angle = turn + i * std::numbers::pi / spikes;
        qreal radius = (i % 2 == 0) ? outer * scatter.between(1 - roughness, 1) : inner;
        points << polar(centre, radius, angle);
    }
    return points;
}

} // namespace assetgen
