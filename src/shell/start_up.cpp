#include "shell/start_up.h"

#include "common/debug_log.h"
#include "common/exceptions.h"
#include "common/game_random.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "display/sprite.h"
#include "input/input_manager.h"
#include "platform/api/display.h"
#include "platform/api/system.h"
#include "platform/api/window.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"
#include "sound/sound_manager.h"
#include "world/actors.h"
#include "world/enemy_and_bricks.h"
#include "world/world_state.h"

platform::TimerCaps timerCaps;

namespace {

constexpr std::uint8_t kTitleRed = 192;
constexpr std::uint8_t kTitleGreen = 255;
constexpr std::uint8_t kTitleBlue = 192;

// The title stands one text line above the screen's middle line. A font
// without height would divide by zero; the top rows serve then.
std::int32_t TitleRow() {
    std::int32_t rows = textHeight != 0 ? Settings::vres / textHeight : 0;
    return rows / 2 - 1;
}

}  // namespace

void BeginTimerPeriod() {
    timerCaps = platform::TimeGetDevCaps();
    platform::TimeBeginPeriod(timerCaps.periodMin);
}

void EndTimerPeriod() {
    platform::TimeEndPeriod(timerCaps.periodMin);
}

void StartDevices() {
    theDrawManager.Init(appWindow, platform::DDSCL_EXCLUSIVE | platform::DDSCL_FULLSCREEN,
                        static_cast<std::uint16_t>(Settings::hres),
                        static_cast<std::uint16_t>(Settings::vres), 16);
    DebugLog("draw manager ");

    theSoundManager = std::make_unique<SoundManager>();
    theSoundManager->InitSound(appWindow, platform::DSSCL_EXCLUSIVE);
    DebugLog("sound manager");

    theSoundManager->LoadWave("resources\\impskies.wav", introSound);
    theSoundManager->LoadWave("resources\\cannon2.wav", cannonSound);
    theSoundManager->LoadWave("resources\\electri2.wav", shieldSound);
    platform::Sleep(10);

    // A missing intro is simply not heard; the game goes on without it.
    if (introSound != nullptr) introSound->Play();
    DebugLog("playing resource");
}

TextPos ShowTitle() {
    TextPos position;
    CenterText("SCORE = 000000", &position);
    scoreTextX = position.x;

    CenterText("FAR HAVEN", &position);
    FadeInText(position.x, TitleRow(), "FAR HAVEN", kTitleRed, kTitleGreen, kTitleBlue);

    CenterText("LOADING STAGE ONE", &position);
    DebugLog("center text");
    FadeInText(position.x, position.row, "LOADING STAGE ONE", kTitleRed, kTitleGreen, kTitleBlue);
    DebugLog("fade in text");
    return position;
}

void StartInput() {
    if (!theInputManager.InitInput()) throw new user_exception("Failed to create input device!");
    DebugLog("initialized");
}

void LoadImages() {
    {
        TgaLoader loader;
        imginvader = loader.Load("resources\\invader1.tga");
        imgback = loader.Load("resources\\stars2.tga");
        imgship = loader.Load("resources\\bship.tga");
        imgbullets = loader.Load("resources\\bullets.tga");
        imgshield = loader.Load("resources\\shield2.tga");
        booms = loader.Load("resources\\boom.tga");
    }
    if (!imginvader) throw new user_exception("Failed to load imginvader!");
    if (!imgback) throw new user_exception("Failed to load imgback!");
    if (!imgship) throw new user_exception("Failed to load imgship!");
    if (!imgbullets) throw new user_exception("Failed to load imgbullets!");
    if (!imgshield) throw new user_exception("Failed to load imgshield!");
    if (!booms) throw new user_exception("Failed to load booms!");
}

void BuildWorld() {
    shieldSprite = std::make_unique<Sprite>(&theDrawManager);
    shieldSprite->SetImage(imgshield.get());
    shieldSprite->AddFrame(56, 1, 127, 126);
    shieldSprite->SetAnimRange(0, 1);

    enemy = std::make_unique<Enemy>();
    enemy->SetImage(imginvader.get());
    enemy->AddFrame(3, 313, 124, 82);
    enemy->AddFrame(142, 313, 124, 82);
    enemy->SetAnimRange(0, 1);
    enemy->MoveBy(1, 1);
    enemy->frameDelay = 1;
    enemy->animate = true;

    player = std::make_unique<Player>();
    player->SetImage(imgship.get());
    player->AddFrame(1, 1, 80, 70);
    player->SetAnimRange(0, 0);
    player->MoveBy(1, static_cast<std::uint16_t>(Settings::vres - 70));

    BuildBricks(imginvader.get());

    backgroundSprite = std::make_unique<Sprite>(&theDrawManager);
    backgroundSprite->SetImage(imgback.get());
    backgroundSprite->AddFrame(10, 10, 789, 589);
    backgroundSprite->SetAnimRange(0, 0);
    backgroundSprite->MoveBy(
        static_cast<std::uint16_t>(Settings::hres / 2 - backgroundSprite->width / 2),
        static_cast<std::uint16_t>(Settings::vres / 2 - backgroundSprite->height / 2));
    DebugLog("background at %d, %d", backgroundSprite->x, backgroundSprite->y);
    DebugLog("image height = %d, image width = %d", backgroundSprite->height,
             backgroundSprite->width);
    imgback.reset();  // the sprite keeps its own copy of the pixels
}

void HideTitle(const TextPos& loading) {
    FadeOutText(loading.x, loading.row, "LOADING STAGE ONE", kTitleRed, kTitleGreen, kTitleBlue);
    TextPos title;
    CenterText("FAR HAVEN", &title);
    FadeOutText(title.x, TitleRow(), "FAR HAVEN", kTitleRed, kTitleGreen, kTitleBlue);
}

// What every top-level handler does before shutdown: bring the desktop back
// so that the message box can be seen, and show it.
void ReportError(const char* text) {
    if (theDrawManager.directDraw) {
        theDrawManager.directDraw->RestoreDisplayMode();
        theDrawManager.directDraw->FlipToGDISurface();
    }
    platform::MessageBox(appWindow, text, appTitle);
}

void ShutDown() {
    EndTimerPeriod();
    ReleaseSound();
    roamieList.clear();
    theInputManager.Release();
    ReleaseWorldObjects();
}

void ResetGame() {
    ResetWorldState();
    ResetInput();
    ReleaseSound();
    ResetDisplay();
    ResetConfiguration();
    ResetRand();
    ResetWindowMetrics();
    appActive = 1;
    lastFrameEndMs = 0;
    timerCaps = {};
}
