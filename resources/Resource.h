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

    IDS_REGISTRY_KEY = 61204,
    IDS_OBJECT_FILES = 61217,
};
