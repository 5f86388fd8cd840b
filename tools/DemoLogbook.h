#pragma once

#include <QString>

// A demonstration logbook for a newcomer: three years of plausible sessions on three lakes
// (about 80 sessions, 400 catches, their groundbait days and anglers, a few reportage
// entries) and a handful of generated photos in "foto-demo" beside the database. Always the
// same: the numbers come from a fixed seed. Refuses to overwrite an existing file.
void WriteDemoLogbook(const QString& path);
