#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <bit>
#include <bitset>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "EditorCases.h"

namespace {

using testing::IsEmpty;

// How a user changes a control: types a number or a text, ticks a box, picks a combo item.
enum class EInput : std::uint8_t { Int, UInt, Real, Chars, Bit, Item };

// One control and the bytes of the record it writes, written out from the record descriptions
// by hand: the editors' own tables are what this holds to account.
struct ControlBytes {
    int nId;
    EInput input;
    std::uint16_t nOffset;
    std::uint16_t nWidth;
    std::uint16_t nMask = 0;  // Bit: the box's bit in the little-endian flag word at nOffset
    int nItem = 0;            // Item: the item picked and the value it stores
    std::int32_t nValue = 0;
};

constexpr ControlBytes Int(int nId, std::uint16_t nOffset, std::uint16_t nWidth) {
    return {nId, EInput::Int, nOffset, nWidth};
}
constexpr ControlBytes UInt(int nId, std::uint16_t nOffset, std::uint16_t nWidth) {
    return {nId, EInput::UInt, nOffset, nWidth};
}
constexpr ControlBytes Real(int nId, std::uint16_t nOffset) {
    return {nId, EInput::Real, nOffset, 4};
}
constexpr ControlBytes Chars(int nId, std::uint16_t nOffset, std::uint16_t nWidth) {
    return {nId, EInput::Chars, nOffset, nWidth};
}
constexpr ControlBytes Bit(int nId, std::uint16_t nOffset, std::uint16_t nMask) {
    return {nId, EInput::Bit, nOffset, 0, nMask};
}
constexpr ControlBytes Item(int nId, std::uint16_t nOffset, std::uint16_t nWidth, int nItem,
                            std::int32_t nValue) {
    return {nId, EInput::Item, nOffset, nWidth, 0, nItem, nValue};
}

constexpr std::uint16_t kWeapon = 300;  // the one weapon entity the ammunition combos offer
// A launcher's ammunition combo: its second item, after the empty one, is the weapon.
constexpr ControlBytes Ammo(int nId, std::uint16_t nOffset) {
    return Item(nId, nOffset, 2, 1, kWeapon);
}

const ControlBytes kObject[] = {
    Chars(1001, 2, 20),   UInt(1005, 22, 2),    Item(1105, 24, 4, 4, 6), Item(1086, 28, 4, 9, 9),
    Chars(1007, 32, 20),  Chars(1009, 52, 20),  Real(1011, 72),          Real(1013, 76),
    Real(1015, 80),       Real(1017, 84),       Real(1019, 88),          Int(1021, 92, 2),
    Int(1023, 94, 2),     Int(1213, 96, 4),     Int(1028, 100, 4),       Int(1033, 104, 4),
    Int(1035, 108, 2),    Int(1075, 112, 2),    Chars(1077, 114, 20),    UInt(1067, 134, 1),
    UInt(1069, 135, 1),   UInt(1071, 136, 1),   UInt(1079, 137, 1),      UInt(1081, 138, 1),
    UInt(1083, 139, 1),   UInt(1085, 140, 1),   Int(1089, 144, 4),       UInt(1091, 148, 2),
    UInt(1107, 150, 2),   Int(1093, 152, 4),    Int(1095, 156, 4),       Int(1097, 160, 4),
    Real(1099, 164),      Real(1101, 168),      Real(1103, 172),         Real(1109, 176),
    Real(1111, 180),      Real(1125, 184),      Real(1131, 188),         Real(1133, 192),
    Real(1135, 196),      Real(1137, 200),      Real(1139, 204),         Real(1141, 208),
    Real(1143, 212),      Int(1161, 318, 2),    Bit(1054, 334, 0x01),    Bit(1055, 334, 0x02),
    Bit(1056, 334, 0x04), Bit(1057, 334, 0x08), Bit(1058, 334, 0x10),    Bit(1059, 334, 0x80),
    Bit(1047, 336, 0x01), Bit(1048, 336, 0x02), Bit(1060, 336, 0x04),    Bit(1050, 336, 0x08),
    Bit(1049, 336, 0x20), Bit(1051, 336, 0x40), Bit(1052, 336, 0x80),    Bit(1199, 338, 0x01),
    Bit(1200, 338, 0x02), Bit(1201, 338, 0x04), Bit(1202, 338, 0x08),    Bit(1203, 338, 0x10),
    Bit(1204, 338, 0x20),
};
const ControlBytes kSensor[] = {
    Chars(1119, 2, 42),     Item(1121, 44, 4, 3, 3), Item(1123, 48, 4, 10, 10),
    UInt(1122, 52, 4),      UInt(1137, 56, 4),       UInt(1138, 60, 4),
    UInt(1139, 64, 4),      UInt(1140, 68, 4),       Int(1128, 76, 4),
    Int(1136, 80, 2),       Int(1154, 82, 2),        Int(1155, 84, 4),
    Int(1156, 88, 4),       Int(1157, 92, 4),        Int(1124, 96, 4),
    Int(1125, 100, 4),      Int(1158, 104, 4),       Int(1159, 108, 4),
    Int(1160, 112, 4),      Bit(1130, 116, 0x0001),  Bit(1127, 116, 0x0002),
    Bit(1129, 116, 0x0004), Bit(1147, 116, 0x0008),  Bit(1131, 116, 0x0010),
    Bit(1132, 116, 0x0020), Bit(1133, 116, 0x0040),  Bit(1148, 116, 0x0080),
    Bit(1134, 116, 0x0100), Bit(1135, 116, 0x0200),  Bit(1153, 116, 0x0400),
    Bit(1149, 116, 0x0800), Bit(1150, 116, 0x1000),  Bit(1162, 116, 0x2000),
    Bit(1151, 116, 0x4000), Bit(1152, 116, 0x8000),  Int(1161, 120, 2),
    Int(1174, 122, 2),      UInt(1146, 124, 4),      Int(1126, 128, 4),
    Int(1163, 132, 4),      Real(1164, 136),         Real(1165, 140),
    Int(1166, 144, 4),      Int(1167, 148, 4),       Int(1168, 152, 4),
    Int(1169, 156, 4),      Chars(1120, 160, 20),
};
const ControlBytes kLauncher[] = {
    Int(1125, 2, 2),       Int(1130, 4, 2),       Int(1129, 6, 2),       Int(1132, 8, 2),
    Int(1131, 10, 2),      Bit(1128, 12, 0x0001), Bit(1138, 12, 0x0002), Bit(1139, 12, 0x0004),
    Bit(1136, 12, 0x0008), Bit(1137, 12, 0x0010), Bit(1140, 12, 0x0020), Bit(1141, 12, 0x0040),
    Bit(1142, 12, 0x0080), Bit(1143, 12, 0x0100), Bit(1144, 12, 0x0200), Bit(1175, 12, 0x0400),
    Bit(1176, 12, 0x0800), Bit(1177, 12, 0x1000), Bit(1178, 12, 0x2000), Bit(1179, 12, 0x4000),
    Bit(1180, 12, 0x8000), Int(1123, 14, 2),      Int(1122, 16, 2),      Int(1124, 18, 2),
    Int(1120, 20, 2),      Int(1121, 22, 2),      Real(1166, 24),        Real(1167, 28),
    Real(1168, 32),        Real(1169, 36),        Real(1170, 40),        Real(1171, 44),
    Real(1172, 48),        Real(1173, 52),        Real(1174, 56),        Int(1127, 60, 2),
    Int(1126, 62, 2),      Int(1156, 64, 2),      Int(1158, 66, 2),      Int(1161, 68, 2),
    Int(1164, 70, 2),      Ammo(1155, 72),        Ammo(1157, 74),        Ammo(1160, 76),
    Ammo(1163, 78),        Chars(1009, 80, 20),   Chars(1181, 100, 20),
};
const ControlBytes kAirstrip[] = {
    Bit(1229, 2, 0x1), Bit(1230, 2, 0x2), Bit(1231, 2, 0x4),   Bit(1232, 2, 0x8), Real(1233, 4),
    Real(1234, 8),     Real(1235, 12),    Real(1236, 16),      Real(1237, 20),    Real(1238, 24),
    Real(1239, 28),    Real(1240, 32),    Real(1241, 36),      Real(1242, 40),    Real(1243, 44),
    Real(1244, 48),    Real(1245, 52),    Real(1247, 56),      Real(1256, 60),    Real(1258, 64),
    Real(1259, 68),    Real(1260, 72),    Chars(1263, 76, 20),
};
const ControlBytes kProfile[] = {
    Chars(1029, 2, 20), Int(1005, 22, 2), Int(1006, 24, 2), Int(1007, 26, 2),
    Int(1013, 28, 2),   Int(1015, 30, 2), Int(1017, 32, 2),
};
const ControlBytes kMast[] = {
    Int(1004, 0, 2),  Chars(1194, 2, 20),  Int(1196, 22, 2), Int(1197, 24, 2), Int(1198, 26, 2),
    Int(1199, 28, 2), Int(1200, 30, 2),    Int(1201, 32, 2), Int(1202, 34, 2), Int(1203, 36, 2),
    Int(1204, 38, 2), Int(1205, 40, 2),    Int(1206, 42, 2), Int(1208, 44, 2), Int(1209, 46, 2),
    Int(1210, 48, 2), Chars(1009, 50, 20), Int(1212, 70, 2), Int(1213, 72, 4), Int(1214, 76, 4),
    Real(1166, 80),   Real(1167, 84),      Real(1168, 88),   Int(1218, 92, 2), Int(1219, 94, 2),
};
const ControlBytes kEntity[] = {
    Int(1004, 0, 2),  Int(1197, 2, 2),     Chars(1198, 4, 20), Int(1201, 24, 2),
    Int(1202, 26, 2), Int(1203, 28, 2),    Int(1204, 30, 2),   Int(1205, 32, 2),
    Int(1200, 34, 2), Chars(1199, 36, 20), Int(1206, 56, 2),
};
const ControlBytes kThreeDObject[] = {
    Chars(1201, 0, 20), Chars(1202, 20, 20), Chars(1203, 40, 20), Chars(1204, 60, 20),
    Real(1205, 140),    UInt(1206, 144, 2),  UInt(1208, 146, 2),  UInt(1213, 148, 2),
    UInt(1229, 150, 2), Int(1209, 152, 4),
};
const ControlBytes kShipClass[] = {
    Int(1270, 2, 2), Int(1006, 4, 2),     Int(1007, 6, 2),
    Int(1013, 8, 2), Chars(1264, 10, 40), Chars(1265, 50, 18),
};
const ControlBytes kCountryName[] = {
    Chars(1268, 2, 40), Int(1005, 42, 2), Int(1006, 44, 2),   Int(1007, 46, 2),
    Int(1013, 48, 2),   Int(1015, 50, 2), Chars(1269, 52, 4),
};

const std::pair<Database, std::span<const ControlBytes>> kEditors[] = {
    {Database::Object, kObject},       {Database::Sensor, kSensor},
    {Database::Launcher, kLauncher},   {Database::Airstrip, kAirstrip},
    {Database::Profile, kProfile},     {Database::Mast, kMast},
    {Database::Entity, kEntity},       {Database::Object3D, kThreeDObject},
    {Database::ShipClass, kShipClass}, {Database::CountryName, kCountryName},
};

// The offsets at which two records differ.
std::vector<std::size_t> Differences(const Bytes& a, const Bytes& b) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) {
            offsets.push_back(i);
        }
    }
    return offsets;
}

