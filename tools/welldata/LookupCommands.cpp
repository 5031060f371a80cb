// welldata curve-name and curve-units: the library's two exported curve
// lookups, one answer line per name (or JSON).
#include "Commands.h"
#include "welldata/CodePage.h"
#include "welldata/CurveNaming.h"
#include "welldata/Utf8.h"

namespace {

class LookupCommand : public Command {
public:
    explicit LookupCommand(bool units) : m_units(units) {}

    std::string Help() const override {
        return std::string(m_units ? R"(usage: welldata curve-units [options] NAME...

Prints per NAME the unit texts accepted for the curve it stands for, found by
the whole name in the settings file's "well_log" section, separated by tabs;
an unknown name, or a curve without units, gives an empty line and status 1.

)"
                                   : R"(usage: welldata curve-name [options] NAME...

Prints per NAME the standard name of the curve it stands for: the first name
of its line in the settings file's "well_log" section, found by the whole name
in any letter case. An unknown name, or a line with a single name, is printed
unchanged, and the exit status is 1.

  --display          the display name (the line's second name) instead
)") + R"(  --json             write the answers as JSON
  -o, --output FILE  write to FILE instead of standard output ('-')
  --settings FILE    column-name settings (default: welldata.well_attri.ini
                     beside the program)
  --encoding E       the settings file's code page without a byte order
                     mark: gb18030 (default), utf-8 or any name iconv knows
  --lang en|zh       the language of the library's texts (default: by locale)
  -h, --help         show this help
)";
    }

    void Declare(Arguments& arguments) const override {
        arguments.Declare(m_units ? "json help|h" : "json help|h display",
                          "settings encoding output|o lang");
    }

    int Run(const Arguments& arguments) override {
        if (arguments.Operands().empty())
            throw UsageError("no curve name given");
        if (const auto encoding = arguments.Value("encoding")) {
            if (!welldata::SetDataCodePage(*encoding))
                throw UsageError("unknown encoding '" + *encoding + "' (use a name iconv knows)");
        }
        ApplySettingsFile(arguments.Value("settings"));
        const bool json = arguments.Has("json");
        const std::string outputPath = arguments.Value("output").value_or("-");
        const std::unique_ptr<std::ostream> out = OpenOutput(outputPath);
        MessagePrinter messages(nullptr);
        bool allFound = true;
        std::string items;
        for (const std::string& operand : arguments.Operands()) {
            const std::wstring name = welldata::FromUtf8(operand);
            std::vector<std::wstring> answers;
            const bool found = LookUp(name, arguments.Has("display"), answers);
            if (!found) {
                allFound = false;
                messages.SetFile(name);
                messages.Print(m_units
                                   ? "no units: the settings file does not know the curve, "
                                     "or it has none"
                                   : "no standard name in the settings file's well_log section");
            }
            std::string line;
            std::string list;
            for (const std::wstring& answer : answers) {
                line += (line.empty() ? "" : "\t") + welldata::ToUtf8(answer);
                list += (list.empty() ? "" : ", ") + JsonString(answer);
            }
            if (!json)
                *out << line << "\n";
            items += (items.empty() ? "\n  {\"name\": " : ",\n  {\"name\": ") + JsonString(name) +
                     (m_units ? ", \"units\": [" + list + "]}"
                              : ", \"result\": " + list +
                                    ", \"found\": " + (found ? "true}" : "false}"));
        }
        if (json)
            *out << "[" << items << "\n]\n";
        FlushOutput(*out, outputPath);
        return allFound ? kExitSuccess : kExitLoadFailed;
    }

private:
    // The curve's standard (or display) name, or its unit texts.
    bool LookUp(const std::wstring& name, bool display, std::vector<std::wstring>& answers) const {
        if (!m_units) {
            std::wstring result;
            const bool found = get_curve_name(name.c_str(), &result, display);
            answers.push_back(result);
            return found;
        }
        std::vector<const wchar_t*> units;
        get_curve_units(name.c_str(), &units);
        answers.assign(units.begin(), units.end());
        return !units.empty();
    }

    bool m_units;
};

} // namespace

std::unique_ptr<Command> MakeLookupCommand(std::string_view name) {
    return std::make_unique<LookupCommand>(name == "curve-units");
}
