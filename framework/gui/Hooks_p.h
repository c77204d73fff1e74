#pragma once

#include "framework/gui/Hooks.h"

namespace fw::detail {

struct HookState {
    SaveDialogHook saveDialog;
    ShowURLHook showURL;
    ContextMenuHook contextMenu;
    ContextualClickHook contextualClick;
    DragExecHook dragExec;
};

HookState& Hooks();

}  // namespace fw::detail
