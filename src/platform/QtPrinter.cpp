#include "platform/QtPrinter.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace tw {

namespace {

constexpr int kLandscape = 2;
constexpr double kMarginMm = 10; // inside what every desktop printer reaches

} // namespace

QPageLayout pageLayoutOf(const PageSetup &page)
{
    QPageSize::PageSizeId id = QPageSize::id(page.paperSize);
    if (id == QPageSize::Custom)
        id = QPageSize::A4;
    const auto orientation
        = page.orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(QPageSize(id), orientation,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

std::unique_ptr<QPagedPaintDevice> QtPrinter::open(const PageSetup &page)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    printer->setDocName(QStringLiteral("Tumblewick"));
    printer->setPageLayout(pageLayoutOf(page)); // a layout the printer refuses stays its own
    printer->setColorMode(page.monochrome() ? QPrinter::GrayScale : QPrinter::Color);
    return printer;
}

} // namespace tw
