#include "app/Pictures.h"

#include "framework/core/Exceptions.h"

std::shared_ptr<fw::Picture> PictureCache::Get() {
    if (!picture_) {
        const auto resources = fw::ResourceFile::Application();
        if (!resources) throw fw::NilObjectException("the application has no resource file");
        picture_ = resources->GetPicture(resourceNumber_);
    }
    return picture_;
}

namespace Pictures {

PictureCache back_permapic(168);
PictureCache back2_permapic(169);
PictureCache PavrineTitle_permapic(170);

void Exit() {
    back_permapic.Exit();
    back2_permapic.Exit();
    PavrineTitle_permapic.Exit();
}

}  // namespace Pictures

std::shared_ptr<fw::Picture> back() {
    return Pictures::back_permapic.Get();
}
std::shared_ptr<fw::Picture> back2() {
    return Pictures::back2_permapic.Get();
}
std::shared_ptr<fw::Picture> PavrineTitle() {
    return Pictures::PavrineTitle_permapic.Get();
}
