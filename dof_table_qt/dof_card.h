#pragma once

#include <functional>

#include <QRectF>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace mirel {

class DofTable;

// The depth of field card: a portrait page with a title, the table's
// header line, the table and the chart, black on white, for paper or PDF;
// no text smaller than the small font beside the application's. A table
// wider than the page goes on in bands below, and one too long for the
// page, or its chart, on further pages. Text is drawn as text, so a PDF
// keeps it selectable and embeds its fonts.

// Paints the card in page, the paintable area of painter's device, and
// each further page after newPage has begun one; where it cannot (it
// returns false, or there is none), the card ends with its first page.
void paintDofCard(QPainter &painter, const QRectF &page, const DofTable &table,
		  const std::function<bool()> &newPage = {});

// Paints the card on device (a printer or a PDF writer) and finishes it;
// false when the device cannot be painted on.
bool printDofCard(QPagedPaintDevice &device, const DofTable &table);

// Writes the card into device as a PDF.
bool writeDofCardPdf(QIODevice &device, const DofTable &table);

} // namespace mirel
