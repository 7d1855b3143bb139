#include "print/PictureFiles.h"

#include "platform/Dialogs.h"
#include "platform/SafeFile.h"
#include "print/PrintHost.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>

#include <cstring>

namespace tw {

namespace {

constexpr int kHeaderBytes = 54;
constexpr quint16 kBitmapType = 19778; // "BM"
constexpr quint32 kInfoHeaderBytes = 40;
constexpr quint16 kBitsPerPixel = 24;
constexpr int kBytesPerPixel = 3;
constexpr int kRowAlignment = 4;

// Writes the header fields in file order, little-endian.
class HeaderWriter
{
public:
    explicit HeaderWriter(char *out)
        : m_out(out)
    { }
    void u16(quint16 v)
    {
        qToLittleEndian(v, m_out);
        m_out += sizeof v;
    }
    void u32(quint32 v)
    {
        qToLittleEndian(v, m_out);
        m_out += sizeof v;
    }

private:
    char *m_out;
};

} // namespace

QByteArray encodeSavedPicture(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    const qint64 width = flat.width();
    const qint64 height = flat.height();
    const qint64 used = width * kBytesPerPixel;
    const qint64 rowBytes = (used + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    QByteArray out(kHeaderBytes + rowBytes * height, '\0');

    HeaderWriter h(out.data());
    h.u16(kBitmapType);
    h.u32(0); // bfSize
    h.u32(0); // bfReserved
    h.u32(kHeaderBytes); // bfOffBits
    h.u32(kInfoHeaderBytes); // biSize
    h.u32(quint32(width));
    h.u32(quint32(height)); // positive: bottom row first
    h.u16(1); // biPlanes
    h.u16(kBitsPerPixel);
    for (int field = 0; field < 6; ++field)
        h.u32(0); // compression, image size, resolutions, colours used and important

    for (qint64 row = 0; row < height; ++row) {
        const auto *line
            = reinterpret_cast<const QRgb *>(flat.constScanLine(int(height - 1 - row)));
        auto *bytes = reinterpret_cast<uchar *>(out.data()) + kHeaderBytes + row * rowBytes;
        for (qint64 x = 0; x < width; ++x) {
            *bytes++ = uchar(qBlue(line[x]));
            *bytes++ = uchar(qGreen(line[x]));
            *bytes++ = uchar(qRed(line[x]));
        }
    }
    return out;
}

PictureFiles::PictureFiles(PrintHost &host)
    : m_host(host)
{ }

QString PictureFiles::savedPath() const { return m_host.writeFolder() + QLatin1String(kSavedName); }

void PictureFiles::MNU_Save_Click()
{
    const QString path = savedPath();
    m_host.setBusy(true);
    const QByteArray bytes = encodeSavedPicture(m_host.shownPicture());
    QString failure;
    if (bytes.isEmpty())
        failure = QStringLiteral("There is no picture on the screen.");
    else if (!replaceFile(path, bytes, &failure) && failure.isEmpty())
        failure = QStringLiteral("The folder cannot be written.");
    m_host.setBusy(false);
    const QString shown = QDir::toNativeSeparators(path);
    if (failure.isEmpty()) {
        m_host.dialogs().message(m_host.window(), QStringLiteral("Picture Saved as\n") + shown,
                                 Dialogs::Icon::Information);
    } else {
        m_host.dialogs().message(m_host.window(),
                                 QStringLiteral("The picture could not be saved as\n%1\n\n%2\n"
                                                "A picture saved there before is kept.")
                                     .arg(shown, failure),
                                 Dialogs::Icon::Warning);
    }
}

void PictureFiles::MNU_LoadPic_Click()
{
    const QString path = m_host.dialogs().openFile(
        m_host.window(), QStringLiteral("Load Picture"),
        m_host.appFolder() + QStringLiteral("Background"), QLatin1String(kLoadFilter));
    if (path.isEmpty())
        return;
    m_host.setBusy(true);
    const QImage picture = m_host.loadPicture(path);
    if (!picture.isNull() && !picture.size().isEmpty())
        m_host.showPicture(picture);
    m_host.setBusy(false);
    if (picture.isNull() || picture.size().isEmpty()) {
        m_host.dialogs().message(m_host.window(),
                                 QStringLiteral("This picture could not be opened:\n%1\n\n"
                                                "The picture on the screen is kept.")
                                     .arg(QDir::toNativeSeparators(path)),
                                 Dialogs::Icon::Warning);
    }
}

void PictureFiles::MNU_Clear_Click() { m_host.clearPicture(); }

} // namespace tw
