#include "CommandOptions.h"

#include "ArgumentParser.h"
#include "EncodingDetector.h"
#include "ToolFailure.h"
#include "UsageError.h"
#include "welldata/Settings.h"
#include "welldata/Utf8.h"

#include <fstream>

namespace {

CommandOptions::Encoding ParseEncoding(const std::string& name) {
    if (name == "gb18030" || name == "GB18030")
        return CommandOptions::Encoding::Gb18030;
    if (name == "utf-8" || name == "UTF-8" || name == "utf8")
        return CommandOptions::Encoding::Utf8;
    if (name == "auto")
        return CommandOptions::Encoding::Auto;
    throw UsageError("unknown encoding '" + name + "' (use gb18030, utf-8 or auto)");
}

} // namespace

void CommandOptions::Declare(ArgumentParser& parser) {
    parser.AddValue("encoding");
    parser.AddValue("settings");
    parser.AddValue("output", 'o');
    parser.AddFlag("csv");
    parser.AddFlag("json");
    parser.AddFlag("quiet", 'q');
    parser.AddFlag("progress");
    parser.AddFlag("help", 'h');
}

void CommandOptions::DeclarePlot(ArgumentParser& parser) {
    parser.AddValue("plot");
}

const char* CommandOptions::Help() {
    return R"(Output and common options:
  --csv              write the full data as CSV (one line per row)
  --json             write the full data as JSON
                     (default: a summary per file: per column its unit,
                     samples, nulls, min and max)
  -o, --output FILE  write to FILE instead of standard output ('-')
  --encoding E       code page of the data files: gb18030 (default), utf-8,
                     or auto (UTF-8 when a file starts with a UTF-8 byte order
                     mark or is valid UTF-8 throughout, GB18030 otherwise)
  --settings FILE    column-name settings file (default: welldata.well_attri.ini
                     beside the program)
  -q, --quiet        no progress bar
  --progress         progress bar even when standard error is not a terminal
  -h, --help         show this help
)";
}

const char* CommandOptions::PlotHelp() {
    return R"(  --plot FILE.png    draw the curves as a log plot: tracks side by side on a
                     shared depth axis, depth increasing downwards, nulls as
                     gaps, logarithmic scale for resistivity curves; with
                     several files one picture each (FILE-<name>.png)
)";
}

CommandOptions::CommandOptions(const ParsedArguments& arguments) {
    if (const auto encoding = arguments.Value("encoding"))
        m_encoding = ParseEncoding(*encoding);
    m_settingsPath = arguments.Value("settings");
    if (arguments.Has("csv") && arguments.Has("json"))
        throw UsageError("choose one of --csv and --json");
    if (arguments.Has("csv"))
        m_format = OutputFormat::Csv;
    if (arguments.Has("json"))
        m_format = OutputFormat::Json;
    m_outputPath = arguments.Value("output").value_or("-");
    m_quiet = arguments.Has("quiet");
    m_forceProgress = arguments.Has("progress");
    m_plotPath = arguments.Value("plot").value_or("");
#if !defined(WELLDATA_WITH_PLOT)
    if (!m_plotPath.empty())
        throw UsageError("this welldata was built without Qt and cannot draw plots");
#endif
}

std::string CommandOptions::CodePageFor(const std::wstring& path) const {
    switch (m_encoding) {
    case Encoding::Utf8:
        return "UTF-8";
    case Encoding::Auto:
        return EncodingDetector::Detect(path);
    case Encoding::Gb18030:
        break;
    }
    return "GB18030";
}

void CommandOptions::ApplySettingsFile() const {
    if (!m_settingsPath)
        return;
    if (!std::ifstream(*m_settingsPath))
        throw ToolFailure("cannot read the settings file '" + *m_settingsPath + "'");
    welldata::SetSettingsFilePath(welldata::FromUtf8(*m_settingsPath));
}
