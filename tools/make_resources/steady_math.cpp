#include "steady_math.h"

#include <cmath>
#include <numbers>

namespace resgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The Taylor series of sine about 0, for |r| <= pi: its 15th term is below
// 1e-18.
double SinNearZero(double r) {
    double term = r;
    double sum = r;
    for (int n = 1; n <= 15; ++n) {
        term *= -r * r / static_cast<double>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

// e^r for |r| <= ln2 / 2, by its Taylor series.
double ExpNearZero(double r) {
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 18; ++n) {
        term *= r / static_cast<double>(n);
        sum += term;
    }
    return sum;
}

double Sin(double x) {
    // floor is exact, so the reduction is the same everywhere.
    const double turns = std::floor(x / kTwoPi + 0.5);
    return SinNearZero(x - turns * kTwoPi);
}

double Exp(double x) {
    if (x < -745.0) return 0.0;
    if (x > 709.0) return HUGE_VAL;
    const double halves = std::floor(x / std::numbers::ln2 + 0.5);
    // ldexp scales by a power of two, exactly.
    return std::ldexp(ExpNearZero(x - halves * std::numbers::ln2), static_cast<int>(halves));
}

// ln(m) for m in [1, 2), by the series of atanh: ln m = 2 atanh((m-1)/(m+1)).
double LogOneToTwo(double m) {
    const double s = (m - 1.0) / (m + 1.0);
    double power = s;
    double sum = 0.0;
    for (int n = 1; n <= 59; n += 2) {
        sum += power / static_cast<double>(n);
        power *= s * s;
    }
    return 2.0 * sum;
}

double Log(double x) {
    int exponent = 0;
    // frexp splits exactly into [0.5, 1) and a power of two.
    const double mantissa = std::frexp(x, &exponent) * 2.0;
    return LogOneToTwo(mantissa) + static_cast<double>(exponent - 1) * std::numbers::ln2;
}

}  // namespace

float SteadySin(float x) {
    return static_cast<float>(Sin(x));
}

float SteadyCos(float x) {
    return static_cast<float>(Sin(static_cast<double>(x) + std::numbers::pi / 2.0));
}

float SteadyExp(float x) {
    return static_cast<float>(Exp(x));
}

float SteadyPow(float base, float exponent) {
    return static_cast<float>(Exp(static_cast<double>(exponent) * Log(base)));
}

}  // namespace resgen
