// The options every load command shares: the data code page, the settings
// file, where and in which form the results go, the progress bar and the plot.
#pragma once

#include "OutputFormat.h"

#include <optional>
#include <string>

class ArgumentParser;
class ParsedArguments;

class CommandOptions {
public:
    enum class Encoding { Gb18030, Utf8, Auto };

    static void Declare(ArgumentParser& parser);
    static void DeclarePlot(ArgumentParser& parser);
    // The help lines of the shared options (and of --plot).
    static const char* Help();
    static const char* PlotHelp();

    // Throws UsageError for a wrong value or two output forms at once.
    explicit CommandOptions(const ParsedArguments& arguments);

    // The iconv name of the code page to read `path` in.
    std::string CodePageFor(const std::wstring& path) const;
    // Makes the library read the settings file given with --settings, if any;
    // throws ToolFailure when it cannot be read.
    void ApplySettingsFile() const;

    OutputFormat Format() const { return m_format; }
    const std::string& OutputPath() const { return m_outputPath; }
    bool Quiet() const { return m_quiet; }
    bool ForcesProgress() const { return m_forceProgress; }
    const std::string& PlotPath() const { return m_plotPath; }

private:
    Encoding m_encoding = Encoding::Gb18030;
    std::optional<std::string> m_settingsPath;
    OutputFormat m_format = OutputFormat::Summary;
    std::string m_outputPath = "-";
    bool m_quiet = false;
    bool m_forceProgress = false;
    std::string m_plotPath;
};
