#pragma once

#include <string>

// Where the tools write a set; the writing itself is the document's own save.
class CSetWriter {
public:
    // The absolute path of the object file in directory for language letter e, g or f.
    static std::string ObjectFilePath(const std::string& directory, char letter);
};
