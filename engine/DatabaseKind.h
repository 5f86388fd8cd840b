#pragma once

#include <QString>
#include <QStringList>

// What a program expects of the database files it opens, in its own words: the tables a
// file must hold to be one of its files, what to say when it does not, and what to say when
// a row is deleted that other rows still point to. The engine itself knows no table.
struct DatabaseKind {
    QStringList requiredTables;
    QString notThisKind = QStringLiteral("Il file '%1' non contiene le tabelle attese."); // %1
    QString rowInUse = QStringLiteral("L'elemento è ancora usato altrove: non può essere "
                                      "eliminato.");
};
