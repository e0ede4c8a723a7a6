#pragma once

#include <QPagedPaintDevice>

#include "files/report.h"

// Paints a report onto a preview, printer or PDF page by page, in Arial or
// whatever the system puts in its place; a line that would not fit on a page
// starts the next one.
namespace report {

void paintReport(const Document& d, QPagedPaintDevice& device);

}  // namespace report
