// Shows the library's messages (and the command's own) on standard error, one
// per line, prefixed with the program and the file being loaded. While it
// lives it is the library's message handler.
#pragma once

#include "welldata/MessageBox.h"

#include <string>

class TerminalProgressBar;

class MessagePrinter {
public:
    // `progress`, when given, is erased before a message is written.
    explicit MessagePrinter(TerminalProgressBar* progress);
    ~MessagePrinter();
    MessagePrinter(const MessagePrinter&) = delete;
    MessagePrinter& operator=(const MessagePrinter&) = delete;

    // The file later messages are about; empty for none. Resets the count.
    void SetFile(const std::wstring& file);
    // Messages shown since the last SetFile.
    int MessageCount() const { return m_count; }
    // The last message shown since the last SetFile.
    const std::wstring& LastMessage() const { return m_last; }

    void Print(const std::wstring& text);
    void Print(const std::string& utf8);

    // While capturing, the library's messages are collected, not shown.
    void BeginCapture();
    // The collected messages, one per line; ends the capture.
    std::wstring EndCapture();

private:
    welldata::MessageResult OnMessage(const welldata::MessageRequest& request);

    TerminalProgressBar* m_progress;
    welldata::MessageHandler m_previous;
    std::wstring m_file;
    int m_count = 0;
    std::wstring m_last;
    bool m_capturing = false;
    std::wstring m_captured;
};
