#include "zoom.h"

#include "model/photoelectrons.h"

#include <cmath>
#include <numbers>

double zoomedDirection(int t)
{
    return (t % 6 - 3) * std::numbers::pi / 8 + 4 * (t % 3) * std::numbers::pi / 180;
}

ZoomedElectron zoomedElectron(int t, int age, double ke, int position, double scale, int emitterx)
{
    const double theta = zoomedDirection(t);
    const double vx = ke * std::cos(theta);
    const double vy = ke * std::sin(theta);
    const double a = age;
    const double k = retardingCoefficient(position);
    return {static_cast<int>(std::trunc(3 * scale * (k * a * a + vx * a) + emitterx)),
            static_cast<int>(std::trunc(2 * vy * a))};
}
