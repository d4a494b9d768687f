#pragma once

#include <QString>

#include <optional>

// Plain text, for telling without the server's regular expressions where a stored pattern can
// match: upper-case letters, digits, blanks and punctuation that mean nothing special to a regular
// expression, none of which case-blind matching pairs with another character of the set. A plain
// pattern matches a subject that fits (below) exactly where the subject holds it byte for byte.

// Whether every character of the pattern is plain; an empty pattern (which matches everything)
// is not.
bool IsPlainPattern(const QString& pattern);

// Whether none of the subject's characters is one that the server's case-blind matching would
// take for a different plain character (a small letter, the Kelvin sign, ...).
bool SubjectFitsPlainMatching(const QString& subject);

// A regular expression, for the server, that matches any text holding a character that is not
// plain.
QString NotPlainPattern();

// Text of printable ASCII as the brain's case-blind collation compares it: upper case, without
// trailing blanks (the collation pads with blanks). Nothing for other text, which the collation
// may take for text of other characters.
std::optional<QString> CollationKey(const QString& text);
