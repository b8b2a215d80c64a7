#pragma once

#include "database/Records.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A grid's records in row order. Each record stays in the place it was put
// in; the row order is a list of those places. Removing a record from the
// middle of a long ledger so moves one small number per following row, not
// the records themselves. A removed record's place stays empty until the
// records are assigned again.
class CRecordList
{
public:
    size_t size() const { return m_order.size(); }
    const LedgerRecord& operator[](size_t index) const { return m_places[m_order[index]]; }
    LedgerRecord& operator[](size_t index) { return m_places[m_order[index]]; }
    const LedgerRecord& back() const { return (*this)[size() - 1]; }

    // Takes the records in row order.
    void assign(std::vector<LedgerRecord> records)
    {
        m_places = std::move(records);
        m_order.resize(m_places.size());
        for (size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = std::uint32_t(i);
    }
    // Empties the list and hands over the room its records took, for the
    // next records to be read into.
    std::vector<LedgerRecord> release()
    {
        std::vector<LedgerRecord> room = std::move(m_places);
        room.clear();
        clear();
        return room;
    }
    void clear()
    {
        m_places.clear();
        m_order.clear();
    }
    void push_back(LedgerRecord record)
    {
        m_order.push_back(std::uint32_t(m_places.size()));
        m_places.push_back(std::move(record));
    }
    // Removes the record of a row; the rows after it move up by one.
    void erase(size_t index)
    {
        m_places[m_order[index]] = LedgerRecord();
        m_order.erase(m_order.begin() + std::ptrdiff_t(index));
    }

private:
    std::vector<LedgerRecord> m_places;
    std::vector<std::uint32_t> m_order; // the place of each row's record
};
