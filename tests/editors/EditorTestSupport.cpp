#include "EditorTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "gui/MessageBox.h"
#include "gui/ModalRun.h"

CMessageLog::CMessageLog() {
    AfxSetMessageBoxHandler([this](const std::string& strText, unsigned nType) {
        m_entries.push_back({strText, nType});
        if (m_answers.empty()) {
            return static_cast<int>(IDOK);
        }
        const int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    });
}

CMessageLog::~CMessageLog() {
    AfxSetMessageBoxHandler({});
}

std::vector<std::string> CMessageLog::Texts() const {
    std::vector<std::string> texts;
    for (const Entry& entry : m_entries) {
        texts.push_back(entry.strText);
    }
    return texts;
}

CModalScript::CModalScript(std::function<int(QDialog&)> script) {
    AfxSetModalHandler([this, script](QDialog& dialog) {
        ++m_nRuns;
        return script(dialog);
    });
}

CModalScript::~CModalScript() {
    AfxSetModalHandler({});
}

void AddProfile(CVentryDoc& doc, std::uint16_t nIndex, const std::string& strName,
                std::vector<std::int16_t> bands) {
    auto pProfile = std::make_unique<CProfileInfo>();
    RecordField::Set(pProfile->m_data.data(), 0, nIndex);
    RecordField::SetText(pProfile->m_data.data(), 2, 20, strName);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        RecordField::Set(pProfile->m_data.data(), 22 + 2 * i, bands[i]);
    }
    doc.m_mapProfiles[nIndex] = std::move(pProfile);
}

CProfileInfo& AddRandomProfile(CVentryDoc& doc, std::uint16_t nIndex, unsigned nSeed) {
    std::mt19937 random(nSeed);
    auto pProfile = std::make_unique<CProfileInfo>();
    for (std::uint8_t& byte : pProfile->m_data) {
        byte = static_cast<std::uint8_t>(random());
    }
    RecordField::Set(pProfile->m_data.data(), 0, nIndex);
    CProfileInfo& profile = *pProfile;
    doc.m_mapProfiles[nIndex] = std::move(pProfile);
    return profile;
}

void AddObject(CVentryDoc& doc, std::uint16_t nIndex, const std::string& strName,
               std::int32_t nSimType) {
    auto pObject = std::make_unique<CObjectInfo>();
    RecordField::Set(pObject->m_data.data(), 0, nIndex);
    RecordField::SetText(pObject->m_data.data(), 2, 20, strName);
    RecordField::Set(pObject->m_data.data(), ObjectField::kSimType, nSimType);
    doc.m_mapObjectsByName[strName] = pObject.get();
    doc.m_mapObjects[nIndex] = std::move(pObject);
}

std::vector<std::string> ListLines(const QListWidget& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.count(); ++i) {
        lines.push_back(list.item(i)->text().toStdString());
    }
    return lines;
}

void ClickButton(const QWidget& parent, int nId) {
    auto* pButton = Find<QPushButton>(parent, nId);
    ASSERT_NE(pButton, nullptr) << "button " << nId;
    ASSERT_TRUE(pButton->isEnabled()) << "button " << nId;
    QTest::mouseClick(pButton, Qt::LeftButton);
}

void TypeInto(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    TypeText(edit, text);
}

void TypeText(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void DoubleClickRow(QListWidget& list, int nRow) {
    QListWidgetItem* pItem = list.item(nRow);
    list.scrollToItem(pItem);
    list.doItemsLayout();
    const QPoint center = list.visualItemRect(pItem).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, center);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, center);
}
