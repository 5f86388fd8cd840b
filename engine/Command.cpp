#include "engine/Command.h"

#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "engine/SqlValues.h"

Command::Command(QString name, ComponentOwner* owner, Connection* connection)
    : Component(std::move(name), owner), m_connection(connection) {}

Command::~Command() = default;

void Command::setSql(const QString& sql) {
    m_sql = sql;
    m_params.clear();
}

void Command::setParams(const ParamList& params) {
    std::unique_ptr<Statement> probe;
    if (m_connection && m_connection->isOpen()) {
        try {
            probe = std::make_unique<Statement>(m_connection->handle(), m_sql);
        } catch (const EngineError&) {
            // A text that cannot be prepared is reported by execute().
        }
    }
    if (probe)
        checkParamCount(*probe, params, false);
    m_params = params;
}

void Command::execute() {
    if (!m_connection || !m_connection->isOpen())
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    Statement statement(m_connection->handle(), m_sql);
    checkParamCount(statement, m_params, true);
    bindParams(statement, m_params);
    while (statement.step()) {
    }
}
