#include "LoadFindings.h"

std::size_t CLoadFindings::TrailingBytes(Database database) const {
    for (const CTrailingBytes& trailing : trailingBytes) {
        if (trailing.database == database) {
            return trailing.nBytes;
        }
    }
    return 0;
}

void CLoadFindings::NoteRead(Database database, const std::string& file, std::size_t nTrailingBytes,
                             std::span<const CKeyTable::Replacement> replaced) {
    if (nTrailingBytes > 0) {
        trailingBytes.push_back({database, file, nTrailingBytes});
    }
    for (const CKeyTable::Replacement& replacement : replaced) {
        duplicateIndices.push_back(
            {database, replacement.nKey, replacement.nEarlier, replacement.nLater});
    }
    if (!replaced.empty()) {
        duplicateIndexFiles.push_back(file);
    }
}
