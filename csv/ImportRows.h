#pragma once

#include "csv/ImportRow.h"

#include <QByteArray>
#include <cstddef>
#include <iterator>
#include <vector>

// The rows of an import, kept packed: a row with its texts in UTF-8 takes
// about a hundred bytes instead of the kilobyte its strings take, so a
// million rows fit in memory. A row is read out whole and written back whole.
class ImportRows
{
public:
    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = ImportRow;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = ImportRow;

        const_iterator(const ImportRows* rows, size_t index) : m_rows(rows), m_index(index) {}
        ImportRow operator*() const { return (*m_rows)[m_index]; }
        const_iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

    private:
        const ImportRows* m_rows;
        size_t m_index;
    };

    size_t size() const { return m_slots.size(); }
    bool empty() const { return m_slots.empty(); }
    ImportRow operator[](size_t index) const;
    ImportRow back() const { return (*this)[size() - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // What places and orders a row, read without unpacking its texts.
    struct Key
    {
        int source;
        int line;
        int target;
        LedgerKind ledger;
        bool foreign;
        bool duplicate;
        bool flagged;    // the row has flags
        bool derivable;  // a filling of the ledger's tank with its litres
        int day;         // yyyymmdd of the record's date
        int second;      // of the day: the row's time, -1 when it has none
        double miles;
    };
    Key key(size_t index) const;
    // The car the file names for the row.
    QString car(size_t index) const;
    void setTarget(size_t index, int target);
    void setDuplicate(size_t index, bool duplicate);

    void push_back(const ImportRow& row);
    // Writes the row back in its place (where it fits, in its old bytes).
    void set(size_t index, const ImportRow& row);
    void clear();

private:
    struct Slot
    {
        quint32 block;
        quint32 offset;
        quint32 capacity;
    };
    void store(const QByteArray& packed, Slot& slot);
    const char* bytesOf(size_t index) const;
    char* writableBytesOf(size_t index);

    std::vector<QByteArray> m_blocks; // filled one after another, never moved
    std::vector<Slot> m_slots;
};
