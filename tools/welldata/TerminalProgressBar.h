// The progress bar the library drives through CProgressCtrl, drawn as one line
// on a terminal: a label (the file being loaded), a bar and a percentage. The
// line is redrawn only when the percentage changes, and erased before anything
// else is written to the terminal.
#pragma once

#include "welldata/CProgressCtrl.h"

#include <cstdio>
#include <string>

class TerminalProgressBar : public CProgressCtrl {
public:
    explicit TerminalProgressBar(std::FILE* terminal) : m_terminal(terminal) {}
    ~TerminalProgressBar() override { Erase(); }

    // Shown in front of the bar from the next drawing on.
    void SetLabel(const std::wstring& label);
    // Removes the line, if one is shown; the next step draws it again.
    void Erase();

    void SetRange(int lower, int upper) override;
    void GetRange(int& lower, int& upper) const override;
    void SetStep(int step) override { m_step = step; }
    void SetPos(int position) override;
    void StepIt() override;
    bool HasWindow() const override { return true; }

private:
    int Percent() const;
    void Draw();

    std::FILE* m_terminal;
    std::wstring m_label;
    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_position = 0;
    int m_drawnPercent = -1;
    bool m_shown = false;
};
