// Everything a load shows, in the order it shows it: each call on the progress
// bar (the queries included), each message box (owner, icon, buttons, caption
// and text) and each unit question with the units it proposes. While a
// RoadEvents lives, messages and questions come to it; a question is answered
// with the answer given, or left unanswered.
#pragma once

#include "welldata/CProgressCtrl.h"
#include "welldata/MessageBox.h"
#include "welldata/UnitQuestion.h"

#include <optional>
#include <string>
#include <vector>

namespace welldata::fuzz {

class RoadEvents {
public:
    // `window`: whether the bar has a window (a bar without one is never driven).
    explicit RoadEvents(bool window = true,
                        std::optional<UnitAnswer> answer = std::optional<UnitAnswer>());
    RoadEvents(const RoadEvents&) = delete;
    RoadEvents& operator=(const RoadEvents&) = delete;

    CProgressCtrl* Progress() { return &m_bar; }
    const std::vector<std::wstring>& Events() const { return m_events; }

private:
    class RecordingBar : public CProgressCtrl {
    public:
        RecordingBar(std::vector<std::wstring>& events, bool window)
            : m_events(events), m_window(window) {}
        void SetRange(int lower, int upper) override;
        void GetRange(int& lower, int& upper) const override;
        void SetStep(int step) override;
        void SetPos(int position) override;
        void StepIt() override;
        bool HasWindow() const override;

    private:
        void Add(std::wstring event) const;

        std::vector<std::wstring>& m_events;
        bool m_window;
        int m_lower = 0;
        int m_upper = 100;
    };

    std::vector<std::wstring> m_events;
    RecordingBar m_bar;
    ScopedMessageHandler m_messages;
    ScopedUnitQuestionHandler m_questions;
};

} // namespace welldata::fuzz
