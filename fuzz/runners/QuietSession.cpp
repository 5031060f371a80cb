#include "fuzz/runners/QuietSession.h"

#include "welldata/CodePage.h"
#include "welldata/Settings.h"

namespace welldata::fuzz {

QuietSession::QuietSession() : m_previousCodePage(GetDataCodePage()) {
    m_previousMessages = SetMessageHandler([this](const MessageRequest&) {
        ++m_messages;
        return MessageResult::Ok;
    });
    m_previousQuestion =
        SetUnitQuestionHandler([](const std::wstring&, UnitAnswer&) { return false; });
}

QuietSession::~QuietSession() {
    SetMessageHandler(std::move(m_previousMessages));
    SetUnitQuestionHandler(std::move(m_previousQuestion));
    if (GetDataCodePage() != m_previousCodePage)
        SetDataCodePage(m_previousCodePage);
    if (m_settingsChanged)
        SetSettingsFilePath(L"");
}

void QuietSession::UseCodePage(const std::string& name) {
    if (GetDataCodePage() != name)
        SetDataCodePage(name);
}

void QuietSession::UseSettingsFile(const std::wstring& path) {
    SetSettingsFilePath(path);
    m_settingsChanged = true;
}

} // namespace welldata::fuzz
