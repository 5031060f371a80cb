#include "platform/CWaitCursor.h"

#include "platform/GuiPresenters.h"

namespace welldata {

namespace {

// A function-local static: the Qt part registers its hooks while the library is
// being loaded, possibly before a global here would be constructed.
WaitCursorHooks& Hooks() {
    static WaitCursorHooks hooks;
    return hooks;
}

} // namespace

void SetWaitCursorHooks(WaitCursorHooks hooks) {
    Hooks() = std::move(hooks);
}

const WaitCursorHooks& GetWaitCursorHooks() {
    return Hooks();
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
