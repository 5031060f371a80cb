#include "CurveNameCommand.h"

#include "ArgumentParser.h"
#include "JsonText.h"
#include "welldata/CurveNaming.h"
#include "welldata/Utf8.h"

std::string CurveNameCommand::Help() const {
    return std::string(R"(usage: welldata curve-name [options] NAME...

Prints, one line per NAME, the standard name of the curve NAME stands for: the
first name of its line in the "well_log" section of the settings file, found
by the whole name in any letter case. A name the settings file does not know
(or whose line has a single name) is printed unchanged, and the exit status
is 1.

  --display          the display name (the line's second name) instead
)") + CommonHelp();
}

void CurveNameCommand::DeclareOptions(ArgumentParser& parser) const {
    LookupCommand::DeclareOptions(parser);
    parser.AddFlag("display");
}

void CurveNameCommand::ReadOptions(const ParsedArguments& arguments) {
    m_display = arguments.Has("display");
}

LookupCommand::Answer CurveNameCommand::LookUp(const std::wstring& name) const {
    std::wstring result;
    Answer answer;
    answer.found = get_curve_name(name.c_str(), &result, m_display);
    answer.text = welldata::ToUtf8(result);
    answer.json = "{\"name\": " + JsonText::String(name) +
                  ", \"result\": " + JsonText::String(result) +
                  ", \"found\": " + JsonText::Bool(answer.found) + "}";
    answer.notFoundWhy = "no standard name in the settings file's well_log section";
    return answer;
}
