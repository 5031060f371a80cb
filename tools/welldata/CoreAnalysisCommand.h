// welldata core-analysis FILE...: loads rock core analysis tables through the
// rock core analysis loader, every column under its (possibly renamed) title,
// as the rock core analysis dialog hands them over.
#pragma once

#include "LoadCommand.h"

#include <string>
#include <utility>
#include <vector>

class CoreAnalysisCommand : public LoadCommand {
public:
    CoreAnalysisCommand() : LoadCommand("core-analysis", "load rock core analysis tables") {}
    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    bool LoadFile(const std::wstring& path, LoadSession& session) override;

private:
    // Column (as given) and its new title.
    std::vector<std::pair<std::string, std::wstring>> m_renames;
};
