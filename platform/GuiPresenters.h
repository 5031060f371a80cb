// Hooks through which the Qt part of the library presents messages and the wait
// cursor, so that the core never depends on Qt Widgets. Each hook returns false
// (or does nothing) when there is no GUI to present on.
#pragma once

#include "welldata/MessageBox.h"

#include <functional>

namespace welldata {

using GuiMessagePresenter = std::function<bool(const MessageRequest&, MessageResult&)>;

struct WaitCursorHooks {
    std::function<void()> begin;
    std::function<void()> end;
};

void SetGuiMessagePresenter(GuiMessagePresenter presenter);
void SetWaitCursorHooks(WaitCursorHooks hooks);
const WaitCursorHooks& GetWaitCursorHooks();

} // namespace welldata
