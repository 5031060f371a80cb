#include "pages/CDlgWellLogDataBase.h"

#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportBase.h"
#include "reader/LenientNumber.h"

#include <QEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

struct CurveListColumn {
    const char* title;
    int width;
    int editKind;
};

const CurveListColumn kCurveListColumns[] = {
    {QT_TRANSLATE_NOOP("CDlgWellLogDataBase", "曲线名称"), 100, CEditListCtrl::kTextEdit},
    {QT_TRANSLATE_NOOP("CDlgWellLogDataBase", "列"), 35, CEditListCtrl::kChoiceList},
    {QT_TRANSLATE_NOOP("CDlgWellLogDataBase", "曲线类型"), 75, CEditListCtrl::kChoiceList},
    {QT_TRANSLATE_NOOP("CDlgWellLogDataBase", "单位"), 75, CEditListCtrl::kChoiceList},
};

// The integer a text starts with, as a column cell reads; 0 for none.
int LeadingInteger(const QString& text) {
    const double value = welldata::LenientToDouble(text.toStdWString());
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), double(INT_MIN), double(INT_MAX)));
}

} // namespace

CDlgWellLogDataBase::CDlgWellLogDataBase(TableCurveList::Page page, QWidget* parent)
    : CDlgWellPathDataTypeBase(parent), m_page(page) {}

void CDlgWellLogDataBase::OnInitDialog() {
    CDlgWellPathDataTypeBase::OnInitDialog();
    if (FillCurveList() == 0) {
        if (CDlgImportBase* dialog = GetParentDialog())
            dialog->reject();
        return;
    }
    OnCurvesListed();
}

void CDlgWellLogDataBase::InitPage() {
    CDlgWellPathDataTypeBase::InitPage();
    SetUpCurveList();
}

void CDlgWellLogDataBase::SetUpCurveList() {
    CEditListCtrl* list = m_pCurveList;
    if (list == nullptr)
        return;
    list->SetCheckBoxes(true);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    int column = 0;
    for (const CurveListColumn& listColumn : kCurveListColumns)
        list->InsertColumn(column++, tr(listColumn.title), listColumn.width);
    list->SetColumnCount(column);
    list->SetChoiceListScroll(true);
    column = 0;
    for (const CurveListColumn& listColumn : kCurveListColumns)
        list->SetColumnEditKind(column++, listColumn.editKind);
    list->SetContextMenu(CEditListCtrl::ContextMenu::CheckRows);
    list->viewport()->installEventFilter(this);
    // A name longer than its column shows whole in its tool tip.
    connect(list, &CEditListCtrl::cellEditEnded, this,
            [list](int row, int cell, const QString& text) {
                if (cell == CEditListCtrl::kCurveNameColumn)
                    list->item(row, cell)->setToolTip(text);
            });
}

bool CDlgWellLogDataBase::eventFilter(QObject* watched, QEvent* event) {
    if (m_pCurveList != nullptr && watched == m_pCurveList->viewport() &&
        event->type() == QEvent::Resize)
        FitNameColumn();
    return CDlgWellPathDataTypeBase::eventFilter(watched, event);
}

void CDlgWellLogDataBase::FitNameColumn() {
    int othersWidth = 0;
    for (int column = 1; column < m_pCurveList->columnCount(); ++column)
        othersWidth += m_pCurveList->columnWidth(column);
    const int spare = m_pCurveList->viewport()->width() - othersWidth;
    m_pCurveList->setColumnWidth(CEditListCtrl::kCurveNameColumn,
                                 std::max(kCurveListColumns[0].width, spare));
}

void CDlgWellLogDataBase::ShowCurves(const std::vector<TableCurveList::ListedCurve>& rows) {
    CEditListCtrl* list = m_pCurveList;
    if (list == nullptr)
        return;
    list->DeleteAllRows();
    for (const TableCurveList::ListedCurve& curve : rows) {
        const QString name = QString::fromStdWString(curve.name);
        const int row = list->AppendRow({name, QString::number(curve.column),
                                         QString::fromStdWString(curve.type),
                                         QString::fromStdWString(curve.unit)});
        list->SetItemData(row, curve.curveId > 0 ? curve.curveId : CEditListCtrl::kNoCurve);
        list->SetCheck(row, true);
        list->item(row, CEditListCtrl::kCurveNameColumn)->setToolTip(name);
    }
}

QString CDlgWellLogDataBase::CellText(int row, int column) const {
    QString text = m_pCurveList->GetItemText(row, column);
    int length = kCellBufferLength - 1;
    if (text.size() <= length)
        return text;
    // The cut never leaves half of a character that takes two UTF-16 units.
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

int CDlgWellLogDataBase::CollectCurves(std::list<COMMON::STRUCT_CURVE_ITEM>& out) {
    if (m_pCurveList == nullptr)
        return 0;
    const int rows = m_pCurveList->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!m_pCurveList->GetCheck(row))
            continue;
        TableCurveList::ListedCurve curve;
        curve.name = CellText(row, CEditListCtrl::kCurveNameColumn).toStdWString();
        curve.column = LeadingInteger(CellText(row, CEditListCtrl::kFileColumnColumn));
        curve.type = CellText(row, CEditListCtrl::kCurveTypeColumn).toStdWString();
        curve.unit = CellText(row, CEditListCtrl::kUnitColumn).toStdWString();
        out.push_back(TableCurveList::ToCurve(curve, m_page));
    }
    return rows;
}
