#include "ThreeDObjectDlg.h"

#include <charconv>

#include "IndexMapTable.h"
#include "RecordLine.h"
#include "RecordListModel.h"
#include "ThreeDObjectFields.h"

namespace {

const EditorDescription k3DObjectEditor = {
    .nTemplateId = 158,
    .pszCaption = "3D ObjectDialog",
    .nListId = 1210,
    .nSpinId = 1211,
    .nNewId = 1212,
    .pszNewCaption = "New Object",
    .pszDefaultName = "My new 3DObject",
    .pszSearchCaption = "Search",
    .bTypeFilter = true,
    .bListsOtherTypes = true,
    .bCloseBox = true,
    .fields = ThreeDObjectFields::kFields,
    .groups = {},
};

}  // namespace

C3DObjectDlg::C3DObjectDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, k3DObjectEditor,
                 std::make_unique<CIndexMapTable<C3DObjectInfo>>(doc.m_map3DObjects)) {}

int C3DObjectDlg::ShownIndex(std::uint16_t nKey, const std::uint8_t*) const {
    return nKey;
}

void C3DObjectDlg::PrepareNewRecord(std::uint8_t* pRecord, std::uint16_t) const {
    RecordField::SetText(pRecord, C3DObjectInfo::kNameOffset, C3DObjectInfo::kNameWidth,
                         m_description.pszDefaultName);
}

// The digits before the line's colon.
int C3DObjectDlg::CurrentLineNumber() const {
    const std::string_view line = m_pLines->TextAt(m_nCurrent);
    int nNumber = 0;
    std::from_chars(line.data(), line.data() + line.size(), nNumber);
    return nNumber;
}

std::uint32_t C3DObjectDlg::FirstNewKey() const {
    return static_cast<std::uint32_t>(m_pLines->Count()) + 1u;
}

bool C3DObjectDlg::FillListWithTypes() {
    const bool bListed = CEditorDlg::FillListWithTypes();
    char line[RecordLine::kMaxLength];
    m_pLines->Rewrite([&](int nRow, const std::uint8_t* pRecord) {
        return std::string_view(line, FormatLine(nRow, pRecord, line));
    });
    return bListed;
}
