#include "FrameWnd.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

#include "AfxRes.h"
#include "CmdUI.h"
#include "DocumentSave.h"
#include "DynamicCreate.h"
#include "PathString.h"
#include "RecentFileList.h"
#include "View.h"
#include "WinApp.h"
#include "core/Document.h"

namespace {

// The tooltips of the framework's own toolbar commands.
QString CommandToolTip(unsigned nID) {
    switch (nID) {
        case ID_FILE_OPEN:
            return QStringLiteral("Öffnen");
        case ID_FILE_SAVE:
            return QStringLiteral("Speichern");
        case ID_APP_ABOUT:
            return QStringLiteral("Info");
        default:
            return {};
    }
}

QString DroppedFile(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

}  // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
    if (m_pDocument) {
        m_pDocument->SetStateListener({});
    }
}

bool CFrameWnd::LoadFrame(const QString& strTitle, const CCreateContext& context) {
    m_strTitle = strTitle;
    m_pDocument = context.m_pCurrentDoc;
    if (m_pDocument) {
        m_pDocument->SetStateListener([this] { OnUpdateFrameTitle(); });
    }
    if (!OnCreate() || !OnCreateClient(context)) {
        return false;
    }
    OnUpdateFrameTitle();
    return true;
}

void CFrameWnd::InitialUpdateFrame(bool bMakeVisible) {
    // Views measure themselves against the frame, so it is laid out on screen first.
    if (bMakeVisible) {
        ActivateFrame();
    }
    for (CView* view : m_views) {
        view->OnInitialUpdate();
    }
    UpdateCmdUI();
}

void CFrameWnd::ActivateFrame() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void CFrameWnd::DragAcceptFiles() {
    setAcceptDrops(true);
}

void CFrameWnd::UpdateCmdUI() {
    CWinApp* app = AfxGetApp();
    for (const auto& [nID, action] : m_commandActions) {
        CCmdUI cmdUI(nID, *action);
        if (!OnUpdateCommand(cmdUI) && app) {
            app->OnUpdateCommand(cmdUI);
        }
    }
    OnUpdateFrameTitle();
}

bool CFrameWnd::OnCommand(unsigned nID) {
    switch (nID) {
        case ID_FILE_SAVE:
            if (m_pDocument) {
                AfxDoFileSave(*m_pDocument);
            }
            return true;
        case ID_FILE_SAVE_AS:
            if (m_pDocument) {
                m_pDocument->DoSave(std::string());
            }
            return true;
        case ID_NEXT_PANE:
        case ID_PREV_PANE:
            focusNextPrevChild(nID == ID_NEXT_PANE);
            return true;
        default:
            return false;
    }
}

QWidget* CFrameWnd::CreateView(const CRuntimeClass& viewClass, QWidget* pParent) {
    std::unique_ptr<CView> view = AfxCreateObject<CView>(viewClass);
    auto* widget = dynamic_cast<QWidget*>(view.get());
    if (!widget) {
        return nullptr;
    }
    widget->setParent(pParent);
    m_views.push_back(view.release());
    return widget;
}

void CFrameWnd::LoadMenu(std::span<const CPopupMenuResource> menus) {
    const CWinApp* app = AfxGetApp();
    for (const CPopupMenuResource& popup : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.pszText));
        for (const CMenuItemResource& item : popup.items) {
            if (item.nID == ID_SEPARATOR) {
                menu->addSeparator()->setObjectName(QString::number(ID_SEPARATOR));
                continue;
            }
            menu->addAction(AddCommandAction(item.nID, QString::fromUtf8(item.pszText), menu));
            // A recent-file item stands for the whole list: one item per entry.
            const CRecentFileList* recentFiles = app ? app->GetRecentList(item.nID) : nullptr;
            if (recentFiles) {
                for (std::size_t i = 1; i < recentFiles->GetMaxSize(); ++i) {
                    const auto nID = static_cast<unsigned>(item.nID + i);
                    QAction* entry = AddCommandAction(nID, QString(), menu);
                    entry->setVisible(false);
                    menu->addAction(entry);
                }
            }
        }
    }
}

void CFrameWnd::LoadAccelerators(std::span<const CAcceleratorResource> accelerators) {
    for (const CAcceleratorResource& accelerator : accelerators) {
        QAction* action = FindKeyAction(accelerator.nID);
        if (!action) {
            action = AddCommandAction(accelerator.nID, QString(), this);
            addAction(action);
        }
        action->setShortcuts(action->shortcuts()
                             << QKeySequence(QString::fromLatin1(accelerator.pszKey)));
    }
}

QToolBar* CFrameWnd::CreateToolBar(const CToolBarResource& resource) {
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QString::number(AFX_IDW_TOOLBAR));
    toolBar->setIconSize(QSize(resource.cx, resource.cy));
    toolBar->setFloatable(false);
    const QImage images(QString::fromUtf8(resource.pszImage));
    int nImage = 0;
    for (unsigned nID : resource.buttons) {
        if (nID == ID_SEPARATOR) {
            toolBar->addSeparator()->setObjectName(QString::number(ID_SEPARATOR));
            continue;
        }
        // A button's action has no text, so only an explicit tooltip is ever shown.
        QAction* action = AddCommandAction(nID, QString(), toolBar);
        action->setIcon(
            QPixmap::fromImage(images.copy(nImage++ * resource.cx, 0, resource.cx, resource.cy)));
        action->setToolTip(CommandToolTip(nID));
        toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
    return toolBar;
}

void CFrameWnd::closeEvent(QCloseEvent* event) {
    CWinApp* app = AfxGetApp();
    if (app && !app->SaveAllModified()) {
        event->ignore();
        return;
    }
    // The document owns the editor windows: its contents go while the frame still exists.
    if (app) {
        app->CloseAllDocuments();
    }
    event->accept();
}

void CFrameWnd::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CFrameWnd::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(*event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: the load may ask questions of its own.
    QMetaObject::invokeMethod(
        this,
        [this, file] {
            ActivateFrame();
            if (CWinApp* app = AfxGetApp()) {
                app->OpenDocumentFile(AfxQStringToPath(file));
            }
        },
        Qt::QueuedConnection);
}

QAction* CFrameWnd::AddCommandAction(unsigned nID, const QString& text, QObject* pParent) {
    auto* action = new QAction(text, pParent);
    action->setObjectName(QString::number(nID));
    connect(action, &QAction::triggered, this, [this, nID] { RouteCommand(nID); });
    m_commandActions.emplace_back(nID, action);
    return action;
}

QAction* CFrameWnd::FindKeyAction(unsigned nID) const {
    for (const auto& [nActionID, action] : m_commandActions) {
        if (nActionID == nID &&
            (qobject_cast<QMenu*>(action->parent()) || action->parent() == this)) {
            return action;
        }
    }
    return nullptr;
}

void CFrameWnd::RouteCommand(unsigned nID) {
    if (!OnCommand(nID)) {
        if (CWinApp* app = AfxGetApp()) {
            app->OnCommand(nID);
        }
    }
    UpdateCmdUI();
}

void CFrameWnd::OnUpdateFrameTitle() {
    QString title = m_strTitle;
    if (m_pDocument && !m_pDocument->GetTitle().empty()) {
        title = AfxPathToQString(m_pDocument->GetTitle()) + QStringLiteral("[*] - ") + m_strTitle;
    }
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    // Setting the flag talks to the window system even when it does not change.
    const bool bModified = m_pDocument && m_pDocument->IsModified();
    if (isWindowModified() != bModified) {
        setWindowModified(bModified);
    }
}
