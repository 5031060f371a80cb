#include "CoreAnalysisCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "LoadProblem.h"
#include "LoadSession.h"
#include "OptionPair.h"
#include "RecordTables.h"
#include "TablePreview.h"
#include "loaders/CRockCoreAnalyse.h"
#include "reader/CDataFileReader.h"

std::string CoreAnalysisCommand::Help() const {
    return std::string(R"(usage: welldata core-analysis [options] FILE...

Loads rock core analysis tables: a header line of column titles, then one
sample per line. Every column is loaded as numbers under its title.

  --rename COL=TITLE another title for a column (by 1-based number or by
                     title), as when a title is edited in the dialog;
                     repeatable

)") + CommandOptions::Help();
}

void CoreAnalysisCommand::DeclareOptions(ArgumentParser& parser) const {
    DeclareCommonOptions(parser, false);
    parser.AddValue("rename");
}

void CoreAnalysisCommand::ReadOptions(const ParsedArguments& arguments) {
    for (const std::string& value : arguments.Values("rename"))
        m_renames.push_back(OptionPair::Split(value, "rename"));
}

bool CoreAnalysisCommand::LoadFile(const std::wstring& path, LoadSession& session) {
    CDataFileReader reader;
    TablePreview preview(false);
    if (!OpenTable(path, session, reader, preview))
        return false;
    std::vector<std::wstring> titles = preview.Names();
    for (const auto& [column, title] : m_renames) {
        const int index = preview.Find(column, "rename");
        if (index < 0)
            throw LoadProblem("--rename " + column + ": name a column to rename");
        titles[static_cast<size_t>(index)] = title;
    }
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    for (size_t column = 0; column < titles.size(); ++column) {
        COMMON::STRUCT_CURVE_ITEM item;
        item.strName = titles[column];
        item.nColumn = static_cast<std::int32_t>(column);
        items.push_back(std::move(item));
    }
    std::list<COMMON::STRUCT_CURVE_ITEM> record;
    CRockCoreAnalyse loader(&reader, &record);
    loader.SetColumnList(items);
    if (!loader.Load())
        return LoaderFailed(session, "the file holds no samples");
    session.Loaded(RecordTables::RockCoreAnalysis(session.FileName(), record));
    return true;
}
