#include "CurveUnitsCommand.h"

#include "JsonText.h"
#include "welldata/CurveNaming.h"
#include "welldata/Utf8.h"

std::string CurveUnitsCommand::Help() const {
    return std::string(R"(usage: welldata curve-units [options] NAME...

Prints, one line per NAME, the unit texts accepted for the curve NAME stands
for (found by the whole name in the "well_log" section of the settings file),
separated by tabs. A name the settings file does not know, or a curve without
units, gives an empty line and the exit status 1.

)") + CommonHelp();
}

LookupCommand::Answer CurveUnitsCommand::LookUp(const std::wstring& name) const {
    std::vector<const wchar_t*> units;
    const unsigned int count = get_curve_units(name.c_str(), &units);
    Answer answer;
    answer.found = count > 0;
    std::string list;
    for (const wchar_t* unit : units) {
        answer.text += (answer.text.empty() ? "" : "\t") + welldata::ToUtf8(unit);
        list += (list.empty() ? "" : ", ") + JsonText::String(std::wstring_view(unit));
    }
    answer.json = "{\"name\": " + JsonText::String(name) + ", \"units\": [" + list + "]}";
    answer.notFoundWhy = "no units: the settings file does not know the curve, or it has none";
    return answer;
}
