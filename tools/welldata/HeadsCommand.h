// welldata heads FILE...: loads well head tables (one well per line) through
// the well head loader with the choices of the well heads import dialog.
#pragma once

#include "LoadCommand.h"
#include "welldata/Common.h"

#include <array>
#include <optional>
#include <string>

class TablePreview;

class HeadsCommand : public LoadCommand {
public:
    HeadsCommand() : LoadCommand("heads", "load well head tables") {}
    std::string Help() const override;
    void DeclareOptions(ArgumentParser& parser) const override;

protected:
    void ReadOptions(const ParsedArguments& arguments) override;
    bool LoadFile(const std::wstring& path, LoadSession& session) override;

private:
    // The well head attributes, in the order of the settings ids 1 to 7.
    enum Field { kName, kWellType, kX, kY, kTop, kBottom, kKb, kFieldCount };
    // The five lengths that have a unit.
    enum Length { kXLength, kYLength, kKbLength, kTopLength, kBottomLength, kLengthCount };

    std::array<int, kFieldCount> FindColumns(const TablePreview& preview) const;
    // Shows the dialog's message and throws when a required column is missing.
    static void RequireColumn(int column, const wchar_t* message, const char* option,
                              const TablePreview& preview);

    std::array<std::optional<std::string>, kFieldCount> m_columnOptions;
    std::array<std::optional<COMMON::ENUM_COOR_UNIT>, kLengthCount> m_units;
};
