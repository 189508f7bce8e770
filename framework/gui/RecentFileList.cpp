#include "RecentFileList.h"

#include <QSettings>
#include <algorithm>

#include "CmdUI.h"
#include "PathString.h"

CRecentFileList::CRecentFileList(std::size_t nMaxSize, QString strSection, QString strEntryFormat,
                                 unsigned nFirstID)
    : m_nMaxSize(nMaxSize),
      m_nFirstID(nFirstID),
      m_strSection(std::move(strSection)),
      m_strEntryFormat(std::move(strEntryFormat)) {}

void CRecentFileList::Add(const std::string& pathName) {
    std::erase(m_astrNames, pathName);
    m_astrNames.insert(m_astrNames.begin(), pathName);
    if (m_astrNames.size() > m_nMaxSize) {
        m_astrNames.resize(m_nMaxSize);
    }
}

void CRecentFileList::Remove(std::size_t nIndex) {
    if (nIndex < m_astrNames.size()) {
        m_astrNames.erase(m_astrNames.begin() + static_cast<std::ptrdiff_t>(nIndex));
    }
}

QString CRecentFileList::EntryKey(std::size_t nIndex) const {
    return m_strSection + u'/' + m_strEntryFormat.arg(nIndex + 1);
}

void CRecentFileList::ReadList(QSettings& settings) {
    m_astrNames.clear();
    for (std::size_t i = 0; i < m_nMaxSize; ++i) {
        const QString name = settings.value(EntryKey(i)).toString();
        if (!name.isEmpty()) {
            m_astrNames.push_back(AfxQStringToPath(name));
        }
    }
}

void CRecentFileList::WriteList(QSettings& settings) const {
    settings.remove(m_strSection);
    for (std::size_t i = 0; i < m_astrNames.size(); ++i) {
        settings.setValue(EntryKey(i), AfxPathToQString(m_astrNames[i]));
    }
}

void CRecentFileList::UpdateMenu(CCmdUI& cmdUI) {
    const std::size_t nIndex = cmdUI.m_nID - m_nFirstID;
    if (nIndex == 0 && m_strOriginal.isEmpty()) {
        m_strOriginal = cmdUI.GetText();
    }
    if (nIndex < m_astrNames.size()) {
        QString path = AfxPathToQString(m_astrNames[nIndex]);
        path.replace(u'&', QStringLiteral("&&"));
        cmdUI.SetText(QStringLiteral("&%1 %2").arg(nIndex + 1).arg(path));
        cmdUI.Enable(true);
        cmdUI.Show(true);
    } else if (nIndex == 0) {
        cmdUI.SetText(m_strOriginal);
        cmdUI.Enable(false);
        cmdUI.Show(true);
    } else {
        cmdUI.Show(false);
    }
}
