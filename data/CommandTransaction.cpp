#include "data/CommandTransaction.h"

#include "engine/Command.h"
#include "engine/EngineError.h"

void RunInTransaction(Command& begin, Command& commit, Command& rollback,
                      const std::function<void()>& work) {
    begin.execute();
    try {
        work();
        commit.execute();
    } catch (...) {
        try {
            rollback.execute();
        } catch (const EngineError&) {
            // The failure that stopped the work is the one to report.
        }
        throw;
    }
}
