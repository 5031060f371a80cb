// What the import dialogs preview of a table and preselect from it, for hosts
// without dialogs.
#include "welldata/TablePreview.h"

#include "interface/FailureReason.h"
#include "interface/HeaderSuggestions.h"
#include "loaders/TableCurveList.h"
#include "platform/QuietMessages.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "reader/TableColumnNames.h"
#include "settings/ColumnRecognizer.h"
#include "settings/PathColumnRecognizer.h"
#include "settings/WellAttributeId.h"

namespace welldata {

namespace {

// The 0-based column recognised as `id`, -1 for none.
int ColumnOf(const std::map<unsigned int, int>& recognised, unsigned int id) {
    const auto found = recognised.find(id);
    return found == recognised.end() ? -1 : found->second;
}

} // namespace

int FindColumnByName(const std::vector<std::wstring>& names, std::wstring_view name) {
    const auto unmarked = [](std::wstring_view text) {
        return text.size() > 1 && text.front() == L'#' ? text.substr(1) : text;
    };
    for (size_t i = 0; i < names.size(); ++i) {
        if (EqualsNoCase(unmarked(names[i]), unmarked(name)))
            return static_cast<int>(i);
    }
    return -1;
}

TablePreview PreviewTable(const std::wstring& path, TableKind kind) {
    TablePreview preview;
    preview.path = path;
    preview.kind = kind;
    const QuietMessages quiet;
    CDataFileReader reader;
    reader.SetFilePath(path);
    reader.SetHeaderSearch(kind == TableKind::WellLog);
    const bool read = reader.Read(CDataFileReader::kReadPreview);
    preview.report = reader.GetReport();
    if (!read) {
        preview.failure = reader.GetFailure();
        GiveReason(preview.failure);
        return preview;
    }
    preview.names = TableColumnNames(reader);
    for (size_t column = 0; column < preview.names.size(); ++column) {
        const int index = static_cast<int>(column);
        preview.numericFirstCell.push_back(reader.IsNumericCell(index));
        preview.numericColumn.push_back(reader.IsNumericColumn(index));
    }
    for (int row = 1; row <= reader.GetRowCount(); ++row)
        preview.rows.push_back(reader.GetRow(row));
    if (preview.names.empty())
        preview.failure.error = LoadError::NoData;
    return preview;
}

WellHeadChoices SuggestWellHeadChoices(const TablePreview& preview) {
    return SuggestWellHeadChoices(preview.names);
}

WellHeadChoices SuggestWellHeadChoices(const std::vector<std::wstring>& names) {
    const auto recognised =
        ColumnRecognizer(WellAttributeSection::WellHead, false).FindColumns(names);
    WellHeadChoices choices;
    choices.nameColumn = ColumnOf(recognised, WAI_WELL_NAME);
    choices.xColumn = ColumnOf(recognised, WAI_WELL_X);
    choices.yColumn = ColumnOf(recognised, WAI_WELL_Y);
    choices.wellTypeColumn = ColumnOf(recognised, WAI_WELL_TYPE);
    choices.topDepthColumn = ColumnOf(recognised, WAI_WELL_TOP_DEPTH);
    choices.bottomDepthColumn = ColumnOf(recognised, WAI_WELL_BOTTOM_DEPTH);
    choices.kbColumn = ColumnOf(recognised, WAI_WELL_KB);
    choices.wellTypeUsed = choices.wellTypeColumn >= 0;
    choices.topDepthUsed = choices.topDepthColumn >= 0;
    choices.bottomDepthUsed = choices.bottomDepthColumn >= 0;
    choices.kbUsed = choices.kbColumn >= 0;
    return choices;
}

PathColumnAssignment SuggestPathAssignment(const TablePreview& preview, std::int32_t dataType) {
    // Only columns whose first value is a number are offered, as on the page.
    return PathColumnRecognizer::Recognise(
        preview.names,
        [&preview](int column) { return preview.numericFirstCell[static_cast<size_t>(column)]; },
        dataType);
}

bool DetectPathLayout(const TablePreview& preview, PathColumnAssignment& assignment) {
    for (std::int32_t dataType = PATH_MD_INCL_AZIM; dataType <= PATH_X_Y_Z; ++dataType) {
        PathColumnAssignment suggested = SuggestPathAssignment(preview, dataType);
        if (IsAssignmentComplete(suggested)) {
            assignment = suggested;
            return true;
        }
    }
    return false;
}

std::list<COMMON::STRUCT_CURVE_ITEM> ListTableCurves(const TablePreview& preview,
                                                     LogImport import) {
    return TableCurveList::Build(
        preview.names,
        [&preview](int column) { return preview.numericColumn[static_cast<size_t>(column)]; },
        import == LogImport::SingleWell ? TableCurveList::Page::SingleWell
                                        : TableCurveList::Page::MultiWell);
}

WellLogChoices SuggestWellLogChoices(const TablePreview& preview) {
    WellLogChoices choices;
    choices.curves = ListTableCurves(preview, LogImport::SingleWell);
    return choices;
}

CoreAnalysisChoices SuggestCoreAnalysisChoices(const TablePreview& preview) {
    return SuggestCoreAnalysisChoices(preview.names);
}

CoreAnalysisChoices SuggestCoreAnalysisChoices(const std::vector<std::wstring>& names) {
    CoreAnalysisChoices choices;
    for (size_t column = 0; column < names.size(); ++column) {
        COMMON::STRUCT_CURVE_ITEM item;
        item.strName = names[column];
        item.nColumn = static_cast<std::int32_t>(column);
        choices.columns.push_back(std::move(item));
    }
    return choices;
}

CoreDescriptionChoices SuggestCoreDescriptionChoices(const TablePreview& preview) {
    return SuggestCoreDescriptionChoices(preview.names);
}

CoreDescriptionChoices SuggestCoreDescriptionChoices(const std::vector<std::wstring>& names) {
    const auto recognised =
        ColumnRecognizer(WellAttributeSection::RockCore, false).FindColumns(names);
    CoreDescriptionChoices choices;
    choices.topColumn = ColumnOf(recognised, WAI_CORE_TOP_DEPTH);
    choices.bottomColumn = ColumnOf(recognised, WAI_CORE_BOTTOM_DEPTH);
    choices.descriptionColumn = ColumnOf(recognised, WAI_CORE_DESCRIPTION);
    if (!names.empty())
        choices.descriptionName = names.back();
    return choices;
}

} // namespace welldata
