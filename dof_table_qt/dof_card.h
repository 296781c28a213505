#pragma once

#include <QPageLayout>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace mirel {

class DofTable;

// The depth of field card: one portrait page with a title, the table's
// header line, the table and the chart, black on white, for paper or PDF.
// Text is drawn as text, so a PDF keeps it selectable and embeds its fonts.

// The card's page: portrait, with margins of 15 mm, on A4, or on Letter
// where the locale's paper is Letter (LC_PAPER: the United States and
// Canada, among others).
QPageLayout cardPageLayout();

// Paints the card in page, the paintable area of painter's device.
void paintDofCard(QPainter &painter, const QRectF &page, const DofTable &table);

// Paints the card on the first page of device (a printer or a PDF writer)
// and finishes it; false when the device cannot be painted on.
bool printDofCard(QPagedPaintDevice &device, const DofTable &table);

// Writes the card into device as a one-page PDF.
bool writeDofCardPdf(QIODevice &device, const DofTable &table);

} // namespace mirel
