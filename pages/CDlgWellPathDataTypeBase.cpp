#include "pages/CDlgWellPathDataTypeBase.h"

#include "controls/ControlId.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "reader/CDataFileReader.h"
#include "reader/TableColumnNames.h"
#include "settings/PathColumnRecognizer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace {

using welldata::PathColumn;
using RowColumns = std::array<std::optional<PathColumn>, CDlgWellPathDataTypeBase::kRowCount>;

// What rows 1 to 3 stand for in each data type.
RowColumns RowColumnsOf(std::int32_t dataType) {
    switch (dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM: // its row 3 list names the MD column
        return {PathColumn::Incl, PathColumn::Azim, std::nullopt};
    case PATH_TVD_DX_DY:
        return {PathColumn::Dx, PathColumn::Dy, PathColumn::Tvd};
    case PATH_TVD_X_Y:
        return {PathColumn::X, PathColumn::Y, PathColumn::Tvd};
    case PATH_X_Y_Z:
        return {PathColumn::X, PathColumn::Y, PathColumn::Z};
    default:
        return {};
    }
}

// A page's column number as the 16-bit record keeps it.
std::uint16_t RecordColumn(std::int32_t column) {
    return static_cast<std::uint16_t>(column);
}

QString EntryText(int column, const std::wstring& name) {
    return QStringLiteral("%1:%2").arg(column + 1).arg(QString::fromStdWString(name));
}

} // namespace

CDlgWellPathDataTypeBase::CDlgWellPathDataTypeBase(QWidget* parent) : CDlgPage(parent) {}

void CDlgWellPathDataTypeBase::BindPathControls(const PathControlIds& ids) {
    m_radioIds = ids.dataTypeRadios;
    for (int position = 0; position < kDataTypeRadioCount; ++position) {
        const int id = ids.dataTypeRadios[position];
        if (id <= 0 || !(m_radios[position] = welldata::FindControl<QRadioButton>(this, id)))
            continue;
        connect(m_radios[position], &QAbstractButton::clicked, this,
                [this, id] { OnDataTypeClicked(id); });
    }
    if (ids.mdExistsBox > 0 &&
        (m_pMdExists = welldata::FindControl<QCheckBox>(this, ids.mdExistsBox)))
        connect(m_pMdExists, &QAbstractButton::clicked, this, [this] { OnMdExistsClicked(); });
    for (int row = 0; row < kRowCount; ++row) {
        if (ids.rowLabels[row] > 0)
            m_rowLabels[row] = welldata::FindControl<QLabel>(this, ids.rowLabels[row]);
        if (ids.rowLists[row] > 0)
            m_rowLists[row] = welldata::FindControl<QComboBox>(this, ids.rowLists[row]);
    }
    if (ids.mdList > 0)
        m_pMdList = welldata::FindControl<QComboBox>(this, ids.mdList);
    for (QComboBox* list : ChoiceLists()) {
        if (list != nullptr)
            connect(list, &QComboBox::activated, this,
                    [this, list](int index) { OnColumnChosen(list, index); });
    }
}

QRadioButton* CDlgWellPathDataTypeBase::DataTypeRadio(int position) const {
    return position >= 0 && position < kDataTypeRadioCount ? m_radios[position].data() : nullptr;
}

QLabel* CDlgWellPathDataTypeBase::RowLabel(int row) const {
    return row >= 1 && row <= kRowCount ? m_rowLabels[row - 1].data() : nullptr;
}

QComboBox* CDlgWellPathDataTypeBase::RowList(int row) const {
    return row >= 1 && row <= kRowCount ? m_rowLists[row - 1].data() : nullptr;
}

std::array<QComboBox*, 4> CDlgWellPathDataTypeBase::ChoiceLists() const {
    return {m_pMdList.data(), RowList(1), RowList(2), RowList(3)};
}

int CDlgWellPathDataTypeBase::DataTypeRadioPosition(int controlId) const {
    for (int position = 0; position < kDataTypeRadioCount; ++position) {
        if (controlId > 0 && m_radioIds[position] == controlId)
            return position;
    }
    return -1;
}

CDlgWellPathDataTypeBase::ColumnElement
CDlgWellPathDataTypeBase::ElementOfList(const QComboBox* list) const {
    if (list == nullptr || list == m_pMdList)
        return kMdElement;
    if (list == RowList(1))
        return kRow1Element;
    if (list == RowList(2))
        return kRow2Element;
    return m_nDataType == PATH_LOG_MD_INCL_AZIM ? kMdElement : kRow3Element;
}

std::optional<PathColumn>
CDlgWellPathDataTypeBase::PathColumnOfElement(ColumnElement element) const {
    if (element == kMdElement)
        return PathColumn::Md;
    return RowColumnsOf(m_nDataType)[element - kRow1Element];
}

void CDlgWellPathDataTypeBase::OnInitDialog() {
    welldata::ExtendComboDropHeight(this, welldata::kComboDropExtension);
    InitPage();
    AutoAssignColumns();
}

void CDlgWellPathDataTypeBase::InitPage() {
    ClickDataTypeRadio(PATH_TVD_DX_DY);
    FillColumnChoices();
}

void CDlgWellPathDataTypeBase::ClickDataTypeRadio(int position) {
    QRadioButton* radio = DataTypeRadio(position);
    if (radio == nullptr)
        return;
    radio->setChecked(true);
    OnDataTypeClicked(m_radioIds[position]);
}

