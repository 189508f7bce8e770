#include "RecordLayouts.h"

const RecordLayout* FindLayout(std::string_view name) {
    for (const RecordLayout* layout : kRecordLayouts) {
        if (layout->name == name) {
            return layout;
        }
    }
    return nullptr;
}
