// The common part of the single well and multi-well log import dialogs: the
// well log loader that receives the choices on OK, the check OK makes of it
// before anything else, the choices handed over, and the repaint of the data
// page when the dialog comes back to the front.
//
// Usage (a log dialog):
//   void CDlgImportMyLog::accept() {
//       if (!CheckLoader()) return;               // said so and cancelled
//       ... collect, then Loader()->Take...(choices) ...
//       HandOver(choices);                        // keeps them and ends with OK
//   }
#pragma once

#include "dialogs/CDlgImportBase.h"
#include "welldata/LoadChoices.h"

#include <optional>

class CWellLog;

class CDlgImportWellLogBase : public CDlgImportBase {
    Q_OBJECT

public:
    // The loader that receives the choices on OK (borrowed); none at first.
    void SetLoader(CWellLog* loader) { m_pLoader = loader; }

    // The choices handed to the loader on OK; none before or without an OK.
    const std::optional<welldata::WellLogChoices>& GetHandedOver() const { return m_handedOver; }

protected:
    CDlgImportWellLogBase(CDataFileReader* reader, int previewId, int tabId, QWidget* parent);

    // The page repainted when the dialog is activated.
    virtual QWidget* DataPageWindow() const = 0;

    // Without a loader: "设置用户数据时，程序异常。" in the application's box,
    // the dialog ends as cancelled, false.
    bool CheckLoader();
    CWellLog* Loader() const { return m_pLoader; }
    // Keeps the choices the loader took and ends the dialog with OK.
    void HandOver(const welldata::WellLogChoices& choices);

    void changeEvent(QEvent* event) override;

private:
    CWellLog* m_pLoader = nullptr;
    std::optional<welldata::WellLogChoices> m_handedOver;
};
