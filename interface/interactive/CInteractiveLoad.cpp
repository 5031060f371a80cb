#include "interface/interactive/CInteractiveLoad.h"

#include "controls/CFileDialogExt.h"
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "dialogs/CDlgImportWellHeads.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "dialogs/QtPresenters.h"
#include "interface/MultiWellHeader.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "loaders/CWellLog.h"
#include "loaders/CWellPath.h"
#include "platform/CWaitCursor.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"

#include <QPlainTextEdit>
#include <algorithm>

namespace {

struct FileDialogText {
    const char* title;
    const char* filter;
};

// Title and filter of the file dialog per load type; the order of a type's
// filters is the numbering of its file types.
FileDialogText FileDialogTextFor(COMMON::LOAD_DATA_TYPE type) {
    switch (type) {
    case COMMON::LDT_WELL_HEAD:
        return {QT_TRANSLATE_NOOP("CInteractiveLoad", "加载井位"),
                QT_TRANSLATE_NOOP("CInteractiveLoad", "井位 (*.txt)|*.txt||")};
    case COMMON::LDT_WELL_PATH:
        return {QT_TRANSLATE_NOOP("CInteractiveLoad", "加载井数据"),
                QT_TRANSLATE_NOOP("CInteractiveLoad", "井轨迹 (*.txt)|*.txt||")};
    case COMMON::LDT_WELL_DATA:
        return {
            QT_TRANSLATE_NOOP("CInteractiveLoad", "加载井数据"),
            QT_TRANSLATE_NOOP("CInteractiveLoad",
                              "井曲线 (*.txt)|*.txt|岩心分析数据(*.txt)|*.txt|岩心描述数据(*.txt)|"
                              "*.txt|井曲线 las ver 2.0格式(*.las)|*.las||")};
    default:
        return {"", ""};
    }
}

// A text of the table above in the chosen language; no text stays none.
QString Translated(const char* text) {
    return *text == '\0' ? QString() : CInteractiveLoad::tr(text);
}

// The well data file types are numbered from 3 in the host's preselection,
// after the well head and well path files.
int PreselectedFilterIndex(COMMON::LOAD_DATA_TYPE type, int defaultFilterType) {
    if (type == COMMON::LDT_WELL_DATA)
        return std::max(1, defaultFilterType - 2);
    return defaultFilterType;
}

} // namespace

bool CInteractiveLoad::ReadFile() {
    welldata::InstallQtPresenters();
    const COMMON::LOAD_DATA_TYPE type = CLoadData::GetProcessLoadType();
    if (type == COMMON::LDT_NEW_WELL_HEAD)
        return LoadNewWellHead();
    if (!ChooseFile(type))
        return false;
    return DispatchByFileType(type);
}

bool CInteractiveLoad::ChooseFile(COMMON::LOAD_DATA_TYPE type) {
    const FileDialogText text = FileDialogTextFor(type);
    CFileDialogExt dialog(true, QString(), QString(), Translated(text.filter),
                          welldata::OwnerWindow(welldata::MessageOwner::FocusWindow));
    dialog.setWindowTitle(Translated(text.title));
    dialog.SetDataKind(type);
    dialog.SetFilterIndex(PreselectedFilterIndex(type, m_load.m_nDefaultFilterType));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_load.m_strLoadFileName = dialog.GetPathName().toStdWString();
    m_load.m_pReader->SetFilePath(m_load.m_strLoadFileName);
    m_load.m_pReader->SetProgressCtrl(m_load.m_pProgress);
    m_load.m_nFileType = dialog.GetFilterIndex();
    return true;
}

bool CInteractiveLoad::DispatchByFileType(COMMON::LOAD_DATA_TYPE type) {
    const int fileType = m_load.m_nFileType;
    switch (type) {
    case COMMON::LDT_WELL_HEAD:
        return fileType == 1 && LoadWellHeads();
    case COMMON::LDT_WELL_PATH:
        return fileType == 1 && LoadWellPath();
    case COMMON::LDT_WELL_DATA:
        switch (fileType) {
        case 1:
            return LoadWellLogTable();
        case 2:
            return LoadCoreAnalysis();
        case 3:
            return LoadCoreDescription();
        case 4:
            return LoadLasFile();
        default:
            return false;
        }
    default:
        return false;
    }
}

// The roads below are filled in with their import dialogs.

// The tables are plain text tables whose first line is their header, whatever
// an earlier load on the same object left set.
void CInteractiveLoad::UseTextTable() {
    CDataFileReader& reader = *m_load.m_pReader;
    reader.SetDataFormat(COMMON::WLDF_TEXT);
    reader.SetHeaderRow(true);
    reader.SetHeaderSearch(false);
}

