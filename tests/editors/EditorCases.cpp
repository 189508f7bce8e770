#include "EditorCases.h"
#include "Resource.h"

#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "EditorFactory.h"
#include "RecordField.h"

namespace {

// Sim Types 0 to 12 pass the type filter; slots that name nothing would warn at every load.
void ListedObject(std::uint8_t* pRecord, std::uint16_t nKey) {
    RecordField::Set<std::int32_t>(pRecord, 28, nKey % 13);
    std::memset(pRecord + 220, 0, 98);
}

// Classes 1 to 11 pass the class filter; the display name shows in the line.
void ListedSensor(std::uint8_t* pRecord, std::uint16_t nKey) {
    RecordField::Set<std::int32_t>(pRecord, 44, nKey % 11 + 1);
}

}  // namespace

const EditorCase kEditorCases[10] = {
    {"Object", Database::Object, 1113, 1211, 1210, 1228, 1001, "My new Object", "", 8, true,
     ListedObject},
    {"Sensor", Database::Sensor, 1118, 1211, 1208, 0, 1119, "My new Sensor", " ()", 8, true,
     ListedSensor},
    {"Launcher", Database::Launcher, 1154, 1211, 1208, 1228, 1181, "My new Launcher", "", 8, false,
     nullptr},
    {"Airstrip", Database::Airstrip, 1262, 1211, 1208, 1228, 1263, "My new Airstrip", "", 8, false,
     nullptr},
    {"Profile", Database::Profile, 1182, 1145, 1208, 1228, 1029, "My new Profile", "", 8, false,
     nullptr},
    {"Mast", Database::Mast, 1195, 1211, 0, 0, 1194, nullptr, "", 0, false, nullptr},
    {"Entity", Database::Entity, 1196, 1211, 1208, 1228, 1198, "My new Entity", "", 8, false,
     nullptr},
    {"ThreeDObject", Database::Object3D, 1210, 1211, 1212, 1228, 1201, "My new 3DObject", "", 4,
     true, nullptr},
    {"ShipClass", Database::ShipClass, 1266, 1145, 1208, 1228, 1264, "My new ShipClass", "", 8,
     true, nullptr},
    {"CountryName", Database::CountryName, 1267, 1145, 1208, 1228, 1268, "My new CountryName", "",
     8, true, nullptr},
};

const EditorCase& CaseOf(Database database) {
    for (const EditorCase& editorCase : kEditorCases) {
        if (editorCase.file == database) {
            return editorCase;
        }
    }
    throw std::logic_error("no such editor");
}

void EditorTest::Open() {
    m_pEditor = CreateEditor(m_pCase->file, nullptr, m_doc);
    ASSERT_NE(m_pEditor, nullptr);
    m_doc.Shown(m_pCase->file) = true;
    Dialog().show();
}

void EditorTest::Reset() {
    m_pEditor.reset();
    m_doc.DeleteContents();
    m_messages.m_entries.clear();
}

QDialog& EditorTest::Dialog() const {
    return *dynamic_cast<QDialog*>(m_pEditor.get());
}

QAbstractItemView& EditorTest::List() const {
    return *Find<QAbstractItemView>(Dialog(), m_pCase->nListId);
}

QLineEdit& EditorTest::Edit(int nId) const {
    return *Find<QLineEdit>(Dialog(), nId);
}

QCheckBox& EditorTest::Box(int nId) const {
    return *Find<QCheckBox>(Dialog(), nId);
}

QComboBox& EditorTest::Combo(int nId) const {
    return *Find<QComboBox>(Dialog(), nId);
}

void EditorTest::Type(int nId, const char* pszText) {
    TypeInto(Edit(nId), QString::fromLatin1(pszText));
}

void EditorTest::Step(int nStep) {
    Find<QScrollBar>(Dialog(), m_pCase->nSpinId)
        ->triggerAction(nStep < 0 ? QAbstractSlider::SliderSingleStepSub
                                  : QAbstractSlider::SliderSingleStepAdd);
}

void EditorTest::Search(const char* pszText) {
    CModalScript script([pszText](QDialog& filter) {
        if (pszText == nullptr) {
            Click(filter, 2);
        } else {
            TypeText(*Find<QLineEdit>(filter, IDC_FILTER_TEXT), QString::fromLatin1(pszText));
            Click(filter, 1);
        }
        return filter.result();
    });
    Press(m_pCase->nSearchId);
    EXPECT_EQ(script.m_nRuns, 1);
}

std::uint8_t* EditorTest::Add(std::uint16_t nKey, const Bytes& image) {
    return AddRecord(m_doc, m_pCase->file, nKey, image);
}

std::uint8_t* EditorTest::AddNamed(std::uint16_t nKey, const std::string& strName) {
    std::uint8_t* pRecord = ::AddNamed(m_doc, m_pCase->file, nKey, strName);
    if (m_pCase->pfnMakeListed != nullptr) {
        m_pCase->pfnMakeListed(pRecord, nKey);
    }
    return pRecord;
}

std::uint8_t* EditorTest::AddRandom(std::uint16_t nKey, unsigned nSeed) {
    Bytes image = PatternBytes(ShapeOf(m_pCase->file).size, nSeed);
    if (m_pCase->file != Database::Object3D) {
        RecordField::Set(image.data(), 0, nKey);
    }
    if (m_pCase->pfnMakeListed != nullptr) {
        m_pCase->pfnMakeListed(image.data(), nKey);
    }
    return Add(nKey, image);
}

std::string EditorTest::Line(int nIndex, const std::string& strName, const char* pszSuffix) const {
    char number[16];
    std::snprintf(number, sizeof number, "%03d: ", nIndex);
    return number + strName + (pszSuffix != nullptr ? pszSuffix : m_pCase->pszLineSuffix);
}
