#include "LoadCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "LoadProblem.h"
#include "LoadSession.h"
#include "TablePreview.h"
#include "UsageError.h"
#include "reader/CDataFileReader.h"
#include "welldata/Utf8.h"

#include <algorithm>

void LoadCommand::DeclareCommonOptions(ArgumentParser& parser, bool withPlot) {
    CommandOptions::Declare(parser);
    if (withPlot)
        CommandOptions::DeclarePlot(parser);
}

void LoadCommand::BeginFiles(LoadSession&, size_t) {}

bool LoadCommand::LoaderFailed(LoadSession& session, const std::string& silentReason) {
    if (session.Messages().MessageCount() == 0)
        throw LoadProblem(silentReason);
    return false;
}

int LoadCommand::Run(const ParsedArguments& arguments) {
    const CommandOptions options(arguments);
    ReadOptions(arguments);
    const std::vector<std::string>& files = arguments.Operands();
    if (files.empty())
        throw UsageError("no file given");
    if (std::count(files.begin(), files.end(), "-") > 1)
        throw UsageError("standard input ('-') can be read only once");
    options.ApplySettingsFile();
    LoadSession session(options, files.size());
    BeginFiles(session, files.size());
    for (size_t index = 0; index < files.size(); ++index) {
        const std::wstring path = session.BeginFile(files[index], index);
        try {
            if (!LoadFile(path, session))
                session.Failed(L"");
        } catch (const LoadProblem& problem) {
            session.Failed(welldata::FromUtf8(problem.what()));
        }
        session.EndFile();
    }
    EndFiles();
    return session.Finish();
}

bool LoadCommand::OpenTable(const std::wstring& path, LoadSession& session, CDataFileReader& reader,
                            TablePreview& preview) {
    reader.SetFilePath(path);
    reader.SetProgressCtrl(session.Progress());
    return preview.Read(reader);
}
