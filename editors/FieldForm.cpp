#include "FieldForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "FieldKindVisit.h"
#include "gui/DataExchangeLatin1.h"

namespace {

using RecordField::Get;
using RecordField::Set;

template <class T>
void ExchangeNumber(CDataExchange& dx, QLineEdit& edit, std::uint8_t* pAt) {
    T value = Get<T>(pAt, 0);
    DDX_Text(dx, edit, value);
    if (dx.m_bSaveAndValidate && !dx.Failed()) {
        Set(pAt, 0, value);
    }
}

void ExchangeWidened(CDataExchange& dx, QLineEdit& edit, std::uint8_t* pAt) {
    auto value = static_cast<std::uint32_t>(std::int32_t{Get<std::int16_t>(pAt, 0)});
    DDX_Text(dx, edit, value);
    if (dx.m_bSaveAndValidate && !dx.Failed()) {
        Set(pAt, 0, static_cast<std::uint16_t>(value));
    }
}

void ExchangeText(CDataExchange& dx, QLineEdit& edit, std::uint8_t* pAt, std::size_t nWidth) {
    std::string text = RecordField::GetText(pAt, 0, nWidth);
    DDX_Text(dx, edit, text);
    if (dx.m_bSaveAndValidate && !dx.Failed()) {
        RecordField::SetText(pAt, 0, nWidth, text);
    }
}

void ExchangeEdit(CDataExchange& dx, QLineEdit& edit, std::uint8_t* pImage, FieldAt at) {
    if (at.pField == nullptr) {
        std::int32_t zero = 0;
        DDX_Text(dx, edit, zero);
        return;
    }
    std::uint8_t* pAt = pImage + at.Offset();
    if (at.shown == EShown::Widened) {
        ExchangeWidened(dx, edit, pAt);
        return;
    }
    VisitFieldKind(at.ShownKind(), [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_arithmetic_v<T>) {
            ExchangeNumber<T>(dx, edit, pAt);
        } else if constexpr (std::is_same_v<T, TextKind>) {
            ExchangeText(dx, edit, pAt, at.Width());
        }
    });
}

void ExchangeBit(CDataExchange& dx, QCheckBox& box, std::uint8_t* pImage, const FieldBinding& b) {
    const auto mask = std::int64_t{1} << b.nBit;
    std::uint8_t* pAt = pImage + b.at.Offset();
    const std::int64_t word = ReadInteger(b.at.ShownKind(), pAt);
    bool bSet = (word & mask) != 0;
    DDX_Check(dx, box, bSet);
    if (dx.m_bSaveAndValidate) {
        WriteInteger(b.at.ShownKind(), pAt, bSet ? word | mask : word & ~mask);
    }
}

void ExchangeCombo(CDataExchange& dx, QComboBox& combo, std::uint8_t* pImage,
                   const FieldBinding& b) {
    std::uint8_t* pAt = pImage + b.at.Offset();
    std::int64_t value = ReadInteger(b.at.ShownKind(), pAt);
    if (b.kind == ControlKind::ComboIndex) {
        // A 32-bit unsigned value wraps here and back, so its bits survive.
        int index = static_cast<int>(value);
        DDX_CBIndex(dx, combo, index);
        value = index;
    } else {
        DDX_CBData(dx, combo, value);
        if (!dx.m_bSaveAndValidate && b.kind == ControlKind::ComboValueOrFirst &&
            combo.currentIndex() < 0 && combo.count() > 0) {
            combo.setCurrentIndex(0);
            dx.Remember(combo, QString::number(0));
        }
    }
    if (dx.m_bSaveAndValidate) {
        WriteInteger(b.at.ShownKind(), pAt, value);
    }
}

int TypingLimit(const FieldBinding& binding) {
    return binding.nTextLimit > 0 ? binding.nTextLimit : binding.at.Width();
}

// Characters an edit needs for its field's widest value.
int WidthInCharacters(const FieldBinding& binding) {
    const FieldAt& at = binding.at;
    if (at.pField == nullptr) {
        return 6;
    }
    if (at.shown == EShown::Widened) {
        return 11;
    }
    return VisitFieldKind(at.ShownKind(), [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_same_v<T, float>) {
            return 13;
        } else if constexpr (std::is_integral_v<T>) {
            return sizeof(T) == 1 ? 4 : (sizeof(T) == 2 ? 6 : 11);
        } else {
            return TypingLimit(binding);
        }
    });
}

