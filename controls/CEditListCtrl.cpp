#include "controls/CEditListCtrl.h"

#include "controls/CEditExt.h"
#include "controls/ControlId.h"
#include "settings/CurveTable.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

namespace {

struct MenuEntry {
    int commandId;
    const char* text;
};

const MenuEntry kCheckRowsMenu[] = {
    {CEditListCtrl::ID_CHECK_ALL, QT_TRANSLATE_NOOP("CEditListCtrl", "全选(&A)")},
    {CEditListCtrl::ID_UNCHECK_ALL, QT_TRANSLATE_NOOP("CEditListCtrl", "清除选择(&C)")},
};
const MenuEntry kRecordsMenu[] = {
    {CEditListCtrl::ID_ADD_RECORD, QT_TRANSLATE_NOOP("CEditListCtrl", "添加记录")},
    {CEditListCtrl::ID_DELETE_RECORD, QT_TRANSLATE_NOOP("CEditListCtrl", "删除记录")},
    {CEditListCtrl::ID_DELETE_ALL, QT_TRANSLATE_NOOP("CEditListCtrl", "删除全部")},
};

constexpr int kRowPadding = 10;
constexpr int kCheckBoxGap = 3;

QString FirstUnitOf(int curveId) {
    const CurveDefinition* curve = curveId > 0 ? FindCurveDefinition(curveId) : nullptr;
    if (curve == nullptr || curve->units == nullptr || curve->units[0] == nullptr)
        return QString();
    return QString::fromWCharArray(curve->units[0]);
}

// The first choice that begins with `text`, ignoring case; else the first.
int InitialChoice(const QList<CComboBoxExt::Choice>& choices, const QString& text) {
    for (int i = 0; i < choices.size(); ++i) {
        if (choices[i].text.startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return choices.isEmpty() ? -1 : 0;
}

} // namespace

CEditListCtrl::CEditListCtrl(QWidget* parent) : QTableWidget(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setMinimumSectionSize(0);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(header, &QHeaderView::sectionDoubleClicked, this, [this](int column) {
        if (m_headerTitlesEditable)
            EditHeaderTitle(column);
    });
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (IsEditing())
            FinishEdit();
    });
    QAbstractItemModel* rows = model();
    connect(
        rows, &QAbstractItemModel::rowsAboutToBeRemoved, this,
        [this](const QModelIndex&, int first, int last) { OnRowsAboutToBeRemoved(first, last); });
    // A header title edit or a cell edit cannot follow its column through a
    // column change or a reset: it is dropped.
    connect(rows, &QAbstractItemModel::columnsAboutToBeInserted, this, [this] { AbandonEdit(); });
    connect(rows, &QAbstractItemModel::columnsAboutToBeRemoved, this, [this] { AbandonEdit(); });
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] { AbandonEdit(); });
    connect(rows, &QAbstractItemModel::rowsInserted, this, [this] { PlaceOpenEditor(); });
    connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { PlaceOpenEditor(); });
}

CEditListCtrl::~CEditListCtrl() {
    // The model and header die after this part of the object: they must not
    // call back into it.
    disconnect(model(), nullptr, this, nullptr);
    disconnect(horizontalHeader(), nullptr, this, nullptr);
    CEditExt::DeleteSharedWithin(this);
    CComboBoxExt::DeleteSharedWithin(this);
}

void CEditListCtrl::SetColumnCount(int count) {
    if (count == GetColumnCount())
        return;
    m_columnEditKinds.assign(static_cast<size_t>(std::max(count, 0)), kNotEditable);
}

bool CEditListCtrl::SetColumnEditKind(int column, int kind) {
    if (column < 0 || column >= GetColumnCount())
        return false;
    m_columnEditKinds[static_cast<size_t>(column)] = kind;
    return true;
}

int CEditListCtrl::GetColumnEditKind(int column) const {
    if (column < 0 || column >= GetColumnCount())
        return kNotEditable;
    return m_columnEditKinds[static_cast<size_t>(column)];
}

int CEditListCtrl::InsertColumn(int column, const QString& title, int width) {
    column = std::clamp(column, 0, columnCount());
    insertColumn(column);
    auto* headerItem = new QTableWidgetItem(title);
    headerItem->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, headerItem);
    // At least as wide as its title: a translated title may be longer.
    setColumnWidth(column, std::max(width, horizontalHeader()->sectionSizeHint(column)));
    for (int row = 0; row < rowCount(); ++row)
        FillRowItems(row);
    return column;
}

QString CEditListCtrl::GetHeaderTitle(int column) const {
    const QTableWidgetItem* headerItem = horizontalHeaderItem(column);
    return headerItem != nullptr ? headerItem->text() : QString();
}

