#include "PathSink.h"

#include <QFileInfo>
#include <QString>

PathSink::PathSink(std::vector<COMMON::STRUCT_WELL_HEAD> heads,
                   std::function<void(int, int)> progress)
    : m_heads(std::move(heads)), m_progress(std::move(progress)) {}

const COMMON::STRUCT_WELL_HEAD* PathSink::WellOf(const QString& fileName) const {
    const QString well = QFileInfo(fileName).completeBaseName();
    for (const COMMON::STRUCT_WELL_HEAD& head : m_heads) {
        if (QString::fromStdWString(head.strWellName).compare(well, Qt::CaseInsensitive) == 0)
            return &head;
    }
    return nullptr;
}

bool PathSink::OnDataLoaded(const wchar_t* name, COMMON::STRUCT_WELL_PATH& record, int index,
                            int count) {
    if (m_progress)
        m_progress(index, count);
    const QString fileName = QString::fromWCharArray(name != nullptr ? name : L"");
    const COMMON::STRUCT_WELL_HEAD* head = WellOf(fileName);
    if (!m_heads.empty() && head == nullptr) {
        ++m_refused;
        return false;
    }
    // The library empties the record after the call: keep a copy.
    m_paths.push_back(
        {fileName.toStdWString(), record, head != nullptr ? std::optional(*head) : std::nullopt});
    return true;
}
