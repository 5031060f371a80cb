// welldata curve-name and curve-units: the library's two exported curve
// lookups, one answer line per name (or JSON).
#include "Commands.h"
#include "Terminal.h"
#include "Writers.h"
#include "welldata/CodePage.h"
#include "welldata/CurveNaming.h"
#include "welldata/Utf8.h"

namespace {

const char* const kLookupHelp = R"(  --json             write the answers as JSON
  -o, --output FILE  write to FILE instead of standard output ('-')
  --settings FILE    column-name settings file (default: welldata.well_attri.ini
                     beside the program)
  --encoding E       code page of a settings file without a byte order mark:
                     gb18030 (default) or utf-8
  -h, --help         show this help
)";

struct Answer {
    bool found = false;
    std::string text;        // the line written for the name
    std::string json;        // the name's JSON object
    std::string notFoundWhy; // shown on standard error when not found
};

class LookupCommand : public Command {
public:
    void Declare(Arguments& arguments) const override {
        arguments.AddValue("settings");
        arguments.AddValue("encoding");
        arguments.AddValue("output", 'o');
        arguments.AddFlag("json");
        arguments.AddFlag("help", 'h');
    }

    int Run(const Arguments& arguments) override {
        ReadOptions(arguments);
        if (arguments.Operands().empty())
            throw UsageError("no curve name given");
        if (const auto encoding = arguments.Value("encoding")) {
            if (*encoding != "gb18030" && *encoding != "utf-8")
                throw UsageError("unknown encoding '" + *encoding + "' (use gb18030 or utf-8)");
            welldata::SetDataCodePage(*encoding == "utf-8" ? "UTF-8" : "GB18030");
        }
        ApplySettingsFile(arguments.Value("settings"));
        const bool json = arguments.Has("json");
        OutputStream out(arguments.Value("output").value_or("-"));
        MessagePrinter messages(nullptr);
        bool allFound = true;
        std::string items;
        for (const std::string& name : arguments.Operands()) {
            const Answer answer = LookUp(welldata::FromUtf8(name));
            if (!answer.found) {
                allFound = false;
                messages.SetFile(welldata::FromUtf8(name));
                messages.Print(answer.notFoundWhy);
            }
            if (json)
                items += (items.empty() ? "\n  " : ",\n  ") + answer.json;
            else
                out.Write(answer.text + "\n");
        }
        if (json)
            out.Write("[" + items + "\n]\n");
        out.Close();
        return allFound ? kExitSuccess : kExitLoadFailed;
    }

protected:
    virtual void ReadOptions(const Arguments&) {}
    virtual Answer LookUp(const std::wstring& name) const = 0;
};

class CurveNameCommand : public LookupCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata curve-name [options] NAME...

Prints, one line per NAME, the standard name of the curve NAME stands for: the
first name of its line in the "well_log" section of the settings file, found
by the whole name in any letter case. A name the settings file does not know
(or whose line has a single name) is printed unchanged, and the exit status
is 1.

  --display          the display name (the line's second name) instead
)") + kLookupHelp;
    }

    void Declare(Arguments& arguments) const override {
        LookupCommand::Declare(arguments);
        arguments.AddFlag("display");
    }

protected:
    void ReadOptions(const Arguments& arguments) override { m_display = arguments.Has("display"); }

    Answer LookUp(const std::wstring& name) const override {
        std::wstring result;
        Answer answer;
        answer.found = get_curve_name(name.c_str(), &result, m_display);
        answer.text = welldata::ToUtf8(result);
        answer.json = "{\"name\": " + JsonString(name) + ", \"result\": " + JsonString(result) +
                      ", \"found\": " + (answer.found ? "true" : "false") + "}";
        answer.notFoundWhy = "no standard name in the settings file's well_log section";
        return answer;
    }

private:
    bool m_display = false;
};

class CurveUnitsCommand : public LookupCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata curve-units [options] NAME...

Prints, one line per NAME, the unit texts accepted for the curve NAME stands
for (found by the whole name in the "well_log" section of the settings file),
separated by tabs. A name the settings file does not know, or a curve without
units, gives an empty line and the exit status 1.

)") + kLookupHelp;
    }

protected:
    Answer LookUp(const std::wstring& name) const override {
        std::vector<const wchar_t*> units;
        Answer answer;
        answer.found = get_curve_units(name.c_str(), &units) > 0;
        std::string list;
        for (const wchar_t* unit : units) {
            answer.text += (answer.text.empty() ? "" : "\t") + welldata::ToUtf8(unit);
            list += (list.empty() ? "" : ", ") + JsonString(unit);
        }
        answer.json = "{\"name\": " + JsonString(name) + ", \"units\": [" + list + "]}";
        answer.notFoundWhy = "no units: the settings file does not know the curve, or it has none";
        return answer;
    }
};

} // namespace

std::unique_ptr<Command> MakeCurveNameCommand() {
    return std::make_unique<CurveNameCommand>();
}

std::unique_ptr<Command> MakeCurveUnitsCommand() {
    return std::make_unique<CurveUnitsCommand>();
}
