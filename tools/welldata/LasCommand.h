// welldata las FILE...: loads LAS 2.0 files by name through the load object,
// with every curve they hold, one load object per file as a host does it,
// carrying the unit answer from file to file.
#pragma once

#include "LoadCommand.h"
#include "welldata/Common.h"

#include <memory>
#include <optional>

class DataTable;
class TerminalUnitPrompt;

class LasCommand : public LoadCommand {
public:
    LasCommand();
    ~LasCommand() override;

    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    void BeginFiles(LoadSession& session, size_t fileCount) override;
    void EndFiles() override;
    bool LoadFile(const std::wstring& path, LoadSession& session) override;

private:
    // One unit option: a unit, "ask", or not given.
    struct UnitChoice {
        bool ask = false;
        std::optional<COMMON::ENUM_COOR_UNIT> unit;
    };
    static UnitChoice ReadUnitChoice(const ParsedArguments& arguments, const std::string& option);
    // Why a LAS file failed in batch mode, where the library stays silent: the
    // reader's own message when the file is read once more on its own.
    static std::wstring DiagnoseFailure(const std::wstring& path, LoadSession& session);
    void AddUnitProperties(DataTable& table) const;

    UnitChoice m_coorChoice;
    UnitChoice m_depthChoice;
    bool m_batch = false;
    // The unit answer carried from one load object to the next.
    bool m_unitsSettled = false;
    COMMON::ENUM_COOR_UNIT m_coorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT m_depthUnit = COMMON::COOR_UNIT_M;
    std::unique_ptr<TerminalUnitPrompt> m_prompt;
};
