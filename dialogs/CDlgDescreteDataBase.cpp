#include "dialogs/CDlgDescreteDataBase.h"

#include "controls/CEditListCtrl.h"
#include "controls/ControlId.h"
#include "dialogs/ColumnChoiceList.h"
#include "interface/HeaderSuggestions.h"
#include "reader/CDataFileReader.h"
#include "reader/TableColumnNames.h"

#include <QLabel>
#include <QStyle>

namespace {

constexpr int kHintPictureSize = 24;

} // namespace

CDlgDescreteDataBase::CDlgDescreteDataBase(CDataFileReader* reader, int listId, QWidget* parent)
    : QDialog(parent), m_pReader(reader), m_nListId(listId) {}

CDlgDescreteDataBase::~CDlgDescreteDataBase() = default;

CEditListCtrl* CDlgDescreteDataBase::GetDataList() const {
    if (!m_pList)
        m_pList = welldata::FindControl<CEditListCtrl>(this, m_nListId);
    return m_pList;
}

void CDlgDescreteDataBase::setVisible(bool visible) {
    if (visible && !m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

void CDlgDescreteDataBase::OnInitDialog() {
    InitDataList();
}

int CDlgDescreteDataBase::InitDataList() {
    if (CEditListCtrl* list = GetDataList()) {
        list->setShowGrid(true);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    if (m_pReader == nullptr || !m_pReader->Read(kRowLimit))
        return 0;
    if (InsertHeaderColumns() == 0)
        return 0;
    return InsertDataRows(kRowLimit);
}

std::vector<std::wstring> CDlgDescreteDataBase::HeaderNames() const {
    if (m_pReader == nullptr)
        return {};
    // Both rock core tables name their columns alike.
    return welldata::TableColumnNames(m_pReader->GetFirstRow(), false);
}

QString CDlgDescreteDataBase::HeaderTitle(int number, const QString& name) const {
    return welldata::NumberedColumnEntry(number, name);
}

int CDlgDescreteDataBase::InsertHeaderColumns() {
    CEditListCtrl* list = GetDataList();
    if (list == nullptr)
        return 0;
    const std::vector<std::wstring> names = HeaderNames();
    for (size_t cell = 0; cell < names.size(); ++cell) {
        const int column = static_cast<int>(cell);
        list->InsertColumn(column, HeaderTitle(column + 1, QString::fromStdWString(names[cell])),
                           kColumnWidth);
    }
    return static_cast<int>(names.size());
}

int CDlgDescreteDataBase::InsertDataRows(int rowLimit) {
    CEditListCtrl* list = GetDataList();
    if (list == nullptr || m_pReader == nullptr)
        return 0;
    const int rows = std::min(m_pReader->GetRowCount(), rowLimit);
    const size_t columns = static_cast<size_t>(list->columnCount());
    for (int row = 0; row < rows; ++row) {
        const Row cells = m_pReader->GetRow(row + 1);
        QStringList texts;
        for (size_t cell = 0; cell < columns; ++cell)
            texts << (cell < cells.size() ? QString::fromStdWString(cells[cell]) : QString());
        list->AppendRow(texts);
    }
    return rows;
}

void CDlgDescreteDataBase::ShowHintPicture(QLabel* picture) const {
    if (picture != nullptr)
        picture->setPixmap(
            style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kHintPictureSize));
}
