#include "WinApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <string_view>

#include "AfxRes.h"
#include "CmdUI.h"
#include "DocManager.h"
#include "FrameWnd.h"
#include "MessageBox.h"
#include "PathString.h"
#include "RecentFileList.h"

namespace {

CWinApp* g_pApp = nullptr;

// --help and --version only print, so they need no display.
bool AsksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version") {
            return true;
        }
    }
    return false;
}

}  // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWinApp::CWinApp(const QString& strAppName, const QString& strVersion) {
    QCoreApplication::setApplicationName(strAppName);
    QCoreApplication::setApplicationVersion(strVersion);
    g_pApp = this;
    m_pPreviousServices = AfxSetAppServices(this);
}

CWinApp::~CWinApp() {
    // Documents and frames go first: their teardown may still use the services.
    m_pDocManager.reset();
    AfxSetAppServices(m_pPreviousServices);
    g_pApp = nullptr;
}

bool CWinApp::Start(const QStringList& arguments) {
    m_arguments = arguments;
    return InitInstance();
}

int CWinApp::Run(int& argc, char** argv) {
    std::unique_ptr<QCoreApplication> application;
    if (AsksOnlyForText(argc, argv)) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        application = std::make_unique<QApplication>(argc, argv);
    }
    const int nExitCode =
        Start(QCoreApplication::arguments()) ? QCoreApplication::exec() : m_nExitCode;
    // Frames and documents go while the Qt application still exists.
    m_pDocManager.reset();
    return nExitCode;
}

CFrameWnd* CWinApp::GetMainWnd() const {
    return m_pDocManager ? m_pDocManager->GetMainFrame() : nullptr;
}

CDocument* CWinApp::OpenDocumentFile(const std::string& fileName) {
    return m_pDocManager ? m_pDocManager->OpenDocumentFile(fileName) : nullptr;
}

