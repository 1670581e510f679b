#include "support/headless_platform.h"

namespace {
std::unique_ptr<platform::HeadlessBackend> MakeHeadless(const platform::Options& options,
                                                        platform::HeadlessBackend*& keep) {
    auto backend = std::make_unique<platform::HeadlessBackend>(options);
    keep = backend.get();
    return backend;
}

platform::Options AsHeadless(platform::Options options) {
    options.headless = true;
    return options;
}
}  // namespace

HeadlessPlatform::HeadlessPlatform(platform::Options options)
    : backend_(nullptr), scoped_(MakeHeadless(AsHeadless(options), backend_), AsHeadless(options)) {
    scoped_.get().debug().KeepTranscript(true);
}
