// The rock core description import: shows the table (depth intervals with a
// text) in a list and lets the user choose the top depth, bottom depth and
// description columns, preselected by name through the "rock_core" section of
// the settings file, and name the description column (the last column's name
// to start with). OK hands the chosen columns and a non-empty name to the rock
// core description loader; a column left unchosen is not handed over. Cancel
// hands nothing over.
//
// Usage (the entry point):
//   CDlgRockCoreDescribe dialog(&reader);
//   dialog.SetLoader(&describeLoader);
//   if (dialog.exec() == QDialog::Accepted) describeLoader.Load();
#pragma once

#include "dialogs/CDlgDescreteDataBase.h"
#include "welldata/LoadChoices.h"

#include <memory>

class CRockCoreDescribe;

namespace Ui {
class CDlgRockCoreDescribe;
}

class CDlgRockCoreDescribe : public CDlgDescreteDataBase {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10028,
        IDC_DESCRIPTION_NAME = 30133,
        IDC_TOP_COLUMN = 30135,
        IDC_BOTTOM_COLUMN = 30136,
        IDC_DESCRIPTION_COLUMN = 30137,
        IDC_DATA_LIST = 30138,
    };

    explicit CDlgRockCoreDescribe(CDataFileReader* reader, QWidget* parent = nullptr);
    ~CDlgRockCoreDescribe() override;

    // The loader OK hands the choice to (borrowed).
    void SetLoader(CRockCoreDescribe* loader);
    // The choice as the controls show it now.
    welldata::CoreDescriptionChoices GetChoices() const;

    void accept() override;

protected:
    // The list, then the column lists and the name box.
    int InitDataList() override;

private:
    std::unique_ptr<Ui::CDlgRockCoreDescribe> m_ui;
    CRockCoreDescribe* m_pLoader = nullptr;
};
