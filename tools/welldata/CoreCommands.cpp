// welldata core-analysis and core-describe: rock core tables, loaded with the
// choices of the rock core dialogs given as options.
#include "Session.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"
#include "welldata/Utf8.h"

#include <array>
#include <optional>

namespace {

using welldata::TablePreview;

class CoreAnalysisCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata core-analysis [options] FILE...

Loads rock core analysis tables: a header line of column titles, then one
sample per line. Every column is loaded as numbers under its title.

  --rename COL=TITLE another title for a column (by 1-based number or by
                     title), as when a title is edited in the dialog;
                     repeatable

)") + CommonOptions::Help();
    }

    void Declare(Arguments& arguments) const override {
        CommonOptions::Declare(arguments, false);
        arguments.AddValue("rename");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        for (const std::string& value : arguments.Values("rename"))
            m_renames.push_back(ParsePair(value, "rename"));
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::CoreAnalysis, preview))
            return;
        welldata::CoreAnalysisChoices choices = welldata::SuggestCoreAnalysisChoices(preview);
        for (const auto& [choice, title] : m_renames) {
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

private:
    std::vector<std::pair<std::string, std::wstring>> m_renames;
};

class CoreDescribeCommand : public LoadCommand {
public:
    std::string Help() const override {
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

)") + CommonOptions::Help();
    }

    void Declare(Arguments& arguments) const override {
        CommonOptions::Declare(arguments, false);
        for (const char* option : kOptions)
            arguments.AddValue(option);
        arguments.AddValue("name");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        for (size_t field = 0; field < kOptions.size(); ++field)
            m_columnOptions[field] = arguments.Value(kOptions[field]);
        if (const auto name = arguments.Value("name"))
            m_name = welldata::FromUtf8(*name);
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::CoreDescription, preview))
            return;
        welldata::CoreDescriptionChoices choices = welldata::SuggestCoreDescriptionChoices(preview);
        const std::array<int*, 3> columns = {&choices.topColumn, &choices.bottomColumn,
                                             &choices.descriptionColumn};
        std::string missing;
        for (size_t field = 0; field < kOptions.size(); ++field) {
            if (m_columnOptions[field])
                *columns[field] =
                    FindColumn(preview.names, *m_columnOptions[field], kOptions[field]);
            if (*columns[field] < 0)
                missing += std::string(missing.empty() ? "--" : ", --") + kOptions[field];
        }
        choices.descriptionName = m_name.value_or(choices.descriptionName);
        if (!missing.empty())
            session.Messages().Print("no column recognised for " + missing +
                                     ": its values stay empty (" + ColumnList(preview.names) + ")");
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        if (!data.ReadFile(path, choices))
            return session.Failed(data.GetLastFailure());
        session.Loaded(CoreDescriptionTable(session.FileName(), data.GetRockCoreDescribe()));
    }

private:
    static constexpr std::array<const char*, 3> kOptions = {"top", "bottom", "description"};

    std::array<std::optional<std::string>, 3> m_columnOptions;
    std::optional<std::wstring> m_name;
};

} // namespace

std::unique_ptr<Command> MakeCoreAnalysisCommand() {
    return std::make_unique<CoreAnalysisCommand>();
}

std::unique_ptr<Command> MakeCoreDescribeCommand() {
    return std::make_unique<CoreDescribeCommand>();
}
