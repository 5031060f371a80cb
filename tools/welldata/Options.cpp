#include "Options.h"

#include "welldata/CodePage.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

bool IsOptionLike(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

void Arguments::Declare(const std::string& flags, const std::string& values) {
    for (const bool takesValue : {false, true}) {
        std::istringstream names(takesValue ? values : flags);
        for (std::string name; names >> name;) {
            const size_t bar = name.find('|');
            const char shortName = bar == std::string::npos ? 0 : name[bar + 1];
            m_options.push_back({name.substr(0, bar), shortName, takesValue});
        }
    }
}

const Arguments::Option& Arguments::Recognise(const std::string& argument,
                                              std::optional<std::string>& inlineValue) const {
    std::string name;
    const bool isLong = argument.rfind("--", 0) == 0;
    if (isLong) {
        const size_t equals = argument.find('=');
        name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        if (equals != std::string::npos)
            inlineValue = argument.substr(equals + 1);
    } else if (argument.size() > 2) {
        inlineValue = argument.substr(2); // "-ofile"
    }
    for (const Option& option : m_options) {
        if (isLong ? option.name == name : option.shortName != 0 && option.shortName == argument[1])
            return option;
    }
    throw UsageError("unknown option '" + (isLong ? "--" + name : argument.substr(0, 2)) + "'");
}

size_t Arguments::Parse(const std::vector<std::string>& arguments, bool leadingOnly) {
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (leadingOnly && (!IsOptionLike(argument) || argument == "--"))
            return i;
        if (optionsEnded || !IsOptionLike(argument)) {
            m_operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> value;
        const Option& option = Recognise(argument, value);
        if (!option.takesValue && value)
            throw UsageError("option '--" + option.name + "' takes no value");
        if (option.takesValue && !value) {
            if (i + 1 >= arguments.size())
                throw UsageError("option '--" + option.name + "' needs a value");
            value = arguments[++i];
        }
        m_values[option.name].push_back(value.value_or(""));
    }
    return arguments.size();
}

void common::Declare(Arguments& arguments, bool withPlot, const std::string& flags,
                     const std::string& values) {
    arguments.Declare(
        "csv json quiet|q progress help|h strict units-row " + flags,
        (withPlot ? "encoding settings output|o null-text lang plot depth-range depth-scale "
                  : "encoding settings output|o null-text lang ") +
            values);
}

const char* common::Help() {
    return R"(Output and common options:
  --csv, --json      the full data as CSV or JSON instead of a summary (per
                     column: unit, samples, nulls, min, max). CSV has a FILE
                     column first, always, and one table for all files
  --null-text TEXT   CSV cells of null values (default: empty)
  --units-row        CSV: two rows after the header, FILE (unit) with the
                     units recorded and (declared unit) with the file's
  --strict           a file whose cells the load moved, dropped or read as 0
                     (see the warnings) fails instead of loading
  -o, --output FILE  write to FILE instead of standard output ('-')
  --encoding E       the files' code page: gb18030 (default), utf-8, any name
                     iconv knows (cp1252, utf-16le ...) or auto (by a byte
                     order mark, else UTF-16 by its zero bytes, else UTF-8
                     when valid throughout, else GB18030)
  --settings FILE    column-name settings (default: welldata.well_attri.ini
                     beside the program)
  --lang en|zh       the library's language (default: en for an en_* locale)
  -q, --quiet        no progress bar; --progress one even without a terminal
  -h, --help         show this help
)";
}

const char* common::PlotHelp() {
    return R"(  --plot FILE.png    draw a log plot (PNG only): tracks on a shared depth axis,
                     nulls as gaps, resistivities on a logarithmic scale; with
                     several files one picture each (FILE-<name>.png)
  --depth-range TOP:BASE  plot only these depths (the log's depth unit)
  --depth-scale 1:N  plot at depth scale 1:N (at 96 dots per inch)
)";
}

