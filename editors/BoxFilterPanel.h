#pragma once

#include <QGroupBox>
#include <vector>

#include "BoxFilter.h"

class QCheckBox;
class QPushButton;

// The group of a box filter, every box ticked to start with, and a Search button when the
// editor has one.
class CBoxFilterPanel final : public QGroupBox {
public:
    CBoxFilterPanel(const BoxFilter& filter, int nSearchId, const char* pszSearchCaption,
                    QWidget* pParent);

    // Whether value has a box; IsOn only for those.
    bool HasBox(int nValue) const;
    bool IsOn(int nValue) const;
    bool AllOn() const;
    void SetAll(bool bOn);

    QPushButton* SearchButton() const { return m_pSearch; }
    QPushButton* FilterButton() const { return m_pFilter; }

private:
    const BoxFilter& m_filter;
    std::vector<QCheckBox*> m_boxes;
    QPushButton* m_pSearch = nullptr;
    QPushButton* m_pFilter = nullptr;
};
