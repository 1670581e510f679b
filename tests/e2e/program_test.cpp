// The finished program, run headless from a folder of its own as a player
// or a packager would run it: how it starts and ends and what it says when
// something is missing, failing or hostile (damaged resources load as
// whole or missing ones, the readers' tests show); the golden game; and
// key recordings that replay the game they recorded.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "support/game_run.h"
#include "support/wave_files.h"

namespace {

struct Start {
    const char* what;  // the test's name
    std::vector<std::string> arguments;
    std::string controlFile;         // written when not empty
    std::string keys;                // written as keys.txt when not empty
    std::set<std::string> leaveOut;  // resources not copied
    int exitCode;
    std::string errors;                     // standard error, exactly
    std::vector<std::string> inOrder = {};  // lines of the log, in this order
    std::string absent = {};                // a line the log must not hold
};

const std::string kNoInput = "Far Haven: Failed to create input device!\n";

// Ten thousand lines, with keys, sections and values far longer than any
// buffer the reader might keep (its fuzzing feeds it noise), then a setting.
std::string HugeControlFile() {
    std::string text;
    const std::string longText(300, '9');
    for (int i = 0; i < 10000; ++i) {
        text += i % 100 == 0 ? "[" + longText + "]\nKEY=" + longText + "\n" : "KEY=xxxxxxxx\n";
    }
    return text + "[VIDEO]\nVRES=768" + std::string(300, ' ') + "\n[GAME]\n" + longText + "=1\n";
}
const std::string kSilent = "no audio output: sound is silent (turned off with --no-sound)";

// One start a row or two, as a table reads best.
// clang-format off
const Start kStarts[] = {
    {"ANormalStart", {"--frames", "2"}, "", "", {}, 0, "",
     {"draw manager ", "sound manager", "playing resource", "center text", "fade in text",
      "initialized", "background at 6, 6", "image height = 589, image width = 789", "before frame"}},
    // A byte-order mark before the first section does not hide it.
    {"ATallerScreen", {"--frames", "1"}, "\xEF\xBB\xBF[VIDEO]\nVRES=768\n", "", {}, 0, "",
     {"background at 6, 90"}},
    {"AControlFileOfHugeLines", {"--frames", "3"}, HugeControlFile(), "", {}, 0, "",
     {"background at 6, 90"}},
    {"AMissingImage", {}, "", "", {"boom.tga"}, 1, "Far Haven: Failed to load booms!\n", {},
     "before frame"},
    {"TheFirstMissingImage", {}, "", "", {"invader1.tga", "boom.tga"}, 1,
     "Far Haven: Failed to load imginvader!\n"},
    {"MissingSounds", {"--frames", "3"}, "", "", {"impskies.wav", "cannon2.wav", "electri2.wav"},
     0, "", {"playing resource", "before frame"}},
    {"NoSound", {"--no-sound", "--frames", "120"}, "", "1-100 SPACE\n", {}, 0, "",
     {kSilent, "sound manager", "playing resource", "before frame"}},
    // Each step of the keyboard's set-up says which failed; the game then
    // ends with one message, after the title and before any image.
    {"NoInputSystem", {"--fail", "dinput.create"}, "", "", {}, 1, kNoInput,
     {"fade in text", "Failed to create direct input object!"}, "initialized"},
    {"NoKeyboard", {"--fail", "dinput.device"}, "", "", {}, 1, kNoInput,
     {"Failed to create input device (keyboard)!"}},
    {"NoAcquisition", {"--fail", "dinput.acquire"}, "", "", {}, 1, kNoInput,
     {"Failed to acquire device (keyboard)!"}, "background at 6, 6"},
    // A window class that cannot be registered ends the game at once and
    // silently; a window that cannot be made, with a message.
    {"NoWindowClass", {"--fail", "window.class"}, "", "", {}, 0, "", {}, "draw manager "},
    {"NoWindow", {"--fail", "window.create"}, "", "", {}, 1,
     "Far Haven: failed to create application window!\n", {}, "draw manager "},
    {"ADisplayModeFailure", {"--fail", "ddraw.mode=88760078"}, "", "", {}, 1,
     "Far Haven: Invalid mode\n", {}, "draw manager "},
    {"ASoundDeviceFailure", {"--fail", "dsound.create"}, "", "", {}, 1,
     "Far Haven: Unknown error\n", {"Failed to create direct sound object"}},
    {"NoSoundPriority", {"--fail", "dsound.cooperative=80070057"}, "", "", {}, 1,
     "Far Haven: Invalid params\n", {"Failed to set priority"}, "sound manager"},
    {"ASoundThatCannotBeFilled", {"--fail", "dsound.lock=8007000E"}, "", "", {}, 1,
     "Far Haven: Out of memory\n", {"sound manager"}, "playing resource"},
    {"ASurfaceFailureInPlay", {"--fail", "ddraw.surface=8876017C@18"}, "", "1+ SPACE\n", {}, 1,
     "Far Haven: Out of Video Memory\n", {"before frame"}},
    {"SwitchingAway", {}, "", "5 DEACTIVATE\n", {}, 0, "", {"before frame"}, "[ESC] pressed"},
    {"AScreenTooWide", {}, "[VIDEO]\nHRES=100000\n", "", {}, 1, "Far Haven: Invalid mode\n"},
    {"NoWidth", {}, "[VIDEO]\nHRES=0\n", "", {}, 1, "Far Haven: Invalid mode\n"},
    {"ANegativeHeight", {}, "[VIDEO]\nVRES=-1\n", "", {}, 1, "Far Haven: Invalid mode\n"},
    // 32-bit extremes are computed as the game keeps them, 16-bit health and
    // a count that wraps: the sanitizers' build stops on an overflow.
    {"HostileDamageAndShieldValues", {"--frames", "400"},
     "[GAMEPLAY]\nDAMAGEENEMY=-2147483648\nDAMAGEPLAYER=-2147483648\nSHIELDCOUNT=-2147483648\n",
     "1-3 RIGHT\n4-200 SPACE\n201-250 UP\n251 S\n255-400 SPACE\n", {}, 0, "",
     {"Player hit!  Health = 100", "shield activated", "Enemy hit!  Health = 100"}},
    {"ABadKeyScriptLine", {}, "", "1 SPACE\n2 JUMP\n", {}, 2,
     "farhaven: keys.txt:2: 'JUMP' is neither a key nor an event\n"},
    // The player's keys are checked before the window opens; {folder} is the game's.
    {"ABadKeyName", {}, "[KEYS]\nFIRE=Keypad 44\n", "", {}, 2,
     "Far Haven: {folder}/quorlat.ctl:2: 'Keypad 44' is no key (keys go by names such as Left, "
     "Space, S, Keypad 4, Left Ctrl)\n"},
    {"ARecordingThatCannotBeWritten", {"--record", "no-such-folder/r.keys"}, "", "", {}, 2,
     "farhaven: no-such-folder/r.keys: cannot write the key recording (No such file or directory)\n"},
    {"AnUnknownOption", {"--bogus"}, "", "", {}, 2, "farhaven: unknown option '--bogus'\n" + Usage()},
    {"AScreenshotIntoAMissingFolder", {"--frames", "2", "--screenshot=no-such-folder/x.png"}, "", "", {}, 2,
     "farhaven: no-such-folder/x.png: cannot write the screenshot (No such file or directory)\n"},
    // A full disk: the game ends at the first write that fails, or at the
    // end for the screenshot, and says so.
    {"AFullDiskUnderTheLog", {"--log", "/dev/full", "--frames", "600"}, "", "", {}, 2,
     "farhaven: /dev/full: cannot write the log file (No space left on device)\n"},
    {"AFullDiskUnderTheRecording", {"--record", "/dev/full", "--frames", "600"}, "", "", {}, 2,
     "farhaven: /dev/full: cannot write the key recording (No space left on device)\n",
     {"fade in text"}},
    {"AFullDiskUnderTheSound", {"--audio-out", "/dev/full", "--frames", "600"}, "", "", {}, 2,
     "farhaven: /dev/full: cannot write the sound file (No space left on device)\n",
     {"fade in text"}},
    {"AFullDiskUnderTheScreenshot", {"--frames", "2", "--screenshot", "/dev/full"}, "", "", {}, 2,
     "farhaven: /dev/full: cannot write the screenshot (No space left on device)\n",
     {"before frame"}},
    {"ASoundFileThatCannotBeWritten", {"--audio-out", "no-such-folder/s.wav"}, "", "", {}, 2,
     "farhaven: no-such-folder/s.wav: cannot write the sound file (No such file or directory)\n"},
};
// clang-format on

void PrintTo(const Start& start, std::ostream* out) {
    *out << start.what;
}

class Starts : public ::testing::TestWithParam<Start> {};

TEST_P(Starts, EndAsTheySayWithTheirLinesInOrder) {
    const Start& start = GetParam();
    RunFolder folder;
    if (!start.controlFile.empty()) folder.Write("quorlat.ctl", start.controlFile);
    if (!start.leaveOut.empty()) folder.CopyResources(start.leaveOut);
    std::vector<std::string> arguments = {"--headless"};
    if (!start.keys.empty()) {
        folder.Write("keys.txt", start.keys);
        arguments.insert(arguments.end(), {"--keys", "keys.txt"});
    }
    arguments.insert(arguments.end(), start.arguments.begin(), start.arguments.end());
    GameResult run = folder.Run(arguments);
    std::string errors = start.errors;
    if (std::size_t at = errors.find("{folder}"); at != std::string::npos) {
        errors.replace(at, 8, folder.path().string());
    }
    EXPECT_EQ(std::tuple(run.exitCode, run.errors), std::tuple(start.exitCode, errors));
    std::vector<std::string> lines = Lines(run.log);
    auto at = lines.begin();
    for (const std::string& line : start.inOrder) {
        at = std::find(at, lines.end(), line);
        ASSERT_NE(at, lines.end()) << "missing, or out of order: " << line;
    }
    EXPECT_TRUE(start.absent.empty() || CountLines(run.log, start.absent) == 0) << start.absent;
    EXPECT_TRUE(start.exitCode != 2 || !start.inOrder.empty() || run.log.empty())
        << "the game started";
    EXPECT_TRUE(start.what != std::string("NoSound") || CountLines(run.log, kSilent) == 1);
}

INSTANTIATE_TEST_SUITE_P(Program, Starts, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.what); });

