// The library's file dialog: Qt's own (never the desktop's native) file dialog
// with a read-only box under it that shows a sample of the file layout the
// chosen kind of data expects. The sample follows the data kind and the file
// type the user picks.
//
// Filters come as "description|pattern|description|pattern||", for example
// "井轨迹 (*.txt)|*.txt||"; the file type index is 1-based.
//
// Usage (an interactive load):
//   CFileDialogExt dialog(true, QString(), QString(), filter, parent);
//   dialog.setWindowTitle("加载井数据");
//   dialog.SetDataKind(COMMON::LDT_WELL_DATA);
//   dialog.SetFilterIndex(4);
//   if (dialog.exec() == QDialog::Accepted) {
//       QString path = dialog.GetPathName();
//       int fileType = dialog.GetFilterIndex();
//   }
// A test answers it from a timer: find it as QApplication::activeModalWidget(),
// SelectFilterIndex / selectFile, then accept().
#pragma once

#include <QFileDialog>
#include <QStringList>

class QPlainTextEdit;

class CFileDialogExt : public QFileDialog {
    Q_OBJECT

public:
    enum ControlId { IDD_FILE_DIALOG_EXT = 10003, IDC_SAMPLE_BOX = 30009 };
    // Which sample a data kind and file type show.
    enum class Sample {
        None,
        WellHeads,
        WellPath,
        WellLog,
        RockCoreAnalysis,
        RockCoreDescribe,
        Las
    };

    // `openFileDialog` false makes a save dialog. `fileName` may carry a folder;
    // a folder that does not exist is left for the current one.
    CFileDialogExt(bool openFileDialog = true, const QString& defaultExtension = QString(),
                   const QString& fileName = QString(), const QString& filter = QString(),
                   QWidget* parent = nullptr);
    ~CFileDialogExt() override;

    // Makes the file type `index` (1-based) the chosen one and updates the
    // sample. An index outside the filters is kept but selects no filter.
    void SetFilterIndex(int index);
    // The file type chosen now (after exec: the one the user left selected).
    int GetFilterIndex() const { return m_filterIndex; }
    // The load type (COMMON::LOAD_DATA_TYPE): 0 well heads, 1 well paths,
    // 2 well data.
    void SetDataKind(int dataKind);
    int GetDataKind() const { return m_dataKind; }
    // Several files may be chosen at once.
    void SetMultipleSelection(bool multiple);

    // The chosen file, or the first of several; empty before a choice.
    QString GetPathName() const;
    QStringList GetPathNames() const;
    QStringList GetNameFilters() const { return m_nameFilters; }
    QPlainTextEdit* GetSampleBox() const { return m_sampleBox; }

    // Converts "desc|pattern|...||" into Qt name filters, one per pair.
    static QStringList ParseFilterText(const QString& filter);
    static Sample SampleFor(int dataKind, int filterIndex);
    // The sample text of a layout (empty for Sample::None).
    static QString SampleText(Sample sample);

    void done(int result) override;

private:
    void AddSampleBox();
    void WidenFileColumns();
    void StartIn(const QString& fileName);
    void OnFilterSelected(const QString& nameFilter);
    void UpdateSample();

    QPlainTextEdit* m_sampleBox = nullptr;
    QStringList m_nameFilters;
    int m_filterIndex = 1;
    int m_dataKind = 0;
};
