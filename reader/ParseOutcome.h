// What the parse of one read comes to, told once the whole file has been read:
// how far it stepped the progress bar over its items, and why it failed. The
// reader shows both then, in the order the parse met them.
#pragma once

#include "welldata/LoadFailure.h"
#include "welldata/MessageBox.h"

#include <string>

struct ParseOutcome {
    // A StepProgress over `items`, advanced for the items 0 to `through`;
    // none when the parse failed before it counted anything.
    bool stepped = false;
    long long items = 0;
    long long through = -1;

    welldata::LoadError error = welldata::LoadError::None;
    std::wstring message;
    welldata::MessageOwner owner = welldata::MessageOwner::FocusWindow;
    // A batch load shows no message of this failure.
    bool batchSilent = true;

    bool Ok() const { return error == welldata::LoadError::None; }
    void Fail(welldata::LoadError why, std::wstring text = std::wstring(),
              welldata::MessageOwner to = welldata::MessageOwner::FocusWindow) {
        error = why;
        message = std::move(text);
        owner = to;
    }
};