class ControlBytesTest : public EditorTest {
protected:
    static constexpr std::uint16_t kKey = 5;

    // The editor of db on one record of random bytes; returns the record.
    Bytes OpenOnRandomRecord(Database db) {
        Use(db);
        Reset();
        AddRecord(m_doc, Database::Entity, kWeapon, HandRecord(Database::Entity, kWeapon, "Shell"));
        m_doc.m_mapWeaponEntities.insert_or_assign(kWeapon, m_doc.m_mapEntities.at(kWeapon));
        AddRandom(kKey, 40u + static_cast<unsigned>(db));
        Open();
        return Stored(kKey);
    }

    // Changes the row's control as a user would; expected becomes what Apply must store.
    void Change(const ControlBytes& row, Bytes& expected) {
        std::uint8_t* pAt = expected.data() + row.nOffset;
        QWidget* pControl = Find<QWidget>(Dialog(), row.nId);
        ASSERT_NE(pControl, nullptr) << "no control " << row.nId;
        const auto put = [&](std::uint64_t nBits) {
            for (std::size_t i = 0; i < row.nWidth; ++i) {
                pAt[i] = static_cast<std::uint8_t>(nBits >> (8 * i));
            }
        };
        auto* pBox = qobject_cast<QCheckBox*>(pControl);
        auto* pCombo = qobject_cast<QComboBox*>(pControl);
        ASSERT_TRUE(row.input == EInput::Bit    ? pBox != nullptr
                    : row.input == EInput::Item ? pCombo != nullptr
                                                : qobject_cast<QLineEdit*>(pControl) != nullptr)
            << "control " << row.nId << " is of another kind";
        if (row.input == EInput::Bit) {
            ClickBox(*pBox);
            const int nBit = std::countr_zero(row.nMask);
            pAt[nBit / 8] ^= static_cast<std::uint8_t>(1u << (nBit % 8));
            return;
        }
        if (row.input == EInput::Item) {
            Pick(*pCombo, row.nItem);
            put(static_cast<std::uint32_t>(row.nValue));
            return;
        }
        if (row.input == EInput::Chars) {
            // As much as one may type into every text edit; a shorter text is terminated.
            const std::size_t nLength = std::min<std::size_t>(row.nWidth, 20);
            const std::string text = std::string("Abcdefghijklmnopqrst").substr(0, nLength);
            std::memcpy(pAt, text.data(), nLength);
            if (nLength < row.nWidth) {
                pAt[nLength] = 0;
            }
            Type(row.nId, text.c_str());
            return;
        }
        // Numbers: every byte differs from the one stored and the top bit is set, so a signed
        // field takes a negative number and an unsigned one a number a signed one refuses.
        std::uint64_t nBits = 0;
        for (std::size_t i = 0; i < row.nWidth; ++i) {
            nBits |= std::uint64_t{pAt[i] ^ 0xA5u} << (8 * i);
        }
        char text[32];
        if (row.input == EInput::Real) {  // a normal number from 1 to 2, either sign
            const auto nFloatBits = static_cast<std::uint32_t>((nBits & 0x807FFFFFu) | 0x3F800000u);
            nBits = nFloatBits;
            std::snprintf(text, sizeof text, "%.9g", double{std::bit_cast<float>(nFloatBits)});
        } else {
            nBits |= std::uint64_t{0x80} << (8 * (row.nWidth - 1));
            const auto nSigned = static_cast<long long>(nBits) - (1LL << (8 * row.nWidth));
            std::snprintf(text, sizeof text, "%lld",
                          row.input == EInput::Int ? nSigned : static_cast<long long>(nBits));
        }
        put(nBits);
        Type(row.nId, text);
    }
};

