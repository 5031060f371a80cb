#include "reader/WrapJoinRule.h"

WrapJoinRule::Step WrapJoinRule::Next(std::size_t recordCells, std::size_t lineCells) {
    m_anyLine = true;
    m_totalCells += lineCells;
    if (recordCells == m_curveCount)
        return Step::StartNext;
    if (recordCells < m_curveCount && lineCells <= m_curveCount - recordCells)
        return Step::Append;
    m_whole = false;
    return Step::Broken;
}
