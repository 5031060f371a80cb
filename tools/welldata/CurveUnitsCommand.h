// welldata curve-units NAME...: the unit texts accepted for a curve, through
// the exported get_curve_units.
#pragma once

#include "LookupCommand.h"

class CurveUnitsCommand : public LookupCommand {
public:
    CurveUnitsCommand() : LookupCommand("curve-units", "unit texts accepted for a curve") {}
    std::string Help() const override;

protected:
    Answer LookUp(const std::wstring& name) const override;
};
