#pragma once

#include <QComboBox>
#include <array>
#include <cstring>

#include "RecordEditorFixture.h"

// The Object editor made through the factory on a document the test fills first.
class ObjectEditorTest : public RecordEditorTest {
protected:
    using Bytes = std::array<std::uint8_t, 344>;

    static constexpr int kList = 1113;
    static constexpr int kNew = 1210;
    static constexpr int kName = 1001;
    static constexpr int kObjectType = 1105;
    static constexpr int kSimType = 1086;
    static constexpr int kSonarProfile = 1191;
    static constexpr int kSensorSlots = 1117;
    static constexpr int kLauncherSlots = 1209;
    static constexpr int kAirstripSlots = 1208;

    ObjectEditorTest() : RecordEditorTest(EditorSlot::Object, kList, 1211) {}

    // Random bytes that the type filter lists (Sim Type 1), with empty slots and no profile.
    CObjectInfo& AddObjectRecord(std::uint16_t nKey, unsigned nSeed) {
        CObjectInfo& object = AddRandom(m_doc.m_mapObjects, nKey, nSeed);
        std::memset(object.m_data.data() + 220, 0, 98);
        std::memset(object.m_data.data() + 330, 0, 2);
        RecordField::Set<std::int32_t>(object.m_data.data(), 28, 1);
        return object;
    }

    static void SetSlot(CObjectInfo& object, std::size_t nOffset, std::size_t nSlot,
                        std::int16_t nValue) {
        RecordField::Set(object.m_data.data(), nOffset + 2 * nSlot, nValue);
    }

    // On the box's indicator: a box may be wider than what a click toggles.
    void ClickBox(int nId) {
        QTest::mouseClick(&Box(nId), Qt::LeftButton, {}, QPoint(8, Box(nId).height() / 2));
    }
    QComboBox& Combo(int nId) const { return *Find<QComboBox>(Dialog(), nId); }
    QListWidget& Slots(int nId) const { return *Find<QListWidget>(Dialog(), nId); }
    const Bytes& Stored(std::uint16_t nKey) const { return m_doc.m_mapObjects.at(nKey)->m_data; }
};

inline constexpr std::size_t kLauncherArray = 220;
inline constexpr std::size_t kAirstripArray = 280;
inline constexpr std::size_t kSensorArray = 300;
