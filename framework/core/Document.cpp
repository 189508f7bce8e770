#include "Document.h"

#include <cerrno>
#include <new>

#include "AppServices.h"
#include "Archive.h"
#include "SaveRecovery.h"
#include "SaveTransaction.h"

CDocument::CDocument() = default;
CDocument::~CDocument() = default;

void CDocument::SetPathName(const std::string& pathName, bool bAddToMRU) {
    m_strPathName = pathName;
    const std::size_t slash = pathName.find_last_of('/');
    SetTitle(slash == std::string::npos ? pathName : pathName.substr(slash + 1));
    if (bAddToMRU) {
        AfxGetAppServices().AddToRecentFileList(pathName);
    }
}

void CDocument::SetTitle(const std::string& title) {
    if (m_strTitle == title) {
        return;
    }
    m_strTitle = title;
    if (m_onStateChanged) {
        m_onStateChanged();
    }
}

void CDocument::SetModifiedFlag(bool bModified) {
    if (m_bModified == bModified) {
        return;
    }
    m_bModified = bModified;
    if (m_onStateChanged) {
        m_onStateChanged();
    }
}

void CDocument::DeleteContents() {}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& pathName) {
    // A save stopped half-way is finished or undone first, so no mix of old and new is read.
    if (!RecoverInterruptedSave(pathName, "open")) {
        return false;
    }
    CFileException error("", 0);
    std::unique_ptr<CFile> file = GetFile(pathName, CFile::modeRead, &error);
    if (!file) {
        ReportSaveLoadException(error, false);
        return false;
    }
    DeleteContents();
    try {
        CArchive ar(file.get(), CArchive::load);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
        ReleaseFile(std::move(file), false);
    } catch (const CFileException& e) {
        ReleaseFile(std::move(file), true);
        AbandonFailedLoad();
        ReportSaveLoadException(e, false);
        return false;
    } catch (const CUserException&) {
        ReleaseFile(std::move(file), true);
        AbandonFailedLoad();
        return false;
    } catch (const std::bad_alloc&) {
        ReleaseFile(std::move(file), true);
        AbandonFailedLoad();
        ReportSaveLoadException(CFileException(pathName, ENOMEM), false);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::RecoverInterruptedSave(const std::string& pathName, const char* pszVerb) {
    const CSaveRecovery::CResult recovery = CSaveRecovery::Recover(pathName);
    if (recovery.outcome == CSaveRecovery::EOutcome::Refused) {
        AfxMessageBox(
            std::string("Failed to ") + pszVerb + " the document.\n" + recovery.strMessage,
            MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (recovery.outcome == CSaveRecovery::EOutcome::Completed) {
        AfxMessageBox(CSaveRecovery::kCompletedMessage, MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

void CDocument::AbandonFailedLoad() {
    DeleteContents();
    // Saving what is left would write an empty set over the files that failed to load.
    m_strPathName.clear();
    SetModifiedFlag(false);
}

bool CDocument::OnSaveDocument(const std::string& pathName) {
    // A note left by an earlier save of the target set is acted on first: this save's own note
    // would hide it.
    if (!RecoverInterruptedSave(pathName, "save")) {
        return false;
    }
    const std::size_t slash = pathName.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "" : pathName.substr(0, slash + 1);
    CSaveTransaction transaction(directory + "ventry-backup", AfxGetAppServices().GetBackupCount(),
                                 CSaveJournal::NotePathFor(pathName));
    m_pSaveTransaction = &transaction;
    struct EndOfSave {
        CSaveTransaction*& active;
        ~EndOfSave() { active = nullptr; }
    } endOfSave{m_pSaveTransaction};
    bool bSaved = false;
    CFileException error("", 0);
    if (std::unique_ptr<CFile> file =
            GetFile(pathName, CFile::modeCreate | CFile::modeWrite, &error)) {
        try {
            CArchive ar(file.get(), CArchive::store);
            ar.m_pDocument = this;
            Serialize(ar);
            ar.Close();
            ReleaseFile(std::move(file), false);
            m_pSaveTransaction->Commit();
            bSaved = true;
        } catch (const CFileException& e) {
            error = e;
        } catch (const CUserException&) {
            return false;  // already told
        }
    }
    if (!bSaved) {
        ReportSaveLoadException(error, true);
        return false;
    }
    OnSaveCommitted(transaction);
    SetModifiedFlag(false);
    return true;
}

bool CDocument::DoSave(const std::string& pathName, bool bReplace) {
    std::string newName = pathName;
    if (newName.empty()) {
        newName = m_strPathName.empty() ? ProposedSaveName(m_strTitle) : m_strPathName;
        if (!AfxGetAppServices().DoPromptFileName(newName, false)) {
            return false;
        }
    }
    // The save is all or nothing, so a failed Save As leaves no new file to clean up.
    if (!OnSaveDocument(newName)) {
        return false;
    }
    if (bReplace) {
        SetPathName(newName);
    }
    return true;
}

std::unique_ptr<CFile> CDocument::GetFile(const std::string& fileName, unsigned openFlags,
                                          CFileException* error) {
    const bool bWriting = (openFlags & CFile::modeWrite) != 0;
    std::string openName = fileName;
    if (bWriting && m_pSaveTransaction) {
        try {
            openName = m_pSaveTransaction->AddTarget(fileName);
        } catch (const CFileException& e) {
            if (error) {
                *error = e;
            }
            return nullptr;
        }
    }
    auto file = std::make_unique<CFile>();
    if (!file->Open(openName, openFlags, error)) {
        if (error) {
            *error = CFileException(fileName, error->OsError());
        }
        return nullptr;
    }
    file->SetFilePath(fileName);
    return file;
}

void CDocument::ReleaseFile(std::unique_ptr<CFile> file, bool bAbort) {
    if (!file) {
        return;
    }
    if (bAbort) {
        file->Abort();
        return;
    }
    if (m_pSaveTransaction) {
        // The disk writes this file while the save goes on with the next.
        file->StartFlush();
    }
    file->Close();
}

void CDocument::LeaveFileAsItIs(const std::string& fileName) {
    if (m_pSaveTransaction) {
        m_pSaveTransaction->LeaveAsItIs(fileName);
    }
}

void CDocument::OnSaveCommitted(const CSaveTransaction&) {}

std::string CDocument::ProposedSaveName(const std::string& title) {
    return title.substr(0, title.find_first_of(" #%;/\\"));
}

void CDocument::ReportSaveLoadException(const CFileException& error, bool bSaving) {
    const char* what =
        bSaving ? "Failed to save the document.\n" : "Failed to open the document.\n";
    AfxMessageBox(what + error.Describe(), MB_OK | MB_ICONEXCLAMATION);
}
