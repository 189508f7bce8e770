#include "DifferenceOutput.h"

#include <nlohmann/json.hpp>

#include "CommandSupport.h"
#include "RecordLayouts.h"
#include "SetDiff.h"

void PrintDifference(const std::string& file, const CSetDifference& difference, bool bJson) {
    if (!bJson) {
        CommandSupport::PrintLine(FormatDifference(file, difference));
        return;
    }
    nlohmann::ordered_json json{{"file", file},
                                {"database", std::string(LayoutOf(difference.database).name)},
                                {"index", difference.nKey},
                                {"change", DifferenceKindName(difference.kind)}};
    if (difference.kind == CSetDifference::Kind::Changed) {
        json["field"] = difference.strColumn;
        json["old"] = difference.strOld;
        json["new"] = difference.strNew;
    }
    CommandSupport::PrintLine(json.dump());
}
