// The round step a grid or a scale takes: 1, 2 or 5 times a power of ten.
#pragma once

namespace logplot {

// The smallest round step not below `raw`; 1 for a step that is not above zero.
double NiceStep(double raw);

} // namespace logplot
