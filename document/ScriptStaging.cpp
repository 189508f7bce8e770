#include "ScriptStaging.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "FieldKindVisit.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

namespace {

constexpr std::size_t kKeyCount = 0x10000;

}  // namespace

const CRecordTable& CScriptStaging::Table(Database database) const {
    return m_doc.Records(database);
}

const std::uint8_t* CScriptStaging::Find(Database database, std::uint16_t nKey) const {
    const CCopies& copies = CopiesOf(database);
    if (!copies.anSlotOfKey.empty() && copies.anSlotOfKey[nKey] >= 0) {
        return copies.bytes.data() +
               static_cast<std::size_t>(copies.anSlotOfKey[nKey]) * LayoutOf(database).nRecordSize;
    }
    return Table(database).Find(nKey);
}

std::uint8_t* CScriptStaging::Modify(Database database, std::uint16_t nKey) {
    CCopies& copies = CopiesOf(database);
    if (copies.anSlotOfKey.empty() || copies.anSlotOfKey[nKey] < 0) {
        return NewCopy(database, nKey, Table(database).Find(nKey));
    }
    return copies.bytes.data() +
           static_cast<std::size_t>(copies.anSlotOfKey[nKey]) * LayoutOf(database).nRecordSize;
}

std::uint8_t* CScriptStaging::NewCopy(Database database, std::uint16_t nKey,
                                      const std::uint8_t* pFrom) {
    CCopies& copies = CopiesOf(database);
    const std::size_t nSize = LayoutOf(database).nRecordSize;
    if (copies.anSlotOfKey.empty()) {
        copies.anSlotOfKey.assign(kKeyCount, -1);
    }
    const std::size_t nSlot = copies.bytes.size() / nSize;
    // The model may be a copy itself, which the growing buffer moves.
    const std::uint8_t* pBase = copies.bytes.data();
    const bool bCopied =
        std::greater_equal<>()(pFrom, pBase) && std::less<>()(pFrom, pBase + copies.bytes.size());
    const std::size_t nFrom = bCopied ? static_cast<std::size_t>(pFrom - pBase) : 0;
    copies.bytes.resize(copies.bytes.size() + nSize);
    if (bCopied) {
        pFrom = copies.bytes.data() + nFrom;
    }
    std::uint8_t* pCopy = copies.bytes.data() + nSlot * nSize;
    if (pFrom != nullptr) {
        std::memcpy(pCopy, pFrom, nSize);
    }
    copies.anSlotOfKey[nKey] = static_cast<std::int32_t>(nSlot);
    return pCopy;
}

std::size_t CScriptStaging::Count(Database database) const {
    return Table(database).Count() + CopiesOf(database).anAdded.size();
}

void CScriptStaging::CopyKeys(Database database, std::uint16_t* pKeys) const {
    std::size_t nCount = 0;
    Table(database).ForEach([&](std::uint16_t nKey, std::uint8_t*) { pKeys[nCount++] = nKey; });
    const std::vector<std::uint16_t>& added = CopiesOf(database).anAdded;
    std::copy(added.begin(), added.end(), pKeys + nCount);
    std::sort(pKeys + nCount, pKeys + nCount + added.size());
    std::inplace_merge(pKeys, pKeys + nCount, pKeys + nCount + added.size());
}

const LayoutField* CScriptStaging::IndexField(Database database) {
    const RecordLayout& layout = LayoutOf(database);
    return layout.bIndexed ? &layout.Field("index") : nullptr;
}

std::uint16_t CScriptStaging::StoredIndex(Database database, const std::uint8_t* pRecord) const {
    const LayoutField& field = *IndexField(database);
    return static_cast<std::uint16_t>(ReadInteger(field.kind, pRecord + field.nOffset));
}

std::vector<std::uint32_t>& CScriptStaging::StoredIndices(Database database) {
    std::vector<std::uint32_t>& stored = CopiesOf(database).anStored;
    if (stored.empty()) {
        stored.assign(kKeyCount, 0);
        std::vector<std::uint16_t> keys(Count(database));
        CopyKeys(database, keys.data());
        for (const std::uint16_t nKey : keys) {
            ++stored[StoredIndex(database, Find(database, nKey))];
        }
    }
    return stored;
}

bool CScriptStaging::IsTaken(Database database, std::uint16_t nIndex) {
    return Find(database, nIndex) != nullptr ||
           (IndexField(database) != nullptr && StoredIndices(database)[nIndex] > 0);
}

bool CScriptStaging::MayStoreIndex(Database database, std::uint16_t nKey, std::uint16_t nIndex) {
    if (StoredIndex(database, Find(database, nKey)) == nIndex) {
        return true;
    }
    return (nIndex == nKey || Find(database, nIndex) == nullptr) &&
           StoredIndices(database)[nIndex] == 0;
}

void CScriptStaging::StoreIndex(Database database, std::uint16_t nKey, std::uint16_t nIndex) {
    std::vector<std::uint32_t>& stored = StoredIndices(database);
    std::uint8_t* pRecord = Modify(database, nKey);
    --stored[StoredIndex(database, pRecord)];
    ++stored[nIndex];
    const LayoutField& field = *IndexField(database);
    WriteInteger(field.kind, pRecord + field.nOffset, nIndex);
}

std::uint32_t CScriptStaging::NextKey(Database database) {
    CCopies& copies = CopiesOf(database);
    if (copies.nNextKey < 0) {
        copies.nNextKey = 0;
        Table(database).ForEach(
            [&](std::uint16_t nKey, std::uint8_t*) { copies.nNextKey = nKey + 1; });
        for (const std::uint16_t nKey : copies.anAdded) {
            copies.nNextKey = std::max<std::int32_t>(copies.nNextKey, nKey + 1);
        }
    }
    return static_cast<std::uint32_t>(copies.nNextKey);
}

void CScriptStaging::Add(Database database, std::uint16_t nKey, const std::uint8_t* pFrom) {
    std::uint8_t* pRecord = NewCopy(database, nKey, pFrom);
    CCopies& copies = CopiesOf(database);
    copies.anAdded.push_back(nKey);
    if (copies.nNextKey >= 0) {
        copies.nNextKey = std::max<std::int32_t>(copies.nNextKey, nKey + 1);
    }
    if (const LayoutField* pIndex = IndexField(database)) {
        WriteInteger(pIndex->kind, pRecord + pIndex->nOffset, nKey);
        if (!copies.anStored.empty()) {
            ++copies.anStored[nKey];
        }
    }
}

CSetChange CScriptStaging::Change(std::string title) const {
    CSetChange change(std::move(title));
    for (const RecordLayout* layout : kRecordLayouts) {
        const CCopies& copies = CopiesOf(layout->database);
        for (std::size_t nKey = 0; nKey < copies.anSlotOfKey.size(); ++nKey) {
            if (copies.anSlotOfKey[nKey] < 0) {
                continue;
            }
            const auto nRecordKey = static_cast<std::uint16_t>(nKey);
            const std::span<const std::uint8_t> after(Find(layout->database, nRecordKey),
                                                      layout->nRecordSize);
            if (const std::uint8_t* pBefore = Table(layout->database).Find(nRecordKey)) {
                change.Change(layout->database, nRecordKey, {pBefore, layout->nRecordSize}, after);
            } else {
                change.Add(layout->database, nRecordKey, after);
            }
        }
    }
    return change;
}
