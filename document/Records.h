#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "RecordField.h"
#include "core/Object.h"

// One record of a database: its raw little-endian image, nothing else. Serialize reads or
// writes exactly the image. NameOffset/NameWidth locate the record's name field.
template <std::size_t N, std::size_t NameOffset, std::size_t NameWidth>
class CRecordImage : public CObject {
public:
    static constexpr std::size_t kRecordSize = N;
    static constexpr std::size_t kNameOffset = NameOffset;
    static constexpr std::size_t kNameWidth = NameWidth;

    CRecordImage() = default;
    explicit CRecordImage(const std::uint8_t* raw) { std::memcpy(m_data.data(), raw, N); }

    void Serialize(CArchive& ar) override;

    std::uint16_t GetIndex() const { return RecordField::Get<std::uint16_t>(m_data.data(), 0); }
    std::string GetName() const {
        return RecordField::GetText(m_data.data(), kNameOffset, kNameWidth);
    }

    // Zero-filled until loaded or copied, so a record never holds indeterminate bytes.
    std::array<std::uint8_t, N> m_data{};
};

class CObjectInfo final : public CRecordImage<344, 2, 20> {
    DECLARE_DYNCREATE(CObjectInfo)

public:
    using CRecordImage::CRecordImage;
};

class CSensorInfo final : public CRecordImage<180, 2, 42> {
    DECLARE_DYNCREATE(CSensorInfo)

public:
    using CRecordImage::CRecordImage;
};

class CLauncherInfo final : public CRecordImage<120, 100, 20> {
    DECLARE_DYNCREATE(CLauncherInfo)

public:
    using CRecordImage::CRecordImage;
};

class CAirstripInfo final : public CRecordImage<96, 76, 20> {
    DECLARE_DYNCREATE(CAirstripInfo)

public:
    using CRecordImage::CRecordImage;
};

class CEntityInfo final : public CRecordImage<58, 4, 20> {
    DECLARE_DYNCREATE(CEntityInfo)

public:
    using CRecordImage::CRecordImage;
};

class CProfileInfo final : public CRecordImage<44, 2, 20> {
    DECLARE_DYNCREATE(CProfileInfo)

public:
    using CRecordImage::CRecordImage;
};

class CMastInfo final : public CRecordImage<96, 2, 20> {
    DECLARE_DYNCREATE(CMastInfo)

public:
    using CRecordImage::CRecordImage;
};

class C3DObjectInfo final : public CRecordImage<956, 0, 20> {
    DECLARE_DYNCREATE(C3DObjectInfo)

public:
    using CRecordImage::CRecordImage;
};

class CShipClassInfo final : public CRecordImage<68, 10, 40> {
    DECLARE_DYNCREATE(CShipClassInfo)

public:
    using CRecordImage::CRecordImage;
};

class CCountryNameInfo final : public CRecordImage<56, 2, 40> {
    DECLARE_DYNCREATE(CCountryNameInfo)

public:
    using CRecordImage::CRecordImage;
};

// Fields of other records that the document itself reads.
namespace ObjectField {
constexpr std::size_t kObjectType = 24;  // signed 32-bit
constexpr std::size_t kSimType = 28;     // signed 32-bit
}  // namespace ObjectField

namespace EntityField {
constexpr std::size_t kTypeName = 36;  // the Name of an object
constexpr std::size_t kTypeNameWidth = 20;
}  // namespace EntityField
