#include "config/key_bindings.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "config/settings.h"
#include "platform/api/system.h"

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A name as a message may show it: quoted, short, nothing unprintable.
std::string Quoted(std::string_view name) {
    constexpr std::size_t kLongest = 32;
    std::string shown = "'";
    for (std::size_t i = 0; i < name.size() && i < kLongest; ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    if (name.size() > kLongest) shown += "...";
    return shown + "'";
}

std::optional<std::size_t> ActionIndex(std::string_view name) {
    std::string upper = Upper(name);
    for (std::size_t i = 0; i < kBindableActions.size(); ++i) {
        if (upper == kBindableActions[i].name) return i;
    }
    return std::nullopt;
}

std::vector<std::string_view> KeyNames(std::string_view value) {
    std::vector<std::string_view> names;
    for (;;) {
        std::size_t comma = value.find(',');
        names.push_back(Trim(value.substr(0, comma)));
        if (comma == std::string_view::npos) return names;
        value.remove_prefix(comma + 1);
    }
}

// Who holds a real key: an action, by a line of the file or as its own key.
struct Holder {
    std::size_t action;
    std::size_t line;  // 0: the action's own key
};

}  // namespace

KeyBindingsRead ReadKeyBindings(const std::vector<ProfileFile::Line>& lines,
                                const std::string& fileName) {
    KeyBindingsRead read;
    auto fail = [&](std::size_t line, const std::string& what) {
        read.bindings.clear();
        read.problem = fileName + ":" + std::to_string(line) + ": " + what;
        return read;
    };
    std::array<std::size_t, kBindableActions.size()> boundOn{};  // 0: not bound
    struct Bound {
        std::uint32_t key;
        Holder holder;
        std::string name;
    };
    std::vector<Bound> bound;
    for (const ProfileFile::Line& line : lines) {
        std::optional<std::size_t> action = ActionIndex(line.key);
        if (!action) {
            return fail(line.number, Quoted(line.key) +
                                         " is no action; the actions are LEFT, RIGHT, UP, DOWN, "
                                         "FIRE, SHIELD, REVIVE, QUIT and PAUSE");
        }
        const char* name = kBindableActions[*action].name;
        if (boundOn[*action] != 0) {
            return fail(line.number, std::string(name) + " is bound on line " +
                                         std::to_string(boundOn[*action]) + " already");
        }
        boundOn[*action] = line.number;
        for (std::string_view keyName : KeyNames(line.value)) {
            if (keyName.empty()) {
                return fail(line.number, std::string(name) +
                                             " needs the names of its keys, separated by commas");
            }
            std::optional<std::uint32_t> key = platform::RealKeyByName(keyName);
            if (!key) {
                return fail(line.number, Quoted(keyName) +
                                             " is no key (keys go by names such as Left, Space, "
                                             "S, Keypad 4, Left Ctrl)");
            }
            bound.push_back({*key, {*action, line.number}, std::string(keyName)});
        }
    }
    // The actions left out keep their own keys, which no other may take.
    std::map<std::uint32_t, Holder> holders;
    for (std::size_t action = 0; action < kBindableActions.size(); ++action) {
        if (boundOn[action] == 0) {
            holders[*platform::RealKeyByName(kBindableActions[action].ownKey)] = {action, 0};
        }
    }
    for (const Bound& one : bound) {
        auto [held, fresh] = holders.emplace(one.key, one.holder);
        const Holder& other = held->second;
        if (!fresh && other.action != one.holder.action) {
            std::string otherName = kBindableActions[other.action].name;
            return fail(
                one.holder.line,
                Quoted(one.name) + " is bound to " + kBindableActions[one.holder.action].name +
                    " here and to " + otherName +
                    (other.line == 0 ? ", whose own key it is (bind " + otherName + " to another)"
                                     : " on line " + std::to_string(other.line)));
        }
        read.bindings.push_back({one.key, kBindableActions[one.holder.action].gameKey});
    }
    return read;
}

std::string BindControlKeys() {
    KeyBindingsRead read = ReadKeyBindings(
        ControlKeyLines, platform::TranslatePath(ProgramDirectory + "\\quorlat.ctl"));
    if (read.problem.empty() && !read.bindings.empty()) platform::BindKeys(read.bindings);
    return read.problem;
}
