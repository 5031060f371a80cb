#include "reader/CLasPreviewTracker.h"

void CLasPreviewTracker::Reset() {
    *this = CLasPreviewTracker();
}

void CLasPreviewTracker::Track(const std::wstring& /*line*/) {
    // TODO(las): structure tracking of the preview read.
}
