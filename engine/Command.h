#pragma once

#include "engine/Component.h"
#include "engine/Query.h"

class Connection;

// An SQL statement that is run for its effect: text, positional parameters, execute.
class Command : public Component {
public:
    explicit Command(QString name = {}, ComponentOwner* owner = nullptr,
                     Connection* connection = nullptr);
    ~Command() override;

    void setConnection(Connection* connection) { m_connection = connection; }
    void setSql(const QString& sql);
    const QString& sql() const { return m_sql; }
    // Element i to parameter i; more values than parameters is an EngineError.
    void setParams(const ParamList& params);
    // Runs the text; whatever it returns is discarded.
    void execute();

private:
    Connection* m_connection = nullptr;
    QString m_sql;
    ParamList m_params;
};
