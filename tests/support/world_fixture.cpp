#include "support/world_fixture.h"

#include <cstring>
#include <sstream>
#include <stdexcept>

#include "common/exceptions.h"
#include "common/game_random.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/sprite.h"
#include "display/text_overlay.h"
#include "input/input_manager.h"
#include "platform/api/window.h"
#include "platform/core/platform.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"
#include "shell/start_up.h"
#include "sound/sound_manager.h"
#include "world/actors.h"
#include "world/enemy_and_bricks.h"
#include "world/roamies.h"
#include "world/shots.h"
#include "world/world_state.h"

namespace tc = test_colors;

std::unique_ptr<ImageBuffer> MakeTestImage(std::uint16_t width, std::uint16_t height,
                                           std::initializer_list<ImageBox> boxes) {
    auto image = std::make_unique<ImageBuffer>();
    image->width = width;
    image->height = height;
    image->pixels = std::make_unique<std::uint16_t[]>(std::size_t{width} * height);
    for (const ImageBox& box : boxes) {
        for (int row = box.y; row < box.y + box.height && row < height; ++row) {
            for (int column = box.x; column < box.x + box.width && column < width; ++column) {
                image->pixels[static_cast<std::size_t>(row) * width + column] = box.color;
            }
        }
    }
    return image;
}

namespace {

// The frames the world cuts, painted frame by frame: where two frames share
// a column, the later one keeps it, and each frame's middle stays its own.
void MakeImages() {
    imginvader = MakeTestImage(616, 400,
                               {{3, 313, 124, 82, tc::kEnemy[0]},
                                {142, 313, 124, 82, tc::kEnemy[1]},
                                {1, 30, 60, 30, tc::kBrick[0]},
                                {67, 30, 62, 30, tc::kBrick[1]},
                                {133, 30, 64, 30, tc::kBrick[2]},
                                {199, 30, 64, 30, tc::kBrick[3]},
                                {264, 30, 64, 30, tc::kBrick[4]},
                                {540, 376, 36, 24, tc::kRoamie[0]},
                                {580, 376, 36, 24, tc::kRoamie[1]}});
    imgback = MakeTestImage(799, 599, {{10, 10, 789, 589, tc::kBackground}});
    imgship = MakeTestImage(81, 71, {{1, 1, 80, 70, tc::kShip}});
    imgbullets = MakeTestImage(126, 60,
                               {{6, 38, 26, 22, tc::kPlayerShot[0]},
                                {40, 36, 26, 22, tc::kPlayerShot[1]},
                                {64, 36, 26, 22, tc::kEnemyShot[0]},
                                {100, 36, 26, 22, tc::kEnemyShot[1]}});
    // A ring: the ship shows through the middle.
    imgshield = MakeTestImage(183, 127, {{56, 1, 127, 126, tc::kShield}, {76, 21, 87, 86, 0}});
    booms = MakeTestImage(138, 35,
                          {{1, 1, 34, 34, tc::kBoom[0]},
                           {34, 1, 34, 34, tc::kBoom[1]},
                           {68, 1, 34, 34, tc::kBoom[2]},
                           {104, 1, 34, 34, tc::kBoom[3]}});
}

}  // namespace

namespace {

// A short silent effect, made on the sound device as the WAV reader would.
platform::SoundBuffer* MakeTestSound() {
    platform::SoundBufferDescription description;
    description.flags = platform::DSBCAPS_STATIC;
    description.bufferBytes = 441 * 2;
    description.format = {platform::WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    platform::SoundBuffer* buffer = nullptr;
    if (platform::Failed(theSoundManager->device->CreateSoundBuffer(description, buffer))) {
        throw new user_exception("no test sound");
    }
    return buffer;
}

}  // namespace

void BuildTestWorld() {
    auto width = static_cast<std::uint16_t>(Settings::hres);
    auto height = static_cast<std::uint16_t>(Settings::vres);
    appWindow = CreateAppWindow(width, height);
    if (appWindow == 0) throw new user_exception("no window");
    theDrawManager.Init(appWindow, 0x11, width, height, 16);
    theSoundManager = std::make_unique<SoundManager>();
    theSoundManager->InitSound(appWindow, platform::DSSCL_EXCLUSIVE);
    cannonSound = MakeTestSound();
    shieldSound = MakeTestSound();
    TextPos scorePosition;
    CenterText("SCORE = 000000", &scorePosition);
    scoreTextX = scorePosition.x;
    if (!theInputManager.InitInput()) throw new user_exception("Failed to create input device!");
    MakeImages();
    BuildWorld();  // as start-up builds it
}

void ResetWorld() {
    ResetGame();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

int CountLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (const std::string& each : Lines(text)) count += each == line ? 1 : 0;
    return count;
}

WorldTest::WorldTest() {
    ResetWorld();
}

WorldTest::~WorldTest() {
    ResetWorld();
}

void WorldTest::Build() {
    try {
        BuildTestWorld();
    } catch (user_exception* error) {
        // Thrown as an ordinary exception, the test stops with the reason.
        std::string text = error->GetText();
        delete error;
        throw std::runtime_error("the world could not be built: " + text);
    }
}

void WorldTest::Hold(std::initializer_list<std::uint8_t> codes) {
    for (std::uint8_t code : codes) backend().HoldKey(code);
}

void WorldTest::ReleaseKeys() {
    backend().ReleaseAllKeys();
}

void WorldTest::UseKeyScript(const std::string& script) {
    backend().SetKeyScript(platform::KeyScript::Parse(script, "test keys"));
}

void WorldTest::RunFrames(int count) {
    for (int i = 0; i < count; ++i) RunFrame();
}

std::uintptr_t WorldTest::RunLoop() {
    return RunFrameLoop();
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
    roamie.x = x;
    roamie.y = y;
    roamie.turnX = turnX;
    return roamie;
}

std::uint16_t WorldTest::ScreenPixel(int x, int y) {
    platform::Surface& screen = *theDrawManager.primary;
    if (x < 0 || y < 0 || x >= screen.Width() || y >= screen.Height()) return 0xDEAD;
    platform::LockedSurface locked;
    if (platform::Failed(screen.Lock(locked))) return 0xDEAD;
    std::uint16_t pixel = 0;
    std::memcpy(&pixel, locked.bits + static_cast<std::ptrdiff_t>(y) * locked.pitch + x * 2,
                sizeof pixel);
    screen.Unlock();
    return pixel;
}
