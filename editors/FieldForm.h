#pragma once

#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "FieldBinding.h"
#include "gui/DataExchange.h"

class QVBoxLayout;

// The record panel of an editor, built from its field table: one control per binding
// (objectName = control id, accessible name = the label), loose fields as label-control
// rows, grouped fields in their group boxes. It moves a record image into the controls and
// back, field by field, and never touches bytes that no binding covers.
class CFieldForm final : public QWidget {
public:
    CFieldForm(std::span<const FieldBinding> fields, std::span<const FieldGroup> groups,
               QWidget* pParent);

    // Shows the record in the controls and remembers what each control showed.
    void Load(const std::uint8_t* pRecord, std::size_t nSize);
    // Writes the controls into pImage, which holds the stored record. A control that still
    // shows what Load put there writes the stored bytes back. False when a control does not
    // parse; with bReport the user is told and the control gets the focus.
    bool Store(std::uint8_t* pImage, bool bReport);
    // No record to show: blank controls.
    void Clear();
    // Enables or disables every control that is not read-only.
    void EnableFields(bool bEnable);

    QWidget* Control(int nId) const;
    // The single-byte text of the edit that shows field; none when no edit shows it.
    std::optional<std::string> ShownText(const LayoutField& field) const;
    // Puts an editor's own control into a form column, below its loose fields and above its
    // groups.
    void InsertBelowFields(int nFormColumn, QWidget* pWidget);

private:
    QWidget* CreateControl(const FieldBinding& binding);
    void BuildLayout(std::span<const FieldGroup> groups);
    void Exchange(CDataExchange& dx, std::uint8_t* pImage);

    std::span<const FieldBinding> m_fields;
    std::vector<QWidget*> m_controls;  // one per binding, in table order
    std::vector<QVBoxLayout*> m_columns;
    CShownValues m_shown;
};
