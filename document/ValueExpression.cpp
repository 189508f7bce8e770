#include "ValueExpression.h"

#include <cmath>
#include <cstdio>

#include "FieldKindVisit.h"
#include "ValueNames.h"
#include "core/NumberText.h"

namespace {

// A result as a message shows it: whole numbers without a fraction.
std::string ResultText(double value) {
    char buffer[32];
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%g", value);
    }
    return buffer;
}

}  // namespace

bool CValueExpression::Parse(std::string_view text, std::string& strError) {
    m_operation = EOperation::Value;
    m_strOperand = text;
    if (text.starts_with('=')) {
        m_strOperand = text.substr(1);
        return true;
    }
    if (text.starts_with("&~") || text.starts_with('|')) {
        m_operation = text.starts_with('|') ? EOperation::Or : EOperation::AndNot;
        m_strOperand = text.substr(text.starts_with('|') ? 1 : 2);
        return true;
    }
    constexpr std::string_view kArithmetic = "+-*/";
    const std::size_t nOperator = text.empty() ? kArithmetic.npos : kArithmetic.find(text[0]);
    // Anything else, "-" or "*x" included, is a value to set.
    if (nOperator == kArithmetic.npos || !NumberText::ToNumber(text.substr(1), m_number)) {
        return true;
    }
    // The operations follow the order of their characters.
    m_operation = static_cast<EOperation>(static_cast<int>(EOperation::Add) + nOperator);
    if (m_operation == EOperation::Divide && m_number == 0) {
        strError = "A division by 0 gives no number.";
        return false;
    }
    return true;
}

bool CValueExpression::Bind(const FieldColumn& column, const CValueNames& names,
                            std::string& strReason) {
    m_pColumn = &column;
    m_pNames = &names;
    const FieldKind kind = column.pField->kind;
    const bool bInteger = column.pField->IsNumber() && kind != FieldKind::Float;
    switch (m_operation) {
        case EOperation::Value:
            return true;
        case EOperation::Or:
        case EOperation::AndNot: {
            if (!bInteger) {
                strReason = "| and &~ set and clear bits of whole numbers only.";
                return false;
            }
            std::int64_t bits = 0;
            const bool bParsed = CValueNames::ParseBits(column, m_strOperand, bits, strReason);
            m_bits = static_cast<std::uint64_t>(bits);
            return bParsed;
        }
        default:
            if (!column.pField->IsNumber() || column.bTail) {
                strReason = "+, -, * and / compute with numbers; = before a text sets it as it is.";
                return false;
            }
            return true;
    }
}

bool CValueExpression::Apply(std::uint8_t* pRecord, std::string& strReason) const {
    if (m_operation == EOperation::Value) {
        return m_pNames->Parse(*m_pColumn, m_strOperand, pRecord, strReason);
    }
    return Compute(pRecord + m_pColumn->pField->ElementOffset(m_pColumn->nElement), strReason);
}

bool CValueExpression::Compute(std::uint8_t* pAt, std::string& strReason) const {
    const FieldKind kind = m_pColumn->pField->kind;
    if (m_operation == EOperation::Or || m_operation == EOperation::AndNot) {
        const auto value = static_cast<std::uint64_t>(ReadInteger(kind, pAt));
        const std::uint64_t result =
            m_operation == EOperation::Or ? value | m_bits : value & ~m_bits;
        WriteInteger(kind, pAt, static_cast<std::int64_t>(result));
        return true;
    }
    const auto compute = [this](double value) {
        switch (m_operation) {
            case EOperation::Add:
                return value + m_number;
            case EOperation::Subtract:
                return value - m_number;
            case EOperation::Multiply:
                return value * m_number;
            default:
                return value / m_number;
        }
    };
    if (kind == FieldKind::Float) {
        const float value = RecordField::Get<float>(pAt, 0);
        if (!std::isfinite(value)) {
            strReason = "holds no number to compute with.";
            return false;
        }
        const double result = compute(value);
        if (!std::isfinite(static_cast<float>(result))) {
            strReason = ResultText(result) + " does not fit a float.";
            return false;
        }
        RecordField::Set(pAt, 0, static_cast<float>(result));
        return true;
    }
    const auto [nMin, nMax] = IntegerRange(kind);
    const double result = std::round(compute(static_cast<double>(ReadInteger(kind, pAt))));
    if (!(result >= static_cast<double>(nMin) && result <= static_cast<double>(nMax))) {
        strReason = ResultText(result) + " does not fit between " + std::to_string(nMin) + " and " +
                    std::to_string(nMax) + ".";
        return false;
    }
    WriteInteger(kind, pAt, static_cast<std::int64_t>(result));
    return true;
}

CCellEdit SetValues(const CVentryDoc& doc, Database database, const FieldColumn& column,
                    std::span<const std::uint16_t> keys, const CValueNames& names,
                    std::string_view text) {
    CCellEdit edit(doc, database);
    CValueExpression expression;
    std::string strProblem;
    if (!expression.Parse(text, strProblem) || !expression.Bind(column, names, strProblem)) {
        edit.Refuse(column.name + ": " + strProblem);
        return edit;
    }
    for (const std::uint16_t nKey : keys) {
        if (!edit.Write(nKey, column, [&expression](std::uint8_t* pImage, std::string& strReason) {
                return expression.Apply(pImage, strReason);
            })) {
            break;
        }
    }
    return edit;
}
