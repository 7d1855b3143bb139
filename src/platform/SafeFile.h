// Reading and replacing files in folders others may write to: regular files
// only, reads bounded whatever size a file claims, no write through a link.
#pragma once

#include <QByteArray>
#include <QString>

namespace tw {

struct FileBytes
{
    QByteArray bytes;
    qint64 size = 0; // the whole file's size
    QString refusal; // why nothing was read; empty when the read succeeded
    bool ok() const { return refusal.isEmpty(); }
};

// Reads a whole regular file of at most `maxBytes`. A missing file, a folder,
// a FIFO, a device, or a file (or a link to one) larger than that is refused
// without blocking and without reading more than `maxBytes` + 1 bytes.
FileBytes readRegularFile(const QString &path, qint64 maxBytes);

// Reads the first `maxBytes` of a regular file of any size (its `size` is the
// whole file's); anything but a regular file is refused as above.
FileBytes readFileHead(const QString &path, qint64 maxBytes);

// Writes `bytes` to a new file beside `path`, then renames it to `path`: a
// crash or a full disk leaves the old file, and a link found at `path` is
// replaced by the file, never written through. False (with the reason in
// `error`) when the file could not be written.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace tw
