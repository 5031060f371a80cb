#include "platform/CWaitCursor.h"

#include "platform/GuiPresenters.h"

#include <mutex>

namespace welldata {

namespace {

std::mutex g_hooksMutex;
WaitCursorHooks g_hooks;

} // namespace

void SetWaitCursorHooks(WaitCursorHooks hooks) {
    std::lock_guard<std::mutex> lock(g_hooksMutex);
    g_hooks = std::move(hooks);
}

const WaitCursorHooks& GetWaitCursorHooks() {
    return g_hooks;
}

} // namespace welldata

CWaitCursor::CWaitCursor() {
    if (welldata::GetWaitCursorHooks().begin)
        welldata::GetWaitCursorHooks().begin();
}

CWaitCursor::~CWaitCursor() {
    if (welldata::GetWaitCursorHooks().end)
        welldata::GetWaitCursorHooks().end();
}
