#pragma once

#include <functional>

class CVentryDoc;
class QWidget;

// Keeps a window in step with the set in memory: after a burst of changes (a load tells every
// database at once, a script changes thousands of records), refill runs once, on the next turn
// of the event loop, while the window shows. A window refills itself when it is shown again.
class CChangeFollower {
public:
    CChangeFollower(CVentryDoc& doc, QWidget& window, std::function<void()> refill);
    ~CChangeFollower();
    CChangeFollower(const CChangeFollower&) = delete;
    CChangeFollower& operator=(const CChangeFollower&) = delete;

private:
    CVentryDoc& m_doc;
    int m_nListener;
    bool m_bPending = false;
};
