// Hook through which the Qt part asks the unit question with its dialog. The
// presenter returns false without asking when there is no GUI.
#pragma once

#include "welldata/UnitQuestion.h"

namespace welldata {

using GuiUnitQuestionPresenter =
    std::function<bool(const std::wstring& filePath, UnitAnswer& answer, bool& asked)>;

void SetGuiUnitQuestionPresenter(GuiUnitQuestionPresenter presenter);

} // namespace welldata