// `--record`: a run's keys and window events written as a key script that,
// given to `--keys`, plays the same game again, however the first one ended;
// and its `--audio-out` file is whole however it ended.
struct Recording {
    const char* name;
    const char* keys;
    std::vector<std::string> options;  // given to the run and its replay alike
    int exitCode;
    const char* recorded;  // the end of the recording
    // The played run's control file (the replay has none): the player's
    // keys change nothing that a key script names.
    const char* controlFile = "";
};

// clang-format off
const Recording kRecordings[] = {
    {"TheCloseButton", "1-30 RIGHT\n10-12 SPACE\n30 CLOSE\n", {}, 0,
     "1-9 RIGHT\n10-12 RIGHT SPACE\n13-30 RIGHT\n30 CLOSE\n# the run ended in frame 30\n"},
    {"FramesRunOut", "1-80 RIGHT\n", {"--frames", "50"}, 0, "1-50 RIGHT\n# the run ended in frame 50\n"},
    {"EscapeIsHeld", "1-20 LEFT\n21-25 ESC\n", {}, 0, "1-20 LEFT\n21 ESC\n# the run ended in frame 21\n"},
    // Every shot and roamie gets a surface of its own; from the twentieth on
    // they fail, and the error handler ends the game.
    {"AHandlerFails", "1-30 RIGHT\n31+ SPACE\n", {"--fail", "ddraw.surface@20"}, 1,
     "1-19 RIGHT\n# the run ended in frame 19\n"},
    // The title skipped, two pauses with keys held in them, the farewell skipped.
    {"PausedAndSkipped", "0 UP\n1-10 RIGHT\n20-21 P\n22-40 SPACE LEFT\n50 P\n60 P\n61-70 R\n75 P\n80 ESC SKIP\n",
     {}, 0, "version 1\n0 SKIP\n1-10 RIGHT\n20-21 P\n22-40 LEFT SPACE\n50 P\n60 P\n61-70 R\n75 P\n"
     "80 ESC\n80 SKIP\n# the run ended in frame 80\n", "[KEYS]\nFIRE=F\nLEFT=Space, Keypad 4\n"},
};
// clang-format on

