#pragma once

#include <string>

class CToolDoc;

// Writes a document's set through the document's own save, the way the program saves.
class CSetWriter {
public:
    // The absolute path of the object file in directory for language letter e, g or f.
    static std::string ObjectFilePath(const std::string& directory, char letter);

    // Saves doc as objectFile, with an empty ship-based aircraft file when the set has none, so
    // the program's start-up search finds the set complete. False after a failure that has been
    // reported through AfxMessageBox.
    static bool Write(CToolDoc& doc, const std::string& objectFile);
};
