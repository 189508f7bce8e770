#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <cmath>
#include <limits>
#include <random>

#include "EditorTestSupport.h"
#include "FieldForm.h"

namespace {

using testing::ElementsAre;
using Image = std::array<std::uint8_t, 48>;

constexpr ComboItem kColours[] = {{"Red", 0}, {"Green", 0}, {"Blue", 0}};
constexpr ComboItem kSizes[] = {{"Small", 10}, {"Large", 20}};
constexpr FieldGroup kGroups[] = {{"Group", 2}};

// Every kind of binding over a 48-byte image; bytes 46-47 and 29's upper bits are unbound.
constexpr FieldBinding kFields[] = {
    {.nId = 2001, .pszLabel = "Byte:", .at = UInt8At(0)},
    {.nId = 2002, .pszLabel = "Signed byte", .at = Int8At(1)},
    {.nId = 2003, .pszLabel = "Word", .at = UInt16At(2)},
    {.nId = 2004, .pszLabel = "Long", .at = Int32At(4), .nGroup = 0},
    {.nId = 2005, .pszLabel = "Unsigned", .at = UInt32At(8), .nGroup = 0},
    {.nId = 2006, .pszLabel = "Float", .at = FloatAt(12), .nGroup = 0},
    {.nId = 2007, .pszLabel = "Text:", .at = TextAt(16, 12), .nTextLimit = 8},
    {.nId = 2008, .pszLabel = "Flag A", .at = UInt16At(28), .kind = ControlKind::CheckBit},
    {.nId = 2009,
     .pszLabel = "Flag B",
     .at = UInt16At(28),
     .kind = ControlKind::CheckBit,
     .nBit = 9},
    {.nId = 2010,
     .pszLabel = "Colour",
     .at = Int32At(30),
     .kind = ControlKind::ComboIndex,
     .items = kColours},
    {.nId = 2011,
     .pszLabel = "Size",
     .at = Int16At(34),
     .kind = ControlKind::ComboValue,
     .items = kSizes},
    {.nId = 2012, .pszLabel = "Shown only", .at = Int16At(36), .bReadOnly = true},
    {.nId = 2013, .pszLabel = "Second float", .at = FloatAt(38)},
    {.nId = 2014, .pszLabel = "Short signed", .at = Int16At(42)},
    {.nId = 2015, .pszLabel = "Last", .at = UInt16At(44)},
};

class FieldFormTest : public testing::Test {
protected:
    FieldFormTest() : m_form(kFields, kGroups, nullptr) { m_form.show(); }

    template <class T>
    T& Control(int nId) {
        return *dynamic_cast<T*>(m_form.Control(nId));
    }
    QLineEdit& Edit(int nId) { return Control<QLineEdit>(nId); }

    Image Stored(const Image& image, bool bExpectOk = true) {
        Image result = image;
        EXPECT_EQ(m_form.Store(result.data(), true), bExpectOk);
        return result;
    }

