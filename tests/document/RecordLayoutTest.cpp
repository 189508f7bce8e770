#include <gtest/gtest.h>

#include <set>

#include "RecordLayouts.h"
#include "TestFiles.h"

namespace {

TEST(RecordLayoutTest, EveryByteBelongsToExactlyOneNamedField) {
    for (const RecordShape& shape : kRecordShapes) {
        const RecordLayout& layout = LayoutOf(static_cast<Database>(shape.file));
        SCOPED_TRACE(std::string(layout.name));
        ASSERT_EQ(layout.nRecordSize, shape.size);
        EXPECT_EQ(layout.NameField().nOffset, shape.nameOffset);
        EXPECT_EQ(layout.NameField().nWidth, shape.nameWidth);
        EXPECT_EQ(layout.bIndexed, shape.file != Database::Object3D);
        std::vector<int> owners(shape.size, 0);
        std::set<std::string_view> names;
        for (const LayoutField& field : layout.fields) {
            EXPECT_TRUE(names.insert(field.name).second) << field.name;
            ASSERT_LE(field.nOffset + field.Size(), shape.size) << field.name;
            for (std::size_t i = field.nOffset; i < field.nOffset + field.Size(); ++i) {
                EXPECT_EQ(owners[i]++, 0) << field.name << " shares byte " << i;
            }
        }
        for (std::size_t i = 0; i < shape.size; ++i) {
            EXPECT_EQ(owners[i], 1) << "byte " << i;
        }
    }
    EXPECT_EQ(FindLayout("shipbasedaircraft"), nullptr);
}

}  // namespace
