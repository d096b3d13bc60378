#include "platform/printing.h"

#include <QPrintDialog>
#include <QPrinter>

namespace fixtora {

namespace {

PrintDialogStandIn &standIn()
{
    static PrintDialogStandIn current;
    return current;
}

// The print dialog offers the document's name as the name of a PDF file: a
// slash would put that file into a folder that is not there.
QString fileSafeName(const QString &name)
{
    QString safe = name;
    return safe.replace(QLatin1Char('/'), QLatin1Char('-'));
}

bool askPrintDialog(QPrinter &printer, QWidget *parent)
{
    if (standIn())
        return standIn()(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrintOutcome PrintCopies(const PrintJob &job, const std::function<void(DrawTarget &printer)> &drawCopy)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fileSafeName(job.documentName));
    printer.setPageOrientation(job.orientation);
    printer.setCopyCount(job.copies);
    if (!askPrintDialog(printer, job.parent))
        return {PrintStatus::Cancelled, {}};
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    PrinterTarget target(printer);
    for (int copy = 1; copy <= copies; ++copy) {
        drawCopy(target);
        target.EndDoc();
    }
    if (!target.Finish())
        return {PrintStatus::Failed, target.Error()};
    return {PrintStatus::Printed, {}};
}

void SetPrintDialogForTests(PrintDialogStandIn newStandIn)
{
    standIn() = std::move(newStandIn);
}

PrintDialogStandIn PrintToPdfFile(const QString &path, int copies)
{
    return [path, copies](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setCopyCount(copies);
        return true;
    };
}

PrintDialogStandIn CancelPrinting()
{
    return [](QPrinter &) { return false; };
}

// ---- PrinterTarget -----------------------------------------------------------------------

PrinterTarget::PrinterTarget(QPrinter &printer)
    : m_printer(printer), m_oneFile(printer.outputFormat() == QPrinter::PdfFormat)
{
}

PrinterTarget::~PrinterTarget()
{
    Finish();
}

QRectF PrinterTarget::DeviceArea() const
{
    const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
    return QRectF(QPointF(0, 0), page.size());
}

const QPaintDevice *PrinterTarget::MetricsDevice() const
{
    return &m_printer;
}

QPainter *PrinterTarget::Painter()
{
    if (!m_error.isEmpty())
        return nullptr;
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_printer)) {
            m_error = m_printer.outputFileName().isEmpty()
                          ? QStringLiteral("The printer could not be started.")
                          : QStringLiteral("Could not write \"%1\".").arg(m_printer.outputFileName());
            return nullptr;
        }
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_pageEnded = false;
    } else if (m_pageEnded) {
        m_printer.newPage();
        m_pageEnded = false;
    }
    m_drawn = true;
    return &m_painter;
}

void PrinterTarget::NewPage()
{
    if (m_painter.isActive() && !m_pageEnded && m_drawn) {
        m_printer.newPage();
        m_drawn = false;
    }
}

void PrinterTarget::EndDoc()
{
    if (!m_drawn)
        return;
    m_drawn = false;
    if (m_oneFile)
        m_pageEnded = true;
    else
        m_painter.end();
}

bool PrinterTarget::Finish()
{
    if (m_painter.isActive())
        m_painter.end();
    m_drawn = false;
    m_pageEnded = false;
    return m_error.isEmpty();
}

} // namespace fixtora
