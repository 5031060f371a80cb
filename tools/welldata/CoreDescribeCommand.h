// welldata core-describe FILE...: loads rock core description tables (top,
// bottom, text per interval) through the rock core description loader with
// the choices of the rock core description dialog.
#pragma once

#include "LoadCommand.h"

#include <array>
#include <optional>
#include <string>

class CoreDescribeCommand : public LoadCommand {
public:
    CoreDescribeCommand() : LoadCommand("core-describe", "load rock core description tables") {}
    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    bool LoadFile(const std::wstring& path, LoadSession& session) override;

private:
    enum Field { kTop, kBottom, kDescription, kFieldCount };

    std::array<std::optional<std::string>, kFieldCount> m_columnOptions;
    std::optional<std::wstring> m_name;
};
