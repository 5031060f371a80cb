#include "reader/CLasParser.h"

#include "reader/CDataFileReader.h"

bool CLasParser::Parse() {
    // TODO(las): header and data parse.
    return false;
}
