#include "game/spots.h"

#include "platform/conversions.h"

namespace game {

void moveToSpot(platform::Image& image, std::int16_t number)
{
    image.setLeft(spot(number).left);
    image.setTop(spot(number).top);
}

std::int16_t spotNumber(float r)
{
    return platform::toInteger(platform::intPart(double{r} * kSpots.size() + 1.0));
}

} // namespace game