    CMessageLog m_messages;
    CFieldForm m_form;
};

// On the indicator: a wide box takes clicks only there and on its text.
void ClickBox(QCheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
}

Image RandomImage(unsigned nSeed) {
    std::mt19937 random(nSeed);
    Image image{};
    for (std::uint8_t& byte : image) {
        byte = static_cast<std::uint8_t>(random());
    }
    return image;
}

TEST_F(FieldFormTest, ControlsCarryIdsLabelsAndGroups) {
    for (const FieldBinding& binding : kFields) {
        ASSERT_NE(m_form.Control(binding.nId), nullptr);
        EXPECT_EQ(m_form.Control(binding.nId)->objectName(), QString::number(binding.nId));
    }
    EXPECT_EQ(m_form.Control(2001)->accessibleName(), "Byte");
    EXPECT_EQ(Control<QCheckBox>(2009).text(), "Flag B");
    EXPECT_EQ(Control<QComboBox>(2010).count(), 3);
    EXPECT_FALSE(m_form.Control(2012)->isEnabled());
    auto* pGroup = m_form.findChild<QGroupBox*>();
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(pGroup->title(), "Group");
    EXPECT_EQ(m_form.Control(2006)->parentWidget(), pGroup);
}

TEST_F(FieldFormTest, UntouchedControlsGiveBackArbitraryBytes) {
    for (unsigned nSeed = 0; nSeed < 300; ++nSeed) {
        const Image image = RandomImage(nSeed);
        m_form.Load(image.data(), image.size());
        EXPECT_EQ(Stored(image), image) << "seed " << nSeed;
    }
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(FieldFormTest, UntouchedFloatsKeepTheirBits) {
    for (const std::uint32_t nBits :
         {0x7FC01234u, 0xFFA00001u, 0x80000000u, 0x00000001u, 0x7F800000u, 0x7F7FFFFFu}) {
        Image image{};
        RecordField::Set(image.data(), 12, nBits);
        m_form.Load(image.data(), image.size());
        EXPECT_EQ(RecordField::Get<std::uint32_t>(Stored(image).data(), 12), nBits);
    }
}

TEST_F(FieldFormTest, FloatsShowTheShortestTextThatReadsBack) {
    const std::pair<float, const char*> cases[] = {
        {0.1f, "0.1"}, {-2.5f, "-2.5"}, {1e-45f, "1e-45"}, {3.4028235e38f, "3.4028235e+38"},
        {-0.0f, "-0"}, {100.0f, "100"}, {0.3f, "0.3"},     {16777217.0f, "16777216"},
    };
    for (const auto& [value, pszText] : cases) {
        Image image{};
        RecordField::Set(image.data(), 12, value);
        m_form.Load(image.data(), image.size());
        EXPECT_EQ(Edit(2006).text(), pszText);
        float parsed = 0;
        ASSERT_TRUE(TextToFloat(QString::fromLatin1(pszText), parsed));
        EXPECT_EQ(std::memcmp(&parsed, &value, 4), 0) << pszText;
    }
}

TEST_F(FieldFormTest, TypedFloatIsStoredExactly) {
    Image image{};
    m_form.Load(image.data(), image.size());
    TypeInto(Edit(2006), "0.1");
    TypeInto(Edit(2013), "-1e-3");
    const Image stored = Stored(image);
    EXPECT_EQ(RecordField::Get<float>(stored.data(), 12), 0.1f);
    EXPECT_EQ(RecordField::Get<float>(stored.data(), 38), -1e-3f);
}

TEST_F(FieldFormTest, NumbersOutOfRangeOrNotNumbersAreRefusedWithTheFieldName) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {2001, "256", "The field \"Byte\" needs an integer between 0 and 255."},
        {2001, "-1", "The field \"Byte\" needs an integer between 0 and 255."},
        {2002, "128", "The field \"Signed byte\" needs an integer between -128 and 127."},
        {2003, "", "The field \"Word\" needs an integer between 0 and 65535."},
        {2004, "1.5", "The field \"Long\" needs an integer between -2147483648 and 2147483647."},
        {2005, "4294967296", "The field \"Unsigned\" needs an integer between 0 and 4294967295."},
        {2006, "1,5", "The field \"Float\" needs a number."},
        {2006, "1e39", "The field \"Float\" needs a number."},
        {2006, "+-1", "The field \"Float\" needs a number."},
    };
    for (const auto& [nId, pszTyped, pszMessage] : cases) {
        const Image image = RandomImage(3);
        m_form.Load(image.data(), image.size());
        TypeInto(Edit(2015), "1");  // after the bad field: must not be read
        TypeInto(Edit(nId), QString::fromLatin1(pszTyped));
        m_messages.m_entries.clear();
        EXPECT_EQ(Stored(image, false), image) << pszTyped;
        EXPECT_THAT(m_messages.Texts(), ElementsAre(pszMessage));
        EXPECT_EQ(m_form.focusWidget(), &Edit(nId));
    }
}

TEST_F(FieldFormTest, NumbersAtTheirLimitsAreAccepted) {
    Image image{};
    m_form.Load(image.data(), image.size());
    TypeInto(Edit(2001), "255");
    TypeInto(Edit(2002), "-128");
    TypeInto(Edit(2004), "-2147483648");
    TypeInto(Edit(2005), "4294967295");
    TypeInto(Edit(2014), " +7 ");
    const Image stored = Stored(image);
    EXPECT_EQ(stored[0], 255);
    EXPECT_EQ(RecordField::Get<std::int8_t>(stored.data(), 1), -128);
    EXPECT_EQ(RecordField::Get<std::int32_t>(stored.data(), 4),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RecordField::Get<std::uint32_t>(stored.data(), 8), 4294967295u);
    EXPECT_EQ(RecordField::Get<std::int16_t>(stored.data(), 42), 7);
}

TEST_F(FieldFormTest, SilentStoreReportsNothing) {
    Image image{};
    m_form.Load(image.data(), image.size());
    TypeInto(Edit(2003), "x");
    EXPECT_FALSE(m_form.Store(image.data(), false));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(FieldFormTest, TextEditsRefuseWhatCannotBeStored) {
    Image image{};
    m_form.Load(image.data(), image.size());
    TypeInto(Edit(2007), QString::fromUtf8("\xC3\xA9t\xE2\x82\xAC\xC3\xA9t\xC3\xA9 long"));
    EXPECT_EQ(Edit(2007).text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9t\xC3\xA9 lo"));
    const Image stored = Stored(image);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stored.data() + 16), 9),
              std::string("\xE9t\xE9t\xE9 lo\0", 9));

    Edit(2007).setText(QString::fromUtf8("\xE2\x82\xAC"));  // set by program, not typed
    EXPECT_EQ(Stored(image, false), image);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The field \"Text\" holds characters that cannot be stored."));
}

