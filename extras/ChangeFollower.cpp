#include "ChangeFollower.h"

#include <QWidget>

#include "VentryDoc.h"

CChangeFollower::CChangeFollower(CVentryDoc& doc, QWidget& window, std::function<void()> refill)
    : m_doc(doc),
      m_nListener(doc.AddChangeListener(
          [this, &window, refill = std::move(refill)](const CVentryDoc::CChangeNotice&) {
              if (!window.isVisible() || m_bPending) {
                  return;
              }
              m_bPending = true;
              QMetaObject::invokeMethod(
                  &window,
                  [this, refill] {
                      m_bPending = false;
                      refill();
                  },
                  Qt::QueuedConnection);
          })) {}

CChangeFollower::~CChangeFollower() {
    m_doc.RemoveChangeListener(m_nListener);
}
