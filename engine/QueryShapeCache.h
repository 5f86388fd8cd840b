#pragma once

// Engine-internal: the shapes of the SELECTs run on one connection, by their text.
#include <QHash>
#include <QString>
#include <memory>

struct QueryShape;
struct sqlite3;
class Statement;

// Working out a query's shape asks the database about every column and looks the write-back
// table's key up in its description: far more than opening a small query costs. The answer
// depends only on the text and the schema, so it is kept per connection and text, and
// forgotten whenever this connection prepares a statement that changes the schema.
class QueryShapeCache {
public:
    explicit QueryShapeCache(sqlite3* db);
    ~QueryShapeCache();
    QueryShapeCache(const QueryShapeCache&) = delete;
    QueryShapeCache& operator=(const QueryShapeCache&) = delete;

    // The shape of the prepared statement whose text is `sql`.
    std::shared_ptr<const QueryShape> shapeOf(const Statement& statement, const QString& sql);
    // Drops what is known of this text (its statement was prepared again: the schema moved).
    void forget(const QString& sql) { m_shapes.remove(sql); }
    int size() const { return int(m_shapes.size()); }

private:
    static int authorize(void* self, int action, const char*, const char*, const char*,
                         const char*);

    sqlite3* m_db;
    QHash<QString, std::shared_ptr<const QueryShape>> m_shapes;
};
