// A data file reader bound to a small table that a test writes into its own
// scratch folder.
#pragma once

#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <string>
#include <vector>

namespace loader_tests {

class TableFile {
public:
    // Writes `lines` joined by CR LF, the line end the tables come with.
    explicit TableFile(const std::vector<std::string>& lines);

    CDataFileReader& Reader() { return m_reader; }

private:
    testing_support::ScratchDir m_dir;
    CDataFileReader m_reader;
};

} // namespace loader_tests
