#include "steady_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

struct MathCase {
    std::string name;
    std::function<float(float)> steady;
    std::function<double(double)> library;
    float from;
    float to;
};

// The generator's own functions agree with the C library's double ones to a
// float's last bit over the whole range each picture and sound uses.
TEST(SteadyMath, AgreesWithTheLibraryToAFloatsLastBit) {
    const std::vector<MathCase> cases = {
        {"sin", resgen::SteadySin, [](double x) { return std::sin(x); }, -40.0F, 40.0F},
        {"cos", resgen::SteadyCos, [](double x) { return std::cos(x); }, -40.0F, 40.0F},
        {"exp", resgen::SteadyExp, [](double x) { return std::exp(x); }, -80.0F, 80.0F},
        {"2^x", [](float x) { return resgen::SteadyPow(2.0F, x); },
         [](double x) { return std::pow(2.0, x); }, -30.0F, 30.0F},
        {"6^x", [](float x) { return resgen::SteadyPow(6.0F, x); },
         [](double x) { return std::pow(6.0, x); }, -10.0F, 10.0F},
    };
    constexpr int kSteps = 20011;
    for (const auto& c : cases) {
        for (int i = 0; i <= kSteps; ++i) {
            const float x = c.from + (c.to - c.from) * static_cast<float>(i) / kSteps;
            const auto expected = static_cast<float>(c.library(x));
            const float got = c.steady(x);
            // One step of a float either way, or a hair from zero where sine
            // crosses it.
            const float slack =
                std::max(std::abs(std::nextafter(expected, 0.0F) - expected), 1e-7F);
            ASSERT_NEAR(got, expected, slack) << c.name << "(" << x << ")";
        }
    }
}

}  // namespace
