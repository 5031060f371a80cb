#include "fuzz/runners/QuietSession.h"

#include "welldata/CodePage.h"
#include "welldata/Settings.h"

namespace welldata::fuzz {

QuietSession::QuietSession()
    : m_messageHandler([this](const MessageRequest&) {
          ++m_messages;
          return MessageResult::Ok;
      }),
      m_questionHandler([](const std::wstring&, UnitAnswer&) { return false; }),
      m_previousCodePage(GetDataCodePage()) {}

QuietSession::~QuietSession() {
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
