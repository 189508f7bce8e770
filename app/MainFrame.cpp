#include "MainFrame.h"

#include <QApplication>
#include <QEvent>
#include <QSplitter>
#include <QToolBar>
#include <algorithm>
#include <optional>

#include "EditorDlg.h"
#include "EditorFactory.h"
#include "ExtrasWindows.h"
#include "LoadProblems.h"
#include "MainFrameResource.h"
#include "Resource.h"
#include "ScriptDlg.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "VentryView.h"
#include "gui/CmdUI.h"
#include "gui/MessageBox.h"

IMPLEMENT_DYNCREATE(CMainFrame)

namespace {

struct EditorCommand {
    unsigned nID;
    Database database;
};

constexpr EditorCommand kEditorCommands[] = {
    {ID_VIEW_OBJECTS, Database::Object},
    {ID_VIEW_SENSORS, Database::Sensor},
    {ID_VIEW_LAUNCHERS, Database::Launcher},
    {ID_VIEW_PROFILES, Database::Profile},
    {ID_VIEW_MASTS, Database::Mast},
    {ID_VIEW_ENTITIES, Database::Entity},
    {ID_VIEW_3DOBJECTS, Database::Object3D},
    {ID_VIEW_AIRSTRIPS, Database::Airstrip},
    {ID_VIEW_SHIPCLASSES, Database::ShipClass},
    {ID_VIEW_COUNTRYNAMES, Database::CountryName},
};

std::optional<Database> EditorOf(unsigned nID) {
    for (const EditorCommand& command : kEditorCommands) {
        if (command.nID == nID) {
            return command.database;
        }
    }
    return std::nullopt;
}

CVentryApp* VentryApp() {
    return dynamic_cast<CVentryApp*>(AfxGetApp());
}

CMainFrame::CEditorFactory& EditorFactory() {
    static CMainFrame::CEditorFactory factory = CreateEditor;
    return factory;
}

}  // namespace

CMainFrame::CMainFrame() = default;

// The document outlives the frame.
CMainFrame::~CMainFrame() {
    if (CVentryDoc* doc = GetDocument()) {
        doc->SetRecordOpener({});
        doc->RemoveChangeListener(m_nListener);
    }
}

CMainFrame::CEditorFactory CMainFrame::SetEditorFactory(CEditorFactory factory) {
    CEditorFactory previous = std::move(EditorFactory());
    EditorFactory() = factory ? std::move(factory) : CEditorFactory(CreateEditor);
    return previous;
}

void CMainFrame::InitialUpdateFrame(bool bMakeVisible) {
    CFrameWnd::InitialUpdateFrame(bMakeVisible);
    ReportLoadProblems();
}

bool CMainFrame::OnCommand(unsigned nID) {
    if (const std::optional<Database> database = EditorOf(nID)) {
        OnEditorCommand(*database);
        return true;
    }
    switch (nID) {
        case ID_EXTRAS_CHECK_SET:
            m_pExtras->ShowSetCheck();
            return true;
        case ID_EXTRAS_TABLE_VIEW:
            m_pExtras->ShowTableView();
            return true;
        case ID_EXTRAS_WHERE_USED:
            OnWhereUsed();
            return true;
        case ID_EXTRAS_COMPARE:
            m_pExtras->ShowCompare();
            return true;
        case ID_EDIT_UNDO:
        case ID_EDIT_REDO:
            OnUndoRedo(nID == ID_EDIT_UNDO);
            return true;
        case ID_EDIT_HISTORY:
            m_pExtras->ShowHistory([this](std::size_t nPosition) { MoveHistoryTo(nPosition); });
            return true;
        case ID_EXTRAS_RUN_SCRIPT:
            OnRunScript();
            return true;
        case ID_EDIT_SET_VALUES:
            m_pExtras->SetValuesInTable();
            return true;
        case ID_EXTRAS_FIND_IN_SET:
            m_pExtras->ShowFindInSet();
            return true;
        default:
            if (CVentryApp* app = VentryApp(); app && app->GetRecentScripts().IsCommand(nID)) {
                app->OpenRecent(app->GetRecentScripts(), nID - ID_EXTRAS_SCRIPT1,
                                [this](const std::string& path) { return RunScript(path); });
                return true;
            }
            return CFrameWnd::OnCommand(nID);
    }
}

