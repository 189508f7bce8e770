#pragma once

// One database file on its own, as git hands it to a merge driver and to textconv: the
// database it holds is told by the end of its name ("sensor.esd", git's temporary
// "/tmp/Xq81c_sensor.esd").

#include <cstdint>
#include <string>
#include <vector>

struct RecordLayout;

namespace DatabaseFile {

// The layout of the database whose file name (any letter, any case) ends path's file name,
// and that end as *pFileName; null when there is none.
const RecordLayout* LayoutOfName(const std::string& path, std::string* pFileName = nullptr);

// The file's bytes; false after a message naming the file and the reason.
bool Read(const std::string& path, std::vector<std::uint8_t>& bytes);

// Puts bytes in place of the file at path in one step: a temporary beside it, flushed, then
// renamed over it. False after a message; the file is then as it was.
bool Replace(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace DatabaseFile
