#include "platform/core/display/argb_picture.h"

#include <algorithm>

#include "platform/core/display/argb_convert.h"
#include "platform/core/display/screen_format.h"

namespace platform {

const std::vector<ArgbPicture::Rows>& ArgbPicture::Update(const MemorySurface& surface) {
    changed_.clear();
    if (surface.Width() != width_ || surface.Height() != height_ ||
        LayoutOf(surface.format()) != LayoutOf(format_)) {
        Start(surface);
        changed_.push_back({0, height_});
        return changed_;
    }
    Layout layout = LayoutOf(format_);
    for (std::int32_t y = 0; y < height_; ++y) {
        std::size_t at = static_cast<std::size_t>(y) * width_;
        if (!ConvertChangedRow(layout, surface.Row(y), &shown_[at], &argb_[at], width_)) continue;
        if (!changed_.empty() && changed_.back().first + changed_.back().count == y) {
            ++changed_.back().count;
        } else {
            changed_.push_back({y, 1});
        }
    }
    return changed_;
}

void ArgbPicture::Start(const MemorySurface& surface) {
    width_ = surface.Width();
    height_ = surface.Height();
    format_ = surface.format();
    auto size = static_cast<std::size_t>(width_) * height_;
    shown_.resize(size);
    argb_.resize(size);
    for (std::int32_t y = 0; y < height_; ++y) {
        std::copy_n(surface.Row(y), width_, &shown_[static_cast<std::size_t>(y) * width_]);
    }
    ConvertToArgb(surface, argb_.data(), pitch());
}

}  // namespace platform
