#include "interface/CoorUnit.h"

#include "platform/WideText.h"

namespace welldata {

double CoorUnitFactor(int unit) {
    switch (unit) {
    case COMMON::COOR_UNIT_IN:
        return 0.0254;
    case COMMON::COOR_UNIT_FT:
        return 0.3048;
    case COMMON::COOR_UNIT_DM:
        return 0.1;
    case COMMON::COOR_UNIT_CM:
        return 0.01;
    default:
        return 1.0;
    }
}

COMMON::ENUM_COOR_UNIT CoorUnitFromText(std::wstring_view unitText) {
    if (unitText.empty())
        return COMMON::COOR_UNIT_M;
    switch (ToUpperChar(unitText.front())) {
    case L'F':
        return COMMON::COOR_UNIT_FT;
    case L'I':
        return COMMON::COOR_UNIT_IN;
    case L'D':
        return COMMON::COOR_UNIT_DM;
    case L'C':
        return COMMON::COOR_UNIT_CM;
    default:
        return COMMON::COOR_UNIT_M;
    }
}

} // namespace welldata
