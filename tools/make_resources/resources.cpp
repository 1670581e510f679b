#include "resources.h"

#include <utility>

#include "control_file.h"
#include "ico_writer.h"
#include "icon.h"
#include "png_writer.h"
#include "sheets.h"
#include "sounds.h"
#include "synth.h"
#include "tga_writer.h"
#include "wav_writer.h"

namespace resgen {

namespace {

GameFile Picture(std::string name, const Image16& image) {
    return {"resources/" + std::move(name), EncodeTga(image)};
}

GameFile Sound(std::string name, const std::vector<float>& samples) {
    return {"resources/" + std::move(name), EncodeWav(ToPcm16(samples), kSampleRate)};
}

GameFile ControlFile() {
    const std::string text = ControlFileText();
    return {"quorlat.ctl", std::vector<std::uint8_t>(text.begin(), text.end())};
}

}  // namespace

std::vector<GameFile> MakeGameFiles() {
    std::vector<GameFile> files;
    files.push_back(ControlFile());
    files.push_back(Picture("invader1.tga", MakeInvaderSheet()));
    files.push_back(Picture("stars2.tga", MakeStarSheet()));
    files.push_back(Picture("bship.tga", MakeShipSheet()));
    files.push_back(Picture("bullets.tga", MakeBulletSheet()));
    files.push_back(Picture("shield2.tga", MakeShieldSheet()));
    files.push_back(Picture("boom.tga", MakeBoomSheet()));
    files.push_back(Sound("impskies.wav", MakeIntroPhrase()));
    files.push_back(Sound("cannon2.wav", MakeHitBlast()));
    files.push_back(Sound("electri2.wav", MakeShieldZap()));
    return files;
}

std::vector<GameFile> MakeIconFiles() {
    return {{"hicolor/128x128/apps/farhaven.png", EncodePng(MakeIcon128())},
            {"hicolor/64x64/apps/farhaven.png", EncodePng(MakeIcon64())}};
}

GameFile MakeWindowsIcon() {
    return {"farhaven.ico", EncodeIco(MakeIconSizes())};
}

}  // namespace resgen
