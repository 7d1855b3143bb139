#include "print/Printing.h"

#include "platform/Dialogs.h"
#include "platform/SafeFile.h"
#include "print/PrintHost.h"

#include "platform/QtPrinter.h"
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tw {

namespace {

constexpr int kPdfResolution = 300; // dots per inch
constexpr std::uint32_t kPrintWhite = 0xFFFFFF; // nothing drawn
const QString kNoPrinter = QStringLiteral("Cannot Find Printer");

QImage shade(const QImage &picture, bool monochrome)
{
    if (!monochrome || picture.isNull())
        return picture;
    // Grey, keeping what is transparent transparent.
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return grey;
}

} // namespace

double fitScale(QSizeF page, QSizeF surface)
{
    if (surface.width() <= 0 || surface.height() <= 0)
        return 0;
    return std::min(page.width() / surface.width(), page.height() / surface.height());
}

void PrintImg(QPainter &painter, const QList<PrintedPicture> &pictures, bool monochrome)
{
    for (const PrintedPicture &p : pictures) {
        if (!p.picture.isNull())
            painter.drawImage(p.rect, shade(p.picture, monochrome));
    }
}

void PrintEvent(QPainter &painter, const QList<PrintedText> &texts, bool monochrome)
{
    for (const PrintedText &t : texts) {
        QColor colour = t.colour;
        if (monochrome) {
            const int g = qGray(colour.rgb());
            colour = QColor(g, g, g);
        }
        painter.setPen(colour);
        painter.setFont(t.font);
        const QFontMetricsF metrics(t.font, painter.device());
        double y = t.topLeft.y() + metrics.ascent();
        const QStringList lines = QString(t.text)
                                      .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                      .split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            painter.drawText(QPointF(t.topLeft.x(), y), line);
            y += metrics.lineSpacing();
        }
    }
}

QImage strokeLayer(const StrokeRecord &strokes)
{
    const QSize size = strokes.size;
    if (size.isEmpty() || strokes.stride < size.width()
        || strokes.colour.size() < size_t(strokes.stride) * size_t(size.height())
        || strokes.width.size() < strokes.colour.size())
        return {};
    QImage layer(size, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    for (int w = StrokeRecord::kMaxWidth; w >= 1; --w) {
        if (!strokes.widthUsed[size_t(w)])
            continue;
        // The rows of a round dot w pixels across: per row, its first and last column.
        struct Span
        {
            int dy, from, to;
        };
        std::vector<Span> dot;
        const double centre = (w - 1) / 2.0;
        const double radius2 = (w / 2.0) * (w / 2.0);
        for (int j = 0; j < w; ++j) {
            const double dy = j - centre;
            const double half = std::sqrt(std::max(0.0, radius2 - dy * dy));
            const int from = int(std::ceil(centre - half - 1e-9));
            const int to = int(std::floor(centre + half + 1e-9));
            if (from <= to)
                dot.push_back({j - w / 2, from - w / 2, to - w / 2});
        }
        for (int y = 0; y < size.height(); ++y) {
            const std::uint32_t *colours = strokes.colour.data() + size_t(y) * strokes.stride;
            const std::uint8_t *widths = strokes.width.data() + size_t(y) * strokes.stride;
            for (int x = 0; x < size.width(); ++x) {
                if (widths[x] != w || colours[x] == kPrintWhite)
                    continue;
                const QRgb rgb = 0xFF000000u | ((colours[x] & 0xFFu) << 16) | (colours[x] & 0xFF00u)
                    | ((colours[x] >> 16) & 0xFFu);
                for (const Span &s : dot) {
                    const int row = y + s.dy;
                    if (row < 0 || row >= size.height())
                        continue;
                    const int from = std::max(0, x + s.from);
                    const int to = std::min(size.width() - 1, x + s.to);
                    auto *line = reinterpret_cast<QRgb *>(layer.scanLine(row));
                    if (from <= to)
                        std::fill(line + from, line + to + 1, rgb);
                }
            }
        }
    }
    return layer;
}

void PrintGraphic(QPainter &painter, const StrokeRecord &strokes, bool monochrome)
{
    const QImage layer = strokeLayer(strokes);
    if (!layer.isNull())
        painter.drawImage(QPointF(0, 0), shade(layer, monochrome));
}

bool printDrawing(QPagedPaintDevice &device, const PrintedDrawing &drawing, bool monochrome)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = fitScale(QSizeF(device.width(), device.height()), drawing.pixels);
    if (scale > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        painter.setClipRect(QRect(QPoint(0, 0), drawing.pixels));
        if (!drawing.background.isNull())
            painter.drawImage(QPointF(0, 0), shade(drawing.background, monochrome));
        // As the screen shows them: the objects lie over the drawing.
        PrintGraphic(painter, drawing.strokes, monochrome);
        PrintImg(painter, drawing.pictures, monochrome);
        PrintEvent(painter, drawing.texts, monochrome);
    }
    return painter.end();
}

Printing::Printing(PrintHost &host)
    : m_host(host)
{ }

QString Printing::printToPdf(const QString &path, const PrintedDrawing &drawing) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Tumblewick"));
        pdf.setCreator(QStringLiteral("Tumblewick"));
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(pageLayoutOf(page));
        if (!printDrawing(pdf, drawing, page.monochrome()))
            return QStringLiteral("The page could not be drawn.");
    }
    QString failure;
    if (!replaceFile(path, buffer.data(), &failure) && failure.isEmpty())
        failure = QStringLiteral("The folder cannot be written.");
    return failure;
}

void Printing::MNU_Print_Click()
{
    m_host.stickDownObjects();
    m_host.setBusy(true);
    const PrintedDrawing drawing = m_host.drawing();
    std::unique_ptr<QPagedPaintDevice> printer = m_host.printer().open(page);
    if (!printer) {
        m_host.setBusy(false);
        offerPdf(drawing);
        return;
    }
    const bool printed = printDrawing(*printer, drawing, page.monochrome());
    printer.reset();
    m_host.setBusy(false);
    if (!printed)
        m_host.dialogs().message(m_host.window(), kNoPrinter, Dialogs::Icon::Critical);
}

void Printing::offerPdf(const PrintedDrawing &drawing)
{
    const QString path = m_host.writeFolder() + QLatin1String(kPdfName);
    const QString shown = QDir::toNativeSeparators(path);
    if (!m_host.dialogs().ask(m_host.window(),
                              kNoPrinter
                                  + QStringLiteral("\n\nSave the picture as a PDF file "
                                                   "instead? You can print it from there:\n")
                                  + shown))
        return;
    m_host.setBusy(true);
    const QString failure = printToPdf(path, drawing);
    m_host.setBusy(false);
    if (failure.isEmpty()) {
        m_host.dialogs().message(m_host.window(), QStringLiteral("Picture Saved as\n") + shown,
                                 Dialogs::Icon::Information);
    } else {
        m_host.dialogs().message(
            m_host.window(),
            QStringLiteral("The picture could not be saved as\n%1\n\n%2").arg(shown, failure),
            Dialogs::Icon::Warning);
    }
}

} // namespace tw
