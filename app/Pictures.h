#pragma once

#include <memory>

#include "framework/gui/Picture.h"

// A picture of the application's resources, read on first use and kept until shut-down, so
// that the page buttons, which change faces at every page switch, never read it again.
class PictureCache {
public:
    explicit PictureCache(int resourceNumber) : resourceNumber_(resourceNumber) {}

    // The cached picture, read first when the cache is empty; nil while the resources hold no
    // picture of this number (asked again at the next call). Throws NilObjectException when the
    // application has no resource file.
    std::shared_ptr<fw::Picture> Get();

    bool Empty() const { return !picture_; }
    // Releases the picture and empties the cache.
    void Exit() { picture_.reset(); }

private:
    int resourceNumber_;
    std::shared_ptr<fw::Picture> picture_;
};

namespace Pictures {
extern PictureCache back_permapic;          // 168
extern PictureCache back2_permapic;         // 169
extern PictureCache PavrineTitle_permapic;  // 170

// Releases the three caches in the order of shut-down: back, back2, PavrineTitle.
void Exit();
}  // namespace Pictures

// The face of a released page button and of the main window's other bevel buttons.
std::shared_ptr<fw::Picture> back();
// The face of the pressed page button.
std::shared_ptr<fw::Picture> back2();
// The about window's backdrop.
std::shared_ptr<fw::Picture> PavrineTitle();
