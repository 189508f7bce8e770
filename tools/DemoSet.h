#pragma once

#include <cstdint>
#include <map>
#include <string_view>

class CVentryDoc;

// Fills an empty document with the bundled demo set: every record built from the rows of
// DemoTables, every reference resolved by name. Record indices start at 1, because 0 means
// "none" in slots, profile numbers and ammunition.
class CDemoSetBuilder {
public:
    explicit CDemoSetBuilder(CVentryDoc& doc) : m_doc(doc) {}

    void Build();

private:
    using CIndexByName = std::map<std::string_view, std::uint16_t>;

    void BuildCountries();
    void BuildSensors();
    void BuildAirstrips();
    void BuildMasts();
    void BuildProfilesAndClasses();
    void BuildObjects();
    void BuildEntities();
    void BuildLaunchers();
    void Build3DObjects();

    CVentryDoc& m_doc;
    CIndexByName m_countries;
    CIndexByName m_sensors;
    CIndexByName m_launchers;
    CIndexByName m_airstrips;
    CIndexByName m_profiles;
    CIndexByName m_shipClasses;
    CIndexByName m_entities;
};
