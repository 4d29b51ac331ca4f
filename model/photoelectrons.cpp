#include "photoelectrons.h"

#include "core/experiment.h"

#include <cmath>

int electronX(int position, double ke, int age, double scale, int emitterx)
{
    const double t = age;
    return static_cast<int>(std::trunc((retardingCoefficient(position) * t * t + ke * t) * scale + emitterx));
}
