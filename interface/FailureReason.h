// The reason a failure carries where the library shows no message for it, so
// that a host or the welldata command can say why a file did not load.
#pragma once

#include "welldata/LoadFailure.h"

namespace welldata {

// Gives `failure` its reason when it has no message: a file without a line of
// text (empty, or blank lines only). Other failures stay as they are.
void GiveReason(LoadFailure& failure);

} // namespace welldata
