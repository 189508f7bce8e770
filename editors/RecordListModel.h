#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lines of an editor's record list: for each, the record it shows, its key, the number its
// text begins with and its text as the fill wrote it. The texts of a whole fill share one
// buffer, and a view asks only for the lines it shows, so listing every record of a large
// database is one pass over them.
class CRecordListModel final : public QAbstractListModel {
public:
    struct CLine {
        std::uint16_t nKey;
        std::uint8_t* pRecord;
        int nNumber;
    };

    // The lines of one fill, gathered before the list shows them.
    class CLines {
    public:
        void Reserve(std::size_t nLines);
        void Add(const CLine& line, std::string_view text);
        std::size_t Count() const { return m_entries.size(); }

    private:
        friend class CRecordListModel;
        struct Entry {
            CLine line;
            std::uint32_t nTextStart;
            std::uint16_t nTextLength;
        };
        std::vector<Entry> m_entries;
        std::string m_text;
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;

    // Shows lines in place of every line.
    void Assign(CLines lines);
    void Append(const CLine& line, std::string_view text);
    void Remove(int nRow);
    // Gives the line in nRow a new text.
    void Rewrite(int nRow, std::string_view text);

    int Count() const { return static_cast<int>(m_lines.m_entries.size()); }
    const CLine& LineAt(int nRow) const { return EntryAt(nRow).line; }
    std::uint16_t KeyAt(int nRow) const { return LineAt(nRow).nKey; }
    std::uint8_t* RecordAt(int nRow) const { return LineAt(nRow).pRecord; }
    std::string_view TextAt(int nRow) const;
    // The row of the line with nKey; -1 when none.
    int RowOf(std::uint16_t nKey) const;

private:
    const CLines::Entry& EntryAt(int nRow) const {
        return m_lines.m_entries[static_cast<std::size_t>(nRow)];
    }

    CLines m_lines;
};
