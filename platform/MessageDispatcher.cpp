#include "platform/GuiPresenters.h"
#include "platform/Utf8.h"

#include <cstdio>
#include <mutex>

namespace welldata {

const wchar_t* const kProductCaption = L"Welvorax";
const wchar_t* const kApplicationTitle = L"WellData";

namespace {

std::mutex g_mutex;
MessageHandler g_handler;
GuiMessagePresenter g_guiPresenter;

MessageResult WriteToStandardError(const MessageRequest& request) {
    std::fprintf(stderr, "%s: %s\n", ToUtf8(request.caption).c_str(), ToUtf8(request.text).c_str());
    std::fflush(stderr);
    return request.buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
}

} // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    std::lock_guard<std::mutex> lock(g_mutex);
    MessageHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

void SetGuiMessagePresenter(GuiMessagePresenter presenter) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_guiPresenter = std::move(presenter);
}

MessageResult ShowMessage(const MessageRequest& request) {
    MessageHandler handler;
    GuiMessagePresenter presenter;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        handler = g_handler;
        presenter = g_guiPresenter;
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
