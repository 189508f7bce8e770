#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "RecordLayout.h"
#include "core/File.h"

class CSingleDocTemplate;
class CVentryDoc;

// Tells the user, once, when another program changes, replaces or removes a file of the open
// set, and offers to load the set again. The document's own saves are no such change: the
// document notes what they put on disk. A burst of changes (another program saving the whole
// set) gives one question; while it is open, further changes add none.
class CSetWatcher : public QObject {
public:
    // Watches the set of the template's document for as long as both live.
    CSetWatcher(CSingleDocTemplate& setTemplate, QObject* pParent);
    ~CSetWatcher() override;

    static constexpr int kQuietMs = 300;  // a change counts once the files were quiet this long

private:
    // A file as found on disk: missing, or a version of it.
    struct CFileState {
        bool bExists = false;
        CFileStatus status;
        bool IsSameAs(const CFileState& other) const {
            return bExists == other.bExists && (!bExists || status.IsSameVersion(other.status));
        }
    };

    CVentryDoc* Document() const;
    // After a load or a save: the document's files are what counts as unchanged now.
    void OnFilesOnDisk();
    void Rewatch();
    void Check();
    void Ask(const std::vector<std::string>& changes);
    // The files as they are now count as told about.
    void NoteTold();
    void Reload();
    static CFileState StateOf(const std::string& path);

    CSingleDocTemplate& m_template;
    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    // What the user was last told about each database's file and chose to keep.
    std::array<std::optional<CFileState>, kDatabaseCount> m_told;
    bool m_bAsking = false;
};