bool IsTextEdit(const FieldBinding& binding) {
    return binding.kind == ControlKind::Edit && binding.at.pField != nullptr &&
           binding.at.pField->kind == FieldKind::Text;
}

QString AccessibleName(const char* pszLabel) {
    QString name = QString::fromLatin1(pszLabel).trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name;
}

}  // namespace

CFieldForm::CFieldForm(std::span<const FieldBinding> fields, std::span<const FieldGroup> groups,
                       QWidget* pParent)
    : QWidget(pParent), m_fields(fields) {
    m_controls.reserve(m_fields.size());
    for (const FieldBinding& binding : m_fields) {
        m_controls.push_back(CreateControl(binding));
    }
    BuildLayout(groups);
}

QWidget* CFieldForm::CreateControl(const FieldBinding& binding) {
    QWidget* pControl = nullptr;
    switch (binding.kind) {
        case ControlKind::Edit: {
            auto* pEdit = new QLineEdit(this);
            if (IsTextEdit(binding)) {
                pEdit->setMaxLength(TypingLimit(binding));
                pEdit->setValidator(new CLatin1Validator(pEdit));
            }
            // Wide enough for the field's longest value, no wider: a form of tidy columns.
            const int nChars = WidthInCharacters(binding);
            pEdit->setFixedWidth(pEdit->fontMetrics().horizontalAdvance(QString(nChars, '0')) + 16);
            pControl = pEdit;
            break;
        }
        case ControlKind::CheckBit:
            pControl = new QCheckBox(QString::fromLatin1(binding.pszLabel), this);
            break;
        case ControlKind::ComboIndex:
        case ControlKind::ComboValue:
        case ControlKind::ComboValueOrFirst: {
            auto* pCombo = new QComboBox(this);
            for (const NamedValue& item : binding.items) {
                pCombo->addItem(QString::fromLatin1(item.pszName),
                                QVariant::fromValue<qlonglong>(item.nValue));
            }
            pControl = pCombo;
            break;
        }
    }
    pControl->setObjectName(QString::number(binding.nId));
    pControl->setAccessibleName(AccessibleName(binding.pszLabel));
    pControl->setEnabled(!binding.bReadOnly);
    return pControl;
}

void CFieldForm::BuildLayout(std::span<const FieldGroup> groups) {
    int nFormColumns = 1;
    for (const FieldBinding& binding : m_fields) {
        nFormColumns = std::max(nFormColumns, binding.nFormColumn + 1);
    }
    for (const FieldGroup& group : groups) {
        nFormColumns = std::max(nFormColumns, group.nFormColumn + 1);
    }
    auto* pColumns = new QHBoxLayout(this);
    pColumns->setContentsMargins(0, 0, 0, 0);
    std::vector<QGridLayout*> looseGrids;
    for (int nColumn = 0; nColumn < nFormColumns; ++nColumn) {
        auto* pColumn = new QVBoxLayout;
        pColumns->addLayout(pColumn);
        m_columns.push_back(pColumn);
        auto* pLoose = new QGridLayout;
        pLoose->setColumnStretch(2, 1);
        pColumn->addLayout(pLoose);
        looseGrids.push_back(pLoose);
    }

    std::vector<QGridLayout*> groupGrids;
    std::vector<int> groupCounts(groups.size(), 0);
    for (const FieldGroup& group : groups) {
        auto* pBox = new QGroupBox(QString::fromLatin1(group.pszCaption), this);
        auto* pGrid = new QGridLayout(pBox);
        pGrid->setColumnStretch(group.nColumns, 1);
        groupGrids.push_back(pGrid);
        m_columns[static_cast<std::size_t>(group.nFormColumn)]->addWidget(pBox);
    }

    std::vector<int> looseRows(looseGrids.size(), 0);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const FieldBinding& binding = m_fields[i];
        QWidget* pControl = m_controls[i];
        QLabel* pLabel = nullptr;
        if (binding.kind != ControlKind::CheckBit) {
            pLabel = new QLabel(QString::fromLatin1(binding.pszLabel), this);
            pLabel->setBuddy(pControl);
        }
        if (binding.nGroup < 0) {
            const auto nColumn = static_cast<std::size_t>(binding.nFormColumn);
            QGridLayout* pLoose = looseGrids[nColumn];
            const int nLooseRow = looseRows[nColumn]++;
            if (pLabel != nullptr) {
                pLoose->addWidget(pLabel, nLooseRow, 0);
                pLoose->addWidget(pControl, nLooseRow, 1);
            } else {
                pLoose->addWidget(pControl, nLooseRow, 0, 1, 2);
            }
            continue;
        }
        const auto nGroup = static_cast<std::size_t>(binding.nGroup);
        const int nCell = groupCounts[nGroup]++;
        const int nColumns = groups[nGroup].nColumns;
        const int nRow = nCell / nColumns * 2;
        const int nColumn = nCell % nColumns;
        if (pLabel != nullptr) {
            groupGrids[nGroup]->addWidget(pLabel, nRow, nColumn);
        }
        groupGrids[nGroup]->addWidget(pControl, nRow + 1, nColumn);
    }
    for (QVBoxLayout* pColumn : m_columns) {
        pColumn->addStretch(1);
    }
}