void PrintTo(const Recording& recording, std::ostream* out) {
    *out << recording.name;
}

class KeyRecording : public ::testing::TestWithParam<Recording> {};

TEST_P(KeyRecording, TheFileIsCompleteAndReplaysTheSameGame) {
    const Recording& recording = GetParam();
    RunFolder folder;
    folder.Write("played.keys", recording.keys);
    if (*recording.controlFile != 0) folder.Write("quorlat.ctl", recording.controlFile);
    auto with = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), recording.options.begin(), recording.options.end());
        return arguments;
    };
    GameResult played = folder.Run(with({"--headless", "--keys", "played.keys", "--record",
                                         "recorded.keys", "--audio-out", "played.wav"}));
    ASSERT_EQ(played.exitCode, recording.exitCode) << played.errors;
    EXPECT_FALSE(SoundFileSamples(folder.path() / "played.wav").empty());  // whole too
    EXPECT_TRUE(ReadFile(folder.path() / "recorded.keys").ends_with(recording.recorded))
        << ReadFile(folder.path() / "recorded.keys");
    std::filesystem::remove(folder.path() / "quorlat.ctl");
    GameResult replayed = folder.Run(with({"--headless", "--keys", "recorded.keys"}));
    EXPECT_EQ(replayed.exitCode, recording.exitCode) << replayed.errors;
    EXPECT_GT(played.log.size(), 1000u);
    EXPECT_TRUE(played.log == replayed.log) << "the replay's log differs from the run's";
}

