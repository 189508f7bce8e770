#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "RecordField.h"
#include "RecordLayouts.h"

// Reading a named field of a record image.
template <class T>
T ReadField(const std::uint8_t* record, ScalarField<T> field) {
    return RecordField::Get<T>(record, field.offset);
}

inline std::string ReadField(const std::uint8_t* record, TextField field) {
    return RecordField::GetText(record, field.offset, field.width);
}

template <class T, std::size_t N>
std::array<T, N> ReadField(const std::uint8_t* record, ArrayField<T, N> field) {
    std::array<T, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = RecordField::Get<T>(record, field.offset + i * sizeof(T));
    }
    return values;
}

// Fills one zero-initialised record field by field and hands it over.
template <class TRecord>
class CRecordBuilder {
public:
    CRecordBuilder() : m_pRecord(std::make_unique<TRecord>()) {}

    template <class T>
    CRecordBuilder& Set(ScalarField<T> field, std::type_identity_t<T> value) {
        RecordField::Set<T>(Data(), field.offset, value);
        return *this;
    }

    // A text that does not fit is a mistake in the data, not something to cut quietly.
    CRecordBuilder& Set(TextField field, std::string_view text) {
        if (text.size() > field.width) {
            throw std::length_error("text too long for its field: " + std::string(text));
        }
        RecordField::SetText(Data(), field.offset, field.width, text);
        return *this;
    }

    template <class T, std::size_t N>
    CRecordBuilder& Set(ArrayField<T, N> field, const std::array<T, N>& values) {
        for (std::size_t i = 0; i < N; ++i) {
            RecordField::Set<T>(Data(), field.offset + i * sizeof(T), values[i]);
        }
        return *this;
    }

    std::unique_ptr<TRecord> Release() { return std::move(m_pRecord); }

private:
    std::uint8_t* Data() { return m_pRecord->m_data.data(); }

    std::unique_ptr<TRecord> m_pRecord;
};