void CFieldForm::InsertBelowFields(int nFormColumn, QWidget* pWidget) {
    pWidget->setParent(this);
    m_columns[static_cast<std::size_t>(nFormColumn)]->insertWidget(1, pWidget);
}

void CFieldForm::Load(const std::uint8_t* pRecord, std::size_t nSize) {
    // A stored text may be longer than one may type: show it whole, and let typing add nothing
    // beyond the longer of the two.
    const auto forEachTextEdit = [this](auto&& apply) {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (IsTextEdit(m_fields[i])) {
                apply(m_fields[i], *static_cast<QLineEdit*>(m_controls[i]));
            }
        }
    };
    forEachTextEdit([](const FieldBinding& binding, QLineEdit& edit) {
        edit.setMaxLength(std::max<int>(TypingLimit(binding), binding.at.Width()));
    });
    std::vector<std::uint8_t> image(pRecord, pRecord + nSize);
    m_shown.clear();
    CDataExchange dx(false, m_shown);
    Exchange(dx, image.data());
    forEachTextEdit([](const FieldBinding& binding, QLineEdit& edit) {
        edit.setMaxLength(
            std::max<int>(TypingLimit(binding), static_cast<int>(edit.text().size())));
    });
}

bool CFieldForm::Store(std::uint8_t* pImage, bool bReport) {
    CDataExchange dx(true, m_shown, bReport);
    Exchange(dx, pImage);
    return !dx.Failed();
}

void CFieldForm::Exchange(CDataExchange& dx, std::uint8_t* pImage) {
    for (std::size_t i = 0; i < m_fields.size() && !dx.Failed(); ++i) {
        const FieldBinding& binding = m_fields[i];
        if (dx.m_bSaveAndValidate && binding.bReadOnly) {
            continue;
        }
        QWidget* pControl = m_controls[i];
        switch (binding.kind) {
            case ControlKind::Edit:
                ExchangeEdit(dx, *static_cast<QLineEdit*>(pControl), pImage, binding.at);
                break;
            case ControlKind::CheckBit:
                ExchangeBit(dx, *static_cast<QCheckBox*>(pControl), pImage, binding);
                break;
            case ControlKind::ComboIndex:
            case ControlKind::ComboValue:
            case ControlKind::ComboValueOrFirst:
                ExchangeCombo(dx, *static_cast<QComboBox*>(pControl), pImage, binding);
                break;
        }
    }
}

void CFieldForm::Clear() {
    m_shown.clear();
    for (QWidget* pControl : m_controls) {
        if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) {
            pEdit->clear();
        } else if (auto* pBox = qobject_cast<QCheckBox*>(pControl)) {
            pBox->setChecked(false);
        } else if (auto* pCombo = qobject_cast<QComboBox*>(pControl)) {
            pCombo->setCurrentIndex(-1);
        }
    }
}

void CFieldForm::EnableFields(bool bEnable) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_controls[i]->setEnabled(bEnable && !m_fields[i].bReadOnly);
    }
}

QWidget* CFieldForm::Control(int nId) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].nId == nId) {
            return m_controls[i];
        }
    }
    return nullptr;
}

std::optional<std::string> CFieldForm::ShownText(const LayoutField& field) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].at.pField == &field && IsTextEdit(m_fields[i])) {
            return Latin1::FromQString(static_cast<const QLineEdit*>(m_controls[i])->text());
        }
    }
    return std::nullopt;
}
