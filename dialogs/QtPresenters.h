// The Qt side of the library's hooks: message boxes, the wait cursor and the
// unit question, shown whenever the library runs inside a Qt application.
#pragma once

#include "welldata/MessageBox.h"
#include "welldata/UnitQuestion.h"

class QWidget;

namespace welldata {

// Registers the presenters; done once when the library is loaded.
void InstallQtPresenters();

// Whether a QApplication (widgets, not just a core application) is running.
bool HasWidgetApplication();

// The window a message box of `owner` belongs to, or null.
QWidget* OwnerWindow(MessageOwner owner);

bool PresentMessageBox(const MessageRequest& request, MessageResult& result);
bool PresentUnitQuestion(const std::wstring& filePath, UnitAnswer& answer, bool& asked);

} // namespace welldata
