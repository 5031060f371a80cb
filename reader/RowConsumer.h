// Takes the rows of a read one at a time, as the reader parses them, so that a
// load needs no table of the whole file: it keeps what it takes from each row
// and lets the row go.
#pragma once

#include "reader/RowView.h"

#include <cstddef>

class CLasSectionTable;

class RowConsumer {
public:
    virtual ~RowConsumer() = default;

    // A read starts; `serial` tells it from every other read of the reader.
    virtual void BeginRead(std::size_t serial) { (void)serial; }
    // A LAS read has reached its "~A" line: the header sections are complete.
    virtual void TakeLasHeader(const CLasSectionTable& sections) { (void)sections; }
    // The next row of the table, in table order from row 0.
    virtual void TakeRow(const ReadRow& row) = 0;
};

// Hands each row to two consumers, the first one first.
class RowConsumerPair : public RowConsumer {
public:
    RowConsumerPair(RowConsumer& first, RowConsumer* second) : m_first(first), m_second(second) {}

    void BeginRead(std::size_t serial) override {
        m_first.BeginRead(serial);
        if (m_second != nullptr)
            m_second->BeginRead(serial);
    }
    void TakeLasHeader(const CLasSectionTable& sections) override {
        m_first.TakeLasHeader(sections);
        if (m_second != nullptr)
            m_second->TakeLasHeader(sections);
    }
    void TakeRow(const ReadRow& row) override {
        m_first.TakeRow(row);
        if (m_second != nullptr)
            m_second->TakeRow(row);
    }

private:
    RowConsumer& m_first;
    RowConsumer* m_second;
};
