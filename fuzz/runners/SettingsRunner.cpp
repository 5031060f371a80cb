#include "fuzz/runners/SettingsRunner.h"

#include "fuzz/runners/FuzzInput.h"
#include "fuzz/runners/QuietSession.h"
#include "fuzz/runners/ScratchFile.h"
#include "platform/ProfileSection.h"
#include "settings/WellAttributeLookup.h"
#include "welldata/CurveNaming.h"

#include <cwchar>

namespace welldata::fuzz {

namespace {

// Names that take the lookups through exact, prefix, empty and non-ASCII paths.
const wchar_t* const kFixedNames[] = {L"DEPTH", L"",     L"dept",  L"TVDSS", L"X1",
                                      L"gr",    L"井名", L"TVDSA", L"\xFFFD"};
// The curve name functions see the first ones of these.
constexpr size_t kFixedCurveNames = 2;
// The names taken from the file are capped so large files stay fast; the curve
// name functions read the file on every call, so they see only a few names.
constexpr size_t kFileNames = 24;
constexpr size_t kCurveFunctionNames = 4;

void CheckProfileSection(const std::wstring& path, std::wstring_view name, size_t bufferSize) {
    const ProfileSection section(path, name, bufferSize);
    Require(section.Count() == 0 || section.Count() + 1 <= bufferSize,
            "the section and its closing NUL fit into the buffer");
    Require(section.Text().size() == section.Count(), "the text is Count() characters");
    Require(section.Buffer()[section.Count()] == L'\0', "the buffer ends with a NUL");
    section.Lines();
}

// Every piece between blanks and "=" of the well_log lines, up to kFileNames.
std::vector<std::wstring> NamesFromFile(const std::wstring& path) {
    std::vector<std::wstring> names;
    const ProfileSection section(path, L"well_log", 1024);
    for (const std::wstring& line : section.Lines()) {
        size_t start = 0;
        while (start <= line.size() && names.size() < kFileNames) {
            const size_t end = std::min(line.find_first_of(L" =", start), line.size());
            names.push_back(line.substr(start, end - start));
            start = end + 1;
        }
    }
    return names;
}

void LookUp(WellAttributeLookup& lookup, const wchar_t* name) {
    unsigned int id = 0;
    if (lookup.FindAttribute(name, id)) {
        std::wstring matched;
        lookup.GetMatchedName(matched);
    }
    const int index = lookup.FindEntryIndex(name);
    Require(index < lookup.GetCount(), "an entry index lies in the table");
    WellAttributeEntry entry;
    const int aliases = lookup.GetEntry(name, entry);
    Require(aliases == static_cast<int>(entry.aliases.size()), "GetEntry counts the aliases");
}

void CurveNames(const wchar_t* name, bool displayName) {
    std::wstring result;
    get_curve_name(name, &result, displayName);
    std::vector<const wchar_t*> units;
    const unsigned int count = get_curve_units(name, &units);
    Require(count == units.size(), "get_curve_units counts its units");
    for (const wchar_t* unit : units)
        Require(unit != nullptr && std::wcslen(unit) < 64, "unit texts are short static texts");
}

} // namespace

void RunSettings(const std::uint8_t* data, std::size_t size) {
    QuietSession session;
    const FuzzInput input(data, size, 2);
    static const ScratchFile file("host.well_attri.ini");
    const std::wstring& path = file.Write(input.File());
    session.UseSettingsFile(path);

    const auto section = static_cast<WellAttributeSection>(input.Option(0) & 0x07);
    const wchar_t* sectionName = WellAttributeSectionName(section);
    CheckProfileSection(path, sectionName != nullptr ? sectionName : L"", input.Option(1) * 5u);

    WellAttributeLookup lookup(section, input.Flag(0, 3));
    std::vector<std::wstring> names(std::begin(kFixedNames), std::end(kFixedNames));
    for (std::wstring& name : NamesFromFile(path))
        names.push_back(std::move(name));
    for (const std::wstring& name : names)
        LookUp(lookup, name.c_str());
    std::vector<const wchar_t*> curveNames(kFixedNames, kFixedNames + kFixedCurveNames);
    for (size_t i = std::size(kFixedNames);
         i < names.size() && curveNames.size() < kCurveFunctionNames; ++i)
        curveNames.push_back(names[i].c_str());
    for (const wchar_t* name : curveNames)
        CurveNames(name, input.Flag(0, 4));
    unsigned int id = 0;
    Require(!lookup.FindAttribute(nullptr, id), "a null name is never found");
    Require(lookup.FindEntryIndex(nullptr) == -1, "a null canonical name has no entry");
    CurveNames(nullptr, false);
}

} // namespace welldata::fuzz
