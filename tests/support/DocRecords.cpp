#include "DocRecords.h"

#include <cstring>
#include <stdexcept>

#include "RecordField.h"

namespace {

// Calls visit with the index map that holds the records of file.
template <class Visit>
decltype(auto) WithMap(CVentryDoc& doc, SetFile file, Visit&& visit) {
    switch (file) {
        case SetFile::Object:
            return visit(doc.m_mapObjects);
        case SetFile::Sensor:
            return visit(doc.m_mapSensors);
        case SetFile::Launcher:
            return visit(doc.m_mapLaunchers);
        case SetFile::Airstrip:
            return visit(doc.m_mapAirstrips);
        case SetFile::Entity:
            return visit(doc.m_mapEntities);
        case SetFile::Profile:
            return visit(doc.m_mapProfiles);
        case SetFile::Mast:
            return visit(doc.m_mapMasts);
        case SetFile::Object3D:
            return visit(doc.m_map3DObjects);
        case SetFile::ShipClass:
            return visit(doc.m_mapShipClasses);
        case SetFile::CountryName:
            return visit(doc.m_mapCountryNames);
        case SetFile::ShipBasedAircraft:
            break;
    }
    throw std::logic_error("no records in that file");
}

}  // namespace

std::uint8_t* AddRecord(CVentryDoc& doc, SetFile file, std::uint16_t key, const Bytes& image) {
    return WithMap(doc, file, [&](auto& map) {
        using Record = typename std::decay_t<decltype(map)>::mapped_type::element_type;
        if (image.size() != Record::kRecordSize) {
            throw std::logic_error("record image of the wrong size");
        }
        auto& slot = map[key];
        slot = std::make_unique<Record>(image.data());
        return slot->m_data.data();
    });
}

std::uint8_t* FindRecord(CVentryDoc& doc, SetFile file, std::uint16_t key) {
    return WithMap(doc, file, [&](auto& map) -> std::uint8_t* {
        const auto found = map.find(key);
        return found == map.end() ? nullptr : found->second->m_data.data();
    });
}

std::size_t RecordCount(CVentryDoc& doc, SetFile file) {
    return WithMap(doc, file, [](auto& map) { return map.size(); });
}

Bytes RecordBytes(CVentryDoc& doc, SetFile file, std::uint16_t key) {
    const std::uint8_t* record = FindRecord(doc, file, key);
    if (record == nullptr) {
        throw std::logic_error("no record under that key");
    }
    return Bytes(record, record + ShapeOf(file).size);
}

std::uint8_t* AddNamed(CVentryDoc& doc, SetFile file, std::uint16_t key, const std::string& name) {
    const RecordShape& shape = ShapeOf(file);
    Bytes image(shape.size, 0);
    if (file != SetFile::Object3D) {
        RecordField::Set(image.data(), 0, key);
    }
    RecordField::SetText(image.data(), shape.nameOffset, shape.nameWidth, name);
    return AddRecord(doc, file, key, image);
}

std::uint8_t* AddObject(CVentryDoc& doc, std::uint16_t key, const std::string& name,
                        std::int32_t simType, std::int32_t objectType) {
    std::uint8_t* record = AddNamed(doc, SetFile::Object, key, name);
    RecordField::Set(record, 24, objectType);
    RecordField::Set(record, 28, simType);
    doc.m_mapObjectsByName[name] = doc.m_mapObjects.at(key).get();
    return record;
}