TEST_F(FieldFormTest, StoredTextLongerThanTheTypingLimitIsShownWholeAndSurvivesUntouched) {
    Image image{};
    std::memcpy(image.data() + 16, "TwelveBytes!", 12);  // fills the field, no terminator
    m_form.Load(image.data(), image.size());
    EXPECT_EQ(Edit(2007).text(), "TwelveBytes!");
    EXPECT_EQ(Stored(image), image);
    TypeText(Edit(2007), "x");  // no room beyond what is stored
    EXPECT_EQ(Edit(2007).text(), "TwelveBytes!");
    TypeInto(Edit(2007), "Abc");
    const Image stored = Stored(image);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stored.data() + 16), 12),
              std::string("Abc\0veBytes!", 12));

    // A record with a short text limits typing as the field does.
    Image shortText{};
    m_form.Load(shortText.data(), shortText.size());
    TypeInto(Edit(2007), "0123456789");
    EXPECT_EQ(Edit(2007).text(), "01234567");
}

TEST_F(FieldFormTest, CheckBoxesSetAndClearOnlyTheirBits) {
    Image image{};
    RecordField::Set<std::uint16_t>(image.data(), 28, 0xF0F0);
    m_form.Load(image.data(), image.size());
    EXPECT_FALSE(Control<QCheckBox>(2008).isChecked());
    EXPECT_FALSE(Control<QCheckBox>(2009).isChecked());
    ClickBox(Control<QCheckBox>(2008));
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(image).data(), 28), 0xF0F1);

    RecordField::Set<std::uint16_t>(image.data(), 28, 0xFFFF);
    m_form.Load(image.data(), image.size());
    EXPECT_TRUE(Control<QCheckBox>(2009).isChecked());
    ClickBox(Control<QCheckBox>(2009));
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(image).data(), 28), 0xFDFF);
}

TEST_F(FieldFormTest, CombosStorePositionOrAttachedValue) {
    Image image{};
    RecordField::Set<std::int32_t>(image.data(), 30, 1);
    RecordField::Set<std::int16_t>(image.data(), 34, 20);
    m_form.Load(image.data(), image.size());
    EXPECT_EQ(Control<QComboBox>(2010).currentText(), "Green");
    EXPECT_EQ(Control<QComboBox>(2011).currentText(), "Large");
    Control<QComboBox>(2010).setCurrentIndex(2);
    Control<QComboBox>(2011).setCurrentIndex(0);
    const Image stored = Stored(image);
    EXPECT_EQ(RecordField::Get<std::int32_t>(stored.data(), 30), 2);
    EXPECT_EQ(RecordField::Get<std::int16_t>(stored.data(), 34), 10);
}

TEST_F(FieldFormTest, CombosWithoutAMatchingItemKeepTheStoredValue) {
    Image image{};
    RecordField::Set<std::int32_t>(image.data(), 30, 7);
    RecordField::Set<std::int16_t>(image.data(), 34, 15);
    m_form.Load(image.data(), image.size());
    EXPECT_EQ(Control<QComboBox>(2010).currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>(2011).currentIndex(), -1);
    EXPECT_EQ(Stored(image), image);
}

TEST_F(FieldFormTest, ReadOnlyFieldsAreNeverWritten) {
    const Image image = RandomImage(9);
    m_form.Load(image.data(), image.size());
    Edit(2012).setText("123");
    EXPECT_EQ(Stored(image), image);
}

TEST_F(FieldFormTest, EachControlChangesOnlyItsOwnBytes) {
    struct Change {
        int nId;
        const char* pszTyped;
        std::size_t nOffset;
        std::vector<std::uint8_t> bytes;
    };
    const Change changes[] = {
        {2001, "7", 0, {7}},
        {2002, "-2", 1, {0xFE}},
        {2003, "258", 2, {2, 1}},
        {2004, "-2", 4, {0xFE, 0xFF, 0xFF, 0xFF}},
        {2005, "16909060", 8, {4, 3, 2, 1}},
        {2006, "1", 12, {0, 0, 0x80, 0x3F}},
        {2007, "Hi", 16, {'H', 'i', 0}},
        {2013, "-2", 38, {0, 0, 0, 0xC0}},
        {2014, "-1", 42, {0xFF, 0xFF}},
        {2015, "1", 44, {1, 0}},
    };
    for (const Change& change : changes) {
        const Image image = RandomImage(17);
        m_form.Load(image.data(), image.size());
        TypeInto(Edit(change.nId), QString::fromLatin1(change.pszTyped));
        Image expected = image;
        std::copy(change.bytes.begin(), change.bytes.end(), expected.begin() + change.nOffset);
        EXPECT_EQ(Stored(image), expected) << "control " << change.nId;
    }
}

TEST_F(FieldFormTest, ClearBlanksAndEnableFieldsSparesReadOnlyControls) {
    const Image image = RandomImage(4);
    m_form.Load(image.data(), image.size());
    m_form.Clear();
    EXPECT_TRUE(Edit(2001).text().isEmpty());
    EXPECT_EQ(Control<QComboBox>(2010).currentIndex(), -1);
    m_form.EnableFields(false);
    EXPECT_FALSE(Edit(2001).isEnabled());
    m_form.EnableFields(true);
    EXPECT_TRUE(Edit(2001).isEnabled());
    EXPECT_FALSE(Edit(2012).isEnabled());
}

}  // namespace
