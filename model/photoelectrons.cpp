#include "photoelectrons.h"

#include "core/experiment.h"

#include <cmath>

int electronX(int position, double ke, int age, double scale, int emitterx)
{
    const double ticks = age;
    return static_cast<int>(
        std::trunc((retardingCoefficient(position) * ticks * ticks + ke * ticks) * scale + emitterx));
}

bool reachedCollectorNow(int x, int position, double ke, int age, double scale, int emitterx, int collectorx)
{
    return x > collectorx && age >= 1 && electronX(position, ke, age - 1, scale, emitterx) <= collectorx;
}