bool CWinApp::SaveAllModified() {
    return !m_pDocManager || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments() {
    if (m_pDocManager) {
        m_pDocManager->CloseAllDocuments();
    }
}

int CWinApp::GetProfileInt(const QString& strSection, const QString& strEntry, int nDefault) {
    bool bOk = false;
    const int nValue = Profile().value(strSection + u'/' + strEntry).toInt(&bOk);
    return bOk ? nValue : nDefault;
}

void CWinApp::WriteProfileInt(const QString& strSection, const QString& strEntry, int nValue) {
    Profile().setValue(strSection + u'/' + strEntry, nValue);
    Profile().sync();
}

bool CWinApp::OnCommand(unsigned nID) {
    switch (nID) {
        case ID_FILE_NEW:
            if (m_pDocManager) {
                m_pDocManager->OnFileNew();
            }
            return true;
        case ID_FILE_OPEN:
            if (m_pDocManager) {
                m_pDocManager->OnFileOpen();
            }
            return true;
        case ID_APP_EXIT:
            if (CFrameWnd* frame = GetMainWnd()) {
                frame->close();
            }
            return true;
        default:
            if (m_pRecentFileList && m_pRecentFileList->IsCommand(nID)) {
                OpenRecent(
                    *m_pRecentFileList, nID - ID_FILE_MRU_FILE1,
                    [this](const std::string& path) { return OpenDocumentFile(path) != nullptr; });
                return true;
            }
            return false;
    }
}

bool CWinApp::OnUpdateCommand(CCmdUI& cmdUI) {
    CRecentFileList* list = RecentListOf(cmdUI.m_nID);
    if (list == nullptr) {
        return false;
    }
    list->UpdateMenu(cmdUI);
    return true;
}

int CWinApp::DoMessageBox(const std::string& text, unsigned type) {
    // A load's wait cursor must not hang over its error message.
    const bool bWaiting = QGuiApplication::overrideCursor() != nullptr;
    if (bWaiting) {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const int nResult = AfxShowMessageBox(text, type);
    if (bWaiting) {
        QGuiApplication::restoreOverrideCursor();
    }
    return nResult;
}

bool CWinApp::DoPromptFileName(std::string& fileName, bool bOpenFileDialog) {
    return m_pDocManager && m_pDocManager->DoPromptFileName(fileName, bOpenFileDialog);
}

void CWinApp::AddToRecentFileList(const std::string& pathName) {
    if (m_pRecentFileList) {
        AddToRecentList(*m_pRecentFileList, pathName);
    }
}

const CRecentFileList* CWinApp::GetRecentList(unsigned nFirstID) const {
    const CRecentFileList* list = RecentListOf(nFirstID);
    return list != nullptr && list->GetFirstID() == nFirstID ? list : nullptr;
}

CRecentFileList* CWinApp::RecentListOf(unsigned nID) const {
    for (const std::unique_ptr<CRecentFileList>& list : m_recentLists) {
        if (list->IsCommand(nID)) {
            return list.get();
        }
    }
    return nullptr;
}

void CWinApp::AddToRecentList(CRecentFileList& list, const std::string& path) {
    list.Add(path);
    WriteRecentList(list);
}

void CWinApp::OpenRecent(CRecentFileList& list, std::size_t nIndex,
                         const std::function<bool(const std::string& path)>& open) {
    if (nIndex >= list.GetSize()) {
        return;
    }
    const std::string path = list[nIndex];
    if (!open(path) && !QFileInfo::exists(AfxPathToQString(path))) {
        list.Remove(nIndex);
        WriteRecentList(list);
    }
}

void CWinApp::SetRegistryKey(const QString& strRegistryKey) {
    m_strRegistryKey = strRegistryKey;
    m_pSettings.reset();
}

void CWinApp::LoadStdProfileSettings(std::size_t nMaxMRU) {
    m_pRecentFileList = &AddRecentList(nMaxMRU, QStringLiteral("Recent File List"),
                                       QStringLiteral("File%1"), ID_FILE_MRU_FILE1);
    for (const std::unique_ptr<CRecentFileList>& list : m_recentLists) {
        list->ReadList(Profile());
    }
}

CRecentFileList& CWinApp::AddRecentList(std::size_t nMaxSize, const QString& strSection,
                                        const QString& strEntryFormat, unsigned nFirstID) {
    return *m_recentLists.emplace_back(
        std::make_unique<CRecentFileList>(nMaxSize, strSection, strEntryFormat, nFirstID));
}

void CWinApp::WriteRecentList(const CRecentFileList& list) {
    list.WriteList(Profile());
    Profile().sync();
}

void CWinApp::SetDocManager(std::unique_ptr<CDocManager> pDocManager) {
    m_pDocManager = std::move(pDocManager);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
    m_pDocManager->AddDocTemplate(std::move(pTemplate));
}

void CWinApp::ParseCommandLine(CCommandLineInfo& cmdInfo) const {
    QCommandLineParser parser;
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The file to open."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(m_arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
        cmdInfo.m_nExitCode = 2;
    } else if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    } else if (parser.isSet(versionOption)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    } else if (!parser.positionalArguments().isEmpty()) {
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
        cmdInfo.m_strFileName = AfxQStringToPath(parser.positionalArguments().front());
    }
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& cmdInfo) {
    switch (cmdInfo.m_nShellCommand) {
        case CCommandLineInfo::FileNew:
            OnCommand(ID_FILE_NEW);
            break;
        case CCommandLineInfo::FileOpen:
            OpenDocumentFile(cmdInfo.m_strFileName);
            break;
        case CCommandLineInfo::FileNothing:
            m_nExitCode = cmdInfo.m_nExitCode;
            return false;
    }
    return GetMainWnd() != nullptr;
}

QSettings& CWinApp::Profile() {
    if (!m_pSettings) {
        m_pSettings =
            std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                        m_strRegistryKey, QCoreApplication::applicationName());
    }
    return *m_pSettings;
}
