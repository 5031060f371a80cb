// How the reader's parse and the loaders advance the host's progress bar: about
// 30 percent of the bar's range spread over the items of one pass.
#pragma once

class CProgressCtrl;

class StepProgress {
public:
    // `extraStep`: when there are no more items than steps, every item advances
    // the bar by steps / items + 1 instead of steps / items.
    StepProgress(CProgressCtrl* progress, long long items, bool extraStep);

    // Advances the bar for the item counted as `index`.
    void Advance(long long index);
    // Advances the bar as Advance does for each of the items `first` to
    // `last`, in one go: for a pass whose items were counted while a file was
    // read, shown once the reading is done.
    void AdvanceThrough(long long first, long long last);

    int Steps() const { return m_steps; }

private:
    CProgressCtrl* m_progress = nullptr;
    long long m_items = 0;
    int m_steps = 0;
    long long m_stride = 0;  // step once every m_stride items when items exceed steps
    long long m_perItem = 0; // otherwise step this many times per item
};
