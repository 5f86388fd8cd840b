#include "engine/QueryShapeCache.h"

#include "engine/QueryShape.h"
#include "engine/SqliteHandle.h"

QueryShapeCache::QueryShapeCache(sqlite3* db) : m_db(db) {
    sqlite3_set_authorizer(m_db, &QueryShapeCache::authorize, this);
}

QueryShapeCache::~QueryShapeCache() {
    sqlite3_set_authorizer(m_db, nullptr, nullptr);
}

int QueryShapeCache::authorize(void* self, int action, const char*, const char*, const char*,
                               const char*) {
    switch (action) {
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_DROP_TEMP_VIEW:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_VTABLE:
    case SQLITE_ALTER_TABLE:
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
        static_cast<QueryShapeCache*>(self)->m_shapes.clear();
        break;
    default:
        break;
    }
    return SQLITE_OK; // it only listens; it never refuses
}

std::shared_ptr<const QueryShape> QueryShapeCache::shapeOf(const Statement& statement,
                                                           const QString& sql) {
    auto found = m_shapes.constFind(sql);
    if (found != m_shapes.constEnd())
        return *found;
    std::shared_ptr<const QueryShape> shape = QueryShape::of(statement);
    m_shapes.insert(sql, shape);
    return shape;
}
