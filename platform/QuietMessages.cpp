#include "platform/QuietMessages.h"

namespace welldata {

namespace {

thread_local int t_quietScopes = 0;

} // namespace

QuietMessages::QuietMessages() {
    ++t_quietScopes;
}

QuietMessages::~QuietMessages() {
    --t_quietScopes;
}

bool QuietMessages::IsActive() {
    return t_quietScopes > 0;
}

} // namespace welldata