template <class Dialog, class Loader> bool CInteractiveLoad::RunImportDialog(Loader& loader) {
    UseTextTable();
    return ExecImportDialog<Dialog>(loader);
}

template <class Dialog, class Loader> bool CInteractiveLoad::ExecImportDialog(Loader& loader) {
    Dialog dialog(m_load.m_pReader.get());
    dialog.SetLoader(&loader);
    return dialog.exec() == QDialog::Accepted;
}

template <class Dialog, class Loader>
bool CInteractiveLoad::RunTableImport(Loader& loader, bool (Loader::*load)(), bool keepRows) {
    UseTextTable();
    return RunLoadDialog<Dialog>(
        loader, [&loader, load] { return (loader.*load)(); }, keepRows);
}

template <class Dialog, class Loader, class Load>
bool CInteractiveLoad::RunLoadDialog(Loader& loader, Load load, bool keepRows) {
    m_load.m_lastFailure = {};
    bool loaded = false;
    if (ExecImportDialog<Dialog>(loader)) {
        const CWaitCursor waitCursor;
        loaded = load();
        if (!loaded)
            m_load.RecordFailure();
    }
    if (!keepRows)
        m_load.m_pReader->Clear();
    return loaded;
}

bool CInteractiveLoad::LoadNewWellHead() {
    COMMON::STRUCT_WELL_HEAD& wellHead = m_load.m_stSingleWellHead;
    CDlgAddWellHead dialog;
    dialog.Preset(wellHead.strWellName, wellHead.dX, wellHead.dY, wellHead.fKB, wellHead.fTopDepth,
                  wellHead.fBottomDepth);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    wellHead = dialog.GetWellHead();
    return true;
}

bool CInteractiveLoad::LoadWellHeads() {
    m_load.DeleteWellHead();
    // The rows stay in the reader for the host's GetData.
    return RunTableImport<CDlgImportWellHeads>(*m_load.m_pWellHeadLoader, &CWellHead::Load, true);
}

bool CInteractiveLoad::LoadWellPath() {
    m_load.DeleteWellPath();
    return RunTableImport<CDlgImportSingleWellPath>(*m_load.m_pWellPathLoader, &CWellPath::LoadPath,
                                                    false);
}

bool CInteractiveLoad::LoadWellLogTable() {
    m_load.DeleteWellPath();
    m_load.DeleteWellLog();
    CDataFileReader& reader = *m_load.m_pReader;
    reader.SetDataFormat(COMMON::WLDF_TEXT);
    // The header is the first line naming the depth; the first line of the
    // table is its header whatever an earlier LAS load on the object left set.
    reader.SetHeaderSearch(true);
    reader.SetHeaderRow(true);
    CWellLog& loader = *m_load.m_pWellLogLoader;
    return RunLoadDialog<CDlgImportSingleWellLog>(
        loader, [&loader] { return loader.LoadLog(); }, false);
}

bool CInteractiveLoad::LoadCoreAnalysis() {
    m_load.DeleteRockCoreAnalyse();
    return RunTableImport<CDlgRockCoreAnalyse>(*m_load.m_pRockCoreAnalyseLoader,
                                               &CRockCoreAnalyse::Load, false);
}

bool CInteractiveLoad::LoadCoreDescription() {
    m_load.DeleteRockCoreDescribe();
    return RunTableImport<CDlgRockCoreDescribe>(*m_load.m_pRockCoreDescribeLoader,
                                                &CRockCoreDescribe::Load, false);
}

bool CInteractiveLoad::LoadLasFile() {
    m_load.DeleteWellPath();
    m_load.DeleteWellLog();
    CDataFileReader& reader = *m_load.m_pReader;
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    // The preview is a LAS read too: after an earlier load's Clear it needs
    // a section table as much as the load does.
    reader.EnsureSections();
    CWellLog& loader = *m_load.m_pWellLogLoader;
    return RunLoadDialog<CDlgImportSingleWellLog>(
        loader,
        [&reader, &loader] {
            reader.EnsureSections();
            return loader.LoadLas();
        },
        false);
}