bool CMainFrame::OnUpdateCommand(CCmdUI& cmdUI) {
    if (const std::optional<Database> database = EditorOf(cmdUI.m_nID)) {
        const CVentryDoc* doc = GetDocument();
        cmdUI.SetCheck(doc && doc->m_bShown[static_cast<std::size_t>(*database)]);
        return true;
    }
    if (cmdUI.m_nID == ID_EXTRAS_WHERE_USED) {
        cmdUI.Enable(ActiveEditor() != nullptr);
        return true;
    }
    if (cmdUI.m_nID == ID_EDIT_SET_VALUES) {
        cmdUI.Enable(m_pExtras && m_pExtras->IsTableViewShown());
        return true;
    }
    if (cmdUI.m_nID == ID_EDIT_UNDO || cmdUI.m_nID == ID_EDIT_REDO) {
        UpdateHistoryCommand(cmdUI);
        return true;
    }
    return CFrameWnd::OnUpdateCommand(cmdUI);
}

bool CMainFrame::OnCreate() {
    LoadMenu(MainFrameResource::kMenu);
    LoadAccelerators(MainFrameResource::kAccelerators);
    CreateToolBar(MainFrameResource::kToolBar);
    QIcon icon(QString::fromLatin1(MainFrameResource::kIcon));
    icon.addFile(QString::fromLatin1(MainFrameResource::kSmallIcon));
    // The program icon, for the About box and every other window too.
    QApplication::setWindowIcon(icon);
    CVentryDoc* doc = GetDocument();
    if (!doc) {
        return false;
    }
    m_pExtras = std::make_unique<CExtrasWindows>(*this, *doc);
    // Undo and Redo name the step they would take: every change renames them.
    m_nListener =
        doc->AddChangeListener([this](const CVentryDoc::CChangeNotice&) { UpdateCmdUI(); });
    doc->SetRecordOpener(
        [this](Database database, std::uint16_t nKey) { OpenRecord(database, nKey); });
    return true;
}

bool CMainFrame::OnCreateClient(const CCreateContext& context) {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QString::number(AFX_IDW_PANE_FIRST));
    splitter->setChildrenCollapsible(false);
    QWidget* left =
        context.m_pNewViewClass ? CreateView(*context.m_pNewViewClass, splitter) : nullptr;
    QWidget* right = CreateView(CVentryView::classCVentryView, splitter);
    if (!left || !right) {
        delete splitter;
        return false;
    }
    left->setObjectName(QString::number(AFX_IDW_PANE_FIRST));
    right->setObjectName(QString::number(AFX_IDW_PANE_FIRST + 1));
    splitter->addWidget(left);
    splitter->addWidget(right);
    // The tree keeps its width; the form pane takes what the frame gains or loses.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({100, 100});
    setCentralWidget(splitter);
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // A shown editor comes to the front, whether or not a window manager activates it.
    const bool bActivated =
        (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) &&
        NoteActivation(watched);
    if (bActivated || event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        UpdateCmdUI();
    }
    return CFrameWnd::eventFilter(watched, event);
}

CVentryDoc* CMainFrame::GetDocument() const {
    return dynamic_cast<CVentryDoc*>(GetActiveDocument());
}

QWidget* CMainFrame::EditorWindow(Database database) {
    CVentryDoc* doc = GetDocument();
    if (!doc) {
        return nullptr;
    }
    std::unique_ptr<CEditorWindow>& editor = doc->Editor(database);
    if (!editor) {
        editor = EditorFactory()(database, this, *doc);
        if (auto* window = dynamic_cast<QWidget*>(editor.get())) {
            window->installEventFilter(this);
        }
    }
    return dynamic_cast<QWidget*>(editor.get());
}

void CMainFrame::OnEditorCommand(Database database) {
    QWidget* window = EditorWindow(database);
    if (!window) {
        return;
    }
    // The flag first: showing or hiding runs the update pass, which reads it.
    const bool bShow = !window->isVisible();
    GetDocument()->Shown(database) = bShow;
    window->setVisible(bShow);
}

void CMainFrame::OpenRecord(Database database, std::uint16_t nKey) {
    QWidget* window = EditorWindow(database);
    if (!window) {
        return;
    }
    GetDocument()->Shown(database) = true;
    window->show();
    window->raise();
    window->activateWindow();
    if (auto* editor = dynamic_cast<CEditorDlg*>(window)) {
        editor->ShowRecord(nKey);
    }
}

