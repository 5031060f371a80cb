// The Qt side of the library's hooks: message boxes, the wait cursor and the
// unit question, shown when the library runs inside a Qt application. The
// entry points that may show a dialog install them (InstallGuiPresenters);
// nothing is installed while the library loads. Widgets are only ever made on
// the GUI thread: a message or question raised on another thread is shown by
// the GUI thread while the raising thread waits for the answer.
#pragma once

#include "welldata/MessageBox.h"
#include "welldata/UnitQuestion.h"

class QWidget;

namespace welldata {

// Registers the presenters (later calls change nothing) and puts the chosen
// language's catalogue into the running application.
void InstallQtPresenters();

// Whether a QApplication (widgets, not just a core application) is running.
bool HasWidgetApplication();

// The window a message box of `owner` belongs to, or null.
QWidget* OwnerWindow(MessageOwner owner);

bool PresentMessageBox(const MessageRequest& request, MessageResult& result);
bool PresentUnitQuestion(const std::wstring& filePath, UnitAnswer& answer, bool& asked);

} // namespace welldata
