#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "KeyTable.h"
#include "RecordLayout.h"

// What a load could not take as it stood, for telling the user afterwards.
struct CLoadFindings {
    // A record that lost its index to a later record of its file with the same index: the next
    // save writes only the later one. Positions count the file's records from 0.
    struct CDuplicateIndex {
        Database database;
        std::uint16_t nIndex;
        std::size_t nDroppedPosition;
        std::size_t nKeptPosition;
    };
    // Bytes after the last whole record of a database's file, which a save does not write.
    struct CTrailingBytes {
        Database database;
        std::string file;
        std::size_t nBytes;
    };

    std::vector<std::string> duplicateIndexFiles;
    std::vector<CDuplicateIndex> duplicateIndices;
    // The file and why it could not be read; its database stays empty.
    std::vector<std::string> unreadableFiles;
    std::vector<CTrailingBytes> trailingBytes;

    std::size_t TrailingBytes(Database database) const;
    // What reading a database's file (which could be read) left out.
    void NoteRead(Database database, const std::string& file, std::size_t nTrailingBytes,
                  std::span<const CKeyTable::Replacement> replaced);
};
