#include "MainFrame.h"

#include <QApplication>
#include <QEvent>
#include <QSplitter>
#include <QToolBar>
#include <optional>

#include "EditorFactory.h"
#include "MainFrameResource.h"
#include "Resource.h"
#include "VentryDoc.h"
#include "VentryView.h"
#include "gui/CmdUI.h"
#include "gui/MessageBox.h"
#include "gui/PathString.h"

IMPLEMENT_DYNCREATE(CMainFrame)

namespace {

struct EditorCommand {
    unsigned nID;
    EditorSlot slot;
};

constexpr EditorCommand kEditorCommands[] = {
    {ID_VIEW_OBJECTS, EditorSlot::Object},
    {ID_VIEW_SENSORS, EditorSlot::Sensor},
    {ID_VIEW_LAUNCHERS, EditorSlot::Launcher},
    {ID_VIEW_PROFILES, EditorSlot::Profile},
    {ID_VIEW_MASTS, EditorSlot::Mast},
    {ID_VIEW_ENTITIES, EditorSlot::Entity},
    {ID_VIEW_3DOBJECTS, EditorSlot::Object3D},
    {ID_VIEW_AIRSTRIPS, EditorSlot::Airstrip},
    {ID_VIEW_SHIPCLASSES, EditorSlot::ShipClass},
    {ID_VIEW_COUNTRYNAMES, EditorSlot::CountryName},
};

std::optional<EditorSlot> EditorSlotOf(unsigned nID) {
    for (const EditorCommand& command : kEditorCommands) {
        if (command.nID == nID) {
            return command.slot;
        }
    }
    return std::nullopt;
}

CMainFrame::CEditorFactory& EditorFactory() {
    static CMainFrame::CEditorFactory factory = CreateEditor;
    return factory;
}

// Message texts are single-byte; a path character outside Latin-1 shows as "?".
std::string MessageLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += AfxPathToQString(line).toLatin1().toStdString() + '\n';
    }
    return text;
}

}  // namespace

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
    if (const std::optional<EditorSlot> slot = EditorSlotOf(nID)) {
        OnEditorCommand(*slot);
        return true;
    }
    return CFrameWnd::OnCommand(nID);
}

bool CMainFrame::OnUpdateCommand(CCmdUI& cmdUI) {
    if (const std::optional<EditorSlot> slot = EditorSlotOf(cmdUI.m_nID)) {
        const CVentryDoc* doc = GetDocument();
        cmdUI.SetCheck(doc && doc->m_bShown[static_cast<std::size_t>(*slot)]);
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
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        UpdateCmdUI();
    }
    return CFrameWnd::eventFilter(watched, event);
}

CVentryDoc* CMainFrame::GetDocument() const {
    return dynamic_cast<CVentryDoc*>(GetActiveDocument());
}

void CMainFrame::OnEditorCommand(EditorSlot slot) {
    CVentryDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    std::unique_ptr<CEditorWindow>& editor = doc->Editor(slot);
    if (!editor) {
        editor = EditorFactory()(slot, this, *doc);
        if (auto* window = dynamic_cast<QWidget*>(editor.get())) {
            window->installEventFilter(this);
        }
    }
    auto* window = dynamic_cast<QWidget*>(editor.get());
    if (!window) {
        return;
    }
    // The flag first: showing or hiding runs the update pass, which reads it.
    const bool bShow = !window->isVisible();
    doc->Shown(slot) = bShow;
    window->setVisible(bShow);
}

void CMainFrame::ReportLoadProblems() const {
    const CVentryDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    std::string text;
    if (!doc->FilesWithDuplicateIndices().empty()) {
        text +=
            "These files hold several records with the same index. Only the last of each was "
            "loaded; the others will not be saved:\n" +
            MessageLines(doc->FilesWithDuplicateIndices());
    }
    if (!doc->UnreadableFiles().empty()) {
        text += (text.empty() ? "" : "\n") +
                std::string("These files could not be read; their databases are empty:\n") +
                MessageLines(doc->UnreadableFiles());
    }
    if (!text.empty()) {
        AfxShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
}
