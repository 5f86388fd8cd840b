#pragma once

// Engine-internal: writing a dataset's rows back to the table its columns come from.
#include "engine/Query.h"
#include "engine/SqliteHandle.h"

#include <QVariant>
#include <memory>
#include <vector>

// Where a dataset's rows are written back: the first table its columns come from, by that
// table's simple primary key.
struct WriteTarget {
    enum class Problem { None, NoTable, NoSimpleKey };
    QString table;
    QString key;
    int keyField = -1; // -1: the dataset does not carry the key
    Problem problem = Problem::None;

    // Looks the target up in the database's own description of the table.
    static WriteTarget find(const std::shared_ptr<SqliteHandle>& handle,
                            const std::vector<FieldInfo>& fields);
};

// The stored values of the write-back table's columns, read again after a write.
struct Reread {
    std::vector<int> fields;
    std::vector<QVariant> values;
};

// Turns one row of a dataset into INSERT, UPDATE or DELETE on its write-back table. Every
// failure is an EngineError naming the dataset; nothing is half written.
class RowWriter {
public:
    using Row = std::vector<QVariant>;

    RowWriter(const std::shared_ptr<SqliteHandle>& handle, const std::vector<FieldInfo>& fields,
              const WriteTarget& target, const QString& dataSetName);

    // Throws when rows cannot be written back, or when the dataset lacks the table's key.
    void requireWritable() const;
    int requireKeyField() const;

    // Inserts the row (no `saved` row) or updates the columns that differ from `saved`, then
    // reads the stored values back; the writes and the re-read stand or fall together.
    Reread post(const Row& row, const Row* saved) const;
    // Deletes the row by its key; a row other rows still point to is refused with `inUse`.
    void remove(const Row& row, const QString& inUse) const;

private:
    Reread insert(const Row& row) const;
    Reread update(const Row& row, const Row& saved) const;
    Reread reread(const QString& keyColumn, const QVariant& keyValue) const;
    std::vector<int> writtenFields(const Row& row, const Row* saved) const;

    const std::shared_ptr<SqliteHandle>& m_handle;
    const std::vector<FieldInfo>& m_fields;
    const WriteTarget& m_target;
    const QString& m_name;
};
