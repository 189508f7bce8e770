#include "ThreeDObjectDlg.h"

#include <QListWidget>

#include "IndexMapTable.h"
#include "RecordLine.h"
#include "ThreeDObjectFields.h"

namespace {

const EditorDescription k3DObjectEditor = {
    .nTemplateId = 158,
    .pszCaption = "3D ObjectDialog",
    .slot = EditorSlot::Object3D,
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

const std::uint8_t* RecordOf(const QListWidgetItem& item) {
    return static_cast<const std::uint8_t*>(item.data(Qt::UserRole).value<void*>());
}

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
    return m_pList->item(m_nCurrent)->text().section(QLatin1Char(':'), 0, 0).toInt();
}

std::uint32_t C3DObjectDlg::FirstNewKey() const {
    return static_cast<std::uint32_t>(m_pList->count()) + 1u;
}

bool C3DObjectDlg::FillListWithTypes() {
    const bool bListed = CEditorDlg::FillListWithTypes();
    for (int nRow = 0; nRow < m_pList->count(); ++nRow) {
        QListWidgetItem& item = *m_pList->item(nRow);
        const std::string strLine = RecordLine::Format(
            nRow, RecordField::GetText(RecordOf(item), C3DObjectInfo::kNameOffset,
                                       C3DObjectInfo::kNameWidth));
        item.setText(QString::fromLatin1(strLine.data(), static_cast<qsizetype>(strLine.size())));
    }
    return bListed;
}
