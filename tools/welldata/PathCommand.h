// welldata path FILE...: loads well path tables through the well path loader
// with the choices of the well path import dialog, given as options.
#pragma once

#include "LoadCommand.h"
#include "PathLayoutChoice.h"
#include "welldata/Common.h"

#include <optional>

class PathCommand : public LoadCommand {
public:
    PathCommand()
        : LoadCommand("path", "load well path (deviation survey) tables"), m_layout(false) {}

    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    bool LoadFile(const std::wstring& path, LoadSession& session) override;

private:
    PathLayoutChoice m_layout;
    std::optional<float> m_nullValue;
    std::optional<COMMON::ENUM_COOR_UNIT> m_coorUnit;
    std::optional<COMMON::ENUM_COOR_UNIT> m_depthUnit;
    int m_angleUnit = 0;
    bool m_trueNorth = false;
};
