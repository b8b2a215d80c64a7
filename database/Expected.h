#pragma once

#include "database/StorageFault.h"

#include <utility>
#include <variant>

// The outcome of a store operation that yields a value: the value, or the
// status of its failure. The shape of std::expected<T, SqlStatus>, which
// C++20 does not have yet.
template <class T> class Expected
{
public:
    Expected(T value) : m_outcome(std::in_place_index<0>, std::move(value)) {}
    // A failure; its status is never ok.
    Expected(SqlStatus failure) : m_outcome(std::in_place_index<1>, std::move(failure)) {}

    bool has_value() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return has_value(); }
    const T& value() const& { return std::get<0>(m_outcome); }
    T&& value() && { return std::get<0>(std::move(m_outcome)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    T value_or(T fallback) const& { return has_value() ? value() : std::move(fallback); }
    // The failure's status; only when there is no value.
    const SqlStatus& error() const { return std::get<1>(m_outcome); }
    // SQLITE_OK with a value, else the failure's status.
    SqlStatus status() const { return has_value() ? SqlStatus{} : error(); }

private:
    std::variant<T, SqlStatus> m_outcome;
};
