#include "SyntheticSet.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "DemoSet.h"
#include "RecordField.h"
#include "RecordLinks.h"
#include "VentryDoc.h"

namespace {

// The model's name cut to leave room for "-NNNNN": the suffix after the last "-" is the key,
// so no two keys give the same name.
std::string UniqueName(const std::string& model, std::size_t width, std::size_t key) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "-%05zu", key);
    const std::string_view suffixView(suffix);
    return model.substr(0, width - suffixView.size()).append(suffixView);
}

std::vector<std::string> FillDatabase(CRecordTable& target, const CRecordTable& models,
                                      std::size_t count, std::mt19937& random) {
    std::vector<const std::uint8_t*> pool;
    models.ForEach([&](std::uint16_t, const std::uint8_t* pRecord) { pool.push_back(pRecord); });
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t key = 0; key < count; ++key) {
        const std::uint8_t* pModel = pool[random() % pool.size()];
        std::uint8_t* pRecord = target.Add(static_cast<std::uint16_t>(key), pModel);
        if (target.Layout().bIndexed) {
            RecordField::Set<std::uint16_t>(pRecord, target.Layout().IndexField().nOffset,
                                            static_cast<std::uint16_t>(key));
        }
        const std::string model =
            RecordField::GetText(pModel, target.NameOffset(), target.NameWidth());
        names.push_back(UniqueName(model, target.NameWidth(), key));
        RecordField::SetText(pRecord, target.NameOffset(), target.NameWidth(), names.back());
    }
    return names;
}

}  // namespace

void CSyntheticSetBuilder::Build() {
    CVentryDoc demo;
    FillDemoSet(demo);
    std::mt19937 random(20240611u);
    std::vector<std::string> objectNames;
    for (const RecordLayout* layout : kRecordLayouts) {
        std::vector<std::string> names = FillDatabase(
            m_doc.Records(layout->database), demo.Records(layout->database), m_nCount, random);
        if (layout->database == Database::Object) {
            objectNames = std::move(names);
        }
    }
    for (const RecordLink& link : kRecordLinks) {
        if (!link.bByName) {
            continue;
        }
        const LayoutField& field = LayoutOf(link.from).Field(link.field);
        m_doc.Records(link.from).ForEach([&](std::uint16_t nKey, std::uint8_t* pRecord) {
            RecordField::SetText(pRecord, field.nOffset, field.nWidth, objectNames[nKey]);
        });
    }
}