INSTANTIATE_TEST_SUITE_P(Runs, KeyRecording, ::testing::ValuesIn(kRecordings),
                         [](const auto& info) { return std::string(info.param.name); });

// The files a player names are whole however the game ends: an interrupt
// ends it as the close button does, with an exit code that names the signal;
// even a game killed outright leaves a sound file whose header is at most a
// second behind its samples, and a recording up to its last frames.

struct Interruption {
    const char* name;
    int signal;
    int exitCode;  // -1: the signal ends the program itself
};

const Interruption kInterruptions[] = {{"CtrlC", SIGINT, 130},
                                       {"Terminate", SIGTERM, 143},
                                       {"HangUp", SIGHUP, 129},
                                       {"Kill", SIGKILL, -1}};

void PrintTo(const Interruption& interruption, std::ostream* out) {
    *out << interruption.name;
}

class Interrupted : public ::testing::TestWithParam<Interruption> {};

TEST_P(Interrupted, TheGameEndsWithItsFilesWholeAndTheRecordingReplays) {
    const Interruption& interruption = GetParam();
    RunFolder folder;
    folder.Write("played.keys", "1-300 RIGHT\n301+ SPACE LEFT\n");
    // Signalled once the game has played for a while.
    int status =
        PlayAndSignal(folder,
                      {"--headless", "--keys", "played.keys", "--record", "recorded.keys",
                       "--audio-out", "played.wav"},
                      {interruption.signal}, [&] { return folder.LogSoFar().size() > 300000; })
            .status;
    std::string log = ReadFile(folder.path() / "game.log");
    std::string recorded = ReadFile(folder.path() / "recorded.keys");
    std::string sound = ReadFile(folder.path() / "played.wav");
    ASSERT_GT(sound.size(), 44u);
    std::uint32_t declared = 0;
    std::memcpy(&declared, sound.data() + 40, 4);
    // The last run of frames recorded is the one that was going on.
    std::size_t lastRun = recorded.rfind("\n301-");
    ASSERT_NE(lastRun, std::string::npos) << recorded;
    std::uint32_t lastFrame = std::stoul(recorded.substr(lastRun + 5));
    if (interruption.exitCode < 0) {
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_TRUE(declared > 0 && sound.size() - 44 - declared <= 4 * 44100u)
            << "the header says " << declared << " bytes of " << sound.size() - 44;
        EXPECT_TRUE(recorded.ends_with(" LEFT SPACE\n")) << recorded;
    } else {
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), interruption.exitCode);
        EXPECT_EQ(ReadFile(folder.path() / "errors.txt"), "");
        EXPECT_EQ(SoundFileSamples(folder.path() / "played.wav").size() * 2, declared);
        EXPECT_TRUE(recorded.ends_with(" CLOSE\n# the run ended in frame " +
                                       std::to_string(lastFrame) + "\n"))
            << recorded;
        log = log.substr(0, log.rfind("before frame"));  // the end is the interrupt's own
    }
    ASSERT_GT(lastFrame, 300u);
    GameResult replayed = folder.Run(
        {"--headless", "--keys", "recorded.keys", "--frames", std::to_string(lastFrame)});
    EXPECT_EQ(replayed.exitCode, 0) << replayed.errors;
    std::string replayedLog = replayed.log.substr(0, replayed.log.rfind("before frame"));
    EXPECT_TRUE(log.starts_with(replayedLog)) << "the replay differs from the run";
}

