#pragma once

// The program's resource and command ids; the framework's own are in gui/AfxRes.h.
enum : unsigned {
    IDD_ABOUTBOX = 100,
    IDD_VENTRY_FORM = 101,
    IDR_MAINFRAME = 128,

    ID_VIEW_SENSORS = 32773,
    ID_VIEW_OBJECTS = 32774,
    ID_VIEW_MASTS = 32775,
    ID_VIEW_LAUNCHERS = 32776,
    ID_VIEW_PROFILES = 32777,
    ID_VIEW_ENTITIES = 32778,
    ID_VIEW_AIRSTRIPS = 32788,
    ID_VIEW_3DOBJECTS = 32791,
    ID_VIEW_SHIPCLASSES = 32792,
    ID_VIEW_COUNTRYNAMES = 32793,

    ID_EXTRAS_CHECK_SET = 32800,
    ID_EXTRAS_TABLE_VIEW = 32801,
    ID_EXTRAS_WHERE_USED = 32802,
    ID_OPEN_REFERENCED_RECORD = 32803,
    ID_EDIT_HISTORY = 32804,
    ID_EXTRAS_FIND_IN_SET = 32805,
    ID_EXTRAS_COMPARE = 32807,
    ID_EDIT_SET_VALUES = 32808,

    IDS_REGISTRY_KEY = 61204,
    IDS_OBJECT_FILES = 61217,
};

// Dialogs and controls that more than one place names; an editor's own lists and fields keep
// their ids as data in its description and field table.
enum : int {
    IDD_PROFILE_SLOT = 157,
    IDD_FILTER = 159,
    IDD_SET_CHECK = 170,
    IDD_TABLE_VIEW = 171,
    IDD_WHERE_USED = 172,
    IDD_HISTORY = 173,
    IDD_FIND_IN_SET = 174,
    IDD_COMPARE = 176,
    IDD_SET_VALUES = 177,
    IDD_FIND_REPLACE = 178,

    IDC_INDEX = 1004,
    IDC_UNDO = 1115,
    IDC_EXIT = 1116,
    IDC_FILTER_TEXT = 1183,
    IDC_SONAR_PROFILE = 1191,
    IDC_APPLY = 1207,
    IDC_FILTER = 1227,
    IDC_SEARCH = 1228,
    IDC_APPLY_FILTER = 1257,
    IDC_FINDINGS = 1300,
    IDC_CHECK_AGAIN = 1301,
    IDC_CLOSE = 1302,
    IDC_TABLE = 1310,
    IDC_DATABASE_CHOICE = 1311,
    IDC_TABLE_FILTER = 1312,
    IDC_REFERRERS = 1320,
    IDC_HISTORY = 1330,
    IDC_FIND_QUERY = 1340,
    IDC_FIND_RESULTS = 1341,
    IDC_FIND = 1342,
    IDC_FIND_SUMMARY = 1343,  // how many matched, and how many show
    IDC_DIFFERENCES = 1360,
    IDC_TAKE_OTHER = 1361,
    IDC_CHANGED_ONLY = 1362,
    IDC_EXPRESSION = 1370,
    IDC_CHANGE_COUNT = 1371,  // "3 of 5 cells will change", or why none can
    IDC_REPLACE_FIND = 1380,
    IDC_REPLACE_WITH = 1381,
    IDC_WHOLE_WORD = 1382,
    IDC_MATCH_CASE = 1383,
    IDC_REPLACE_SCOPE = 1384,  // which cells Replace All goes through
};
