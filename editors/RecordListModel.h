#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The lines of an editor's record list: for each, the record it shows, its key and its text
// as the fill wrote it. The texts of a whole fill share one buffer, and a view asks only for
// the lines it shows, so listing every record of a large database is one pass over them.
class CRecordListModel final : public QAbstractListModel {
public:
    // The lines of one fill, gathered before the list shows them.
    class CLines {
    public:
        void Reserve(std::size_t nLines);
        void Add(std::uint16_t nKey, std::uint8_t* pRecord, std::string_view text);

    private:
        friend class CRecordListModel;
        struct Line {
            std::uint8_t* pRecord;
            std::uint32_t nTextStart;
            std::uint16_t nKey;
            std::uint16_t nTextLength;
        };
        std::vector<Line> m_lines;
        std::string m_text;
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;

    // Shows lines in place of every line.
    void Assign(CLines lines);
    void Append(std::uint16_t nKey, std::uint8_t* pRecord, std::string_view text);
    void Remove(int nRow);
    // Writes every line's text anew from its row and record.
    void Rewrite(
        const std::function<std::string_view(int nRow, const std::uint8_t* pRecord)>& text);

    int Count() const { return static_cast<int>(m_lines.m_lines.size()); }
    std::uint16_t KeyAt(int nRow) const { return LineAt(nRow).nKey; }
    std::uint8_t* RecordAt(int nRow) const { return LineAt(nRow).pRecord; }
    std::string_view TextAt(int nRow) const;

private:
    const CLines::Line& LineAt(int nRow) const {
        return m_lines.m_lines[static_cast<std::size_t>(nRow)];
    }

    CLines m_lines;
};
