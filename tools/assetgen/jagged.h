// A fixed pseudo-random sequence and the jagged star shapes drawn from it.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <cstdint>

namespace assetgen {

// A small fixed generator (not std:: distributions, whose output differs between libraries),
// so the same seed gives the same shapes everywhere.
class Scatter {
public:
    explicit Scatter(int seed);
    // A number in [low, high).
    qreal between(qreal low, qreal high);

private:
    std::uint32_t m_state;
};

QPointF polar(QPointF centre, qreal radius, qreal angle);

// A star whose points reach between `outer` * (1 - roughness) and `outer`, with valleys at
// `inner`; `turn` rotates it (radians).
QPolygonF jaggedStar(QPointF centre, qreal outer, qreal inner, int spikes, qreal turn,
                     qreal roughness, Scatter& scatter);

} // namespace assetgen
