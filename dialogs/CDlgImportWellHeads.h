// The well heads import: previews a well head table (one well per line) and
// lets the user say which column holds the well name, X and Y, and the
// optional kelly-bushing elevation, well type, wellhead depth and bottom depth,
// and in which unit the file gives each length. Columns whose names the
// "well_head" section of the settings file knows are preselected; an optional
// column counts only while its "使用" box is ticked, the units only while
// "选择单位" is. OK insists on name, X and Y and hands the choice to the well
// head loader; Cancel hands nothing over.
//
// Usage (the entry point):
//   CDlgImportWellHeads dialog(&reader);
//   dialog.SetLoader(&wellHeadLoader);
//   if (dialog.exec() == QDialog::Accepted) wellHeadLoader.Load();
#pragma once

#include "dialogs/CDlgImportBase.h"
#include "welldata/LoadChoices.h"

#include <memory>
#include <vector>

class CWellHead;
class QCheckBox;
class QComboBox;

namespace Ui {
class CDlgImportWellHeads;
}

class CDlgImportWellHeads : public CDlgImportBase {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10004,
        IDC_PREVIEW = 30024,
        IDC_WORKFLOW_STEP = 30083,
        IDC_NAME_COLUMN = 30010,
        IDC_KB_COLUMN = 30011,
        IDC_WELL_TYPE_COLUMN = 30012,
        IDC_TOP_DEPTH_COLUMN = 30013,
        IDC_BOTTOM_DEPTH_COLUMN = 30014,
        IDC_Y_COLUMN = 30015,
        IDC_X_COLUMN = 30016,
        IDC_USE_KB = 30017,
        IDC_USE_WELL_TYPE = 30018,
        IDC_USE_TOP_DEPTH = 30019,
        IDC_USE_BOTTOM_DEPTH = 30020,
        IDC_CHOOSE_UNITS = 30021,
        IDC_X_UNIT = 30153,
        IDC_Y_UNIT = 30154,
        IDC_KB_UNIT = 30155,
        IDC_TOP_DEPTH_UNIT = 30156,
        IDC_BOTTOM_DEPTH_UNIT = 30157,
    };

    // `reader` is borrowed and holds the chosen file.
    explicit CDlgImportWellHeads(CDataFileReader* reader, QWidget* parent = nullptr);
    ~CDlgImportWellHeads() override;

    // The loader OK hands the choice to (borrowed). Without one OK does nothing.
    void SetLoader(CWellHead* loader);
    // The choice as the controls show it now.
    welldata::WellHeadChoices GetChoices() const;

    // OK: name, X and Y must be chosen; then the choice goes to the loader.
    void accept() override;

protected:
    bool OnInitDialog() override;
    // Lists the file's columns in every column list and preselects those the
    // settings file recognises.
    void OnHeaderRow(Row row) override;

private:
    // One row of the settings grid: a column list, and where the attribute
    // has them a unit list and a "使用" box, with the choice fields they fill.
    struct Attribute {
        QComboBox* column;
        QComboBox* unit;
        QCheckBox* use;
        int welldata::WellHeadChoices::*columnField;
        COMMON::ENUM_COOR_UNIT welldata::WellHeadChoices::*unitField;
        bool welldata::WellHeadChoices::*usedField;
    };

    // A column list is enabled while its attribute is used, a unit list while
    // its attribute is used and units are chosen.
    void SynchroniseLists();

    std::unique_ptr<Ui::CDlgImportWellHeads> m_ui;
    std::vector<Attribute> m_attributes;
    CWellHead* m_pLoader = nullptr;
};
