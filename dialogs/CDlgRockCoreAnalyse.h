// The rock core analysis import: shows the table in a list whose column
// titles the user may rename by double-clicking them. OK hands every column
// to the rock core analysis loader under its title as the list shows it;
// Cancel hands nothing over.
//
// Usage (the entry point):
//   CDlgRockCoreAnalyse dialog(&reader);
//   dialog.SetLoader(&analysisLoader);
//   if (dialog.exec() == QDialog::Accepted) analysisLoader.Load();
#pragma once

#include "dialogs/CDlgDescreteDataBase.h"
#include "welldata/LoadChoices.h"

#include <memory>

class CRockCoreAnalyse;

namespace Ui {
class CDlgRockCoreAnalyse;
}

class CDlgRockCoreAnalyse : public CDlgDescreteDataBase {
    Q_OBJECT

public:
    enum ControlId { IDD = 10027, IDC_DATA_LIST = 30130 };

    explicit CDlgRockCoreAnalyse(CDataFileReader* reader, QWidget* parent = nullptr);
    ~CDlgRockCoreAnalyse() override;

    // The loader OK hands the columns to (borrowed).
    void SetLoader(CRockCoreAnalyse* loader);
    // Every list column, in order, under its title.
    welldata::CoreAnalysisChoices GetChoices() const;

    void accept() override;

protected:
    int InitDataList() override;
    // The column name itself, without a number.
    QString HeaderTitle(int number, const QString& name) const override;

private:
    std::unique_ptr<Ui::CDlgRockCoreAnalyse> m_ui;
    CRockCoreAnalyse* m_pLoader = nullptr;
};
