// The multi-well log import ("导入多井数据"): shows the curve names of a batch
// of well log files (the batch's header table) and collects on two tabs
// ("设置井数据类型", "设置") the curves to load with their types and units, the
// depth reference, the curve group with its name and the null values, for
// every well of the batch. Its preview box is hidden.
//
// OK requires exactly one curve whose type is the depth (each other count
// gets its message, captioned "深度数据问题", and the dialog stays open), then
// hands everything to the well log loader through
// CWellLog::TakeMultiWellChoices and ends the dialog. Cancel hands nothing
// over.
//
// Usage (the batch preparation):
//   CDlgImportMultiWellLogs dialog(reader);   // the reader reads the header file
//   dialog.SetLoader(logLoader);
//   if (dialog.exec() == QDialog::Accepted) logLoader->LoadLog();
#pragma once

#include "dialogs/CDlgImportWellLogBase.h"

#include <memory>

class CDlgMultiWellLogInputData;
class CDlgSingleWellLogSetting;

namespace Ui {
class CDlgImportMultiWellLogs;
}

class CDlgImportMultiWellLogs : public CDlgImportWellLogBase {
    Q_OBJECT

public:
    enum ControlId { IDD = 10019, IDC_TABS = 30071, IDC_PREVIEW = 30082 };

    // `reader` is borrowed; the file is read when the dialog opens.
    explicit CDlgImportMultiWellLogs(CDataFileReader* reader, QWidget* parent = nullptr);
    ~CDlgImportMultiWellLogs() override;

    CDlgMultiWellLogInputData* GetDataPage() const { return m_pDataPage; }
    CDlgSingleWellLogSetting* GetSettingPage() const { return m_pSettingPage; }

    // OK: validates, hands the choices over, then ends the dialog.
    void accept() override;

protected:
    // The curve page and the settings page on their tabs, the curve page shown.
    void InitPages() override;
    QWidget* DataPageWindow() const override;

private:
    std::unique_ptr<Ui::CDlgImportMultiWellLogs> m_ui;
    CDlgMultiWellLogInputData* m_pDataPage;
    CDlgSingleWellLogSetting* m_pSettingPage;
};
