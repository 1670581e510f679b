// The SDL backend in a window on the X server the test script starts, for
// the real-window tests; none, with the reason, where no window can be opened.
#pragma once

#include <memory>
#include <string>

#include "platform/core/options.h"
#include "platform/sdl/sdl_backend.h"

platform::Options WindowedOptions();
std::unique_ptr<platform::SdlBackend> WindowedSdlBackend(std::string& whyNot);
