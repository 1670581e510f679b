#include "shell/win_main.h"

#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "display/sprite.h"
#include "display/text_overlay.h"
#include "input/input_manager.h"
#include "platform/api/display.h"
#include "shell/app_window.h"
#include "shell/debug_log.h"
#include "shell/exceptions.h"
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
constexpr std::int32_t kHandledErrorExitCode = 1;

// The title stands one text line above the screen's middle line.
std::int32_t TitleRow() { return (Settings::vres / textHeight) / 2 - 1; }

// S7 to S11: the display, the sound device, the three sounds, the intro.
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

// S12 to S14: the heads-up position, then the title and "LOADING STAGE ONE"
// fading in on the visible surface.
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

// S15.
void StartInput() {
    if (!theInputManager.InitInput()) throw new user_exception("Failed to create input device!");
    DebugLog("initialized");
}

// S16 and S17: all six loads are made before any result is looked at.
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

// S18 to S22: the world in its start positions.
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
    backgroundSprite->MoveBy(static_cast<std::uint16_t>(Settings::hres / 2 - backgroundSprite->width / 2),
                             static_cast<std::uint16_t>(Settings::vres / 2 - backgroundSprite->height / 2));
    DebugLog("background at %d, %d", backgroundSprite->x, backgroundSprite->y);
    DebugLog("image height = %d, image width = %d", backgroundSprite->height, backgroundSprite->width);
    imgback.reset();  // the sprite keeps its own copy of the pixels
}

// S23: both texts fade out before play begins.
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

// D1 to D6.
void ShutDown() {
    EndTimerPeriod();
    if (theSoundManager) {
        theSoundManager->device.reset();
        theSoundManager.reset();
    }
    roamieList.clear();
    theInputManager.Release();
    booms.reset();
    enemy.reset();
    player.reset();
    backgroundSprite.reset();
    imginvader.reset();
    imgbullets.reset();
    imgshield.reset();
    imgship.reset();
    shieldSprite.reset();
}

}  // namespace

void BeginTimerPeriod() {
    timerCaps = platform::TimeGetDevCaps();
    platform::TimeBeginPeriod(timerCaps.periodMin);
}

void EndTimerPeriod() { platform::TimeEndPeriod(timerCaps.periodMin); }

std::int32_t WinMain(const char* programPath) {
    ProgramDirectory = FindProgramDirectory(programPath);
    ReadControlFile();
    ApplyControlValues();

    try {
        appWindow = CreateAppWindow(static_cast<std::uint16_t>(Settings::hres),
                                    static_cast<std::uint16_t>(Settings::vres));
    } catch (user_exception* error) {
        // Before the guarded region: say why, and do not play.
        platform::MessageBox(0, error->GetText(), appTitle);
        delete error;
        return kHandledErrorExitCode;
    }
    if (appWindow == 0) return 0;
    BeginTimerPeriod();

    std::int32_t exitCode = kHandledErrorExitCode;
    try {
        StartDevices();
        TextPos loading = ShowTitle();
        StartInput();
        LoadImages();
        BuildWorld();
        HideTitle(loading);
        exitCode = static_cast<std::int32_t>(RunFrameLoop());
    } catch (direct_exception* error) {
        ReportError(error->GetText());
        delete error;
    } catch (user_exception* error) {
        ReportError(error->GetText());
        delete error;
    } catch (...) {
        ReportError("Unknown exception, shutting down ...");
    }

    ShutDown();
    return exitCode;
}
