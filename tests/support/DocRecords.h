#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "VentryDoc.h"

// One database of a document, named by its file, as tests fill and read it.
std::uint8_t* AddRecord(CVentryDoc& doc, Database file, std::uint16_t key, const Bytes& image);
// Null when the database has no record under key.
std::uint8_t* FindRecord(CVentryDoc& doc, Database file, std::uint16_t key);
std::size_t RecordCount(CVentryDoc& doc, Database file);
Bytes RecordBytes(CVentryDoc& doc, Database file, std::uint16_t key);

// A zero-filled record with its index (not for 3D objects) and name.
std::uint8_t* AddNamed(CVentryDoc& doc, Database file, std::uint16_t key, const std::string& name);
// An object in the index map and in the name map, as a load would enter it.
std::uint8_t* AddObject(CVentryDoc& doc, std::uint16_t key, const std::string& name,
                        std::int32_t simType, std::int32_t objectType = 2);

// Flips one byte of a record through the document, as an editor's Apply would change it.
void FlipByte(CVentryDoc& doc, Database file, std::uint16_t key, std::size_t offset);

// The databases the document counts as changed since its last load or save.
std::vector<Database> ChangedDatabases(const CVentryDoc& doc);
