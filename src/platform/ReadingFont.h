// The reading font of every caption, question and balloon: Andika, made for children learning to
// read.
#pragma once

#include <QFont>
#include <QString>

namespace tw {

// The family the captions are drawn in: "Andika" once its files are loaded, otherwise the first
// installed of a few round, plain fall-backs. The files are loaded on the first call, from the
// folder of Debian's fonts-sil-andika (or `folder`, for tests); a missing font is reported once.
QString readingFamily();
// Loads the reading font's files from `folder`; true when Andika is ready to use.
bool loadReadingFont(const QString &folder);

// The reading font at `points` points, in the weight given.
QFont readingFont(double points, QFont::Weight weight = QFont::Normal);

} // namespace tw
