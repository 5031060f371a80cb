// The well path import ("导入井轨迹"): previews a well path table and collects
// on three tabs ("操作说明", "数据", "单位") the layout of the trajectory, its
// columns, the null value and the file's units. OK checks that the column
// choice is complete (an incomplete one asks whether to choose again: Yes keeps
// the dialog open, No cancels the load) and that the null value is a number,
// then hands every choice to the well path loader through
// CWellPath::TakeChoices and ends the dialog. Cancel hands nothing over.
//
// Usage (the interactive entry point):
//   CDlgImportSingleWellPath dialog(reader);
//   dialog.SetLoader(pathLoader);
//   if (dialog.exec() == QDialog::Accepted) pathLoader->LoadPath();
#pragma once

#include "dialogs/CDlgImportBase.h"
#include "welldata/LoadChoices.h"

#include <memory>
#include <optional>

class CWellPath;
class CDlgSingleWellPathHints;
class CDlgSingleWellPathInputData;
class CDlgWellDataUnit;

namespace Ui {
class CDlgImportSingleWellPath;
}

class CDlgImportSingleWellPath : public CDlgImportBase {
    Q_OBJECT

public:
    enum ControlId { IDD = 10006, IDC_TABS = 30026, IDC_PREVIEW = 30027 };

    // `reader` is borrowed; the file is previewed when the dialog opens.
    explicit CDlgImportSingleWellPath(CDataFileReader* reader, QWidget* parent = nullptr);
    ~CDlgImportSingleWellPath() override;

    // The loader that receives the choices on OK (borrowed); none at first.
    void SetLoader(CWellPath* loader) { m_pLoader = loader; }

    CDlgSingleWellPathHints* GetHintsPage() const { return m_pHintsPage; }
    CDlgSingleWellPathInputData* GetDataPage() const { return m_pDataPage; }
    CDlgWellDataUnit* GetUnitPage() const { return m_pUnitPage; }

    // The choices handed to the loader on OK; none before or without an OK.
    const std::optional<welldata::PathColumnAssignment>& GetHandedOver() const {
        return m_handedOver;
    }

    // OK: validates, hands the choices over, then ends the dialog.
    void accept() override;

protected:
    // The three pages on their tabs, the hints page shown.
    void InitPages() override;

private:
    // The pages' choices in one record: the unit page's fields, then the data page's.
    welldata::PathColumnAssignment CollectAssignment() const;
    // Asks whether to choose again; false when the load is to be abandoned.
    bool AskToChooseAgain();

    std::unique_ptr<Ui::CDlgImportSingleWellPath> m_ui;
    CDlgSingleWellPathHints* m_pHintsPage;
    CDlgSingleWellPathInputData* m_pDataPage;
    CDlgWellDataUnit* m_pUnitPage;
    CWellPath* m_pLoader = nullptr;
    std::optional<welldata::PathColumnAssignment> m_handedOver;
};
