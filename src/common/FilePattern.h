// File searches that behave the same on every file system: `*` and `?` patterns
// match case-insensitively and listings come in case-insensitive name order.
#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// True when `name` matches `pattern`: `*` stands for any run of characters, `?`
// for exactly one, letters match regardless of case. As on the desktop systems
// the content comes from, a pattern ending in ".*" also matches a name without
// any dot ("Cat.*" matches "Cat"), so "*.*" matches every name.
bool wildcardMatch(const QString &name, const QString &pattern);

// Case-insensitive name order that compares the picture name (the part before
// the first dot) first, so "Cat.bmp" comes before "Cat-fish.bmp" and
// "Caterpillar.bmp". Ties fall back to the exact text so the order is total.
bool lessByName(const QString &a, const QString &b);

// A picture's or sound's name: the file name up to its first dot ("Cat.bmp" is
// "Cat"); a name without a dot stays whole.
QString nameBeforeDot(const QString &fileName);

// The names (not paths) of the visible plain files in `folder` that match
// `pattern`, in lessByName order. A missing or unreadable folder lists nothing.
QStringList listFiles(const QString &folder, const QString &pattern = QStringLiteral("*.*"));

// True for the picture files the program can show, by extension (bmp, jpg,
// jpeg, gif, png, ico, svg, wmf, emf), whatever the case: the one picture filter.
bool isPictureFile(const QString &fileName);

// An item's name from its file path: no folder (either separator), nothing
// from the first dot on ("Animals/Cat.bmp" is "Cat").
QString itemName(const QString &path);

// The names of the visible subfolders of `folder`, in lessByName order.
QStringList listFolders(const QString &folder);

// The first name listFiles would give, or an empty string.
QString findFirstFile(const QString &folder, const QString &pattern);

// `base` joined with the relative folder path `relative` ("Sounds/",
// "Animals/"), each part matched case-insensitively against what is on disk
// when there is no exact match. Always ends in '/'; parts not found on disk are
// kept as written.
QString resolveFolder(const QString &base, const QString &relative);

} // namespace tw
