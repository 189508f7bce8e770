#include "StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

#include "Resource.h"
#include "gui/AfxRes.h"

namespace {

constexpr std::array<std::pair<unsigned, const char*>, 4> kStrings{{
    // Window title, document name, new-file name, filter name, filter extension; no shell
    // file type.
    {IDR_MAINFRAME,
     "Tarnholm Database\nobject\nObject.*od\nTarnholm Db (object.*od)\n.*od\n\n\n\n"},
    {AFX_IDS_APP_TITLE, "Ventry"},
    {IDS_REGISTRY_KEY, "Local AppWizard-Generated Applications"},
    {IDS_OBJECT_FILES, "object.*od"},
}};

}  // namespace

std::string LoadResourceString(unsigned nID) {
    const auto entry = std::ranges::find(kStrings, nID, &std::pair<unsigned, const char*>::first);
    return entry == kStrings.end() ? std::string() : std::string(entry->second);
}
