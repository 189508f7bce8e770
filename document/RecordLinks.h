#pragma once

// How records refer to each other: a number field holds the record index of another record (0
// refers to nothing), or a text field holds the Name of an object. Every link of the set is a
// row here; the reference index and the set check read nothing else.

#include <string_view>

#include "RecordLayout.h"

struct RecordLink {
    Database from;
    std::string_view field;  // a field of from's layout; every element of an array links
    Database to;
    bool bByName;  // the field holds the Name of a to record; otherwise its record index
};

inline constexpr RecordLink kRecordLinks[] = {
    {Database::Object, "sensor_slots", Database::Sensor, false},
    {Database::Object, "launcher_slots", Database::Launcher, false},
    {Database::Object, "airstrip_slots", Database::Airstrip, false},
    {Database::Object, "sonar_profile", Database::Profile, false},
    {Database::Launcher, "ammo_types", Database::Entity, false},
    {Database::Entity, "ship_class_index", Database::ShipClass, false},
    // The records that find "their" object, and its Sim Type for the type filter, by name.
    {Database::Entity, "type_name", Database::Object, true},
    {Database::Launcher, "name", Database::Object, true},
    {Database::Profile, "name", Database::Object, true},
    {Database::Object3D, "name", Database::Object, true},
    {Database::ShipClass, "name", Database::Object, true},
    {Database::CountryName, "name", Database::Object, true},
};
