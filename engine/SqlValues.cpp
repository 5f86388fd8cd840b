#include "engine/SqlValues.h"

#include "engine/EngineError.h"
#include "engine/TextConversion.h"

#include <QDate>

std::vector<QVariant> readRow(sqlite3_stmt* stmt, int columns) {
    std::vector<QVariant> row;
    row.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
            row.emplace_back(qlonglong(sqlite3_column_int64(stmt, c)));
            break;
        case SQLITE_FLOAT:
            row.emplace_back(sqlite3_column_double(stmt, c));
            break;
        case SQLITE_TEXT:
            row.emplace_back(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                  sqlite3_column_bytes(stmt, c)));
            break;
        case SQLITE_BLOB:
            row.emplace_back(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, c)),
                                        sqlite3_column_bytes(stmt, c)));
            break;
        default:
            row.emplace_back();
            break;
        }
    }
    return row;
}

void bindValue(Statement& statement, int index, const QVariant& value) {
    sqlite3_stmt* stmt = statement.get();
    int rc = SQLITE_OK;
    if (value.isNull() || !value.isValid()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, index, value.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray iso = TextConversion::dateToIso(value.toDate()).toUtf8();
            rc = sqlite3_bind_text(stmt, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw sqliteError(statement.handle()->db(), rc);
}

void bindParams(Statement& statement, const std::vector<QVariant>& params) {
    for (size_t i = 0; i < params.size(); ++i)
        bindValue(statement, int(i) + 1, params[i]);
}

void checkParamCount(const Statement& statement, const std::vector<QVariant>& params,
                     bool requireAll) {
    const int count = statement.parameterCount();
    if (int(params.size()) > count)
        throw EngineError(QStringLiteral("Troppi valori per i parametri: la query ne ha %1, ne "
                                         "sono stati dati %2.")
                              .arg(count)
                              .arg(params.size()));
    if (requireAll && int(params.size()) < count)
        throw EngineError(QStringLiteral("Nessun valore per uno o più parametri della query."));
}

QVariant storedForm(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return QVariant();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::Bool:
        return QVariant(value.toLongLong());
    case QMetaType::Float:
        return QVariant(value.toDouble());
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(TextConversion::dateToIso(value.toDate()))
                                        : QVariant();
    default:
        return value;
    }
}

bool sameValue(const QVariant& a, const QVariant& b) {
    const bool aNull = a.isNull() || !a.isValid();
    const bool bNull = b.isNull() || !b.isValid();
    if (aNull || bNull)
        return aNull == bNull;
    return a.typeId() == b.typeId() && a == b;
}

QString quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}
