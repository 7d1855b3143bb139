// The pictures Spelling and Words use: short names, grouped by their length.
#pragma once

#include <QStringList>

namespace tw {

// The picture files of `listing` (one folder, in listing order) whose name
// before the extension has 1 to `wordLength` characters and whose extension
// has three letters: first every name of length 1, then 2, and so on.
// "Fish.jpeg" is never taken; "Cat.bmp" is taken from word length 3 on.
QStringList collectWordFiles(const QStringList &listing, int wordLength);

// True when the typed text spells `word` (capitals and small letters alike).
// Empty text never does.
bool spellsWord(const QString &typed, const QString &word);

} // namespace tw
