#include "engine/EngineError.h"

#include <utility>

EngineError::EngineError(QString message, int code)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8()), m_code(code) {}
