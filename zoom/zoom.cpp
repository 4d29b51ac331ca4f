#include "zoom.h"

#include "core/experiment.h"

#include <array>
#include <cmath>
#include <numbers>

double zoomedDirection(int t)
{
    return (t % 6 - 3) * std::numbers::pi / 8 + 4 * (t % 3) * std::numbers::pi / 180;
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

ZoomedElectron zoomedElectron(int t, int age, double ke, int position, double scale, int emitterx)
{
    const Direction& direction = directions()[t % 6];
    const double vx = ke * direction.cos;
    const double vy = ke * direction.sin;
    const double a = age;
    const double k = retardingCoefficient(position);
    return {static_cast<int>(std::trunc(3 * scale * (k * a * a + vx * a) + emitterx)),
            static_cast<int>(std::trunc(2 * vy * a))};
}
