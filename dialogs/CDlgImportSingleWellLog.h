// The single well log import ("导入井数据"): previews a well log text table or
// a LAS file and collects on four tabs ("操作说明", "数据", "设置", "单位")
// the curves to load with their types and units, a well path the file may
// carry, the depth reference, the curve group, the null values and the file's
// units. The unit tab starts with the units of a LAS file's depth and
// coordinate curves until the user changes it.
//
// OK requires exactly one curve whose type is the depth (each other count
// gets its message and the dialog stays open), then hands everything to the
// well log loader through CWellLog::TakeChoices and ends the dialog. Cancel
// hands nothing over.
//
// Usage (the interactive entry point):
//   CDlgImportSingleWellLog dialog(reader);
//   dialog.SetLoader(logLoader);
//   if (dialog.exec() == QDialog::Accepted) logLoader->LoadLog();  // LoadLas for LAS
#pragma once

#include "dialogs/CDlgImportWellLogBase.h"
#include "pages/IPathDataTypeOwner.h"
#include "welldata/LoadChoices.h"

#include <memory>

class CDlgSingleWellLogHints;
class CDlgSingleWellLogInputData;
class CDlgSingleWellLogSetting;
class CDlgWellDataUnit;

namespace Ui {
class CDlgImportSingleWellLog;
}

class CDlgImportSingleWellLog : public CDlgImportWellLogBase, public IPathDataTypeOwner {
    Q_OBJECT

public:
    enum ControlId { IDD = 10011, IDC_TABS = 30050, IDC_PREVIEW = 30051 };
    enum TabIndex { kHintsTab = 0, kDataTab = 1, kSettingsTab = 2, kUnitTab = 3 };

    // `reader` is borrowed; the file is previewed when the dialog opens.
    explicit CDlgImportSingleWellLog(CDataFileReader* reader, QWidget* parent = nullptr);
    ~CDlgImportSingleWellLog() override;

    CDlgSingleWellLogHints* GetHintsPage() const { return m_pHintsPage; }
    CDlgSingleWellLogInputData* GetDataPage() const { return m_pDataPage; }
    CDlgSingleWellLogSetting* GetSettingPage() const { return m_pSettingPage; }
    CDlgWellDataUnit* GetUnitPage() const { return m_pUnitPage; }

    // The path layout the data page chose last (0 before it chose one).
    std::int32_t GetPathDataType() const override { return m_nDataType; }
    void SetPathDataType(std::int32_t dataType) override { m_nDataType = dataType; }

    // OK: validates, hands the choices over, then ends the dialog.
    void accept() override;

protected:
    // The four pages on their tabs, the unit page without angles and with the
    // file's units, the hints page shown.
    void InitPages() override;
    // The unit tab takes the file's units again (until the user changed it).
    void OnTabSelChange(int index) override;
    QWidget* DataPageWindow() const override;

private:
    void PresetUnitPage();
    // The pages' choices as OK hands them over.
    welldata::WellLogChoices CollectChoices();

    std::unique_ptr<Ui::CDlgImportSingleWellLog> m_ui;
    CDlgSingleWellLogHints* m_pHintsPage;
    CDlgSingleWellLogInputData* m_pDataPage;
    CDlgSingleWellLogSetting* m_pSettingPage;
    CDlgWellDataUnit* m_pUnitPage;
    std::int32_t m_nDataType = 0;
};
