#include "JsonReportWriter.h"

#include "ColumnSummary.h"
#include "JsonText.h"
#include "NumberText.h"
#include "OutputStream.h"

namespace {

struct PropertyJson {
    std::string operator()(const std::wstring& text) const { return JsonText::String(text); }
    std::string operator()(double number) const {
        return JsonText::Number(number, NumberText::Format(number));
    }
    std::string operator()(bool flag) const { return JsonText::Bool(flag); }
    std::string operator()(const std::vector<float>& numbers) const {
        std::string text = "[";
        for (size_t i = 0; i < numbers.size(); ++i)
            text += (i > 0 ? ", " : "") + NumberText::Format(numbers[i]);
        return text + "]";
    }
};

std::string Member(const std::string& name, const std::string& json) {
    return JsonText::String(std::string_view(name)) + ": " + json;
}

} // namespace

void JsonReportWriter::Add(DataTable table) {
    m_out.Write(m_started ? ",\n" : "{\n  \"files\": [\n");
    m_started = true;
    std::string text = "    {\n";
    text += "      " + Member("file", JsonText::String(table.file)) + ",\n";
    text += "      " + Member("kind", JsonText::String(std::string_view(table.kind))) + ",\n";
    text += "      " + Member("rows", std::to_string(table.RowCount())) + ",\n";
    text += "      " + Member("properties", Properties(table)) + ",\n";
    text += "      \"columns\": [";
    for (size_t i = 0; i < table.columns.size(); ++i)
        text += (i > 0 ? ",\n        " : "\n        ") + Column(table.columns[i]);
    text += table.columns.empty() ? "]\n    }" : "\n      ]\n    }";
    m_out.Write(text);
}

void JsonReportWriter::AddFailure(const std::wstring& file, const std::wstring& reason) {
    m_failures.push_back("{" + Member("file", JsonText::String(file)) + ", " +
                         Member("reason", JsonText::String(reason)) + "}");
}

void JsonReportWriter::Finish() {
    if (m_finished)
        return;
    m_finished = true;
    m_out.Write(m_started ? "\n  ],\n" : "{\n  \"files\": [],\n");
    std::string text = "  \"failed\": [";
    for (size_t i = 0; i < m_failures.size(); ++i)
        text += (i > 0 ? ",\n    " : "\n    ") + m_failures[i];
    text += m_failures.empty() ? "]\n}\n" : "\n  ]\n}\n";
    m_out.Write(text);
}

std::string JsonReportWriter::Properties(const DataTable& table) const {
    std::string text = "{";
    for (size_t i = 0; i < table.properties.size(); ++i)
        text += (i > 0 ? ", " : "") + Member(table.properties[i].key,
                                             std::visit(PropertyJson(), table.properties[i].value));
    return text + "}";
}

std::string JsonReportWriter::Column(const DataColumn& column) const {
    const ColumnSummary summary(column);
    const auto range = [&](double value, const std::string& text) {
        return summary.HasRange() ? JsonText::Number(value, text) : std::string("null");
    };
    std::string text = "{" + Member("name", JsonText::String(column.name));
    text += ", " + Member("type", JsonText::String(column.type));
    text += ", " + Member("unit", JsonText::String(column.unit));
    text += ", " + Member("display_name", JsonText::String(column.displayName));
    text += ", " + Member("logarithmic", JsonText::Bool(column.logarithmic));
    text += ", " + Member("samples", std::to_string(summary.Samples()));
    text += ", " + Member("nulls", std::to_string(summary.Nulls()));
    text += ", " + Member("min", range(summary.Min(), summary.MinText()));
    text += ", " + Member("max", range(summary.Max(), summary.MaxText()));
    return text + ",\n         " + Member("values", Values(column)) + "}";
}

std::string JsonReportWriter::Values(const DataColumn& column) {
    std::string text = "[";
    for (size_t row = 0; row < column.Size(); ++row) {
        if (row > 0)
            text += ", ";
        if (column.IsText())
            text += JsonText::String(std::string_view(column.Text(row)));
        else
            text += JsonText::Number(column.Number(row), column.Text(row));
    }
    return text + "]";
}
