// Every message the library shows to its user goes through ShowMessage. A host
// or a test installs a handler to receive them; without one, a Qt application
// that runs one of the library's dialog entry points gets a message box (a
// message raised on another thread is shown by the GUI thread), and any other
// process gets a line on standard error. Loads that take their choices from
// the host (CLoadData::ReadFile with a choice record) show nothing: their
// failure says why.
#pragma once

#include "welldata/Export.h"

#include <functional>
#include <string>

namespace welldata {

// The window that owns a message box.
enum class MessageOwner {
    FocusWindow,    // the window that has the keyboard focus
    Dialog,         // the dialog that raised the message
    None,           // no owner
    ApplicationBox, // the application's standard message box, captioned with its title
};

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageRequest {
    std::wstring text;
    std::wstring caption;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageOwner owner = MessageOwner::FocusWindow;
};

using MessageHandler = std::function<MessageResult(const MessageRequest&)>;

// Caption of the library's own message boxes (the host product's name).
WELLDATA_API extern const wchar_t* const kProductCaption;
// Caption of the application's standard message box.
WELLDATA_API extern const wchar_t* const kApplicationTitle;

// Installs `handler` for every later message and returns the previous one. An
// empty handler restores the default presentation.
WELLDATA_API MessageHandler SetMessageHandler(MessageHandler handler);

// Installs `handler` while it lives and puts the previous handler back at its
// end: a host's or a test's handler for one stretch of work.
class WELLDATA_API ScopedMessageHandler {
public:
    explicit ScopedMessageHandler(MessageHandler handler);
    ~ScopedMessageHandler();
    ScopedMessageHandler(const ScopedMessageHandler&) = delete;
    ScopedMessageHandler& operator=(const ScopedMessageHandler&) = delete;

private:
    MessageHandler m_previous;
};

WELLDATA_API MessageResult ShowMessage(const MessageRequest& request);

// The usual information box with the product caption and an OK button.
WELLDATA_API MessageResult ShowInformation(const std::wstring& text,
                                           MessageOwner owner = MessageOwner::FocusWindow);

// The application's standard message box (caption kApplicationTitle, OK).
WELLDATA_API MessageResult ShowApplicationMessage(const std::wstring& text);

} // namespace welldata
