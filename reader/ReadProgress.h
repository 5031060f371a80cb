// The progress of reading a file: the bar steps once for every twentieth of
// the file read, the remainder carried on to the next chunk.
#pragma once

class CProgressCtrl;

class ReadProgress {
public:
    // `progress` may be null: nothing is stepped.
    ReadProgress(CProgressCtrl* progress, long long fileSize);

    // Reading has come `position` bytes into the file.
    void Reach(long long position);

private:
    CProgressCtrl* m_progress;
    long long m_bytesPerStep;
    long long m_position = 0;
    long long m_pending = 0;
};
