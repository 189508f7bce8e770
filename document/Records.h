#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "RecordField.h"
#include "RecordLayouts.h"
#include "core/Object.h"

// One record of a database: its raw little-endian image, nothing else. Serialize reads or
// writes exactly the image; the layout says where the name and every other field lie.
template <const RecordLayout& Layout>
class CRecordImage : public CObject {
public:
    static constexpr const RecordLayout& kLayout = Layout;
    static constexpr std::size_t kRecordSize = Layout.nRecordSize;
    static constexpr std::size_t kNameOffset = Layout.NameField().nOffset;
    static constexpr std::size_t kNameWidth = Layout.NameField().nWidth;

    CRecordImage() = default;
    explicit CRecordImage(const std::uint8_t* raw) { std::memcpy(m_data.data(), raw, kRecordSize); }

    void Serialize(CArchive& ar) override;

    std::uint16_t GetIndex() const requires(Layout.bIndexed) {
        return RecordField::Get<std::uint16_t>(m_data.data(), Layout.IndexField().nOffset);
    }

    // Zero-filled until loaded or copied, so a record never holds indeterminate bytes.
    std::array<std::uint8_t, kRecordSize> m_data{};
};

class CObjectInfo final : public CRecordImage<ObjectLayout::kLayout> {
    DECLARE_DYNCREATE(CObjectInfo)

public:
    using CRecordImage::CRecordImage;
};

class CSensorInfo final : public CRecordImage<SensorLayout::kLayout> {
    DECLARE_DYNCREATE(CSensorInfo)

public:
    using CRecordImage::CRecordImage;
};

class CLauncherInfo final : public CRecordImage<LauncherLayout::kLayout> {
    DECLARE_DYNCREATE(CLauncherInfo)

public:
    using CRecordImage::CRecordImage;
};

class CAirstripInfo final : public CRecordImage<AirstripLayout::kLayout> {
    DECLARE_DYNCREATE(CAirstripInfo)

public:
    using CRecordImage::CRecordImage;
};

class CEntityInfo final : public CRecordImage<EntityLayout::kLayout> {
    DECLARE_DYNCREATE(CEntityInfo)

public:
    using CRecordImage::CRecordImage;
};

class CProfileInfo final : public CRecordImage<ProfileLayout::kLayout> {
    DECLARE_DYNCREATE(CProfileInfo)

public:
    using CRecordImage::CRecordImage;
};

class CMastInfo final : public CRecordImage<MastLayout::kLayout> {
    DECLARE_DYNCREATE(CMastInfo)

public:
    using CRecordImage::CRecordImage;
};

class C3DObjectInfo final : public CRecordImage<Object3DLayout::kLayout> {
    DECLARE_DYNCREATE(C3DObjectInfo)

public:
    using CRecordImage::CRecordImage;
};

class CShipClassInfo final : public CRecordImage<ShipClassLayout::kLayout> {
    DECLARE_DYNCREATE(CShipClassInfo)

public:
    using CRecordImage::CRecordImage;
};

class CCountryNameInfo final : public CRecordImage<CountryNameLayout::kLayout> {
    DECLARE_DYNCREATE(CCountryNameInfo)

public:
    using CRecordImage::CRecordImage;
};

// Fields of other records that the document itself reads.
namespace ObjectField {
constexpr std::size_t kObjectType = ObjectLayout::kLayout.Field("object_type").nOffset;
constexpr std::size_t kSimType = ObjectLayout::kLayout.Field("sim_type").nOffset;
// Mines, torpedoes, missiles, shells and bullets: what a launcher's ammunition entities name.
constexpr bool IsWeaponType(std::int32_t nObjectType) {
    return nObjectType >= 7 && nObjectType <= 11;
}
}  // namespace ObjectField

namespace EntityField {
constexpr LayoutField kTypeName = EntityLayout::kLayout.Field("type_name");
}  // namespace EntityField
