// While a fuzz input runs nobody answers: messages are swallowed and the unit
// question keeps the file's units. The data code page and the settings file the
// input chose are put back afterwards, so inputs do not depend on each other.
#pragma once

#include "welldata/MessageBox.h"
#include "welldata/UnitQuestion.h"

#include <string>

namespace welldata::fuzz {

class QuietSession {
public:
    QuietSession();
    ~QuietSession();
    QuietSession(const QuietSession&) = delete;
    QuietSession& operator=(const QuietSession&) = delete;

    void UseCodePage(const std::string& name);
    void UseSettingsFile(const std::wstring& path);

    int MessageCount() const { return m_messages; }

private:
    ScopedMessageHandler m_messageHandler;
    ScopedUnitQuestionHandler m_questionHandler;
    std::string m_previousCodePage;
    bool m_settingsChanged = false;
    int m_messages = 0;
};

} // namespace welldata::fuzz
