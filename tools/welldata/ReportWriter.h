// Writes the results of a command, file by file, in one of the output forms.
#pragma once

#include "DataTable.h"
#include "OutputFormat.h"

#include <memory>
#include <string>

class OutputStream;

class ReportWriter {
public:
    virtual ~ReportWriter() = default;

    // One table loaded from a file (a file may give more than one).
    virtual void Add(DataTable table) = 0;
    // A file that could not be loaded.
    virtual void AddFailure(const std::wstring& file, const std::wstring& reason) = 0;
    // Writes whatever is still held; called once, after the last file.
    virtual void Finish() = 0;

    static std::unique_ptr<ReportWriter> Create(OutputFormat format, OutputStream& out);
};
