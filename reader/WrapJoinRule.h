// How the data lines of a wrapped LAS file (WRAP YES: one depth step spread
// over several lines) join into records of one value per curve: a line
// continues the record while it fits, the line after a complete record starts
// the next one, and a line holding more values than its record still needs
// breaks the join for good. Shared by the joiners of wide and of kept rows.
#pragma once

#include <cstddef>

class WrapJoinRule {
public:
    enum class Step { Append, StartNext, Broken };

    explicit WrapJoinRule(std::size_t curveCount) : m_curveCount(curveCount) {}

    std::size_t CurveCount() const { return m_curveCount; }
    // False once a line has broken the join: later lines are ignored.
    bool IsWhole() const { return m_whole; }
    bool AnyLine() const { return m_anyLine; }
    // What a line of `lineCells` cells does to a record of `recordCells`.
    Step Next(std::size_t recordCells, std::size_t lineCells);
    // Whether a record of `recordCells` cells left at the end is complete.
    bool IsComplete(std::size_t recordCells) const {
        return m_curveCount > 0 && recordCells == m_curveCount;
    }
    // After the last line: whether `records` finished records hold every cell.
    bool Joined(std::size_t records) const {
        return m_curveCount > 0 && m_anyLine && m_whole && records * m_curveCount == m_totalCells;
    }

private:
    std::size_t m_curveCount;
    std::size_t m_totalCells = 0;
    bool m_anyLine = false;
    bool m_whole = true;
};
