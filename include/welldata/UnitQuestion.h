// The question a load asks when a LAS file's depth or coordinate curves are not
// in metres: in which units is the file, and does the answer hold for the files
// that follow. A Qt application gets the library's dialog; a host or a test can
// install its own handler (a terminal prompt, a fixed answer). Without either,
// the units the file declares are taken.
#pragma once

#include "welldata/Common.h"
#include "welldata/Export.h"

#include <functional>
#include <string>

namespace welldata {

struct UnitAnswer {
    COMMON::ENUM_COOR_UNIT coorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT depthUnit = COMMON::COOR_UNIT_M;
    bool dontAskAgain = false;
};

// Gets the file path and, in `answer`, the units found in the file. Returns true
// with the user's answer filled in, or false to keep the units found.
using UnitQuestionHandler = std::function<bool(const std::wstring& filePath, UnitAnswer& answer)>;

// Installs `handler` for every later question and returns the previous one; an
// empty handler restores the default.
WELLDATA_API UnitQuestionHandler SetUnitQuestionHandler(UnitQuestionHandler handler);

// Installs `handler` while it lives and puts the previous one back at its end.
class WELLDATA_API ScopedUnitQuestionHandler {
public:
    explicit ScopedUnitQuestionHandler(UnitQuestionHandler handler);
    ~ScopedUnitQuestionHandler();
    ScopedUnitQuestionHandler(const ScopedUnitQuestionHandler&) = delete;
    ScopedUnitQuestionHandler& operator=(const ScopedUnitQuestionHandler&) = delete;

private:
    UnitQuestionHandler m_previous;
};

WELLDATA_API bool AskUnitQuestion(const std::wstring& filePath, UnitAnswer& answer);

} // namespace welldata
