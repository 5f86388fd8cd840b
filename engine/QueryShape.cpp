#include "engine/QueryShape.h"

std::shared_ptr<const QueryShape> QueryShape::of(const Statement& statement) {
    auto shape = std::make_shared<QueryShape>();
    sqlite3_stmt* stmt = statement.get();
    const int columns = sqlite3_column_count(stmt);
    shape->fields.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c) {
        FieldInfo f;
        f.name = QString::fromUtf8(sqlite3_column_name(stmt, c));
        if (const char* t = sqlite3_column_table_name(stmt, c))
            f.originTable = QString::fromUtf8(t);
        if (const char* o = sqlite3_column_origin_name(stmt, c))
            f.originColumn = QString::fromUtf8(o);
        if (const char* d = sqlite3_column_decltype(stmt, c))
            f.type = TextConversion::typeFromDeclaration(QString::fromUtf8(d));
        shape->fields.push_back(std::move(f));
    }
    shape->target = WriteTarget::find(statement.handle(), shape->fields);
    return shape;
}
