// welldata core-analysis and core-describe: rock core tables, loaded with the
// choices of the rock core dialogs given as options.
#include "Commands.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"
#include "welldata/Utf8.h"

namespace {

using welldata::TablePreview;

class CoreAnalysisCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata core-analysis [options] FILE...

Loads rock core analysis tables: a header line of titles, then a sample per
line; every column loads as numbers under its title.

  --rename COL=TITLE another title for a column (by number or title), as
                     when a title is edited in the dialog; repeatable

)") + common::Help();
    }

    void Declare(Arguments& arguments) const override {
        common::Declare(arguments, false, "", "rename");
    }

protected:
    void ReadOptions(const Arguments& arguments) override { PairOptions(arguments, "rename"); }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::CoreAnalysis, preview))
            return;
        // The first data line holds a number somewhere, or the table has no numbers.
        const std::vector<bool>& numeric = preview.numericFirstCell;
        if (std::find(numeric.begin(), numeric.end(), true) == numeric.end())
            throw LoadProblem("no column holds numbers (" + ColumnList(preview.names) + ")");
        welldata::CoreAnalysisChoices choices = welldata::SuggestCoreAnalysisChoices(preview);
        for (const auto& [choice, title] : PairOptions(Options(), "rename")) {
            const int column = FindColumn(preview.names, choice, "rename");
            if (column < 0)
                throw LoadProblem("--rename " + choice + ": name a column to rename");
            std::next(choices.columns.begin(), column)->strName = title;
        }
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        if (!data.ReadFile(path, choices))
            return session.Failed(data.GetLastFailure());
        if (!session.Accept(data))
            return;
        session.Loaded(
            Table(session.FileName(), "rock core analysis", "columns", "samples",
                  welldata::CoreAnalysisColumns(data.GetRockCoreAnalyse(), data.GetLoadReport())));
    }
};

class CoreDescribeCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata core-describe [options] FILE...

Loads rock core description tables: a header line, then an interval per line
(top and bottom depth, a text such as the lithology). Columns are given by
1-based number or by name, or recognised by name through the settings file.

  --top COL, --bottom COL, --description COL
                     the interval's top, bottom and description text; a
                     file whose columns are not found fails ('none' loads
                     0 or an empty text instead)
  --name TEXT        the description column's name (default: the file's last
                     column's)

)") + common::Help();
    }

    void Declare(Arguments& arguments) const override {
        common::Declare(arguments, false, "", "top bottom description name");
    }

protected:
    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::CoreDescription, preview))
            return;
        welldata::CoreDescriptionChoices choices = welldata::SuggestCoreDescriptionChoices(preview);
        std::string missing;
        for (const auto& [option, column] :
             {std::pair("top", &choices.topColumn), std::pair("bottom", &choices.bottomColumn),
              std::pair("description", &choices.descriptionColumn)}) {
            const auto choice = Options().Value(option);
            if (choice)
                *column = FindColumn(preview.names, *choice, option);
            if (*column < 0 && !choice)
                missing += std::string(missing.empty() ? "--" : ", --") + option;
        }
        if (const auto name = Options().Value("name"))
            choices.descriptionName = welldata::FromUtf8(*name);
        if (!missing.empty())
            throw LoadProblem("no column recognised for " + missing + ": give it, or 'none' (" +
                              ColumnList(preview.names) + ")");
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        if (!data.ReadFile(path, choices))
            return session.Failed(data.GetLastFailure());
        if (!session.Accept(data))
            return;
        const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& record = data.GetRockCoreDescribe();
        Table table(session.FileName(), "rock core description", "columns", "intervals",
                    welldata::CoreDescriptionColumns(record, data.GetLoadReport(), choices));
        if (!record.strColumnName.empty())
            table.AddProperty("description_column", record.strColumnName);
        session.Loaded(std::move(table));
    }
};

} // namespace

std::unique_ptr<Command> MakeCoreCommand(std::string_view name) {
    if (name == "core-analysis")
        return std::make_unique<CoreAnalysisCommand>();
    return std::make_unique<CoreDescribeCommand>();
}
