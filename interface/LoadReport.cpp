#include "welldata/LoadReport.h"

namespace welldata {

namespace {

std::wstring Count(std::size_t count, const wchar_t* one, const wchar_t* many) {
    return std::to_wstring(count) + L" " + (count == 1 ? one : many);
}

// " (line 3)", " (lines 3, 5, 8, ...)".
std::wstring Lines(const ReportedLines& finding) {
    std::wstring text = finding.lines.size() == 1 ? L" (line " : L" (lines ";
    for (std::size_t i = 0; i < finding.lines.size(); ++i)
        text += (i > 0 ? L", " : L"") + std::to_wstring(finding.lines[i]);
    return text + (finding.count > finding.lines.size() ? L", ...)" : L")");
}

} // namespace

std::vector<std::wstring> DescribeLoadReport(const LoadReport& report) {
    std::vector<std::wstring> sentences;
    if (report.nulBytes > 0)
        sentences.push_back(L"the file is not text: it holds " +
                            Count(report.nulBytes, L"NUL byte", L"NUL bytes"));
    else if (!report.IsText())
        sentences.push_back(L"the file is not text: " +
                            Count(report.controlBytes, L"control byte", L"control bytes") +
                            L" in " + Count(report.bytes, L"byte", L"bytes"));
    if (report.HeaderSplitsFurther())
        sentences.push_back(L"the header (line " + std::to_wstring(report.headerLine) +
                            L") splits into " + std::to_wstring(report.headerCells) +
                            L" names where the line shows " +
                            Count(report.headerFields, L"field", L"fields") +
                            L": columns are named after other columns' text");
    if (report.shortRows.count > 0)
        sentences.push_back(
            Count(report.shortRows.count, L"row has", L"rows have") +
            L" fewer cells than the header" + Lines(report.shortRows) +
            L": padded with -9999 at the end, after an empty field the values move left");
    if (report.longRows.count > 0)
        sentences.push_back(Count(report.longRows.count, L"row has", L"rows have") +
                            L" more cells than the header" + Lines(report.longRows) +
                            L": the cells past the header's are not loaded");
    if (report.textCells.count > 0)
        sentences.push_back(Count(report.textCells.count, L"cell is", L"cells are") +
                            L" not a number, read as 0" + Lines(report.textCells));
    return sentences;
}

} // namespace welldata