CEditorDlg* CMainFrame::ActiveEditor() const {
    const CVentryDoc* doc = GetDocument();
    if (!doc || !m_lastActiveEditor) {
        return nullptr;
    }
    auto* editor = dynamic_cast<CEditorDlg*>(
        doc->m_pEditors[static_cast<std::size_t>(*m_lastActiveEditor)].get());
    return editor && editor->isVisible() ? editor : nullptr;
}

bool CMainFrame::NoteActivation(QObject* pWindow) {
    const CVentryDoc* doc = GetDocument();
    for (const RecordLayout* layout : kRecordLayouts) {
        const CEditorWindow* editor =
            doc ? doc->m_pEditors[static_cast<std::size_t>(layout->database)].get() : nullptr;
        if (editor && dynamic_cast<const QObject*>(editor) == pWindow) {
            const bool bChanged = m_lastActiveEditor != layout->database;
            m_lastActiveEditor = layout->database;
            return bChanged;
        }
    }
    return false;
}

void CMainFrame::OnWhereUsed() {
    if (CEditorDlg* editor = ActiveEditor()) {
        if (const std::optional<std::uint16_t> nKey = editor->CurrentKey()) {
            m_pExtras->ShowWhereUsed(editor->RecordDatabase(), *nKey);
        }
    }
}

void CMainFrame::UpdateHistoryCommand(CCmdUI& cmdUI) const {
    const CVentryDoc* doc = GetDocument();
    const bool bUndo = cmdUI.m_nID == ID_EDIT_UNDO;
    const CSetHistory* history = doc ? &doc->History() : nullptr;
    const bool bCan = history && (bUndo ? history->CanUndo() : history->CanRedo());
    QString text = bUndo ? QStringLiteral("&Undo") : QStringLiteral("&Redo");
    if (bCan) {
        const std::size_t nStep = history->Position() - (bUndo ? 1 : 0);
        // A name's ampersand is a letter here, not a mnemonic.
        text += QLatin1Char(' ') + QString::fromStdString(history->Step(nStep).Title())
                                       .replace(QLatin1Char('&'), QStringLiteral("&&"));
    }
    cmdUI.SetText(text + (bUndo ? QStringLiteral("\tCtrl+Z") : QStringLiteral("\tCtrl+Y")));
    cmdUI.Enable(bCan);
}

void CMainFrame::OnUndoRedo(bool bUndo) {
    CVentryDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    const CSetHistory& history = doc->History();
    if (!(bUndo ? history.CanUndo() : history.CanRedo()) ||
        !SettleEditorsBefore(*doc, history.Step(history.Position() - (bUndo ? 1 : 0)))) {
        return;
    }
    // An edit the user chose to retain is now the newest step, and the one Undo takes back.
    if (bUndo) {
        doc->Undo();
    } else {
        doc->Redo();
    }
}

void CMainFrame::MoveHistoryTo(std::size_t nPosition) {
    CVentryDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    const CSetHistory& history = doc->History();
    // Editors with edits of a record the steps change keep or drop them first; a kept edit is
    // a step of its own, after which the history may be shorter than the position asked for.
    const std::size_t nFrom = std::min(nPosition, history.Position());
    const std::size_t nTo = std::max(nPosition, history.Position());
    for (std::size_t nStep = nFrom; nStep < nTo && nStep < history.Count(); ++nStep) {
        if (!SettleEditorsBefore(*doc, history.Step(nStep))) {
            return;
        }
    }
    nPosition = std::min(nPosition, history.Count());
    while (history.Position() > nPosition) {
        doc->Undo();
    }
    while (history.Position() < nPosition) {
        doc->Redo();
    }
    UpdateCmdUI();
}

void CMainFrame::ReportLoadProblems() const {
    if (const CVentryDoc* doc = GetDocument()) {
        ::ReportLoadProblems(*doc,
                             "These files hold several records with the same index. Only the "
                             "last of each was loaded; the others will not be saved:",
                             "These files could not be read; their databases are empty:");
    }
}

void CMainFrame::OnRunScript() {
    const CVentryApp* app = VentryApp();
    std::string path;
    if (app && app->GetRecentScripts().GetSize() > 0) {
        path = app->GetRecentScripts()[0];
    }
    if (CScriptDlg::PromptForScript(this, path)) {
        RunScript(path);
    }
}

bool CMainFrame::RunScript(const std::string& path) {
    if (!m_pExtras->RunScript(path)) {
        return false;
    }
    if (CVentryApp* app = VentryApp()) {
        app->AddToRecentList(app->GetRecentScripts(), path);
    }
    return true;
}
