#include "DataExchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <limits>

#include "DataExchangeLatin1.h"
#include "MessageBox.h"
#include "core/NumberText.h"

namespace {

QString FieldName(const QWidget& control) {
    return control.accessibleName().isEmpty() ? control.objectName() : control.accessibleName();
}

template <class T>
void ExchangeInteger(CDataExchange& dx, QLineEdit& edit, T& value) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        edit.setText(QString::number(value));
        dx.Remember(edit, edit.text());
        return;
    }
    if (dx.Untouched(edit, edit.text())) {
        return;
    }
    constexpr long long nMin = std::numeric_limits<T>::min();
    constexpr long long nMax = std::numeric_limits<T>::max();
    long long number = 0;
    if (!NumberText::ToInteger(edit.text().toStdString(), nMin, nMax, number)) {
        dx.Fail(edit, QString::fromStdString(NumberText::IntegerProblem(nMin, nMax)));
        return;
    }
    value = static_cast<T>(number);
}

}  // namespace

void CDataExchange::Fail(QWidget& control, const QString& problem) {
    m_bFailed = true;
    if (!m_bReportFailures) {
        return;
    }
    const QString text = QStringLiteral("The field \"%1\" %2").arg(FieldName(control), problem);
    AfxShowMessageBox(text.toUtf8().toStdString());
    control.setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        edit->selectAll();
    }
}

bool CDataExchange::Untouched(const QWidget& control, const QString& shown) const {
    const auto it = m_shown.find(&control);
    return it != m_shown.end() && it->second == shown;
}

void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::int8_t& value) {
    ExchangeInteger(dx, edit, value);
}
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::uint8_t& value) {
    ExchangeInteger(dx, edit, value);
}
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::int16_t& value) {
    ExchangeInteger(dx, edit, value);
}
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::uint16_t& value) {
    ExchangeInteger(dx, edit, value);
}
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::int32_t& value) {
    ExchangeInteger(dx, edit, value);
}
void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::uint32_t& value) {
    ExchangeInteger(dx, edit, value);
}

void DDX_Text(CDataExchange& dx, QLineEdit& edit, float& value) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        edit.setText(QString::fromStdString(NumberText::FromFloat(value)));
        dx.Remember(edit, edit.text());
        return;
    }
    if (dx.Untouched(edit, edit.text())) {
        return;
    }
    float parsed = 0;
    if (!NumberText::ToFloat(edit.text().toStdString(), parsed)) {
        dx.Fail(edit, QString::fromLatin1(NumberText::kFloatProblem));
        return;
    }
    value = parsed;
}

void DDX_Text(CDataExchange& dx, QLineEdit& edit, std::string& value) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        edit.setText(Latin1::ToQString(value));
        dx.Remember(edit, edit.text());
        return;
    }
    if (dx.Untouched(edit, edit.text())) {
        return;
    }
    if (!Latin1::IsStorable(edit.text())) {
        dx.Fail(edit, QStringLiteral("holds characters that cannot be stored."));
        return;
    }
    value = Latin1::FromQString(edit.text());
}

void DDX_Check(CDataExchange& dx, QCheckBox& box, bool& value) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        box.setChecked(value);
        dx.Remember(box, QString::number(box.isChecked()));
        return;
    }
    if (!dx.Untouched(box, QString::number(box.isChecked()))) {
        value = box.isChecked();
    }
}

void DDX_CBIndex(CDataExchange& dx, QComboBox& combo, int& index) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        combo.setCurrentIndex(index >= 0 && index < combo.count() ? index : -1);
        dx.Remember(combo, QString::number(combo.currentIndex()));
        return;
    }
    if (!dx.Untouched(combo, QString::number(combo.currentIndex()))) {
        index = combo.currentIndex();
    }
}

void DDX_CBData(CDataExchange& dx, QComboBox& combo, std::int64_t& value) {
    if (dx.Failed()) {
        return;
    }
    if (!dx.m_bSaveAndValidate) {
        combo.setCurrentIndex(combo.findData(QVariant::fromValue<qlonglong>(value)));
        dx.Remember(combo, QString::number(combo.currentIndex()));
        return;
    }
    const int selected = combo.currentIndex();
    if (!dx.Untouched(combo, QString::number(selected)) && selected >= 0) {
        value = combo.itemData(selected).toLongLong();
    }
}
