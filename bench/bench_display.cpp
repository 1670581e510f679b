// What one frame of the display costs: the clear and background blit, the
// heads-up texts, and the conversion of the picture for the window, whole or
// where it changed.
//   build/default/bench/bench_display --benchmark_repetitions=30
//       --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <random>
#include <vector>

#include "platform/core/display/argb_convert.h"
#include "platform/core/display/argb_picture.h"
#include "platform/core/display/memory_surface.h"
#include "platform/core/display/screen_format.h"
#include "platform/core/platform.h"
#include "platform/headless/headless_backend.h"

namespace {

using platform::MemorySurface;

// A star field: mostly black (transparent), a few dim and bright stars.
std::unique_ptr<MemorySurface> StarField(std::uint16_t width, std::uint16_t height) {
    auto surface = MemorySurface::Create(width, height, platform::kFormat565);
    std::mt19937 random(1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface->Row(y)[x] = random() % 10 == 0 ? static_cast<std::uint16_t>(random()) : 0;
        }
    }
    return surface;
}

void ClearAndBackground(benchmark::State& state) {
    auto backBuffer = MemorySurface::Create(800, 600, platform::kFormat565);
    auto background = StarField(799, 599);
    for (auto _ : state) {
        backBuffer->ColorFill(0);
        backBuffer->BltColorKeyed({6, 6, 795, 595}, *background, {10, 10, 799, 599}, 0);
        benchmark::DoNotOptimize(backBuffer->Row(300)[400]);
    }
}
BENCHMARK(ClearAndBackground)->Unit(benchmark::kMicrosecond);

void ConvertWithShifts(benchmark::State& state) {
    auto front = StarField(800, 600);
    std::vector<std::uint32_t> texture(800 * 600);
    for (auto _ : state) {
        platform::ConvertToArgb(*front, texture.data(), 800 * 4);
        benchmark::DoNotOptimize(texture.data());
    }
}
BENCHMARK(ConvertWithShifts)->Unit(benchmark::kMicrosecond);

// The alternative: one 64K-entry table of converted pixels. Its look-ups do
// not vectorise; it beats the shifts only where they cannot use AVX2.
void ConvertWithTable(benchmark::State& state) {
    auto front = StarField(800, 600);
    std::vector<std::uint32_t> texture(800 * 600);
    auto table = std::make_unique<std::array<std::uint32_t, 65536>>();
    for (std::uint32_t pixel = 0; pixel < 65536; ++pixel) {
        auto one = MemorySurface::Create(1, 1, platform::kFormat565);
        one->Row(0)[0] = static_cast<std::uint16_t>(pixel);
        platform::ConvertToArgb(*one, &(*table)[pixel], 4);
    }
    for (auto _ : state) {
        for (int y = 0; y < 600; ++y) {
            const std::uint16_t* from = front->Row(y);
            std::uint32_t* to = texture.data() + y * 800;
            for (int x = 0; x < 800; ++x) to[x] = (*table)[from[x]];
        }
        benchmark::DoNotOptimize(texture.data());
    }
}
BENCHMARK(ConvertWithTable)->Unit(benchmark::kMicrosecond);

// The flip as the window does it: the kept 32-bit picture brought up to
// date where a dozen sprites changed.
void KeepPictureUpToDate(benchmark::State& state) {
    auto front = StarField(800, 600);
    platform::ArgbPicture picture;
    picture.Update(*front);
    for (auto _ : state) {
        for (int sprite = 0; sprite < 12; ++sprite) {
            for (int y = 0; y < 32; ++y) {
                std::uint16_t* row = front->Row(40 * sprite + y) + 60 * sprite;
                for (int x = 0; x < 32; ++x) row[x] ^= 0x1234;
            }
        }
        benchmark::DoNotOptimize(picture.Update(*front).size());
    }
}
BENCHMARK(KeepPictureUpToDate)->Unit(benchmark::kMicrosecond);

// The heads-up line: three texts through device contexts of the back buffer.
void HeadsUpTexts(benchmark::State& state) {
    platform::Options options;
    options.headless = true;
    platform::ScopedPlatform installed(std::make_unique<platform::HeadlessBackend>(options),
                                       options);
    auto backBuffer = MemorySurface::Create(800, 600, platform::kFormat565);
    for (auto _ : state) {
        for (auto [x, text] : {std::pair{1, "HEALTH = 100"}, std::pair{344, "SCORE = 000000"},
                               std::pair{704, "SHIELDS = 3"}}) {
            std::unique_ptr<platform::DeviceContext> context;
            backBuffer->GetDC(context);
            context->SetTextColor(0xC0FFC0);
            context->SetBkMode(platform::TRANSPARENT);
            context->SetMapMode(platform::MM_TEXT);
            context->TextOut(x, 560, text);
            backBuffer->ReleaseDC(std::move(context));
        }
        benchmark::DoNotOptimize(backBuffer->Row(565)[5]);
    }
}
BENCHMARK(HeadsUpTexts)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
