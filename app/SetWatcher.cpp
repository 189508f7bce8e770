#include "SetWatcher.h"

#include <QApplication>
#include <QFileInfo>

#include "VentryDoc.h"
#include "gui/MessageBox.h"
#include "gui/PathString.h"
#include "gui/SingleDocTemplate.h"

CSetWatcher::CSetWatcher(CSingleDocTemplate& setTemplate, QObject* pParent)
    : QObject(pParent), m_template(setTemplate) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] { Check(); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_quiet, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_quiet,
            qOverload<>(&QTimer::start));
    if (CVentryDoc* doc = Document()) {
        doc->SetFilesOnDiskHandler([this] { OnFilesOnDisk(); });
    }
    OnFilesOnDisk();
}

CSetWatcher::~CSetWatcher() {
    if (CVentryDoc* doc = Document()) {
        doc->SetFilesOnDiskHandler({});
    }
}

CVentryDoc* CSetWatcher::Document() const {
    return dynamic_cast<CVentryDoc*>(m_template.GetDocument());
}

void CSetWatcher::OnFilesOnDisk() {
    m_told = {};
    Rewatch();
}

void CSetWatcher::Rewatch() {
    // A file replaced by a rename takes its watch along, so the files are watched afresh.
    if (const QStringList files = m_watcher.files(); !files.isEmpty()) {
        m_watcher.removePaths(files);
    }
    QStringList files;
    QStringList directories;
    if (const CVentryDoc* doc = Document()) {
        for (const CSetFilesOnDisk::CEntry& entry : doc->FilesOnDisk().Entries()) {
            if (entry.strPath.empty()) {
                continue;
            }
            const QFileInfo file(AfxPathToQString(entry.strPath));
            if (!directories.contains(file.absolutePath())) {
                directories << file.absolutePath();
            }
            if (file.exists()) {
                files << file.absoluteFilePath();
            }
        }
    }
    for (const QString& directory : m_watcher.directories()) {
        if (!directories.contains(directory)) {
            m_watcher.removePath(directory);
        }
    }
    for (const QString& directory : directories) {
        if (!m_watcher.directories().contains(directory)) {
            m_watcher.addPath(directory);
        }
    }
    if (!files.isEmpty()) {
        m_watcher.addPaths(files);
    }
}

CSetWatcher::CFileState CSetWatcher::StateOf(const std::string& path) {
    CFileState state;
    state.bExists = CFile::GetStatus(path, state.status);
    return state;
}

void CSetWatcher::Check() {
    const CVentryDoc* doc = Document();
    if (m_bAsking || !doc) {
        return;
    }
    // A question over another modal window would be answered in the wrong context.
    if (QApplication::activeModalWidget() != nullptr) {
        m_quiet.start();
        return;
    }
    Rewatch();
    std::vector<std::string> changes;
    const auto& entries = doc->FilesOnDisk().Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CSetFilesOnDisk::CEntry& entry = entries[i];
        if (entry.strPath.empty()) {
            continue;
        }
        const CFileState noted{entry.bExists, entry.status};
        const CFileState state = StateOf(entry.strPath);
        if (state.IsSameAs(noted) || (m_told[i] && state.IsSameAs(*m_told[i]))) {
            continue;
        }
        const QString name = QFileInfo(AfxPathToQString(entry.strPath)).fileName();
        changes.push_back(
            (state.bExists ? name : name + QStringLiteral(" (removed)")).toUtf8().toStdString());
    }
    if (!changes.empty()) {
        Ask(changes);
    }
}

void CSetWatcher::NoteTold() {
    const CVentryDoc* doc = Document();
    m_told = {};
    for (std::size_t i = 0; doc && i < m_told.size(); ++i) {
        const CSetFilesOnDisk::CEntry& entry = doc->FilesOnDisk().Entries()[i];
        if (!entry.strPath.empty()) {
            m_told[i] = StateOf(entry.strPath);
        }
    }
}

void CSetWatcher::Ask(const std::vector<std::string>& changes) {
    const CVentryDoc* doc = Document();
    std::string text = "Another program has changed files of the open set:\n";
    for (const std::string& change : changes) {
        text += "    " + change + '\n';
    }
    text += "\nLoad the set again?";
    if (doc->IsModified()) {
        text += " Your unsaved changes would be lost.";
    }
    m_bAsking = true;
    const int nAnswer = AfxShowMessageBox(text, MB_YESNO | MB_ICONQUESTION);
    m_bAsking = false;
    // Whatever happened while the question was open was part of what it asked about.
    NoteTold();
    if (nAnswer == IDYES) {
        Reload();
    }
}

void CSetWatcher::Reload() {
    CVentryDoc* doc = Document();
    const std::string path = doc->GetPathName();
    const bool bWasModified = doc->IsModified();
    // The question said the changes would be lost, so the framework does not ask again.
    doc->SetModifiedFlag(false);
    if (!m_template.OpenDocumentFile(path) && doc->GetPathName() == path) {
        doc->SetModifiedFlag(
            bWasModified);  // not loaded: the set in memory is still the edited one
    }
}