void CEditListCtrl::SetHeaderTitle(int column, const QString& title) {
    if (column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* headerItem = horizontalHeaderItem(column))
        headerItem->setText(title);
    else
        setHorizontalHeaderItem(column, new QTableWidgetItem(title));
}

QStringList CEditListCtrl::GetHeaderTitles() const {
    QStringList titles;
    for (int column = 0; column < columnCount(); ++column)
        titles << GetHeaderTitle(column);
    return titles;
}

void CEditListCtrl::SetCheckBoxes(bool on) {
    m_checkBoxes = on;
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem* first = CellItem(row, 0);
        if (first == nullptr)
            continue;
        if (on) {
            first->setFlags(first->flags() | Qt::ItemIsUserCheckable);
            first->setCheckState(Qt::Unchecked);
        } else {
            first->setFlags(first->flags() & ~Qt::ItemIsUserCheckable);
            first->setData(Qt::CheckStateRole, QVariant());
        }
    }
}

QTableWidgetItem* CEditListCtrl::CellItem(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return item(row, column);
}

void CEditListCtrl::FillRowItems(int row) {
    for (int column = 0; column < columnCount(); ++column) {
        if (item(row, column) != nullptr)
            continue;
        auto* cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (column == 0) {
            cell->setData(Qt::UserRole, kNoCurve);
            if (m_checkBoxes) {
                cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
                cell->setCheckState(Qt::Unchecked);
            }
        }
        setItem(row, column, cell);
    }
}

int CEditListCtrl::InsertRow(int row, const QString& firstCell) {
    row = std::clamp(row, 0, rowCount());
    insertRow(row);
    FillRowItems(row);
    SetItemText(row, 0, firstCell);
    return row;
}

int CEditListCtrl::AppendRow(const QStringList& cells) {
    const int row = InsertRow(rowCount(), cells.value(0));
    for (int column = 1; column < cells.size(); ++column)
        SetItemText(row, column, cells[column]);
    return row;
}

QString CEditListCtrl::GetItemText(int row, int column) const {
    const QTableWidgetItem* cell = CellItem(row, column);
    return cell != nullptr ? cell->text() : QString();
}

bool CEditListCtrl::SetItemText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    if (item(row, column) == nullptr)
        FillRowItems(row);
    item(row, column)->setText(text);
    return true;
}

int CEditListCtrl::GetItemData(int row) const {
    const QTableWidgetItem* first = CellItem(row, 0);
    const QVariant data = first != nullptr ? first->data(Qt::UserRole) : QVariant();
    return data.isValid() ? data.toInt() : kNoCurve;
}

bool CEditListCtrl::SetItemData(int row, int data) {
    if (row < 0 || row >= rowCount() || columnCount() == 0)
        return false;
    FillRowItems(row);
    item(row, 0)->setData(Qt::UserRole, data);
    return true;
}

bool CEditListCtrl::GetCheck(int row) const {
    const QTableWidgetItem* first = CellItem(row, 0);
    if (first == nullptr)
        return false;
    const QVariant state = first->data(Qt::CheckStateRole);
    return !state.isValid() || state.toInt() != Qt::Unchecked;
}

bool CEditListCtrl::SetCheck(int row, bool ticked) {
    if (!m_checkBoxes || row < 0 || row >= rowCount() || columnCount() == 0)
        return false;
    FillRowItems(row);
    item(row, 0)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    return true;
}

void CEditListCtrl::SetAllChecks(bool ticked) {
    for (int row = 0; row < rowCount(); ++row)
        SetCheck(row, ticked);
}

int CEditListCtrl::AddNumberedRow() {
    return AppendRow({QStringLiteral(" %1").arg(rowCount() + 1)});
}

void CEditListCtrl::DeleteSelectedRows() {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        removeRow(row);
}

void CEditListCtrl::DeleteAllRows() {
    setRowCount(0);
}

int CEditListCtrl::GetSelectionMark() const {
    return currentRow();
}

bool CEditListCtrl::RunCommand(int commandId) {
    switch (commandId) {
    case ID_CHECK_ALL:
        SetAllChecks(true);
        break;
    case ID_UNCHECK_ALL:
        SetAllChecks(false);
        break;
    case ID_ADD_RECORD:
        AddNumberedRow();
        break;
    case ID_DELETE_RECORD:
        DeleteSelectedRows();
        break;
    case ID_DELETE_ALL:
        DeleteAllRows();
        break;
    default:
        return false;
    }
    emit contextCommand(commandId);
    return true;
}

