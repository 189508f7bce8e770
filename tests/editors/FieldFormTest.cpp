#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "FieldForm.h"
#include "GuiTest.h"
#include "RecordField.h"
#include "TestFiles.h"

namespace {

using testing::ElementsAre;
using Image = std::array<std::uint8_t, 48>;

// One field of each type over a 48-byte image.
constexpr LayoutField kLayoutFields[] = {
    Field::UInt8("byte", 0),     Field::Int8("signed_byte", 1), Field::UInt16("word", 2),
    Field::Int32("long", 4),     Field::UInt32("unsigned", 8),  Field::Float("float", 12),
    Field::Text("text", 16, 12), Field::Float("float2", 38),    Field::Int16("short", 42),
    Field::UInt16("last", 44),
};
constexpr RecordLayout kLayout{Database::Object, "test",       "td", "test", 48, false,
                               "text",           kLayoutFields};

constexpr FieldBinding kFields[] = {
    {.nId = 2001, .pszLabel = "Byte:", .at = At(kLayout, "byte")},
    {.nId = 2002, .pszLabel = "Signed byte", .at = At(kLayout, "signed_byte")},
    {.nId = 2003, .pszLabel = "Word", .at = At(kLayout, "word")},
    {.nId = 2004, .pszLabel = "Long", .at = At(kLayout, "long")},
    {.nId = 2005, .pszLabel = "Unsigned", .at = At(kLayout, "unsigned")},
    {.nId = 2006, .pszLabel = "Float", .at = At(kLayout, "float")},
    {.nId = 2007, .pszLabel = "Text:", .at = At(kLayout, "text"), .nTextLimit = 8},
    {.nId = 2013, .pszLabel = "Second float", .at = At(kLayout, "float2")},
    {.nId = 2014, .pszLabel = "Short signed", .at = At(kLayout, "short")},
    {.nId = 2015, .pszLabel = "Last", .at = At(kLayout, "last")},
};

class FieldFormTest : public testing::Test {
protected:
    FieldFormTest() : m_form(kFields, {}, nullptr) { m_form.show(); }

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

Image RandomImage(unsigned nSeed) {
    const Bytes bytes = PatternBytes(sizeof(Image), nSeed);
    Image image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
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
}

}  // namespace
