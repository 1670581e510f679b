#include "shell/command_line.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "platform/api/options.h"

namespace {

std::optional<std::uint32_t> ParseNumber(const std::string& text, int base = 10) {
    std::uint32_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        first += 2;
    auto [end, error] = std::from_chars(first, last, value, base);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

// STEP[=CODE][@N], CODE in hexadecimal with or without 0x. A code that is
// not a failure would make the step succeed as if untouched.
std::optional<platform::FailureRequest> ParseFailure(const std::string& text) {
    platform::FailureRequest request;
    std::string rest = text;
    if (std::size_t at = rest.find('@'); at != std::string::npos) {
        auto from = ParseNumber(rest.substr(at + 1));
        if (!from || *from == 0) return std::nullopt;
        request.fromCall = *from;
        rest.resize(at);
    }
    if (std::size_t equals = rest.find('='); equals != std::string::npos) {
        auto code = ParseNumber(rest.substr(equals + 1), 16);
        if (!code || !platform::Failed(platform::Code(*code))) return std::nullopt;
        request.code = static_cast<platform::HRESULT>(*code);
        rest.resize(equals);
    }
    if (!platform::IsFailureStep(rest)) return std::nullopt;
    request.step = rest;
    return request;
}

}  // namespace

std::string Usage() {
    return "usage: farhaven [options]\n"
           "  --window             play in a resizable window instead of full screen\n"
           "  --scale N            window size multiplier (" +
           std::to_string(platform::kMinScale) + " to " + std::to_string(platform::kMaxScale) +
           ")\n"
           "  --integer-scale      show the picture at the largest whole multiple that fits\n"
           "  --no-sound           play in silence\n"
           "  --no-gamepad         ignore game controllers; the keyboard alone plays\n"
           "  --headless           no window, screen or audio output: a virtual clock\n"
           "  --keys FILE          headless key script (frames and the keys held in them)\n"
           "  --frames N           end the game after N frames\n"
           "  --log FILE|-         write the debug lines to FILE, or - for standard error\n"
           "  --screenshot FILE    save the picture shown at exit as a PNG\n"
           "  --record FILE        write the run's keys and window events as a key script\n"
           "  --audio-out FILE|-   write the sound as played to a 16-bit WAV file, or - for\n"
           "                       standard output (headless: by the virtual clock, the\n"
           "                       whole run)\n"
           "  --fail STEP[=CODE][@N]  headless: make a platform step fail (tests)\n"
           "  --rgb555             headless: a 5-5-5 display instead of 5-6-5\n"
           "  --help               show this text\n"
           "  --version            show the version\n"
           "Options that take a value take it as --option=value too.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    platform::Options& options = line.options;
    for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
        // `--option=value` is `--option value`.
        std::string argument = arguments[i];
        std::optional<std::string> inlineValue;
        if (std::size_t equals = argument.find('=');
            argument.starts_with("--") && equals != std::string::npos) {
            inlineValue = argument.substr(equals + 1);
            argument.resize(equals);
        }
        bool valueTaken = false;
        auto value = [&]() -> std::optional<std::string> {
            valueTaken = true;
            if (inlineValue) return inlineValue;
            if (i + 1 >= arguments.size()) return std::nullopt;
            return arguments[++i];
        };
        auto require = [&](const std::optional<std::string>& given) {
            if (!given) line.error = argument + " needs a value";
            return given.value_or("");
        };
        auto file = [&]() {
            std::string name = require(value());
            if (line.error.empty() && name.empty()) line.error = argument + " needs a file name";
            return name;
        };
        if (argument == "--window") {
            options.window = true;
        } else if (argument == "--integer-scale") {
            options.integerScale = true;
        } else if (argument == "--no-sound") {
            options.noSound = true;
        } else if (argument == "--no-gamepad") {
            options.noGamepad = true;
        } else if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--rgb555") {
            options.rgb555 = true;
        } else if (argument == "--help") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--scale") {
            std::string text = require(value());
            auto scale = ParseNumber(text);
            if (line.error.empty() &&
                (!scale || *scale < platform::kMinScale || *scale > platform::kMaxScale)) {
                line.error = "--scale takes a whole number from " +
                             std::to_string(platform::kMinScale) + " to " +
                             std::to_string(platform::kMaxScale) + ", not '" + text + "'";
            }
            if (scale) options.scale = *scale;
        } else if (argument == "--frames") {
            std::string text = require(value());
            auto frames = ParseNumber(text);
            if (line.error.empty() && (!frames || *frames == 0)) {
                line.error = "--frames takes a positive whole number, not '" + text + "'";
            }
            if (frames) options.frames = *frames;
        } else if (argument == "--keys") {
            options.keysFile = file();
        } else if (argument == "--log") {
            options.logFile = file();
        } else if (argument == "--screenshot") {
            options.screenshotFile = file();
        } else if (argument == "--record") {
            options.recordFile = file();
        } else if (argument == "--audio-out") {
            options.audioOutFile = file();
        } else if (argument == "--fail") {
            std::string text = require(value());
            auto request = ParseFailure(text);
            if (line.error.empty() && !request) {
                line.error =
                    "--fail: bad step '" + text + "' (CODE from 80000000 to FFFFFFFF, N from 1)";
            }
            if (request) options.failures.push_back(*request);
        } else {
            line.error = "unknown option '" + argument + "'";
        }
        if (line.error.empty() && inlineValue && !valueTaken) {
            line.error = argument + " takes no value";
        }
    }
    if (line.error.empty() && !options.headless) {
        if (!options.keysFile.empty()) line.error = "--keys needs --headless";
        if (!options.failures.empty()) line.error = "--fail needs --headless";
        if (options.rgb555) line.error = "--rgb555 needs --headless";
    }
    if (line.error.empty() && options.noSound && !options.audioOutFile.empty()) {
        line.error = "--audio-out has nothing to write with --no-sound";
    }
    return line;
}
