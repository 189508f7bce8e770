#pragma once

#include <string>

#include "SaveJournal.h"

// What a load does first: a save of the set that was stopped half-way left its note (see
// CSaveJournal). A complete note is carried out, so the set is the saved one; an incomplete one
// is discarded with its temporaries, so the set is the old one; a note that cannot be carried
// out refuses the load, since the files are then a mix of old and new.
class CSaveRecovery {
public:
    static constexpr const char* kCompletedMessage =
        "The last save of this set was interrupted; it has been completed.";

    enum class EOutcome { NoNote, Discarded, Completed, Refused };
    struct CResult {
        EOutcome outcome = EOutcome::NoNote;
        std::string strMessage;  // why a load is refused: the files and where the old ones are
    };

    // Looks for the note of the set whose object file is objectFile and acts on it.
    static CResult Recover(const std::string& objectFile);

private:
    explicit CSaveRecovery(std::string notePath) : m_strNote(std::move(notePath)) {}

    void Discard(const CSaveJournal::CNote& note) const;
    CResult Complete(const CSaveJournal::CNote& note) const;
    CResult Refuse(const CSaveJournal::CNote& note, const std::string& problems) const;
    void RemoveNote() const;

    std::string m_strNote;
};
