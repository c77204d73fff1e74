#include "framework/gui/Hooks.h"

#include <utility>

#include "framework/gui/Hooks_p.h"

namespace fw {

namespace detail {
HookState& Hooks() {
    static HookState hooks;
    return hooks;
}
}  // namespace detail

SaveDialogHook SetSaveDialogHook(SaveDialogHook hook) {
    return std::exchange(detail::Hooks().saveDialog, std::move(hook));
}
ShowURLHook SetShowURLHook(ShowURLHook hook) {
    return std::exchange(detail::Hooks().showURL, std::move(hook));
}
ContextMenuHook SetContextMenuHook(ContextMenuHook hook) {
    return std::exchange(detail::Hooks().contextMenu, std::move(hook));
}
ContextualClickHook SetContextualClickHook(ContextualClickHook hook) {
    return std::exchange(detail::Hooks().contextualClick, std::move(hook));
}
DragExecHook SetDragExecHook(DragExecHook hook) {
    return std::exchange(detail::Hooks().dragExec, std::move(hook));
}

}  // namespace fw
