#include "LookupCommand.h"

#include "ArgumentParser.h"
#include "ExitStatus.h"
#include "MessagePrinter.h"
#include "OutputStream.h"
#include "ToolFailure.h"
#include "UsageError.h"
#include "welldata/CodePage.h"
#include "welldata/Settings.h"
#include "welldata/Utf8.h"

#include <fstream>

void LookupCommand::DeclareOptions(ArgumentParser& parser) const {
    parser.AddValue("settings");
    parser.AddValue("encoding");
    parser.AddValue("output", 'o');
    parser.AddFlag("json");
    parser.AddFlag("help", 'h');
}

const char* LookupCommand::CommonHelp() {
    return R"(  --json             write the answers as JSON
  -o, --output FILE  write to FILE instead of standard output ('-')
  --settings FILE    column-name settings file (default: welldata.well_attri.ini
                     beside the program)
  --encoding E       code page of a settings file without a byte order mark:
                     gb18030 (default) or utf-8
  -h, --help         show this help
)";
}

int LookupCommand::Run(const ParsedArguments& arguments) {
    ReadOptions(arguments);
    if (arguments.Operands().empty())
        throw UsageError("no curve name given");
    if (const auto encoding = arguments.Value("encoding")) {
        if (*encoding != "gb18030" && *encoding != "utf-8")
            throw UsageError("unknown encoding '" + *encoding + "' (use gb18030 or utf-8)");
        welldata::SetDataCodePage(*encoding == "utf-8" ? "UTF-8" : "GB18030");
    }
    if (const auto settings = arguments.Value("settings")) {
        if (!std::ifstream(*settings))
            throw ToolFailure("cannot read the settings file '" + *settings + "'");
        welldata::SetSettingsFilePath(welldata::FromUtf8(*settings));
    }
    const bool json = arguments.Has("json");
    OutputStream out(arguments.Value("output").value_or("-"));
    MessagePrinter messages(nullptr);
    bool allFound = true;
    std::string jsonItems;
    for (const std::string& name : arguments.Operands()) {
        const Answer answer = LookUp(welldata::FromUtf8(name));
        if (!answer.found) {
            allFound = false;
            messages.SetFile(welldata::FromUtf8(name));
            messages.Print(answer.notFoundWhy);
        }
        if (json)
            jsonItems += (jsonItems.empty() ? "\n  " : ",\n  ") + answer.json;
        else
            out.Write(answer.text + "\n");
    }
    if (json)
        out.Write("[" + jsonItems + "\n]\n");
    out.Close();
    return allFound ? kExitSuccess : kExitLoadFailed;
}
