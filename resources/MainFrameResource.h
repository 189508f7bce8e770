#pragma once

#include "Resource.h"
#include "gui/AfxRes.h"
#include "gui/FrameResource.h"

// Menu, accelerators and toolbar of the main frame (resource IDR_MAINFRAME).
namespace MainFrameResource {

inline constexpr CMenuItemResource kFileMenu[] = {
    {ID_FILE_OPEN, "Ö&ffnen...\tStrg+O"},
    {ID_FILE_SAVE, "S&peichern\tStrg+S"},
    {ID_FILE_SAVE_AS, "Speichern &unter..."},
    {ID_SEPARATOR, nullptr},
    {ID_FILE_MRU_FILE1, "Letzte Datei"},
    {ID_SEPARATOR, nullptr},
    {ID_APP_EXIT, "&Beenden"},
};

// Undo and Redo name the step they take back or apply again; Set Values works on the cells
// selected in the Table View.
inline constexpr CMenuItemResource kEditMenu[] = {
    {ID_EDIT_UNDO, "&Undo\tCtrl+Z"}, {ID_EDIT_REDO, "&Redo\tCtrl+Y"},
    {ID_SEPARATOR, nullptr},         {ID_EDIT_HISTORY, "History..."},
    {ID_SEPARATOR, nullptr},         {ID_EDIT_SET_VALUES, "&Set Values..."},
};

// The keys named after the tab are labels only: Ctrl+O and Ctrl+S open and save.
inline constexpr CMenuItemResource kViewMenu[] = {
    {ID_VIEW_OBJECTS, "&Objects\tStrg+O"},     {ID_VIEW_SENSORS, "&Sensors\tStrg+S"},
    {ID_VIEW_LAUNCHERS, "&Launchers\tStrg+L"}, {ID_SEPARATOR, nullptr},
    {ID_VIEW_PROFILES, "&Profiles\tStrg+P"},   {ID_VIEW_MASTS, "&Masts\tStrg+M"},
    {ID_VIEW_ENTITIES, "&Entities\tStrg+E"},
};

inline constexpr CMenuItemResource kExtrasMenu[] = {
    {ID_EXTRAS_CHECK_SET, "&Check Set..."},
    {ID_EXTRAS_TABLE_VIEW, "&Table View..."},
    {ID_EXTRAS_WHERE_USED, "&Where Used..."},
    {ID_EXTRAS_COMPARE, "Com&pare with Set..."},
    {ID_EXTRAS_FIND_IN_SET, "&Find in Set...\tCtrl+F"},
    {ID_SEPARATOR, nullptr},
    {ID_EXTRAS_RUN_SCRIPT, "&Run Script..."},
    // The scripts run last, one item each.
    {ID_EXTRAS_SCRIPT1, "Recent Script"},
};

inline constexpr CMenuItemResource kHelpMenu[] = {
    {ID_APP_ABOUT, "Inf&o über Ventry..."},
};

inline constexpr CPopupMenuResource kMenu[] = {
    {"&Datei", kFileMenu},    {"&Edit", kEditMenu}, {"&View", kViewMenu},
    {"E&xtras", kExtrasMenu}, {"&?", kHelpMenu},
};

inline constexpr CAcceleratorResource kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},    {"Ctrl+O", ID_FILE_OPEN},          {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+Z", ID_EDIT_UNDO},   {"Ctrl+Y", ID_EDIT_REDO},          {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE}, {"Ctrl+F", ID_EXTRAS_FIND_IN_SET},
};

inline constexpr unsigned kToolBarButtons[] = {
    ID_FILE_OPEN,      ID_SEPARATOR,     ID_FILE_SAVE,        ID_SEPARATOR,
    ID_VIEW_OBJECTS,   ID_VIEW_SENSORS,  ID_VIEW_LAUNCHERS,   ID_SEPARATOR,
    ID_VIEW_PROFILES,  ID_VIEW_ENTITIES, ID_VIEW_MASTS,       ID_VIEW_AIRSTRIPS,
    ID_VIEW_3DOBJECTS, ID_SEPARATOR,     ID_VIEW_SHIPCLASSES, ID_VIEW_COUNTRYNAMES,
    ID_SEPARATOR,      ID_APP_ABOUT,
};

inline constexpr CToolBarResource kToolBar{kToolBarButtons, ":/images/toolbar.png", 16, 15};

inline constexpr const char* kIcon = ":/images/ventry.png";
inline constexpr const char* kSmallIcon = ":/images/ventry16.png";

}  // namespace MainFrameResource
