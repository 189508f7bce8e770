#pragma once

#include <string>

#include "VentryDoc.h"

// The document of the commands that write a set. The program never touches the set's
// ship-based aircraft file; here its save carries that file too, in the same transaction, so a
// failed save leaves all eleven files as they were.
class CToolDoc final : public CVentryDoc {
public:
    // The next save copies source as the ship-based aircraft file when source exists (with
    // bReplace false only when the set has none); without a source it creates an empty one when
    // the set has none, so the program's start-up search finds the set complete.
    void SetShipBasedAircraftSource(std::string source, bool bReplace = true) {
        m_strAircraftSource = std::move(source);
        m_bReplaceAircraft = bReplace;
    }

    void Serialize(CArchive& ar) override;

private:
    void StoreShipBasedAircraftFile();

    std::string m_strAircraftSource;
    bool m_bReplaceAircraft = true;
};
