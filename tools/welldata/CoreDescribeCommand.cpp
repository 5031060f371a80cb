#include "CoreDescribeCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "LoadSession.h"
#include "RecordTables.h"
#include "TablePreview.h"
#include "loaders/CRockCoreDescribe.h"
#include "reader/CDataFileReader.h"
#include "settings/ColumnRecognizer.h"
#include "settings/WellAttributeId.h"
#include "welldata/Utf8.h"

namespace {

constexpr const char* kFieldOptions[] = {"top", "bottom", "description"};
constexpr unsigned int kFieldIds[] = {WAI_CORE_TOP_DEPTH, WAI_CORE_BOTTOM_DEPTH,
                                      WAI_CORE_DESCRIPTION};

} // namespace

std::string CoreDescribeCommand::Help() const {
    return std::string(R"(usage: welldata core-describe [options] FILE...

Loads rock core description tables: a header line of column names, then one
interval per line (top depth, bottom depth, a text such as the lithology).
Columns are given by 1-based number or by name; without an option a column is
recognised by its name through the settings file.

  --top COL          the interval top
  --bottom COL       the interval bottom
  --description COL  the description text
  --name TEXT        the name of the description column (default: the name
                     of the file's last column)

)") + CommandOptions::Help();
}

void CoreDescribeCommand::DeclareOptions(ArgumentParser& parser) const {
    DeclareCommonOptions(parser, false);
    for (const char* option : kFieldOptions)
        parser.AddValue(option);
    parser.AddValue("name");
}

void CoreDescribeCommand::ReadOptions(const ParsedArguments& arguments) {
    for (int field = 0; field < kFieldCount; ++field)
        m_columnOptions[field] = arguments.Value(kFieldOptions[field]);
    if (const auto name = arguments.Value("name"))
        m_name = welldata::FromUtf8(*name);
}

bool CoreDescribeCommand::LoadFile(const std::wstring& path, LoadSession& session) {
    CDataFileReader reader;
    TablePreview preview(false);
    if (!OpenTable(path, session, reader, preview))
        return false;
    ColumnRecognizer recognizer(WellAttributeSection::RockCore, false);
    const auto recognised = recognizer.FindColumns(preview.Names());

    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader(&reader, &record);
    std::string missing;
    for (int field = 0; field < kFieldCount; ++field) {
        int column = -1;
        if (m_columnOptions[field]) {
            column = preview.Find(*m_columnOptions[field], kFieldOptions[field]);
        } else if (const auto found = recognised.find(kFieldIds[field]);
                   found != recognised.end()) {
            column = found->second;
        }
        if (column < 0) {
            missing += std::string(missing.empty() ? "" : ", ") + "--" + kFieldOptions[field];
            continue;
        }
        const auto index = static_cast<std::uint16_t>(column);
        if (field == kTop)
            loader.SetTopColumn(index);
        else if (field == kBottom)
            loader.SetBottomColumn(index);
        else
            loader.SetDescribeColumn(index);
    }
    // The dialog's name box starts with the last column's name.
    loader.SetDescribeName(m_name.value_or(preview.Names().back()));
    if (!missing.empty())
        session.Messages().Print("no column recognised for " + missing +
                                 ": its values stay empty (" + preview.ColumnList() + ")");
    if (!loader.Load())
        return LoaderFailed(session, "the file could not be read again");
    session.Loaded(RecordTables::RockCoreDescription(session.FileName(), record));
    return true;
}
