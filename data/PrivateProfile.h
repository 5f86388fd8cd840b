#pragma once

#include <QByteArray>
#include <QString>

// Reads one value of an INI file the way the Windows private-profile reader does, so a
// qry.ini written for it reads the same here:
// - section and key names match without regard to case, blanks around the asked names
//   dropped; only the first section of a name is searched and its first matching key wins;
// - a line ends at CR or LF and is trimmed; a section name ends at the first ']';
// - a key line splits at its first '='; a line without '=' is no key; ';' starts no comment;
// - blanks around the key and the value are dropped, then one enclosing pair of the same
//   quotation mark (value of two characters or more) is removed;
// - the value is cut to its first 2047 characters;
// - a missing file, section or key gives the default.
namespace PrivateProfile {

constexpr int MaxValueLength = 2047;

QString readString(const QString& fileName, const QString& section, const QString& key,
                   const QString& defaultValue);
// The same rules over the file's bytes (UTF-8 when valid, else Latin-1).
QString readString(const QByteArray& content, const QString& section, const QString& key,
                   const QString& defaultValue);

} // namespace PrivateProfile
