// The desktop's default printer through Qt Print Support.
#pragma once

#include "platform/Printer.h"

class QPageLayout;

namespace tw {

// The Qt page layout of a page setup: the paper of the platform code (Qt knows
// the codes 1 to 13), the orientation, and margins that every printer can print.
QPageLayout pageLayoutOf(const PageSetup &page);

class QtPrinter : public Printer
{
public:
    std::unique_ptr<QPagedPaintDevice> open(const PageSetup &page) override;
};

} // namespace tw
