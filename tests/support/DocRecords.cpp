#include "DocRecords.h"

#include <stdexcept>

#include "RecordField.h"

namespace {

CRecordTable& Table(CVentryDoc& doc, Database file) {
    return doc.Records(file);
}

}  // namespace

std::uint8_t* AddRecord(CVentryDoc& doc, Database file, std::uint16_t key, const Bytes& image) {
    if (image.size() != Table(doc, file).RecordSize()) {
        throw std::logic_error("record image of the wrong size");
    }
    return Table(doc, file).Add(key, image.data());
}

std::uint8_t* FindRecord(CVentryDoc& doc, Database file, std::uint16_t key) {
    return Table(doc, file).Find(key);
}

std::size_t RecordCount(CVentryDoc& doc, Database file) {
    return Table(doc, file).Count();
}

Bytes RecordBytes(CVentryDoc& doc, Database file, std::uint16_t key) {
    const std::uint8_t* record = FindRecord(doc, file, key);
    if (record == nullptr) {
        throw std::logic_error("no record under that key");
    }
    return Bytes(record, record + ShapeOf(file).size);
}

std::uint8_t* AddNamed(CVentryDoc& doc, Database file, std::uint16_t key, const std::string& name) {
    const RecordShape& shape = ShapeOf(file);
    Bytes image(shape.size, 0);
    if (file != Database::Object3D) {
        RecordField::Set(image.data(), 0, key);
    }
    RecordField::SetText(image.data(), shape.nameOffset, shape.nameWidth, name);
    return AddRecord(doc, file, key, image);
}

std::uint8_t* AddObject(CVentryDoc& doc, std::uint16_t key, const std::string& name,
                        std::int32_t simType, std::int32_t objectType) {
    std::uint8_t* record = AddNamed(doc, Database::Object, key, name);
    RecordField::Set(record, 24, objectType);
    RecordField::Set(record, 28, simType);
    doc.m_mapObjectsByName[name] = doc.m_mapObjects.at(key);
    return record;
}

void FlipByte(CVentryDoc& doc, Database file, std::uint16_t key, std::size_t offset) {
    const Bytes before = RecordBytes(doc, file, key);
    Bytes after = before;
    after[offset] ^= 0xFF;
    CSetChange change("flip");
    change.Change(file, key, before, after);
    doc.ApplyChange(std::move(change));
}

std::vector<Database> ChangedDatabases(const CVentryDoc& doc) {
    std::vector<Database> changed;
    for (std::size_t i = 0; i < kDatabaseCount; ++i) {
        const auto database = static_cast<Database>(i);
        if (doc.FilesOnDisk().Entry(database).bChanged) {
            changed.push_back(database);
        }
    }
    return changed;
}
