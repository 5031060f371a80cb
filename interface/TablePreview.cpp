// What the import dialogs preview of a table and preselect from it, for hosts
// without dialogs.
#include "welldata/TablePreview.h"

#include "loaders/TableCurveList.h"
#include "platform/QuietMessages.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "settings/ColumnRecognizer.h"
#include "settings/WellAttributeId.h"

namespace welldata {

namespace {

// The "well_path" attribute each path column stands for.
unsigned int PathColumnId(PathColumn column) {
    switch (column) {
    case PathColumn::Md:
        return WAI_PATH_MD;
    case PathColumn::Incl:
        return WAI_PATH_INCL;
    case PathColumn::Azim:
        return WAI_PATH_AZIM;
    case PathColumn::Tvd:
        return WAI_PATH_TVD;
    case PathColumn::Dx:
        return WAI_PATH_DX;
    case PathColumn::Dy:
        return WAI_PATH_DY;
    case PathColumn::X:
        return WAI_PATH_X;
    case PathColumn::Y:
        return WAI_PATH_Y;
    case PathColumn::Z:
        return WAI_PATH_Z;
    }
    return WAI_NONE;
}

std::wstring CleanName(std::wstring_view cell, bool first, bool dropCommentMark) {
    // A UTF-8 file with a byte order mark carries it into its first cell.
    if (first && !cell.empty() && cell.front() == L'\xFEFF')
        cell.remove_prefix(1);
    std::wstring name = Trim(cell);
    if (dropCommentMark && name.size() > 1 && name.front() == L'#')
        name.erase(0, 1);
    return name;
}

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
        return preview;
    }
    const Row header = reader.GetFirstRow();
    for (size_t column = 0; column < header.size(); ++column) {
        const int index = static_cast<int>(column);
        preview.names.push_back(CleanName(header[column], column == 0, kind == TableKind::WellLog));
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
    const auto recognised =
        ColumnRecognizer(WellAttributeSection::WellHead, false).FindColumns(preview.names);
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
    const auto recognised = ColumnRecognizer(WellAttributeSection::WellPath, false)
                                .FindColumns(preview.names, [&preview](int column) {
                                    return preview.numericFirstCell[static_cast<size_t>(column)];
                                });
    PathColumnAssignment assignment;
    assignment.dataType = dataType;
    std::vector<PathColumn> columns = RequiredPathColumns(dataType);
    columns.push_back(PathColumn::Md);
    for (PathColumn column : columns)
        assignment.Column(column) =
            static_cast<std::uint16_t>(ColumnOf(recognised, PathColumnId(column)) + 1);
    assignment.hasMd = assignment.Column(PathColumn::Md) > 0;
    return assignment;
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
    CoreAnalysisChoices choices;
    for (size_t column = 0; column < preview.names.size(); ++column) {
        COMMON::STRUCT_CURVE_ITEM item;
        item.strName = preview.names[column];
        item.nColumn = static_cast<std::int32_t>(column);
        choices.columns.push_back(std::move(item));
    }
    return choices;
}

CoreDescriptionChoices SuggestCoreDescriptionChoices(const TablePreview& preview) {
    const auto recognised =
        ColumnRecognizer(WellAttributeSection::RockCore, false).FindColumns(preview.names);
    CoreDescriptionChoices choices;
    choices.topColumn = ColumnOf(recognised, WAI_CORE_TOP_DEPTH);
    choices.bottomColumn = ColumnOf(recognised, WAI_CORE_BOTTOM_DEPTH);
    choices.descriptionColumn = ColumnOf(recognised, WAI_CORE_DESCRIPTION);
    if (!preview.names.empty())
        choices.descriptionName = preview.names.back();
    return choices;
}

} // namespace welldata
