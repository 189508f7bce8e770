#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct RecordLayout;
class CFieldForm;
class CVentryDoc;

// A form over one record of a database: shows it, tells whether the controls changed it,
// stores what they show through the document's one door, shows the record again as stored,
// and asks before the user leaves edits that are not stored. The editors and the Profile Slot
// dialog both edit through one.
class CRecordForm {
public:
    enum class EState { Unchanged, Changed, Unreadable };
    // Puts a record into the controls; null blanks them.
    using CLoader = std::function<void(const std::uint8_t* pRecord)>;
    // Writes the controls into pImage, a copy of the stored record; false when one does not
    // parse, after telling the user when bReport.
    using CImageBuilder = std::function<bool(std::uint8_t* pImage, bool bReport)>;

    CRecordForm(CVentryDoc& doc, const RecordLayout& layout, const CFieldForm& fields, CLoader load,
                CImageBuilder build);

    // The record under nKey becomes the one the form shows; none blanks the form.
    void Show(std::optional<std::uint16_t> nKey);
    // The stored record; null when the form shows none.
    std::uint8_t* Record() const;
    // Shows the stored record again, dropping what the controls hold.
    void Revert() { Show(m_nKey); }

    EState Compare();
    // Stores what the controls show as one step, "Apply to object 3 Halvard". onStored, when
    // set, runs after a store that changed the record, before the form shows it again.
    EState Store();
    void SetStoredHandler(std::function<void()> onStored) { m_onStored = std::move(onStored); }
    // True while the form's own change goes through the document.
    bool IsStoring() const { return m_bStoring; }
    // Asks whether to retain what the controls changed, when they changed anything, and
    // stores or drops it as answered. False while a field that does not parse keeps the user
    // on the record.
    bool SettleBeforeLeaving();

private:
    // The name as the controls show it, else as stored.
    std::string EditedName() const;
    bool Build(std::vector<std::uint8_t>& image, bool bReport);

    CVentryDoc& m_doc;
    const RecordLayout& m_layout;
    const CFieldForm& m_fields;
    CLoader m_load;
    CImageBuilder m_build;
    std::function<void()> m_onStored;
    std::optional<std::uint16_t> m_nKey;
    bool m_bStoring = false;
};
