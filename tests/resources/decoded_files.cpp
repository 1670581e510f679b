#include "decoded_files.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace resources_test {

const std::vector<resgen::GameFile>& GeneratedFiles() {
    static const std::vector<resgen::GameFile> files = resgen::MakeGameFiles();
    return files;
}

const std::vector<std::uint8_t>& FileBytes(const std::string& path) {
    for (const resgen::GameFile& file : GeneratedFiles()) {
        if (file.path == path) {
            return file.bytes;
        }
    }
    throw std::runtime_error("the generator made no " + path);
}

int Red(std::uint16_t pixel) {
    return (pixel >> 10) & 0x1F;
}
int Green(std::uint16_t pixel) {
    return (pixel >> 5) & 0x1F;
}
int Blue(std::uint16_t pixel) {
    return pixel & 0x1F;
}
int Brightest(std::uint16_t pixel) {
    return std::max({Red(pixel), Green(pixel), Blue(pixel)});
}

namespace {

unsigned Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
    }
    return value;
}

}  // namespace

Picture DecodeTga(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 18 || bytes[0] != 0 || bytes[1] != 0) {
        throw std::runtime_error("TGA header with an ID or a colour map");
    }
    Picture picture;
    picture.imageType = bytes[2];
    picture.width = static_cast<int>(Little(bytes, 12, 2));
    picture.height = static_cast<int>(Little(bytes, 14, 2));
    picture.depth = bytes[16];
    picture.descriptor = bytes[17];
    const auto count = static_cast<std::size_t>(picture.width * picture.height);
    if (bytes.size() != 18 + count * 2) {
        throw std::runtime_error("TGA size does not match its header");
    }
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels.push_back(static_cast<std::uint16_t>(Little(bytes, 18 + 2 * i, 2)));
    }
    return picture;
}

Picture PictureFile(const std::string& name) {
    return DecodeTga(FileBytes("resources/" + name));
}

double SolidShare(const Picture& picture, const Area& area) {
    int solid = 0;
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            solid += picture.Keyed(x, y) ? 0 : 1;
        }
    }
    return static_cast<double>(solid) / (area.width * area.height);
}

double KeyedRingShare(const Picture& picture, const Area& area) {
    int keyed = 0;
    int total = 0;
    const int right = area.x + area.width - 1;
    const int bottom = area.y + area.height - 1;
    for (int y = area.y; y <= bottom; ++y) {
        for (int x = area.x; x <= right; ++x) {
            if (x == area.x || x == right || y == area.y || y == bottom) {
                ++total;
                keyed += picture.Keyed(x, y) ? 1 : 0;
            }
        }
    }
    return static_cast<double>(keyed) / total;
}

namespace {

void ExpectTag(const std::vector<std::uint8_t>& bytes, std::size_t at, std::string_view tag) {
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (bytes.at(at + i) != static_cast<std::uint8_t>(tag[i])) {
            throw std::runtime_error("WAV tag " + std::string(tag) + " missing");
        }
    }
}

}  // namespace

Wave DecodeWav(const std::vector<std::uint8_t>& bytes) {
    ExpectTag(bytes, 0, "RIFF");
    ExpectTag(bytes, 8, "WAVE");
    ExpectTag(bytes, 12, "fmt ");
    if (Little(bytes, 16, 4) != 16) {
        throw std::runtime_error("WAV fmt chunk is not the canonical 16 bytes");
    }
    ExpectTag(bytes, 36, "data");
    Wave wave;
    wave.riffSize = Little(bytes, 4, 4);
    wave.format = static_cast<std::uint16_t>(Little(bytes, 20, 2));
    wave.channels = static_cast<std::uint16_t>(Little(bytes, 22, 2));
    wave.sampleRate = Little(bytes, 24, 4);
    wave.byteRate = Little(bytes, 28, 4);
    wave.blockAlign = static_cast<std::uint16_t>(Little(bytes, 32, 2));
    wave.bitsPerSample = static_cast<std::uint16_t>(Little(bytes, 34, 2));
    wave.dataSize = Little(bytes, 40, 4);
    if (bytes.size() != 44 + static_cast<std::size_t>(wave.dataSize) || wave.channels != 1 ||
        wave.bitsPerSample != 16) {
        throw std::runtime_error("WAV data is not mono 16-bit of the declared size");
    }
    for (std::size_t at = 44; at < bytes.size(); at += 2) {
        const auto raw = static_cast<std::int16_t>(Little(bytes, at, 2));
        wave.samples.push_back(raw / 32768.0);
    }
    return wave;
}

Wave SoundFile(const std::string& name) {
    return DecodeWav(FileBytes("resources/" + name));
}

}  // namespace resources_test
