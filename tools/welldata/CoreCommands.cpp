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
        session.Loaded(CoreAnalysisTable(session.FileName(), data.GetRockCoreAnalyse()));
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
                     the interval's top, bottom and description text
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
            if (const auto choice = Options().Value(option))
                *column = FindColumn(preview.names, *choice, option);
            if (*column < 0)
                missing += std::string(missing.empty() ? "--" : ", --") + option;
        }
        if (const auto name = Options().Value("name"))
            choices.descriptionName = welldata::FromUtf8(*name);
        if (!missing.empty())
            session.Messages().Print("no column recognised for " + missing +
                                     ": its values stay empty (" + ColumnList(preview.names) + ")");
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        if (!data.ReadFile(path, choices))
            return session.Failed(data.GetLastFailure());
        session.Loaded(CoreDescriptionTable(session.FileName(), data.GetRockCoreDescribe()));
    }
};

} // namespace

std::unique_ptr<Command> MakeCoreCommand(std::string_view name) {
    if (name == "core-analysis")
        return std::make_unique<CoreAnalysisCommand>();
    return std::make_unique<CoreDescribeCommand>();
}
