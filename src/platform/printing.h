#pragma once
// Printing: the one way every printed output of the program goes out. It shows
// the print dialog, sets the orientation, prints the copies chosen and ends
// the documents on the printer, or writes one PDF file when the dialog prints
// to a file.
//
//     PrintJob job;
//     job.parent = this;
//     job.orientation = QPageLayout::Landscape;
//     const PrintOutcome outcome = PrintCopies(job, [&](DrawTarget &printer) {
//         DrawPage(printer, 1);
//         printer.EndDoc();        // optional: page 1 a document of its own
//         DrawPage(printer, 2);
//     });
//     if (outcome.status == PrintStatus::Failed)
//         SystemMessage(outcome.message);
//
// - A cancelled dialog prints nothing and reports Cancelled; drawCopy is not
//   called.
// - Copies: the count chosen in the dialog is read, the printer is set to one
//   copy, and drawCopy runs once per copy (so copies never depend on the
//   driver collating them). Each copy ends as a document of its own; drawCopy
//   may end documents within a copy too (printer.EndDoc()).
// - On a printer every document is a print job of its own. When the dialog
//   prints to a PDF file, the documents become consecutive pages of that one
//   file instead (a second document would overwrite the file).
// - The target given to drawCopy says IsPrinter() and draws in the printable
//   part of the page; fonts keep their point sizes.
// - Failed: the printer or the file could not be started; message says why.
//
// Tests replace the dialog with SetPrintDialogForTests(PrintToPdfFile(path,
// copies)) and read the file with pdftotext; CancelPrinting() answers Cancel.

#include "platform/drawtarget.h"

#include <QPageLayout>
#include <QPainter>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace fixtora {

struct PrintJob {
    QWidget *parent = nullptr;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString documentName = QStringLiteral("Fixtora");  // also the PDF file the dialog offers ("/" as "-")
    int copies = 1;  // the copy count the dialog starts from
};

enum class PrintStatus { Printed, Cancelled, Failed };

struct PrintOutcome {
    PrintStatus status = PrintStatus::Cancelled;
    QString message;  // why it failed
};

[[nodiscard]] PrintOutcome PrintCopies(const PrintJob &job, const std::function<void(DrawTarget &printer)> &drawCopy);

// What stands in for the print dialog: set up the printer (output file, copy
// count) and return true to print, or return false to cancel.
using PrintDialogStandIn = std::function<bool(QPrinter &printer)>;

// Replaces the print dialog; an empty function brings the dialog back.
void SetPrintDialogForTests(PrintDialogStandIn standIn);
// A stand-in that prints copies copies into the PDF file at path.
PrintDialogStandIn PrintToPdfFile(const QString &path, int copies = 1);
// A stand-in that cancels.
PrintDialogStandIn CancelPrinting();

// The printer as a drawing target. Painting starts with the first item drawn;
// EndDoc ends the document (or, in one file, starts a new page when more is
// drawn); Finish ends the last one.
class PrinterTarget : public PainterTarget {
public:
    explicit PrinterTarget(QPrinter &printer);
    ~PrinterTarget() override;

    bool IsPrinter() const override { return true; }
    void NewPage() override;
    void EndDoc() override;

    // Ends the last document; false when the printer could not be started
    // (Error() says why).
    bool Finish();
    QString Error() const { return m_error; }

protected:
    QRectF DeviceArea() const override;
    const QPaintDevice *MetricsDevice() const override;
    QPainter *Painter() override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
    bool m_oneFile;
    bool m_drawn = false;         // drawn since the document (or its last page) began
    bool m_pageEnded = false;     // one file: the next item drawn starts a new page
    QString m_error;
};

} // namespace fixtora
