#pragma once

// Engine-internal: what a prepared SELECT returns, worked out once per text.
#include "engine/Query.h"
#include "engine/RowWriter.h"

#include <memory>
#include <vector>

// The result columns of a SELECT and the table its rows are written back to.
struct QueryShape {
    std::vector<FieldInfo> fields;
    WriteTarget target;

    static std::shared_ptr<const QueryShape> of(const Statement& statement);
};
