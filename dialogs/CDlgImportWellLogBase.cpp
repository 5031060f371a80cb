#include "dialogs/CDlgImportWellLogBase.h"

#include "platform/ReadableMemory.h"
#include "welldata/MessageBox.h"

#include <QEvent>

CDlgImportWellLogBase::CDlgImportWellLogBase(CDataFileReader* reader, int previewId, int tabId,
                                             QWidget* parent)
    : CDlgImportBase(reader, previewId, tabId, parent) {}

bool CDlgImportWellLogBase::CheckLoader() {
    if (welldata::IsReadable(m_pLoader))
        return true;
    welldata::ShowApplicationMessage(tr("设置用户数据时，程序异常。").toStdWString());
    reject();
    return false;
}

void CDlgImportWellLogBase::HandOver(const welldata::WellLogChoices& choices) {
    m_handedOver = choices;
    CDlgImportBase::accept();
}

void CDlgImportWellLogBase::changeEvent(QEvent* event) {
    CDlgImportBase::changeEvent(event);
    QWidget* page = DataPageWindow();
    if (event->type() == QEvent::ActivationChange && page != nullptr && page->isVisible())
        page->update();
}