QList<CComboBoxExt::Choice> CEditListCtrl::ChoicesForCell(int row, int column) const {
    QList<CComboBoxExt::Choice> choices;
    switch (column) {
    case kFileColumnColumn:
        for (int number = 1; number <= rowCount(); ++number)
            choices.append({QString::number(number)});
        break;
    case kCurveTypeColumn:
        choices.append({QString(), kNoCurve});
        for (const CurveDefinition* curve = CurveTable; curve->id != 0; ++curve)
            choices.append({QString::fromWCharArray(curve->mnemonic), static_cast<int>(curve->id)});
        break;
    case kUnitColumn: {
        const int curveId = GetItemData(row);
        const CurveDefinition* curve = curveId > 0 ? FindCurveDefinition(curveId) : nullptr;
        for (const wchar_t* const* unit = curve ? curve->units : nullptr; unit && *unit && **unit;
             ++unit)
            choices.append({QString::fromWCharArray(*unit)});
        const QString text = GetItemText(row, column);
        const bool listed =
            std::any_of(choices.begin(), choices.end(),
                        [&text](const auto& choice) { return choice.text == text; });
        if (!listed)
            choices.prepend({text});
        break;
    }
    default:
        break;
    }
    return choices;
}

QStringList CEditListCtrl::GetCellChoiceTexts(int row, int column) const {
    QStringList texts;
    for (const CComboBoxExt::Choice& choice : ChoicesForCell(row, column))
        texts << choice.text;
    return texts;
}

void CEditListCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const QModelIndex index = indexAt(point);
    QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !index.isValid())
        return;
    // Selecting several rows never opens an editor, nor does ticking a row.
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    if (index.column() == 0 && m_checkBoxes && CheckIndicatorRect(index).contains(point))
        return;
    if (currentIndex().row() != index.row())
        return;
    EditCell(index.row(), index.column());
}

void CEditListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && currentIndex().isValid()) {
        EditCell(currentIndex().row(), currentIndex().column());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool CEditListCtrl::EditCell(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    FinishEdit();
    m_editColumn = column;
    if (GetColumnCount() == 0)
        return false;
    const QModelIndex index = model()->index(row, column);
    if (currentIndex() != index)
        setCurrentIndex(index);
    switch (GetColumnEditKind(column)) {
    case kChoiceList:
        return OpenChoiceList(index);
    case kTextEdit:
        return OpenTextBox(index);
    default:
        return false;
    }
}

QRect CEditListCtrl::CheckIndicatorRect(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

QRect CEditListCtrl::CellEditorRect(const QModelIndex& index) {
    QRect rect = visualRect(index);
    rect.setRight(std::min(rect.right(), viewport()->width() - 1));
    if (index.column() == 0 && m_checkBoxes)
        rect.setLeft(CheckIndicatorRect(index).right() + kCheckBoxGap);
    return rect;
}

InPlaceEditRequest CEditListCtrl::CellEditRequest(const QModelIndex& index) {
    // The whole cell must be in view before the editor covers it.
    scrollTo(index, QAbstractItemView::EnsureVisible);
    InPlaceEditRequest request;
    request.parent = viewport();
    request.rect = CellEditorRect(index);
    request.item = index.row();
    request.subItem = index.column();
    request.text = GetItemText(index.row(), index.column());
    request.owner = this;
    request.onFinished = [self = QPointer<CEditListCtrl>(this),
                          cell = QPersistentModelIndex(index)](const QString& result) {
        if (self)
            self->EndCellEdit(cell, result);
    };
    return request;
}

bool CEditListCtrl::OpenTextBox(const QModelIndex& index) {
    CEditExt::Shared()->Open(CellEditRequest(index));
    m_editedCell = index;
    return true;
}

bool CEditListCtrl::OpenChoiceList(const QModelIndex& index) {
    const int row = index.row();
    const int column = index.column();
    if (column == kUnitColumn && GetItemData(row) == kNoCurve)
        return false;
    if (columnWidth(column) < kMinChoiceColumnWidth)
        return false;
    const QList<CComboBoxExt::Choice> choices = ChoicesForCell(row, column);
    const int selection = InitialChoice(choices, GetItemText(row, column));
    auto onSelection = [self = QPointer<CEditListCtrl>(this),
                        cell = QPersistentModelIndex(index)](int, int curveId) {
        if (self && self->m_editColumn == kCurveTypeColumn)
            self->OnCurveTypeChosen(cell, curveId);
    };
    CComboBoxExt::Shared()->Open(CellEditRequest(index), choices, selection, onSelection,
                                 m_choiceListScroll);
    m_editedCell = index;
    return true;
}

void CEditListCtrl::EndCellEdit(const QPersistentModelIndex& cell, const QString& text) {
    if (m_editedCell == cell)
        m_editedCell = QPersistentModelIndex();
    // The row may have gone while the editor was open: its edit goes with it.
    if (!cell.isValid())
        return;
    SetItemText(cell.row(), cell.column(), text);
    emit cellEditEnded(cell.row(), cell.column(), text);
}

void CEditListCtrl::OnCurveTypeChosen(const QPersistentModelIndex& cell, int curveId) {
    if (!cell.isValid())
        return;
    const int row = cell.row();
    const int chosen = curveId > 0 ? curveId : kNoCurve;
    SetItemData(row, chosen);
    SetItemText(row, kUnitColumn, FirstUnitOf(chosen));
    emit curveTypeChosen(row, chosen);
}

bool CEditListCtrl::EditHeaderTitle(int column) {
    if (column < 0 || column >= columnCount())
        return false;
    FinishEdit();
    QHeaderView* header = horizontalHeader();
    InPlaceEditRequest request;
    request.parent = header->viewport();
    request.rect = QRect(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                         header->viewport()->height())
                       .adjusted(1, 1, -1, -1);
    request.item = 0;
    request.subItem = column;
    request.text = GetHeaderTitle(column).left(kMaxHeaderTitleLength);
    request.owner = this;
    request.onFinished = [self = QPointer<CEditListCtrl>(this), column](const QString& result) {
        if (!self || column >= self->columnCount())
            return;
        // A title cannot be emptied: a nameless column could not be told apart.
        if (!result.trimmed().isEmpty())
            self->SetHeaderTitle(column, result);
        emit self->headerTitleEdited(column, self->GetHeaderTitle(column));
    };
    CEditExt::Shared()->Open(request, kMaxHeaderTitleLength);
    return true;
}

bool CEditListCtrl::OwnsOpenEditor(const QWidget* editor) const {
    return editor != nullptr && isAncestorOf(editor);
}

bool CEditListCtrl::IsEditing() const {
    return OwnsOpenEditor(CEditExt::Current()) || OwnsOpenEditor(CComboBoxExt::Current());
}

void CEditListCtrl::FinishEdit() {
    if (CEditExt* box = CEditExt::Current(); OwnsOpenEditor(box))
        box->Finish();
    if (CComboBoxExt* list = CComboBoxExt::Current(); OwnsOpenEditor(list))
        list->Finish();
}

void CEditListCtrl::AbandonEdit() {
    if (CEditExt* box = CEditExt::Current(); OwnsOpenEditor(box))
        box->Abandon();
    if (CComboBoxExt* list = CComboBoxExt::Current(); OwnsOpenEditor(list))
        list->Abandon();
    m_editedCell = QPersistentModelIndex();
}

void CEditListCtrl::OnRowsAboutToBeRemoved(int first, int last) {
    if (m_editedCell.isValid() && m_editedCell.row() >= first && m_editedCell.row() <= last)
        AbandonEdit();
}

void CEditListCtrl::PlaceOpenEditor() {
    if (!m_editedCell.isValid())
        return;
    QWidget* editor = CEditExt::Current();
    if (!OwnsOpenEditor(editor))
        editor = CComboBoxExt::Current();
    if (OwnsOpenEditor(editor) && editor->parentWidget() == viewport())
        editor->setGeometry(CellEditorRect(m_editedCell));
}

void CEditListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    const MenuEntry* begin = nullptr;
    const MenuEntry* end = nullptr;
    int menuId = 0;
    switch (m_contextMenu) {
    case ContextMenu::CheckRows:
        begin = std::begin(kCheckRowsMenu);
        end = std::end(kCheckRowsMenu);
        menuId = IDR_CHECK_ROWS_MENU;
        break;
    case ContextMenu::Records:
        begin = std::begin(kRecordsMenu);
        end = std::end(kRecordsMenu);
        menuId = IDR_RECORDS_MENU;
        break;
    case ContextMenu::None:
        QTableWidget::contextMenuEvent(event);
        return;
    }
    FinishEdit();
    QMenu menu(this);
    menu.setProperty(welldata::kControlIdProperty, menuId);
    for (const MenuEntry* entry = begin; entry != end; ++entry) {
        QAction* action = menu.addAction(tr(entry->text));
        action->setProperty(welldata::kControlIdProperty, entry->commandId);
        const int commandId = entry->commandId;
        connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    }
    menu.exec(event->globalPos());
    event->accept();
}

void CEditListCtrl::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // The focused row is drawn across all its columns again.
    viewport()->update();
}

void CEditListCtrl::scrollContentsBy(int dx, int dy) {
    // The editor would be left over the wrong cell: scrolling ends the edit.
    if (IsEditing())
        FinishEdit();
    QTableWidget::scrollContentsBy(dx, dy);
}
