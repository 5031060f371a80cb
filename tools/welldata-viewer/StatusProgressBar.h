// The host's progress bar: the library's CProgressCtrl on a QProgressBar in
// the main window's status bar. While a load steps it, the window repaints
// between the steps (resized, uncovered, the bar moving) but takes no user
// input, so no second load can start inside the first.
#pragma once

#include "welldata/CProgressCtrl.h"

#include <QElapsedTimer>

class QProgressBar;

class StatusProgressBar : public CProgressCtrl {
public:
    // `bar` belongs to the status bar and outlives this object.
    explicit StatusProgressBar(QProgressBar* bar);

    // Shows the bar at zero for a load; Finish hides it again.
    void Start();
    void Finish();

    void SetRange(int lower, int upper) override;
    void GetRange(int& lower, int& upper) const override;
    void SetStep(int step) override;
    void SetPos(int position) override;
    void StepIt() override;
    bool HasWindow() const override;

    QProgressBar* Bar() const { return m_bar; }
    // How often the library stepped the bar since Start.
    int Steps() const { return m_steps; }

private:
    // Repaints when the last repaint is a moment ago: a step costs little
    // when it comes thousands of times a second.
    void Repaint();

    QProgressBar* m_bar;
    bool m_active = false; // between Start and Finish: a bar the library may drive
    int m_step = 1;
    int m_steps = 0;
    QElapsedTimer m_sinceRepaint;
};
