#include "platform/GuiPresenters.h"
#include "platform/QuietMessages.h"
#include "welldata/Utf8.h"

#include <cstdio>
#include <mutex>

namespace welldata {

const wchar_t* const kProductCaption = L"Welvorax";
const wchar_t* const kApplicationTitle = L"WellData";

namespace {

// Function-local statics: the Qt part registers its presenter while the library
// is being loaded, possibly before this file's globals would be constructed.
struct Presenters {
    std::mutex mutex;
    MessageHandler handler;
    GuiMessagePresenter guiPresenter;
};

Presenters& GetPresenters() {
    static Presenters presenters;
    return presenters;
}

// The answer of a message nobody sees: the first button.
MessageResult DefaultAnswer(const MessageRequest& request) {
    return request.buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
}

MessageResult WriteToStandardError(const MessageRequest& request) {
    std::fprintf(stderr, "%s: %s\n", ToUtf8(request.caption).c_str(), ToUtf8(request.text).c_str());
    std::fflush(stderr);
    return DefaultAnswer(request);
}

} // namespace

// The Qt part's definition replaces this one when it is linked in.
__attribute__((weak)) void InstallGuiPresenters() {}

MessageHandler SetMessageHandler(MessageHandler handler) {
    Presenters& presenters = GetPresenters();
    std::lock_guard<std::mutex> lock(presenters.mutex);
    MessageHandler previous = std::move(presenters.handler);
    presenters.handler = std::move(handler);
    return previous;
}

void SetGuiMessagePresenter(GuiMessagePresenter presenter) {
    Presenters& presenters = GetPresenters();
    std::lock_guard<std::mutex> lock(presenters.mutex);
    presenters.guiPresenter = std::move(presenter);
}

ScopedMessageHandler::ScopedMessageHandler(MessageHandler handler)
    : m_previous(SetMessageHandler(std::move(handler))) {}

ScopedMessageHandler::~ScopedMessageHandler() {
    SetMessageHandler(std::move(m_previous));
}

MessageResult ShowMessage(const MessageRequest& request) {
    if (QuietMessages::IsActive())
        return DefaultAnswer(request);
    MessageHandler handler;
    GuiMessagePresenter presenter;
    {
        Presenters& presenters = GetPresenters();
        std::lock_guard<std::mutex> lock(presenters.mutex);
        handler = presenters.handler;
        presenter = presenters.guiPresenter;
    }
    if (handler)
        return handler(request);
    MessageResult result = MessageResult::Ok;
    if (presenter && presenter(request, result))
        return result;
    return WriteToStandardError(request);
}

MessageResult ShowInformation(const std::wstring& text, MessageOwner owner) {
    MessageRequest request;
    request.text = text;
    request.caption = kProductCaption;
    request.owner = owner;
    return ShowMessage(request);
}

MessageResult ShowApplicationMessage(const std::wstring& text) {
    MessageRequest request;
    request.text = text;
    request.caption = kApplicationTitle;
    request.icon = MessageIcon::None;
    request.owner = MessageOwner::ApplicationBox;
    return ShowMessage(request);
}

} // namespace welldata
