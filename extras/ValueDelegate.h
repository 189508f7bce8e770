#pragma once

#include <QStyledItemDelegate>

// Edits the table's cells as the editors' controls do: a field an editor shows as a combo in a
// combo of the same items, a flag word in a list with a check box per named bit; any other
// field in a line edit. The combo and the list store a number, never a text to parse; bits
// without a name keep their values.
class CValueDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* pEditor, const QModelIndex& index) const override;
    void setModelData(QWidget* pEditor, QAbstractItemModel* pModel,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};
