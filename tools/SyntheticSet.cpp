#include "SyntheticSet.h"

#include <cstdio>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "DemoSet.h"
#include "RecordBuilder.h"
#include "VentryDoc.h"

namespace {

// The model's name cut to leave room for "-NNNNN": the suffix after the last "-" is the key,
// so no two keys give the same name.
std::string UniqueName(const std::string& model, std::size_t width, std::size_t key) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%05zu", key);
    const std::string_view suffixView(suffix);
    return model.substr(0, width - suffixView.size()).append(suffixView);
}

template <class T>
std::vector<std::string> FillDatabase(CIndexMap<T>& target, const CIndexMap<T>& models,
                                      std::size_t count, std::mt19937& random) {
    std::vector<const T*> pool;
    for (const auto& entry : models) {
        pool.push_back(entry.second.get());
    }
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t key = 0; key < count; ++key) {
        const T& model = *pool[random() % pool.size()];
        auto record = std::make_unique<T>(model.m_data.data());
        std::uint8_t* data = record->m_data.data();
        if constexpr (!std::is_same_v<T, C3DObjectInfo>) {
            RecordField::Set<std::uint16_t>(data, 0, static_cast<std::uint16_t>(key));
        }
        names.push_back(UniqueName(model.GetName(), T::kNameWidth, key));
        RecordField::SetText(data, T::kNameOffset, T::kNameWidth, names.back());
        target[static_cast<std::uint16_t>(key)] = std::move(record);
    }
    return names;
}

}  // namespace

void CSyntheticSetBuilder::Build() {
    CVentryDoc demo;
    CDemoSetBuilder(demo).Build();
    std::mt19937 random(20240611u);
    const std::vector<std::string> objectNames =
        FillDatabase(m_doc.m_mapObjects, demo.m_mapObjects, m_nCount, random);
    FillDatabase(m_doc.m_mapEntities, demo.m_mapEntities, m_nCount, random);
    for (auto& [key, entity] : m_doc.m_mapEntities) {
        RecordField::SetText(entity->m_data.data(), EntityLayout::kTypeName.offset,
                             EntityLayout::kTypeName.width, objectNames[key]);
    }
    FillDatabase(m_doc.m_mapSensors, demo.m_mapSensors, m_nCount, random);
    FillDatabase(m_doc.m_mapLaunchers, demo.m_mapLaunchers, m_nCount, random);
    FillDatabase(m_doc.m_mapProfiles, demo.m_mapProfiles, m_nCount, random);
    FillDatabase(m_doc.m_mapAirstrips, demo.m_mapAirstrips, m_nCount, random);
    FillDatabase(m_doc.m_mapMasts, demo.m_mapMasts, m_nCount, random);
    FillDatabase(m_doc.m_map3DObjects, demo.m_map3DObjects, m_nCount, random);
    FillDatabase(m_doc.m_mapShipClasses, demo.m_mapShipClasses, m_nCount, random);
    FillDatabase(m_doc.m_mapCountryNames, demo.m_mapCountryNames, m_nCount, random);
}
