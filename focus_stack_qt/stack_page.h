#pragma once

#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace mirel {

struct StackSheet;

// A focus stack's plan on one page, black on white: its title, its lines
// and its table, the table in as many blocks side by side as its rows
// need, at the largest size from 10 points down to the small font at which
// it fits; no text smaller. Text is drawn as text.
void paintStackPage(QPainter &painter, const QRectF &page, const StackSheet &sheet);

// Paints the page on device (a printer or a PDF writer) and finishes it;
// false when the device cannot be painted on.
bool printStackPage(QPagedPaintDevice &device, const StackSheet &sheet);

} // namespace mirel
