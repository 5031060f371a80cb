#include "interface/GuiUnitQuestion.h"

#include <mutex>

namespace welldata {

namespace {

struct UnitQuestionHooks {
    std::mutex mutex;
    UnitQuestionHandler handler;
    GuiUnitQuestionPresenter guiPresenter;
};

// Function-local: the Qt part registers while the library is being loaded.
UnitQuestionHooks& Hooks() {
    static UnitQuestionHooks hooks;
    return hooks;
}

} // namespace

UnitQuestionHandler SetUnitQuestionHandler(UnitQuestionHandler handler) {
    std::lock_guard<std::mutex> lock(Hooks().mutex);
    UnitQuestionHandler previous = std::move(Hooks().handler);
    Hooks().handler = std::move(handler);
    return previous;
}

ScopedUnitQuestionHandler::ScopedUnitQuestionHandler(UnitQuestionHandler handler)
    : m_previous(SetUnitQuestionHandler(std::move(handler))) {}

ScopedUnitQuestionHandler::~ScopedUnitQuestionHandler() {
    SetUnitQuestionHandler(std::move(m_previous));
}

void SetGuiUnitQuestionPresenter(GuiUnitQuestionPresenter presenter) {
    std::lock_guard<std::mutex> lock(Hooks().mutex);
    Hooks().guiPresenter = std::move(presenter);
}

bool AskUnitQuestion(const std::wstring& filePath, UnitAnswer& answer) {
    UnitQuestionHandler handler;
    GuiUnitQuestionPresenter presenter;
    {
        std::lock_guard<std::mutex> lock(Hooks().mutex);
        handler = Hooks().handler;
        presenter = Hooks().guiPresenter;
    }
    if (handler)
        return handler(filePath, answer);
    bool asked = false;
    if (presenter) {
        const bool accepted = presenter(filePath, answer, asked);
        if (asked)
            return accepted;
    }
    return false;
}

} // namespace welldata