void common::Check(const Arguments& arguments) {
    const std::string encoding = Lower(arguments.Value("encoding").value_or("gb18030"));
    if (encoding != "auto" && !welldata::IsKnownCodePage(encoding))
        throw UsageError("unknown encoding '" + *arguments.Value("encoding") +
                         "' (use auto or a name iconv knows)");
    if (arguments.Has("csv") && arguments.Has("json"))
        throw UsageError("choose one of --csv and --json");
    const std::string plot = Lower(arguments.Value("plot").value_or(".png"));
    if (plot.size() < 4 || plot.compare(plot.size() - 4, 4, ".png") != 0)
        throw UsageError("--plot writes PNG pictures: name a file ending in .png");
#if !defined(WELLDATA_WITH_PLOT)
    if (arguments.Has("plot"))
        throw UsageError("this welldata was built without Qt and cannot draw plots");
#else
    PlotOptionsOf(arguments);
#endif
}

#if defined(WELLDATA_WITH_PLOT)
logplot::PlotOptions common::PlotOptionsOf(const Arguments& arguments) {
    logplot::PlotOptions options;
    double top = 0.0;
    double base = 0.0;
    if (const auto range = arguments.Value("depth-range")) {
        if (!logplot::ParseDepthRange(*range, top, base))
            throw UsageError("wrong depth range '" + *range + "' (use TOP:BASE, TOP above BASE)");
        options.top = top;
        options.base = base;
    }
    if (const auto scale = arguments.Value("depth-scale")) {
        if (!logplot::ParseDepthScale(*scale, options.depthScale))
            throw UsageError("wrong depth scale '" + *scale + "' (use 1:N, such as 1:200)");
    }
    return options;
}
#endif

std::string common::CodePageFor(const Arguments& arguments, const std::wstring& path) {
    const std::string encoding = Lower(arguments.Value("encoding").value_or("gb18030"));
    return encoding == "auto" ? welldata::DetectCodePage(path) : encoding;
}

void ApplySettingsFile(const std::optional<std::string>& path) {
    if (!path)
        return;
    if (!std::ifstream(*path))
        throw std::runtime_error("cannot read the settings file '" + *path + "'");
    welldata::SetSettingsFilePath(welldata::FromUtf8(*path));
}

std::optional<COMMON::ENUM_COOR_UNIT> UnitOption(const Arguments& arguments,
                                                 const std::string& option) {
    const auto value = arguments.Value(option);
    COMMON::ENUM_COOR_UNIT unit = COMMON::COOR_UNIT_M;
    if (!value || welldata::FindCoorUnit(welldata::FromUtf8(*value), unit))
        return value ? std::optional(unit) : std::nullopt;
    throw UsageError("unknown unit '" + *value + "' for --" + option + " (use " + kUnitNames + ")");
}

double ParseNumber(const std::string& text, const std::string& option) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw UsageError("--" + option + " " + text + ": not a number");
    return value;
}

std::vector<std::pair<std::string, std::wstring>> PairOptions(const Arguments& arguments,
                                                              const std::string& option) {
    std::vector<std::pair<std::string, std::wstring>> pairs;
    for (const std::string& text : arguments.Values(option)) {
        const size_t equals = text.find('=');
        if (equals == std::string::npos || equals == 0)
            throw UsageError("--" + option + " " + text + ": expected COLUMN=VALUE");
        pairs.emplace_back(text.substr(0, equals), welldata::FromUtf8(text.substr(equals + 1)));
    }
    return pairs;
}

std::string ColumnList(const std::vector<std::wstring>& names) {
    std::string list;
    for (size_t i = 0; i < names.size(); ++i)
        list += (i > 0 ? " " : "") + std::to_string(i + 1) + ":" + welldata::ToUtf8(names[i]);
    return list;
}

int FindColumn(const std::vector<std::wstring>& names, const std::string& choice,
               const std::string& option) {
    if (choice == "none")
        return -1;
    const bool number = !choice.empty() && std::all_of(choice.begin(), choice.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    if (number) {
        unsigned long long column = 0;
        const auto result = std::from_chars(choice.data(), choice.data() + choice.size(), column);
        if (result.ec == std::errc() && column <= names.size())
            return static_cast<int>(column) - 1;
        throw LoadProblem("--" + option + " " + choice + ": the file has " +
                          std::to_string(names.size()) + " columns (" + ColumnList(names) + ")");
    }
    if (const int column = welldata::FindColumnByName(names, welldata::FromUtf8(choice));
        column >= 0)
        return column;
    throw LoadProblem("--" + option + " " + choice + ": no such column (" + ColumnList(names) +
                      ")");
}
