#include "photoelectrons.h"

#include <cmath>

int electronX(int position, double ke, int age, double scale, int emitterx)
{
    const double t = age;
    return static_cast<int>(std::trunc((position * -0.005 / 800 * t * t + ke * t) * scale + emitterx));
}
