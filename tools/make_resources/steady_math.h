#pragma once

// Sine, cosine and exponential for the pictures and sounds, computed here
// with nothing but IEEE arithmetic, so that every C library (glibc on Linux,
// MinGW's on Windows, each rounding its own way) draws the same files to the
// byte. Accurate well beyond a float; computed in double and rounded once.
namespace resgen {

float SteadySin(float x);
float SteadyCos(float x);
float SteadyExp(float x);
// base to the power exponent, for a positive base.
float SteadyPow(float base, float exponent);

}  // namespace resgen
