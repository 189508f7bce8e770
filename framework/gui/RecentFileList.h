#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class CCmdUI;
class QSettings;

// The files opened last, newest first, kept in the program's settings and shown in a menu
// from its first command on (the File menu's from ID_FILE_MRU_FILE1).
class CRecentFileList {
public:
    CRecentFileList(std::size_t nMaxSize, QString strSection, QString strEntryFormat,
                    unsigned nFirstID);

    // Puts pathName first; a listed path moves up, the oldest falls off a full list.
    void Add(const std::string& pathName);
    void Remove(std::size_t nIndex);
    std::size_t GetSize() const { return m_astrNames.size(); }
    std::size_t GetMaxSize() const { return m_nMaxSize; }
    unsigned GetFirstID() const { return m_nFirstID; }
    // True for the command of one of the list's menu items.
    bool IsCommand(unsigned nID) const {
        return nID >= m_nFirstID && nID - m_nFirstID < m_nMaxSize;
    }
    const std::string& operator[](std::size_t nIndex) const { return m_astrNames[nIndex]; }

    void ReadList(QSettings& settings);
    void WriteList(QSettings& settings) const;

    // Entry n as menu item "&n path"; while the list is empty the first item keeps the
    // menu's own text, disabled, and the others are hidden.
    void UpdateMenu(CCmdUI& cmdUI);

private:
    QString EntryKey(std::size_t nIndex) const;

    std::size_t m_nMaxSize;
    unsigned m_nFirstID;
    QString m_strSection;
    QString m_strEntryFormat;
    std::vector<std::string> m_astrNames;
    QString m_strOriginal;  // the first item's text from the menu
};
