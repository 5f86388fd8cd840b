#pragma once

#include <QString>

// What a session holds besides itself: its catches, groundbait days and reportage entries,
// all of which go with it when it is deleted.
struct SessionDetails {
    int catches = 0;
    int groundbaitDays = 0;
    int reportageEntries = 0;

    bool any() const { return catches > 0 || groundbaitDays > 0 || reportageEntries > 0; }
    // The explicit question asked before the usual one, counting what will go ("La sessione
    // ha 6 prede, 1 giorno di pasturazione e 2 elementi di reportage: ..."); empty with none.
    QString deletionQuestion() const;
};
