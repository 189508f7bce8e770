#pragma once

#include <QMainWindow>
#include <span>
#include <utility>
#include <vector>

#include "CmdTarget.h"
#include "CreateContext.h"
#include "FrameResource.h"
#include "core/Object.h"

class CDocument;
class CView;
class QToolBar;

// A main window around one document: menus, accelerators and toolbars built from data,
// commands routed by id to the frame and then to the application, and an update pass
// that sets each command's menu item and buttons. The pass runs after every command and
// every load, and the title follows the document's title and modified flag as they change;
// an idle program does no work at all. Every menu item and button is its own QAction whose
// objectName is its command id.
class CFrameWnd : public QMainWindow, public CObject, public CCmdTarget {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Builds the frame for the context's document; false when a part could not be made.
    bool LoadFrame(const QString& strTitle, const CCreateContext& context);
    CDocument* GetActiveDocument() const { return m_pDocument; }

    // After each load: shows the frame when asked, then lets the views adapt to it.
    virtual void InitialUpdateFrame(bool bMakeVisible);
    void ActivateFrame();
    // Files dropped onto the frame are opened like a file named on the command line.
    void DragAcceptFiles();
    void UpdateCmdUI();

    bool OnCommand(unsigned nID) override;

protected:
    // The frame's bars; then the client area with the views of the context.
    virtual bool OnCreate() = 0;
    virtual bool OnCreateClient(const CCreateContext& context) = 0;

    // A view of a registered class as a child of pParent; null when the class is no view.
    QWidget* CreateView(const CRuntimeClass& viewClass, QWidget* pParent);
    void LoadMenu(std::span<const CPopupMenuResource> menus);
    // Binds keys to the menu items of their commands, or to hidden actions of the frame.
    void LoadAccelerators(std::span<const CAcceleratorResource> accelerators);
    QToolBar* CreateToolBar(const CToolBarResource& resource);

    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommandAction(unsigned nID, const QString& text, QObject* pParent);
    QAction* FindKeyAction(unsigned nID) const;
    void RouteCommand(unsigned nID);
    void OnUpdateFrameTitle();

    CDocument* m_pDocument = nullptr;
    QString m_strTitle;
    std::vector<std::pair<unsigned, QAction*>> m_commandActions;
    std::vector<CView*> m_views;  // children of the client area
};
