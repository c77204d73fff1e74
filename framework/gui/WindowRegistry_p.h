#pragma once

#include <memory>
#include <vector>

namespace fw {
class Window;
}

// The framework's list of windows. Windows stay in it after they close, so that code running
// on after a Close never meets a destroyed window; they go when the run-time releases them.
namespace fw::detail {

void AdoptWindow(Window* window);
const std::vector<std::unique_ptr<Window>>& AllWindows();
void NoteActivated(Window* window);
Window* LastActivated();
void ForgetActivated(Window* window);
void DestroyAllWindows();

}  // namespace fw::detail
