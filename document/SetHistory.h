#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "SetChange.h"

// The steps applied to the set since it was loaded, newest last, and how many of them are in
// effect: the rest were undone and wait to be redone. A new step drops them. The history also
// remembers the position at which the set was last loaded or saved, so that stepping back
// there makes the set unmodified again.
class CSetHistory {
public:
    // The steps in effect; Step(0) to Step(Position() - 1) are applied.
    std::size_t Position() const { return m_nPosition; }
    std::size_t Count() const { return m_steps.size(); }
    const CSetChange& Step(std::size_t nStep) const { return m_steps[nStep]; }
    bool CanUndo() const { return m_nPosition > 0; }
    bool CanRedo() const { return m_nPosition < m_steps.size(); }

    // A step just applied; the undone steps go.
    void Push(CSetChange step);
    // The step that Undo takes back next, and it is then taken back.
    const CSetChange& StepBack();
    // The step that Redo applies again next, and it is then in effect.
    const CSetChange& StepForward();

    // The set as it is now is the set on disk.
    void MarkClean() { m_nCleanPosition = m_nPosition; }
    // No position of the history is the set on disk any more.
    void ForgetClean() { m_nCleanPosition.reset(); }
    bool IsClean() const { return m_nCleanPosition == m_nPosition; }

    void Clear();

private:
    std::vector<CSetChange> m_steps;
    std::size_t m_nPosition = 0;
    std::optional<std::size_t> m_nCleanPosition = 0;
};