bool CInteractiveLoad::ReadFile(COMMON::ILoadDataInterface<COMMON::STRUCT_WELL_PATH>* sink) {
    if (sink == nullptr)
        return false;
    welldata::InstallQtPresenters();
    const std::vector<std::wstring> paths = ChooseWellPathFiles();
    if (paths.empty())
        return false;
    CDataFileReader& reader = *m_load.m_pReader;
    reader.SetFilePath(paths.front());
    reader.SetProgressCtrl(nullptr);
    // One set of column choices, made on the first file, serves every file.
    if (!RunImportDialog<CDlgImportSingleWellPath>(*m_load.m_pWellPathLoader))
        return false;
    std::vector<std::wstring> refused;
    // The sink may look at each file's rows (GetData) while it takes the path.
    reader.SetKeepStreamedRows(true);
    const int count = static_cast<int>(paths.size());
    for (int index = 1; index <= count; ++index) {
        const std::wstring& path = paths[index - 1];
        reader.SetFilePath(path);
        {
            const CWaitCursor waitCursor;
            m_load.m_pWellPathLoader->LoadPath(); // a file that fails still goes to the sink
        }
        const std::wstring name = welldata::FileNameOf(path);
        if (!sink->OnDataLoaded(name.c_str(), m_load.m_stWellPath, index, count))
            refused.push_back(path);
        m_load.DeleteWellPath();
        reader.Clear();
    }
    reader.SetKeepStreamedRows(false);
    if (!refused.empty())
        welldata::ShowApplicationMessage(RefusedFilesMessage(refused));
    return true;
}

std::vector<std::wstring> CInteractiveLoad::ChooseWellPathFiles() const {
    CFileDialogExt dialog(true, QString(), QString(), tr("轨迹 (*.txt)|*.txt||"),
                          welldata::OwnerWindow(welldata::MessageOwner::FocusWindow));
    dialog.setWindowTitle(tr("加载轨迹"));
    dialog.SetDataKind(COMMON::LDT_WELL_PATH);
    dialog.SetMultipleSelection(true);
    std::vector<std::wstring> paths;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString& path : dialog.GetPathNames())
            paths.push_back(path.toStdWString());
    }
    return paths;
}

std::wstring CInteractiveLoad::RefusedFilesMessage(const std::vector<std::wstring>& refused) {
    std::wstring text = tr("下列数据没有找到对应的井,请确认之后重试:").toStdWString();
    for (size_t k = 0; k < refused.size(); ++k)
        text += L"\r\n(" + std::to_wstring(k + 1) + L"):" + refused[k];
    return text;
}

bool CInteractiveLoad::ReadFileWis(std::wstring& path) {
    welldata::InstallQtPresenters();
    CFileDialogExt dialog(true, QStringLiteral("wis"), QString(),
                          tr("加载wis格式曲线数据 (*.wis)|*.wis||"),
                          welldata::OwnerWindow(welldata::MessageOwner::FocusWindow));
    // WIS files are only picked here, never read: there is no layout to show.
    dialog.SetDataKind(-1);
    dialog.GetSampleBox()->hide();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    path = dialog.GetPathName().toStdWString();
    return true;
}

bool CInteractiveLoad::ReadFileMuilti(std::vector<std::wstring>& list, bool listHoldsFiles) {
    welldata::InstallQtPresenters();
    if (CLoadData::GetProcessLoadType() != COMMON::LDT_MULTI_WELL_LOG)
        return false;
    CDataFileReader& reader = *m_load.m_pReader;
    m_load.m_nFileType = 1;
    reader.SetProgressCtrl(nullptr);
    reader.SetHeaderSearch(true);
    // The batch stays silent about bad LAS files for the object's life.
    reader.SetBatchLoad(true);
    m_load.DeleteWellPath();
    m_load.DeleteWellLog();

    welldata::MultiWellHeader header;
    if (!listHoldsFiles) {
        header.AddNames(list);
    } else {
        if (!header.ReadFiles(reader, list, m_load.m_strLoadFileName)) {
            reader.Clear();
            return false;
        }
        if (!header.GetFailedFiles().empty())
            welldata::ShowInformation(header.FailedFilesMessage(),
                                      welldata::MessageOwner::FocusWindow);
    }
    // A header file that cannot be written is not reported: the dialog then
    // reads what is there, or ends.
    const std::wstring headerPath = welldata::MultiWellHeader::FilePath();
    header.Write(headerPath);
    m_load.m_strLoadFileName = headerPath;

    m_load.DeleteWellPath();
    m_load.DeleteWellLog();
    reader.SetProgressCtrl(nullptr);
    reader.SetHeaderSearch(true);
    reader.Clear();
    reader.SetFilePath(headerPath);
    reader.SetDataFormat(COMMON::WLDF_TEXT);
    // Its only row is the header, whatever an earlier LAS load left set.
    reader.SetHeaderRow(true);
    reader.Clear();
    CWellLog& loader = *m_load.m_pWellLogLoader;
    return RunLoadDialog<CDlgImportMultiWellLogs>(
        loader, [&loader] { return loader.LoadLog(); }, false);
}
