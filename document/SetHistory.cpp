#include "SetHistory.h"

void CSetHistory::Push(CSetChange step) {
    m_steps.resize(m_nPosition);
    if (m_nCleanPosition > m_nPosition) {
        m_nCleanPosition.reset();
    }
    m_steps.push_back(std::move(step));
    ++m_nPosition;
}

const CSetChange& CSetHistory::StepBack() {
    return m_steps[--m_nPosition];
}

const CSetChange& CSetHistory::StepForward() {
    return m_steps[m_nPosition++];
}

void CSetHistory::Clear() {
    m_steps.clear();
    m_nPosition = 0;
    m_nCleanPosition = 0;
}
