// Parses the raw lines of a LAS 2.0 file held by a reader into its section table
// and row table, with the checks and messages of a LAS load.
#pragma once

class CDataFileReader;

class CLasParser {
public:
    explicit CLasParser(CDataFileReader& reader) : m_reader(reader) {}

    // True when the header parsed and every row holds one value per curve.
    bool Parse();

private:
    CDataFileReader& m_reader;
};
