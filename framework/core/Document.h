#pragma once

#include <functional>
#include <memory>
#include <string>

#include "File.h"
#include "Object.h"

class CSaveTransaction;

// Thrown by a serialization that has already told the user why it stops.
class CUserException {};

// The framework's document: a path, a title, a modified flag, and the open, save and
// save-as steps around the derived class's Serialize.
class CDocument : public CObject {
public:
    CDocument();
    ~CDocument() override;

    const std::string& GetPathName() const { return m_strPathName; }
    // Records the path; the title becomes its file name and the path enters the recent list.
    virtual void SetPathName(const std::string& pathName, bool bAddToMRU = true);
    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title);
    bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool bModified = true);
    // Called whenever the title or the modified flag changes: the frame shows both.
    void SetStateListener(std::function<void()> onStateChanged) {
        m_onStateChanged = std::move(onStateChanged);
    }

    virtual void DeleteContents();
    virtual bool OnNewDocument();
    // Empties the document and loads it from pathName; reports a failure to the user. A save of
    // the set that was stopped half-way is finished or undone first (see CSaveRecovery).
    virtual bool OnOpenDocument(const std::string& pathName);
    // Writes the document to pathName, all or nothing; reports a failure to the user. The
    // files it replaces are kept in "ventry-backup" beside pathName (see CSaveTransaction). A
    // note left by an earlier save of that set is acted on first, as a load would.
    virtual bool OnSaveDocument(const std::string& pathName);
    // The save-as step: an empty pathName asks the user for one (starting from the current
    // path or a name proposed from the title); bReplace makes the new name the document's.
    virtual bool DoSave(const std::string& pathName, bool bReplace = true);

    // Opens a file for the serialization. While a save is running, a file opened for
    // writing is a temporary that replaces the named file only when the whole save succeeds.
    std::unique_ptr<CFile> GetFile(const std::string& fileName, unsigned openFlags,
                                   CFileException* error);
    void ReleaseFile(std::unique_ptr<CFile> file, bool bAbort);

    // The proposed save name of a document without a path: the title, cut before the first
    // character that cannot stand in a file name.
    static std::string ProposedSaveName(const std::string& title);

protected:
    virtual void ReportSaveLoadException(const CFileException& error, bool bSaving);
    // For the serialization of a save: the named file, already asked for, stays as it is.
    void LeaveFileAsItIs(const std::string& fileName);
    // A save has put all its files in place; the transaction tells which, and their status.
    virtual void OnSaveCommitted(const CSaveTransaction& transaction);

private:
    // Empties the document after a load failed half-way and forgets its path.
    void AbandonFailedLoad();
    // Finishes or undoes a save of the set at pathName that was cut short, telling the user;
    // false, with the reason told, when it cannot be acted on and nothing may be read or written.
    bool RecoverInterruptedSave(const std::string& pathName, const char* pszVerb);

    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    std::function<void()> m_onStateChanged;
    CSaveTransaction* m_pSaveTransaction = nullptr;  // set while OnSaveDocument runs
};
