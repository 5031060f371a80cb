#include "ReportWriter.h"

#include "CsvReportWriter.h"
#include "JsonReportWriter.h"
#include "SummaryReportWriter.h"

std::unique_ptr<ReportWriter> ReportWriter::Create(OutputFormat format, OutputStream& out) {
    switch (format) {
    case OutputFormat::Csv:
        return std::make_unique<CsvReportWriter>(out);
    case OutputFormat::Json:
        return std::make_unique<JsonReportWriter>(out);
    case OutputFormat::Summary:
        break;
    }
    return std::make_unique<SummaryReportWriter>(out);
}