INSTANTIATE_TEST_SUITE_P(Signals, Interrupted, ::testing::ValuesIn(kInterruptions),
                         [](const auto& info) { return std::string(info.param.name); });

// A second Ctrl-C ends the program at once, even while the game is still
// ending after the first: here it cannot, stuck writing its sound into a
// pipe whose reader never reads.
TEST(CtrlC, TwiceEndsTheProgramAtTheSecondEvenWhileTheFirstIsHandled) {
    RunFolder folder;
    const std::filesystem::path fifo = folder.path() / "sound.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    SignalledRun run = PlayAndSignal(folder, {"--headless", "--audio-out", "sound.fifo"},
                                     {SIGINT, SIGINT}, [&] { return !folder.LogSoFar().empty(); });
    close(reader);
    EXPECT_FALSE(run.endedEarly) << "the game ended after the first, so the test proves nothing";
    ASSERT_TRUE(WIFSIGNALED(run.status)) << run.status;
    EXPECT_EQ(WTERMSIG(run.status), SIGINT);
    EXPECT_LT(run.toEnd.count(), 1.0);
}

// Two options naming one file, or an output naming an input, are refused
// before anything is written: every file keeps what it held, however it is
// named (a link, `./`, a folder and back).
TEST(OneFileTwice, IsRefusedBeforeAnyFileIsWritten) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--record", "game.log"}, "--log and --record name the same file (game.log)"},
        {{"--audio-out", "./resources/../game.log"},
         "--log and --audio-out name the same file (./resources/../game.log)"},
        {{"--screenshot", "link.png"}, "--log and --screenshot name the same file (link.png)"},
        {{"--record=new.keys", "--audio-out", "new-link"},
         "--record and --audio-out name the same file (new-link)"},
        {{"--audio-out", "quorlat.ctl"}, "--audio-out would write over the control file "},
        {{"--keys", "played.keys", "--record", "played.keys"},
         "--record would write over the key script played.keys"},
        // The log is opened last: the recording must not be cut before it.
        {{"--record", "kept.keys", "--log", "no-such-folder/x.log"},
         "no-such-folder/x.log: cannot write the log file (No such file or directory)"},
    };
    RunFolder folder;
    std::filesystem::create_symlink("game.log", folder.path() / "link.png");
    std::filesystem::create_symlink("new.keys", folder.path() / "new-link");
    for (const auto& [arguments, error] : refused) {
        for (const char* kept : {"game.log", "quorlat.ctl", "played.keys", "kept.keys"}) {
            folder.Write(kept, "kept\n");
        }
        std::vector<std::string> headless = {"--headless", "--frames", "5"};
        headless.insert(headless.end(), arguments.begin(), arguments.end());
        GameResult run = folder.Run(headless);
        EXPECT_EQ(run.exitCode, 2) << error;
        EXPECT_TRUE(run.errors.starts_with("farhaven: " + error)) << run.errors;
        for (const char* kept : {"game.log", "quorlat.ctl", "played.keys", "kept.keys"}) {
            EXPECT_EQ(ReadFile(folder.path() / kept), "kept\n") << kept << " after " << error;
        }
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "new.keys")) << error;
    }
}

// The golden game: the program plays tests/golden/game.keys with the control
// file beside it, and must say exactly what it said when the stored log was
// made. When a change to the game is meant to change what it says, remake
// the log from this same run, and read the difference before committing it:
//   FARHAVEN_REMAKE_GOLDEN=1 build/default/tests/test_e2e --gtest_filter='Golden.*'
// A remake that changed the log fails, so that the variable left set can
// never pass a changed game; under CI a remake is refused.
void RemakeGoldenLog(const std::filesystem::path& log, const std::string& said) {
    ASSERT_EQ(std::getenv("CI"), nullptr) << "the golden log is never remade under CI";
    if (ReadFile(log) == said) GTEST_SKIP() << "remade " << log.string() << ": no line changed";
    ASSERT_TRUE(std::ofstream(log, std::ios::binary) << said << std::flush)
        << "cannot write " << log.string();
    ADD_FAILURE() << "remade " << log.string() << ": read the difference (git diff), then run "
                  << "again without FARHAVEN_REMAKE_GOLDEN";
}

