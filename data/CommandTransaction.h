#pragma once

#include <functional>

class Command;

// Runs `work` inside one transaction whose begin, commit and rollback are commands of a
// module (their texts come from qry.ini like every other): all of the work is stored, or,
// when it throws, none of it, and the failure that stopped it is the one that goes on.
void RunInTransaction(Command& begin, Command& commit, Command& rollback,
                      const std::function<void()>& work);
