#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <unordered_map>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

// What each control showed right after the data was put into it. A control that still shows
// exactly that gives its member back untouched, so values that a control cannot show
// faithfully (NaN payloads, -0.0, cut texts, values without a combo item) keep their bits.
using CShownValues = std::unordered_map<const QWidget*, QString>;

// One pass of data exchange between members and controls. Loading puts members into
// controls; saving reads controls into members and stops at the first control that does not
// parse: the user is told which field (the control's accessible name), the control gets the
// focus, and the members read so far are left as they are.
class CDataExchange {
public:
    CDataExchange(bool bSaveAndValidate, CShownValues& shown, bool bReportFailures = true)
        : m_bSaveAndValidate(bSaveAndValidate),
          m_shown(shown),
          m_bReportFailures(bReportFailures) {}

    const bool m_bSaveAndValidate;

    bool Failed() const { return m_bFailed; }
    void Fail(QWidget& control, const QString& problem);

    void Remember(const QWidget& control, const QString& shown) { m_shown[&control] = shown; }
    bool Untouched(const QWidget& control, const QString& shown) const;

private:
    CShownValues& m_shown;
    const bool m_bReportFailures;
    bool m_bFailed = false;
};

void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::int8_t& value);
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::uint8_t& value);
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::int16_t& value);
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::uint16_t& value);
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::int32_t& value);
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::uint32_t& value);
// Shown with the shortest text that reads back to the same float.
void DDX_Text(CDataExchange& dx, QLineEdit& edit, float& value);
// Single-byte text, one character per byte.
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::string& value);
void DDX_Check(CDataExchange& dx, QCheckBox& box, bool& value);
// The selected item's position; a position without an item shows no selection.
void DDX_CBIndex(CDataExchange& dx, QComboBox& combo, int& index);
// The value attached to the selected item; a value without an item shows no selection.
void DDX_CBData(CDataExchange& dx, QComboBox& combo, std::int64_t& value);
