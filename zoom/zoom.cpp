#include "zoom.h"

#include "core/experiment.h"

#include <array>
#include <cmath>
#include <numbers>

double zoomedDirection(int emitted)
{
    return (emitted % 6 - 3) * std::numbers::pi / 8 + 4 * (emitted % 3) * std::numbers::pi / 180;
}

namespace {

struct Direction
{
    double cos;
    double sin;
};

// The direction depends on t mod 6 alone; a tick visits up to a thousand
// electrons, so the six are worked out once.
const std::array<Direction, 6>& directions()
{
    static const std::array<Direction, 6> table = [] {
        std::array<Direction, 6> sixDirections{};
        for (int i = 0; i < 6; ++i)
            sixDirections[i] = {std::cos(zoomedDirection(i)), std::sin(zoomedDirection(i))};
        return sixDirections;
    }();
    return table;
}

} // namespace

ZoomedElectron zoomedElectron(int emitted, int age, double ke, int position, double scale, int emitterx)
{
    const Direction& direction = directions()[emitted % 6];
    const double speedX = ke * direction.cos;
    const double speedY = ke * direction.sin;
    const double ticks = age;
    const double coefficient = retardingCoefficient(position);
    return {static_cast<int>(std::trunc(3 * scale * (coefficient * ticks * ticks + speedX * ticks) + emitterx)),
            static_cast<int>(std::trunc(2 * speedY * ticks))};
}
