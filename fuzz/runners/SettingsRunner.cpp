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
const wchar_t* const kFixedNames[] = {L"DEPTH", L"",   L"dept", L"TVDSS",
                                      L"X1",    L"gr", L"井名", L"\xFFFD"};
// Every lookup reads the whole file, so the names taken from it are capped, and
// the curve name functions (which make a lookup per call) see one name.
constexpr size_t kFileNames = 16;

void CheckProfileSection(const std::wstring& path, std::wstring_view name, size_t bufferSize) {
    const ProfileSection section(path, name, bufferSize);
    Require(section.Count() == 0 || section.Count() + 1 <= bufferSize,
            "the section and its closing NUL fit into the buffer");
    Require(section.Text().size() == section.Count(), "the text is Count() characters");
    Require(section.Buffer()[section.Count()] == L'\0', "the buffer ends with a NUL");
    section.Lines();
}

// The pieces of the file between blanks, "=", brackets and line ends, each byte
// widened as it is: enough to hit the ASCII aliases without reading the file.
std::vector<std::wstring> NamesFromBytes(std::string_view bytes) {
    std::vector<std::wstring> names;
    std::wstring name;
    for (const char byte : bytes) {
        if (std::string_view(" =[]\r\n\t\0", 8).find(byte) == std::string_view::npos) {
            name += static_cast<wchar_t>(static_cast<unsigned char>(byte));
            continue;
        }
        if (!name.empty())
            names.push_back(std::move(name));
        name.clear();
        if (names.size() == kFileNames)
            return names;
    }
    if (!name.empty())
        names.push_back(std::move(name));
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
    const std::vector<std::wstring> fileNames = NamesFromBytes(input.File());
    for (const wchar_t* name : kFixedNames)
        LookUp(lookup, name);
    for (const std::wstring& name : fileNames)
        LookUp(lookup, name.c_str());
    const bool fileName = input.Flag(0, 5) && !fileNames.empty();
    CurveNames(fileName ? fileNames.front().c_str() : L"DEPTH", input.Flag(0, 4));
    CurveNames(L"", false);
    unsigned int id = 0;
    Require(!lookup.FindAttribute(nullptr, id), "a null name is never found");
    Require(lookup.FindEntryIndex(nullptr) == -1, "a null canonical name has no entry");
    CurveNames(nullptr, false);
}

} // namespace welldata::fuzz
