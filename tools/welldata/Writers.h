// Where and in which form the command writes its results: standard output or
// a file, as UTF-8; a readable summary per file, CSV or JSON.
#pragma once

#include "Options.h"
#include "Report.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class OutputStream {
public:
    // "-" is standard output. Throws std::runtime_error when the file cannot
    // be created.
    explicit OutputStream(const std::string& path);
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    void Write(std::string_view utf8);
    void Write(std::wstring_view text);
    // Flushes and closes; throws std::runtime_error when anything was lost.
    void Close();

private:
    std::string m_path;
    std::FILE* m_file = nullptr;
    bool m_ownsFile = false;
};

class ReportWriter {
public:
    static std::unique_ptr<ReportWriter> Create(OutputFormat format, OutputStream& out);
    virtual ~ReportWriter() = default;

    // One table loaded from a file (a file may give more than one).
    virtual void Add(Table table) = 0;
    // A file that could not be loaded.
    virtual void AddFailure(const std::wstring& file, const std::wstring& reason) = 0;
    // Writes whatever is still held; called once, after the last file.
    virtual void Finish() = 0;
};

// JSON text pieces: a string with its escapes, and a number JSON can hold
// (the null value, NaN and infinities become null).
std::string JsonString(std::wstring_view text);
std::string JsonNumber(double value, const std::string& text);
