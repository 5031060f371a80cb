// Bad settings files, one case per row of docs/bad-input.md: how many entries a
// "well_log" lookup sees and the id the alias DEPT finds (-1 for none).
#include "robustness/BadInput.h"
#include "settings/WellAttributeLookup.h"
#include "welldata/Settings.h"

#include <gtest/gtest.h>

using namespace robustness;

TEST(SettingsBadInput, WellLogLookupSeesTheCataloguedEntries) {
    std::string longSection = "[well_log]\n";
    for (int i = 0; i < 150; ++i)
        longSection += "18=TVD" + std::to_string(i) + "\n";
    // Case, file, entries seen, id of DEPT.
    const std::tuple<const char*, std::string, int, int> cases[] = {
        {"missing file", kMissingFile, 0, -1},
        {"empty file", "", 0, -1},
        {"binary bytes", BinaryBytes(4096), 0, -1},
        {"NUL byte ends its line", std::string("[well_log]\n17=DEPTH\0DEPT\n", 25), 1, -1},
        {"UTF-16 file with a byte order mark", Utf16("[well_log]\r\n17=DEPTH DEPT\r\n"), 1, 17},
        {"UTF-8 without byte order mark", "[well_log]\n17=深度 DEPT\n", 1, 17},
        {"section past 1024 characters", longSection + "17=DEPT\n", 113, -1},
        {"second section of the same name", "[well_log]\n18=TVD\n[well_log]\n17=DEPT\n", 1, -1},
        {"line without = and key that is no number", "[well_log]\nDEPT\nabc=DEPT\n", 1, 0},
        {"duplicate aliases: the first entry wins", "[well_log]\n17=DEPT\n18=DEPT\n", 2, 17},
        {"lone CR line ends", "[well_log]\r17=DEPT\r", 1, 17},
    };
    for (const auto& [name, bytes, entries, deptId] : cases) {
        SCOPED_TRACE(name);
        CaseFile file;
        welldata::SetSettingsFilePath(file.Path("host.well_attri.ini", bytes));
        WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
        EXPECT_EQ(lookup.GetCount(), entries);
        unsigned int id = 0;
        EXPECT_EQ(lookup.FindAttribute(L"DEPT", id) ? static_cast<int>(id) : -1, deptId);
        welldata::SetSettingsFilePath(L"");
    }
}
