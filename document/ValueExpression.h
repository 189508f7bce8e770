#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "CellEdit.h"
#include "FieldText.h"

class CValueNames;

// What Set Values gives every cell of one column:
//   a value: "5", "Surf", "Sub, Air", a text; "=-5" sets a number with a sign, since "-5"
//     computes;
//   "+n", "-n", "*n", "/n" with each cell's number (n may have a fraction; a whole-number field
//     takes the result rounded half away from zero);
//   "|m" sets and "&~m" clears bits of whole numbers (m decimal, 0x hex, or a flag word's names).
// A result must fit the field's type; the expression itself never changes a cell it cannot.
class CValueExpression {
public:
    // False with the reason when text can be no expression ("/0").
    bool Parse(std::string_view text, std::string& strError);
    // Readies the expression for the cells of column; false with the reason when it cannot
    // apply there (arithmetic on a text, bits of a float). names must outlive the binding.
    bool Bind(const FieldColumn& column, const CValueNames& names, std::string& strReason);
    // Writes the cell's new value into pRecord; false with the reason when the result does not
    // fit ("70000 does not fit between -32768 and 32767.").
    bool Apply(std::uint8_t* pRecord, std::string& strReason) const;

private:
    enum class EOperation : std::uint8_t { Value, Add, Subtract, Multiply, Divide, Or, AndNot };

    bool Compute(std::uint8_t* pAt, std::string& strReason) const;

    EOperation m_operation = EOperation::Value;
    std::string m_strOperand;
    double m_number = 0;       // the operand of + - * /
    std::uint64_t m_bits = 0;  // the operand of | and &~, once bound
    const FieldColumn* m_pColumn = nullptr;
    const CValueNames* m_pNames = nullptr;
};

// Set Values: the expression text applied to the column's cell of every record of keys, as one
// edit of the database; its Problem() says why it is refused: the expression's own, or the
// first cell whose result does not fit.
CCellEdit SetValues(const CVentryDoc& doc, Database database, const FieldColumn& column,
                    std::span<const std::uint16_t> keys, const CValueNames& names,
                    std::string_view text);
