#include "dialogs/CDlgImportBase.h"

#include "controls/CTabCtrlExt.h"
#include "controls/ControlId.h"
#include "controls/FixedPitchFont.h"
#include "dialogs/ExtendComboDropHeight.h"
#include "reader/CDataFileReader.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

constexpr int kNumberedCellWidth = 16;
constexpr int kPlainCellWidth = 18;
const QString kPreviewEnd = QStringLiteral("......");

} // namespace

CDlgImportBase::CDlgImportBase(CDataFileReader* reader, int previewId, int tabId, QWidget* parent)
    : QDialog(parent), m_pReader(reader), m_nPreviewId(previewId), m_nTabId(tabId) {}

CDlgImportBase::~CDlgImportBase() {
    // A dialog that was opened but never ended still leaves no rows behind.
    if (m_bInitialised && !m_bDestroyed && m_pReader != nullptr)
        m_pReader->Clear();
}

void CDlgImportBase::Bind() const {
    if (m_bBound)
        return;
    m_bBound = true;
    if (m_nPreviewId > 0)
        m_pPreview = welldata::FindControl<QPlainTextEdit>(this, m_nPreviewId);
    if (m_nTabId > 0)
        m_pTabs = welldata::FindControl<CTabCtrlExt>(this, m_nTabId);
    if (m_pPreview) {
        m_pPreview->setReadOnly(true);
        m_pPreview->setUndoRedoEnabled(false);
        m_pPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_pPreview->setFont(welldata::FixedPitchFont(m_pPreview->font()));
    }
    if (m_pTabs) {
        auto* self = const_cast<CDlgImportBase*>(this);
        connect(m_pTabs, &QTabWidget::currentChanged, self,
                [self](int index) { self->OnTabSelChange(index); });
    }
}

QPlainTextEdit* CDlgImportBase::GetPreviewBox() const {
    Bind();
    return m_pPreview;
}

CTabCtrlExt* CDlgImportBase::GetTabCtrl() const {
    Bind();
    return m_pTabs;
}

void CDlgImportBase::Initialise() {
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    Bind();
    m_bInitialising = true;
    m_bFileRead = OnInitDialog();
    m_bInitialising = false;
}

int CDlgImportBase::exec() {
    Initialise();
    if (m_bEndRequested) {
        done(m_nEndResult);
        return result();
    }
    return QDialog::exec();
}

void CDlgImportBase::setVisible(bool visible) {
    if (visible) {
        Initialise();
        if (m_bEndRequested) {
            // Never shown: the end comes once the caller is back in its event loop.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!m_bDestroyed)
                        done(m_nEndResult);
                },
                Qt::QueuedConnection);
            return;
        }
    }
    QDialog::setVisible(visible);
}

void CDlgImportBase::done(int result) {
    if (m_bInitialising) {
        m_bEndRequested = true;
        m_nEndResult = result;
        return;
    }
    if (!m_bDestroyed) {
        m_bDestroyed = true;
        OnDestroyDialog();
    }
    QDialog::done(result);
}

bool CDlgImportBase::OnInitDialog() {
    welldata::ExtendComboDropHeight(this, welldata::kComboDropExtension);
    if (m_pReader == nullptr) {
        done(QDialog::Rejected);
        return false;
    }
    bool read = true; // a format without a preview has nothing to fail
    switch (m_pReader->GetDataFormat()) {
    case COMMON::WLDF_TEXT:
        // A table that cannot be read gets no pages.
        if (!PreviewTable())
            return false;
        break;
    case COMMON::WLDF_LAS:
        read = PreviewRawText();
        break;
    }
    InitPages();
    return read;
}

bool CDlgImportBase::PreviewTable() {
    if (!m_pReader->Read(CDataFileReader::kReadPreview)) {
        done(QDialog::Rejected);
        return false;
    }
    OnHeaderRow(m_pReader->GetFirstRow());
    AddPreviewRow(m_pReader->GetFirstRow(), true);
    // Rows past the end of the table are empty and give empty lines.
    for (int row = 1; row <= kPreviewDataRows; ++row)
        AddPreviewRow(m_pReader->GetRow(row), false);
    AppendPreviewText(kPreviewEnd);
    return true;
}

bool CDlgImportBase::PreviewRawText() {
    const bool read = m_pReader->Read(CDataFileReader::kReadLasPreview);
    // The kept lines are taken in any case, so that none are left for a later read.
    QString text = QString::fromStdWString(m_pReader->TakePreviewText());
    if (!read) {
        done(QDialog::Rejected);
        return false;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    AppendPreviewText(text + kPreviewEnd);
    return true;
}

QString CDlgImportBase::FormatPreviewRow(const Row& row, bool numbered) {
    QString line;
    int number = 0;
    for (const std::wstring& cell : row) {
        const QString text = QString::fromStdWString(cell);
        if (numbered)
            line += QStringLiteral("%1:%2").arg(++number).arg(text, -kNumberedCellWidth);
        else
            line += QStringLiteral("%1").arg(text, -kPlainCellWidth);
    }
    return line;
}

void CDlgImportBase::AddPreviewRow(Row row, bool numbered) {
    if (GetPreviewBox() != nullptr)
        AppendPreviewText(FormatPreviewRow(row, numbered) + QLatin1Char('\n'));
}

void CDlgImportBase::OnHeaderRow(Row) {}

void CDlgImportBase::AppendPreviewText(const QString& text) {
    QPlainTextEdit* preview = GetPreviewBox();
    if (preview == nullptr)
        return;
    QTextCursor end(preview->document());
    end.movePosition(QTextCursor::End);
    preview->setTextCursor(end);
    preview->ensureCursorVisible();
    end.insertText(text);
}

bool CDlgImportBase::AddPage(QWidget* page, const QString& title) {
    if (page == nullptr)
        return false;
    if (CTabCtrlExt* tabs = GetTabCtrl()) {
        tabs->AddTabPage(page, title);
    } else if (page->parentWidget() == nullptr) {
        // Without tabs the page is kept, out of sight, for the dialog to own.
        page->setParent(this);
        page->hide();
    }
    return true;
}

void CDlgImportBase::OnTabSelChange(int index) {
    CTabCtrlExt* tabs = GetTabCtrl();
    if (tabs == nullptr)
        return;
    if (QWidget* page = tabs->PageAt(index))
        tabs->ShowTabPage(page);
}

void CDlgImportBase::OnDestroyDialog() {
    if (m_pReader != nullptr)
        m_pReader->Clear();
}
