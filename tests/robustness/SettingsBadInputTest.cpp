// Bad settings files: which entries a "well_log" lookup sees and whether the
// curve DEPT is recognised, one row of docs/bad-input.md per case.
#include "robustness/BadInput.h"
#include "settings/WellAttributeLookup.h"
#include "support/TestSupport.h"
#include "welldata/Settings.h"

#include <gtest/gtest.h>

using namespace robustness;

namespace {

constexpr int kNotFound = -1;

struct SettingsCase {
    const char* name;
    std::string file;
    int entries;
    int deptId; // the id "DEPT" finds, kNotFound when none
};

std::string LongSection() {
    std::string text = "[well_log]\n";
    for (int i = 0; i < 150; ++i)
        text += "18=TVD" + std::to_string(i) + "\n";
    return text + "17=DEPT\n";
}

std::vector<SettingsCase> Cases() {
    return {
        {"missing file", kMissingFile, 0, kNotFound},
        {"empty file", "", 0, kNotFound},
        {"binary bytes", BinaryBytes(4096), 0, kNotFound},
        {"NUL byte ends its line", std::string("[well_log]\n17=DEPTH\0DEPT\n", 25), 1, kNotFound},
        {"UTF-16 file with a byte order mark", Utf16("[well_log]\r\n17=DEPTH DEPT\r\n"), 1, 17},
        {"UTF-8 without byte order mark", "[well_log]\n17=深度 DEPT\n", 1, 17},
        {"section past 1024 characters", LongSection(), 113, kNotFound},
        {"second section of the same name", "[well_log]\n18=TVD\n[well_log]\n17=DEPT\n", 1,
         kNotFound},
        {"line without = and key that is no number", "[well_log]\nDEPT\nabc=DEPT\n", 1, 0},
        {"duplicate aliases: the first entry wins", "[well_log]\n17=DEPT\n18=DEPT\n", 2, 17},
        {"lone CR line ends", "[well_log]\r17=DEPT\r", 1, 17},
    };
}

} // namespace

TEST(SettingsBadInput, WellLogLookupSeesTheCataloguedEntries) {
    for (const SettingsCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        testing_support::ScratchDir dir;
        welldata::SetSettingsFilePath(FileOrMissing(dir, "host.well_attri.ini", c.file));
        WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
        EXPECT_EQ(lookup.GetCount(), c.entries);
        unsigned int id = 0;
        const bool found = lookup.FindAttribute(L"DEPT", id);
        EXPECT_EQ(found ? static_cast<int>(id) : kNotFound, c.deptId);
        welldata::SetSettingsFilePath(L"");
    }
}
