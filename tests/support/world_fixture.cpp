#include "support/world_fixture.h"

#include <memory>

#include "common/exceptions.h"
#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "display/text_overlay.h"
#include "input/input_manager.h"
#include "layout.h"
#include "platform/headless/key_script.h"
#include "shell/app_window.h"
#include "shell/start_up.h"
#include "sound/sound_manager.h"
#include "support/headless_platform.h"
#include "support/wave_files.h"
#include "world/roamies.h"
#include "world/shots.h"
#include "world/world_state.h"

namespace tc = test_colors;
namespace layout = resgen::layout;

namespace {

// Each frame of the list painted its own colour, in order: where two
// frames share a column the later one keeps it.
using Painting = std::vector<std::pair<resgen::Rect, std::uint16_t>>;
template <std::size_t N>
Painting Paint(const std::array<resgen::Rect, N>& frames, const std::uint16_t (&colors)[N]) {
    Painting painting;
    for (std::size_t i = 0; i < N; ++i) painting.emplace_back(frames[i], colors[i]);
    return painting;
}

// A sheet of the generator's size, black (the key) but for the painting.
std::unique_ptr<ImageBuffer> Sheet(layout::SheetSize size, const std::vector<Painting>& paintings) {
    auto image = MakeImage(static_cast<std::uint16_t>(size.width),
                           static_cast<std::uint16_t>(size.height), {});
    for (const Painting& painting : paintings) {
        for (const auto& [area, color] : painting) {
            for (int y = area.y; y < area.Bottom(); ++y)
                std::fill_n(&image->pixels[y * image->width + area.x], area.width, color);
        }
    }
    return image;
}

void MakeImages() {
    imginvader = Sheet(layout::kInvaderSheet, {Paint(layout::kEnemyFrames, tc::kEnemy),
                                               Paint(layout::kBrickFrames, tc::kBrick),
                                               Paint(layout::kRoamieFrames, tc::kRoamie)});
    imgback = Sheet(layout::kStarSheet, {{{layout::kBackgroundFrame, tc::kBackground}}});
    imgship = Sheet(layout::kShipSheet, {{{layout::kShipFrame, tc::kShip[0]}}});
    imgbullets = Sheet(layout::kBulletSheet, {Paint(layout::kPlayerShotFrames, tc::kPlayerShot),
                                              Paint(layout::kEnemyShotFrames, tc::kEnemyShot)});
    // A ring: the ship shows through the middle.
    const resgen::Rect& ring = layout::kShieldFrame;
    const int band = tc::kShieldBand;
    imgshield = Sheet(
        layout::kShieldSheet,
        {{{ring, tc::kShield[0]},
          {{ring.x + band, ring.y + band, ring.width - 2 * band, ring.height - 2 * band}, 0}}});
    booms = Sheet(layout::kBoomSheet, {Paint(layout::kExplosionFrames, tc::kBoom)});
}

}  // namespace

WorldTest::WorldTest() {
    ResetGame();
}

WorldTest::~WorldTest() {
    ResetGame();
}

void WorldTest::Build() {
    auto width = static_cast<std::uint16_t>(Settings::hres);
    auto height = static_cast<std::uint16_t>(Settings::vres);
    appWindow = CreateAppWindow(width, height);
    ASSERT_NE(appWindow, 0u);
    theDrawManager.Init(appWindow, 0x11, width, height, 16);
    theSoundManager = std::make_unique<SoundManager>();
    theSoundManager->InitSound(appWindow, platform::DSSCL_EXCLUSIVE);
    // Two short silent effects.
    for (platform::SoundBuffer** sound : {&cannonSound, &shieldSound}) {
        *sound = LoadedBuffer(*theSoundManager->device, PcmFormat(1, 22050, 16),
                              std::vector<std::uint8_t>(882));
    }
    TextPos scorePosition;
    CenterText("SCORE = 000000", &scorePosition);
    scoreTextX = scorePosition.x;
    ASSERT_TRUE(theInputManager.InitInput());
    MakeImages();
    BuildWorld();                                   // as start-up builds it
    headless.platform().debug().ClearTranscript();  // the test's log starts here
}

void WorldTest::Hold(std::initializer_list<std::uint8_t> codes) {
    for (std::uint8_t code : codes) backend().HoldKey(code);
}

void WorldTest::UseKeyScript(const std::string& script) {
    backend().SetKeyScript(platform::KeyScript::Parse(script, "test keys"));
}

namespace {
Sprite& AddShot(SpriteList& list, Shooter shooter, std::uint16_t x, std::uint16_t y) {
    list.push_back(MakeShot(shooter));
    list.back()->MoveBy(x, y);
    return *list.back();
}
}  // namespace

Sprite& WorldTest::AddPlayerShotAt(std::uint16_t x, std::uint16_t y) {
    return AddShot(playerShotList, Shooter::Player, x, y);
}

Sprite& WorldTest::AddEnemyShotAt(std::uint16_t x, std::uint16_t y) {
    return AddShot(enemyShotList, Shooter::Enemy, x, y);
}

Roamie& WorldTest::AddRoamieAt(std::uint16_t x, std::uint16_t y, std::uint16_t turnX) {
    SpawnRoamie();
    Roamie& roamie = *roamieList.back();
    std::tie(roamie.x, roamie.y, roamie.turnX) = std::tuple(x, y, turnX);
    return roamie;
}

std::uint16_t WorldTest::ScreenPixel(int x, int y) {
    return PixelAt(*theDrawManager.primary, x, y);
}