void CDlgWellPathDataTypeBase::SetRowLabels(const QString& row1, const QString& row2,
                                            const QString& row3, bool enableRow3) {
    const QString texts[kRowCount] = {row1, row2, row3};
    for (int row = 1; row <= kRowCount; ++row) {
        if (QLabel* label = RowLabel(row))
            label->setText(texts[row - 1]);
    }
    if (QComboBox* list = RowList(3))
        list->setEnabled(enableRow3);
    if (QLabel* label = RowLabel(3))
        label->setEnabled(enableRow3);
}

void CDlgWellPathDataTypeBase::OnDataTypeClicked(int controlId) {
    const int position = DataTypeRadioPosition(controlId);
    if (position < 0)
        return;
    // Which rows and boxes take part: MD, INCL, AZIM has no row 3 and always
    // an MD column; X, Y, Z may have an MD column beside its three.
    struct Layout {
        const char* rows[kRowCount];
        bool row3Enabled;
        bool mdExistsEnabled;
    };
    static const Layout kLayouts[kDataTypeRadioCount] = {
        {{"INCL", "AZIM", "TVD"}, false, false},
        {{"DX", "DY", "TVD"}, true, true},
        {{"X", "Y", "TVD"}, true, true},
        {{"X", "Y", "Z"}, true, true},
    };
    const Layout& layout = kLayouts[position];
    SetRowLabels(layout.rows[0], layout.rows[1], layout.rows[2], position != PATH_X_Y_Z);
    if (QCheckBox* mdExists = MdExistsBox())
        mdExists->setEnabled(layout.mdExistsEnabled);
    if (QComboBox* list = RowList(3))
        list->setEnabled(layout.row3Enabled);
    if (QLabel* label = RowLabel(3))
        label->setEnabled(layout.row3Enabled);
    m_nDataType = position;
    UpdateMdListEnabled();
    AutoAssignColumns();
}

void CDlgWellPathDataTypeBase::OnMdExistsClicked() {
    if (MdExistsBox() != nullptr)
        m_bHasMd = MdExistsBox()->isChecked();
    UpdateMdListEnabled();
}

void CDlgWellPathDataTypeBase::UpdateMdListEnabled() {
    // MD, INCL, AZIM cannot do without its MD column, whatever "存在MD" says.
    if (m_pMdList)
        m_pMdList->setEnabled(m_bHasMd || m_nDataType == PATH_MD_INCL_AZIM);
}

void CDlgWellPathDataTypeBase::OnColumnChosen(QComboBox* list, int index) {
    m_columns[ElementOfList(list)] = index >= 0 ? index + 1 : 0;
}

void CDlgWellPathDataTypeBase::FillColumnChoices() {
    const CDataFileReader* reader = GetReader();
    QStringList entries;
    if (reader != nullptr) {
        const std::vector<std::wstring> names = welldata::TableColumnNames(*reader);
        for (size_t column = 0; column < names.size(); ++column)
            entries << EntryText(static_cast<int>(column), names[column]);
    }
    for (QComboBox* list : ChoiceLists()) {
        if (list == nullptr)
            continue;
        list->clear();
        list->addItems(entries);
        list->setCurrentIndex(-1);
    }
    ShowColumnChoices();
}

void CDlgWellPathDataTypeBase::AutoAssignColumns() {
    const CDataFileReader* reader = GetReader();
    if (reader == nullptr)
        return;
    m_columns[kRow1Element] = m_columns[kRow2Element] = m_columns[kRow3Element] = 0;
    const std::vector<std::wstring> names = welldata::TableColumnNames(*reader);
    const welldata::PathColumnAssignment found = PathColumnRecognizer::Recognise(
        names, [reader](int column) { return reader->IsNumericCell(column); }, m_nDataType);
    for (QComboBox* list : ChoiceLists()) {
        const ColumnElement element = ElementOfList(list);
        const std::optional<PathColumn> column = PathColumnOfElement(element);
        if (list == nullptr || !column)
            continue;
        const int chosen = found.Column(*column);
        if (chosen <= 0)
            continue;
        const int entry =
            list->findText(EntryText(chosen - 1, names[chosen - 1]), Qt::MatchStartsWith);
        m_columns[element] = entry >= 0 ? chosen : 0;
    }
    ShowColumnChoices();
}

void CDlgWellPathDataTypeBase::ShowColumnChoices() {
    for (QComboBox* list : ChoiceLists()) {
        if (list == nullptr)
            continue;
        const int column = m_columns[ElementOfList(list)];
        list->setCurrentIndex(column > 0 && column <= list->count() ? column - 1 : -1);
    }
}

void CDlgWellPathDataTypeBase::GetColumnAssignment(welldata::PathColumnAssignment& out) const {
    out.dataType = m_nDataType;
    out.Column(PathColumn::Md) = RecordColumn(m_columns[kMdElement]);
    for (ColumnElement element : {kRow1Element, kRow2Element, kRow3Element}) {
        if (const std::optional<PathColumn> column = PathColumnOfElement(element))
            out.Column(*column) = RecordColumn(m_columns[element]);
    }
    if (m_nDataType == PATH_MD_INCL_AZIM)
        out.hasMd = true;
}

bool CDlgWellPathDataTypeBase::IsAssignmentComplete() const {
    const std::vector<PathColumn> required = welldata::RequiredPathColumns(m_nDataType);
    if (required.empty())
        return false;
    for (PathColumn column : required) {
        bool chosen = false;
        for (ColumnElement element : {kMdElement, kRow1Element, kRow2Element, kRow3Element}) {
            if (PathColumnOfElement(element) == column)
                chosen = chosen || m_columns[element] > 0;
        }
        if (!chosen)
            return false;
    }
    return true;
}
