#include "fuzz/runners/RoadEvents.h"

namespace welldata::fuzz {

RoadEvents::RoadEvents(bool window, std::optional<UnitAnswer> answer)
    : m_bar(m_events, window), m_messages([this](const MessageRequest& request) {
          m_events.push_back(L"message owner " + std::to_wstring(static_cast<int>(request.owner)) +
                             L" icon " + std::to_wstring(static_cast<int>(request.icon)) +
                             L" buttons " + std::to_wstring(static_cast<int>(request.buttons)) +
                             L" caption " + request.caption + L" text " + request.text);
          return MessageResult::Ok;
      }),
      m_questions([this, answer](const std::wstring& path, UnitAnswer& units) {
          m_events.push_back(L"unit question " + path + L" coordinates " +
                             std::to_wstring(units.coorUnit) + L" depths " +
                             std::to_wstring(units.depthUnit));
          if (!answer)
              return false;
          units = *answer;
          return true;
      }) {}

void RoadEvents::RecordingBar::Add(std::wstring event) const {
    // Runs of steps are counted rather than listed.
    if (event == L"StepIt" && !m_events.empty() && m_events.back().rfind(L"StepIt", 0) == 0) {
        const size_t count =
            m_events.back() == L"StepIt" ? 1 : std::stoul(m_events.back().substr(7));
        m_events.back() = L"StepIt " + std::to_wstring(count + 1);
        return;
    }
    m_events.push_back(std::move(event));
}

void RoadEvents::RecordingBar::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    Add(L"SetRange " + std::to_wstring(lower) + L" " + std::to_wstring(upper));
}

void RoadEvents::RecordingBar::GetRange(int& lower, int& upper) const {
    lower = m_lower;
    upper = m_upper;
    Add(L"GetRange");
}

void RoadEvents::RecordingBar::SetStep(int step) {
    Add(L"SetStep " + std::to_wstring(step));
}

void RoadEvents::RecordingBar::SetPos(int position) {
    Add(L"SetPos " + std::to_wstring(position));
}

void RoadEvents::RecordingBar::StepIt() {
    Add(L"StepIt");
}

bool RoadEvents::RecordingBar::HasWindow() const {
    Add(L"HasWindow");
    return m_window;
}

} // namespace welldata::fuzz