TEST_F(ControlBytesTest, EachControlWritesExactlyItsBytes) {
    for (const auto& [db, rows] : kEditors) {
        for (const ControlBytes& row : rows) {
            SCOPED_TRACE(testing::Message() << CaseOf(db).pszName << " control " << row.nId);
            Bytes expected = OpenOnRandomRecord(db);
            Change(row, expected);
            Press(kApply);
            EXPECT_THAT(Differences(Stored(kKey), expected), IsEmpty());
            EXPECT_THAT(m_messages.Texts(), IsEmpty());
        }
    }
}

// Any control the form shows that the table lacks writes nothing (it may be no field's
// control: a filter box, an edit that shows 0); no two rows of the table share a bit.
TEST_F(ControlBytesTest, EveryControlThatWritesBytesHasARowAndNoTwoRowsShareABit) {
    for (const auto& [db, rows] : kEditors) {
        SCOPED_TRACE(CaseOf(db).pszName);
        std::bitset<956 * 8> covered;
        for (const ControlBytes& row : rows) {
            const std::size_t nFirst =
                row.nOffset * 8u + (row.input == EInput::Bit ? std::countr_zero(row.nMask) : 0);
            const std::size_t nBits = row.input == EInput::Bit ? 1u : row.nWidth * 8u;
            for (std::size_t nBit = nFirst; nBit < nFirst + nBits; ++nBit) {
                EXPECT_FALSE(covered.test(nBit)) << "control " << row.nId << " byte " << nBit / 8;
                covered.set(nBit);
            }
        }
        Bytes before = OpenOnRandomRecord(db);
        for (QWidget* pControl : Dialog().findChildren<QWidget*>()) {
            bool bNumber = false;
            const int nId = pControl->objectName().toInt(&bNumber);
            if (!bNumber || !pControl->isEnabled() || !pControl->isVisible() ||
                std::ranges::any_of(rows, [nId](const auto& row) { return row.nId == nId; })) {
                continue;
            }
            if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) {
                TypeInto(*pEdit, QStringLiteral("1"));
            } else if (auto* pBox = qobject_cast<QCheckBox*>(pControl)) {
                ClickBox(*pBox);
            } else if (auto* pCombo = qobject_cast<QComboBox*>(pControl)) {
                Pick(*pCombo, (pCombo->currentIndex() + 1) % std::max(pCombo->count(), 1));
            } else {
                continue;
            }
            Press(kApply);
            const Bytes after = Stored(kKey);
            EXPECT_THAT(Differences(after, before), IsEmpty())
                << "control " << nId << " has no row";
            before = after;
        }
    }
}

