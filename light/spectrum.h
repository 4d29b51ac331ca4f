#pragma once

#include "core/colour.h"

// The display colour of a spectral index (0 to 1535): six ramps of 256
// steps, from black through red, yellow, green, cyan and blue to black.
Colour colourOfIndex(int index);

// The wavelength in nanometres of a colour scroll-bar position.
double wavelengthOf(int position);

// Photon energy in eV of a wavelength in nanometres.
double photonEnergyOf(double wavelength);

// The grey of the intensity mask at an intensity.
Colour maskGrey(int intensity);
