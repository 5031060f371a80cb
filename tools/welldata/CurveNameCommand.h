// welldata curve-name NAME...: the standard (or display) name of a curve,
// through the exported get_curve_name.
#pragma once

#include "LookupCommand.h"

class CurveNameCommand : public LookupCommand {
public:
    CurveNameCommand() : LookupCommand("curve-name", "standard or display name of a curve") {}
    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    Answer LookUp(const std::wstring& name) const override;

private:
    bool m_display = false;
};