// Texts that read in their own way: a widened 16-bit number keeps its low bits, an index is
// signed, blanks around a number are dropped, "nan" is a quiet NaN, numbers at their limits
// are taken, a text edit takes only what Latin-1 holds. A text out of its field's range is
// refused with the field's name and stores nothing.
TEST_F(ControlBytesTest, TypedTextsConvertAsTheFieldsDescribe) {
    const std::tuple<Database, int, const char*, std::size_t, Bytes, const char*> texts[] = {
        {Database::Object, 1107, "65537", 150, {1, 0}, nullptr},
        {Database::Entity, 1004, "-2", 0, {0xFE, 0xFF}, nullptr},
        {Database::Profile, 1017, " 4660 ", 32, {0x34, 0x12}, nullptr},
        {Database::Mast, 1166, "nan", 80, {0, 0, 0xC0, 0x7F}, nullptr},
        {Database::Object, 1067, "255", 134, {0xFF}, nullptr},
        {Database::Sensor, 1122, "4294967295", 52, {0xFF, 0xFF, 0xFF, 0xFF}, nullptr},
        {Database::Sensor, 1124, "-2147483648", 96, {0, 0, 0, 0x80}, nullptr},
        {Database::Object, 1001, "\xC3\xA9t\xE2\x82\xAC\xC3\xA9", 2, {0xE9, 't', 0xE9, 0}, nullptr},
        {Database::Object, 1067, "256", 0, {}, "\"ASW\" needs an integer between 0 and 255."},
        {Database::Object, 1067, "-1", 0, {}, "\"ASW\" needs an integer between 0 and 255."},
        {Database::Sensor,
         1122,
         "4294967296",
         0,
         {},
         "\"Default Update Interval\" needs an integer between 0 and 4294967295."},
        {Database::Sensor,
         1124,
         "1.5",
         0,
         {},
         "\"MaxOperationAlt\" needs an integer between -2147483648 and 2147483647."},
        {Database::Mast, 1166, "1e39", 0, {}, "\"Center X\" needs a number."},
        {Database::Mast, 1166, "1,5", 0, {}, "\"Center X\" needs a number."},
    };
    for (const auto& [db, nId, pszText, nOffset, bytes, pszRefusal] : texts) {
        SCOPED_TRACE(testing::Message() << "control " << nId << " " << pszText);
        Bytes expected = OpenOnRandomRecord(db);
        std::copy(bytes.begin(), bytes.end(),
                  expected.begin() + static_cast<std::ptrdiff_t>(nOffset));
        TypeInto(Edit(nId), QString::fromUtf8(pszText));
        Press(kApply);
        EXPECT_THAT(Differences(Stored(kKey), expected), IsEmpty());
        if (pszRefusal != nullptr) {
            EXPECT_THAT(m_messages.Texts(),
                        testing::ElementsAre(std::string("The field ") + pszRefusal));
            EXPECT_EQ(Dialog().focusWidget(), &Edit(nId));
        }
    }
}

}  // namespace
