// Hooks through which the Qt part of the library presents messages and the wait
// cursor, so that the core never depends on Qt Widgets. Each hook returns false
// (or does nothing) when there is no GUI to present on.
//
// Nothing is installed while the library loads: the entry points that may show
// a dialog call InstallGuiPresenters first, so a host that only loads headless
// never gets a widget.
#pragma once

#include "welldata/MessageBox.h"

#include <functional>

namespace welldata {

using GuiMessagePresenter = std::function<bool(const MessageRequest&, MessageResult&)>;

struct WaitCursorHooks {
    std::function<void()> begin;
    std::function<void()> end;
};

// Installs the Qt part's presenters once; the library built without its Qt
// part has none, and this does nothing.
void InstallGuiPresenters();

void SetGuiMessagePresenter(GuiMessagePresenter presenter);
void SetWaitCursorHooks(WaitCursorHooks hooks);
const WaitCursorHooks& GetWaitCursorHooks();

} // namespace welldata
