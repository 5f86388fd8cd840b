#pragma once

#include "engine/DatabaseKind.h"

// The logbook as a kind of database: the tables that make a file a logbook, and the words
// for a file that is not one and for a list element still used by sessions or catches.
DatabaseKind LogbookKind();
