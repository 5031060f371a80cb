// The "设置" tab of the single and multi-well log imports: the depth reference
// ("补心海拔", "平均海拔" or "其它参照" with its elevation), whether the loaded
// curves form a new curve group ("创建新曲线组", with its name) or join the
// first one ("合并首曲线组", the default), and the values that mean missing
// data in the file (the list "未定义的井数据值", one value a row, "-9999.00" at
// first; its context menu adds a row, deletes the selected rows or all rows).
//
// Each time the page is shown it follows its dialog's path layout (see
// IPathDataTypeOwner): for X, Y, Z only the mean sea level reference can be
// chosen.
//
// Usage (a log dialog):
//   m_settingPage = new CDlgSingleWellLogSetting(this);  // then in InitPages:
//   AddPage(m_settingPage->Create(this), "设置");
//   // on OK:
//   m_settingPage->GetChoices(choices, withGroupName);
#pragma once

#include "pages/CDlgPage.h"
#include "welldata/LoadChoices.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CEditListCtrl;

namespace Ui {
class CDlgSingleWellLogSetting;
}

class CDlgSingleWellLogSetting : public CDlgPage {
    Q_OBJECT

public:
    enum ControlId {
        IDD = 10014,
        IDC_KELLY_BUSHING = 30098,
        IDC_MEAN_SEA_LEVEL = 30050,
        IDC_OTHER_REFERENCE = 30051,
        IDC_OTHER_ELEVATION = 30099,
        IDC_NULL_VALUES = 30056,
        IDC_NEW_GROUP = 30103,
        IDC_MERGE_FIRST_GROUP = 30104,
        IDC_GROUP_NAME = 30105,
        IDC_CONTINUOUS_CURVE = 30102,
    };
    // Columns of the null value list.
    enum NullValueColumn { kNumberColumn = 0, kValueColumn = 1 };

    explicit CDlgSingleWellLogSetting(QWidget* parent = nullptr);
    ~CDlgSingleWellLogSetting() override;

    // 0 a new curve group, 1 merged into the first curve group.
    std::int32_t GetGroupMode() const { return m_nGroupMode; }
    // DepthReference: 0 kelly bushing, 1 mean sea level, 2 other elevation.
    std::int32_t GetDepthReference() const { return m_nDepthReference; }
    // The elevation typed beside "其它参照" while that reference is chosen, else 0.
    float GetOtherElevation() const;
    // The text of the group name box.
    std::wstring GetGroupName() const;
    // The values of the null value list, from the last row to the first; rows
    // that are empty or read 0 (text that is not a number reads 0) add nothing.
    std::vector<float> GetNullValues() const;
    // The page's choices as a log import hands them over: the null values,
    // the group name (only when `withGroupName`), the group mode, the depth
    // reference and, for the other reference, its elevation.
    void GetChoices(welldata::WellLogChoices& out, bool withGroupName) const;

    CEditListCtrl* GetNullValueList() const;

protected:
    // The group mode, the kelly bushing reference, the elevation "0" (read-only)
    // and the list with its first row " 1", "-9999.00".
    void OnInitDialog() override;
    // Follows the dialog's path layout.
    void showEvent(QShowEvent* event) override;

private:
    void SetUpNullValueList();
    void OnDepthReferenceClicked(std::int32_t reference);
    void OnGroupModeClicked(std::int32_t mode);

    std::unique_ptr<Ui::CDlgSingleWellLogSetting> m_ui;
    std::int32_t m_nGroupMode = 1;
    std::int32_t m_nDepthReference = 0;
};
