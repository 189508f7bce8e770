#include "ValueDelegate.h"

#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <algorithm>

#include "RecordTableModel.h"

namespace {

const CRecordTableModel& TableOf(const QModelIndex& index) {
    return *static_cast<const CRecordTableModel*>(index.model());
}

const FieldMeaning* MeaningAt(const QModelIndex& index) {
    return CValueNames::MeaningOf(TableOf(index).Column(index.column()));
}

bool IsFlagWord(const QModelIndex& index) {
    const FieldMeaning* pMeaning = MeaningAt(index);
    return pMeaning != nullptr && pMeaning->kind == EMeaning::Bits;
}

constexpr int kBitRole = Qt::UserRole;

}  // namespace

QWidget* CValueDelegate::createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const FieldMeaning* pMeaning = MeaningAt(index);
    if (pMeaning == nullptr) {
        return QStyledItemDelegate::createEditor(pParent, option, index);
    }
    if (pMeaning->kind == EMeaning::Bits) {
        auto* pList = new QListWidget(pParent);
        for (const NamedBit& bit : pMeaning->bits) {
            auto* pItem = new QListWidgetItem(QString::fromLatin1(bit.pszName), pList);
            pItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            pItem->setData(kBitRole, bit.nBit);
        }
        return pList;
    }
    auto* pCombo = new QComboBox(pParent);
    const CRecordTableModel& table = TableOf(index);
    for (const CValueItem& item : table.Names().Items(table.Column(index.column()))) {
        pCombo->addItem(QString::fromStdString(item.strName),
                        QVariant::fromValue<qlonglong>(item.nValue));
    }
    // Many weapon entities: one item's height for all, no measuring of every name.
    if (auto* pView = qobject_cast<QListView*>(pCombo->view())) {
        pView->setUniformItemSizes(true);
    }
    // A pick is the whole edit; the signals are the delegate's own, whatever the constness.
    auto* pDelegate = const_cast<CValueDelegate*>(this);
    connect(pCombo, &QComboBox::activated, pDelegate, [pDelegate, pCombo] {
        emit pDelegate->commitData(pCombo);
        emit pDelegate->closeEditor(pCombo);
    });
    return pCombo;
}

void CValueDelegate::setEditorData(QWidget* pEditor, const QModelIndex& index) const {
    const QVariant stored = index.data(CRecordTableModel::kValueRole);
    if (auto* pCombo = qobject_cast<QComboBox*>(pEditor); pCombo && stored.isValid()) {
        pCombo->setCurrentIndex(pCombo->findData(stored));
    } else if (auto* pList = qobject_cast<QListWidget*>(pEditor); pList && stored.isValid()) {
        for (int nRow = 0; nRow < pList->count(); ++nRow) {
            QListWidgetItem* pItem = pList->item(nRow);
            const bool bSet = (stored.toLongLong() >> pItem->data(kBitRole).toInt() & 1) != 0;
            pItem->setCheckState(bSet ? Qt::Checked : Qt::Unchecked);
        }
    } else {
        QStyledItemDelegate::setEditorData(pEditor, index);
    }
}

void CValueDelegate::setModelData(QWidget* pEditor, QAbstractItemModel* pModel,
                                  const QModelIndex& index) const {
    if (auto* pCombo = qobject_cast<QComboBox*>(pEditor); pCombo && MeaningAt(index)) {
        // No item chosen: a stored value without one stays.
        if (pCombo->currentIndex() >= 0) {
            pModel->setData(index, pCombo->currentData(), CRecordTableModel::kValueRole);
        }
    } else if (auto* pList = qobject_cast<QListWidget*>(pEditor); pList && IsFlagWord(index)) {
        qlonglong value = index.data(CRecordTableModel::kValueRole).toLongLong();
        for (int nRow = 0; nRow < pList->count(); ++nRow) {
            const QListWidgetItem* pItem = pList->item(nRow);
            const qlonglong mask = qlonglong{1} << pItem->data(kBitRole).toInt();
            value = pItem->checkState() == Qt::Checked ? value | mask : value & ~mask;
        }
        pModel->setData(index, value, CRecordTableModel::kValueRole);
    } else {
        QStyledItemDelegate::setModelData(pEditor, pModel, index);
    }
}

void CValueDelegate::updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    auto* pList = qobject_cast<QListWidget*>(pEditor);
    if (pList == nullptr || !IsFlagWord(index)) {
        QStyledItemDelegate::updateEditorGeometry(pEditor, option, index);
        return;
    }
    // Every box at once, below the cell's top, over the rows beneath it.
    const int nHeight = pList->sizeHintForRow(0) * pList->count() + 2 * pList->frameWidth();
    const int nWidth = std::max(option.rect.width(), pList->sizeHintForColumn(0) + 24);
    pList->setGeometry(option.rect.x(), option.rect.y(), nWidth, nHeight);
}