TEST(Golden, AScriptedGameSaysExactlyWhatItSaidBefore) {
    const std::filesystem::path golden = FARHAVEN_SOURCE_DIR "/tests/golden";
    RunFolder folder;
    folder.Write("quorlat.ctl", ReadFile(golden / "quorlat.ctl"));
    GameResult run = folder.Run({"--headless", "--keys", (golden / "game.keys").string()});
    EXPECT_EQ(std::tuple(run.exitCode, run.errors), std::tuple(0, ""));
    if (std::getenv("FARHAVEN_REMAKE_GOLDEN") != nullptr) {
        RemakeGoldenLog(golden / "game.log", run.log);
        return;
    }
    std::vector<std::string> expected = Lines(ReadFile(golden / "game.log"));
    std::vector<std::string> said = Lines(run.log);
    ASSERT_GT(expected.size(), 5000u);
    auto [first, second] =
        std::mismatch(said.begin(), said.end(), expected.begin(), expected.end());
    EXPECT_TRUE(first == said.end() && second == expected.end())
        << "line " << (first - said.begin()) + 1 << ": said '"
        << (first == said.end() ? "(the end)" : *first) << "', the golden log has '"
        << (second == expected.end() ? "(the end)" : *second) << "'";
}

// `--audio-out` headless: the game's sound by the virtual clock, never at
// full scale however busy the game, the same for the same keys. Into a pipe
// it is a stream (unknown length in its header) of the very samples a file
// gets; a reader that goes away ends the game with a word, not with SIGPIPE.
TEST(AudioOut, ABusyGameNeverReachesFullScaleAndAFifoGetsAStreamOfTheSameSound) {
    RunFolder folder;
    folder.Write("busy.keys",
                 "1+ SPACE\n60-70 RIGHT\n300-310 LEFT\n600-615 RIGHT\n900-910 LEFT\n"
                 "200 S\n500 S\n800 S\n");
    const std::filesystem::path fifo = folder.path() / "sound.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto reader = std::async(std::launch::async, [&] {
        return Output("timeout 120 dd status=none if=" + ShellQuote(fifo.string()) +
                      " of=" + ShellQuote((folder.path() / "streamed.wav").string()));
    });
    const std::vector<std::string> busy = {"--headless", "--keys", "busy.keys",
                                           "--frames",   "1200",   "--audio-out"};
    auto play = [&](const std::string& file) {
        std::vector<std::string> arguments = busy;
        arguments.push_back(file);
        return folder.Run(arguments);
    };
    GameResult streamed = play("sound.fifo");
    reader.wait();
    EXPECT_EQ(std::tuple(streamed.exitCode, streamed.errors), std::tuple(0, ""));
    GameResult run = play("busy.wav");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(CountLines(run.log, "shield activated") >= 2 &&
                CountLines(run.log, "boom added") >= 20 &&
                CountLines(run.log, "bullet hit roamie") >= 1)
        << "not busy enough";
    std::string stream = ReadFile(folder.path() / "streamed.wav");
    std::string file = ReadFile(folder.path() / "busy.wav");
    ASSERT_GT(file.size(), 44u + 44100u);
    EXPECT_EQ(stream.substr(0, 44), file.substr(0, 4) + std::string(4, '\xFF') +
                                        file.substr(8, 32) + std::string(4, '\xFF'));
    EXPECT_TRUE(stream.substr(44) == file.substr(44)) << "the same keys made different sounds";
    std::vector<std::int16_t> samples = SoundFileSamples(folder.path() / "busy.wav");
    ASSERT_FALSE(samples.empty());  // a damaged file is said above
    auto loudest = std::minmax_element(samples.begin(), samples.end());
    EXPECT_LT(std::max(-*loudest.first, int{*loudest.second}), 32767);
    EXPECT_GT(
        std::count_if(samples.begin(), samples.end(), [](int s) { return std::abs(s) > 3000; }),
        44100)
        << "hardly a sound in a busy game";

    Output("cd " + ShellQuote(folder.path().string()) +
           " && { timeout -s KILL 120 ./farhaven --headless --audio-out - 2> errors.txt;"
           " echo $? > status.txt; } | head -c 1000 > /dev/null");
    EXPECT_EQ(ReadFile(folder.path() / "status.txt"), "2\n");
    EXPECT_EQ(ReadFile(folder.path() / "errors.txt"),
              "farhaven: -: cannot write the sound file (Broken pipe)\n");
}

}  // namespace
