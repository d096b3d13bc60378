#include "platform/printing.h"

#include "testfiles.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fixtora;

namespace {

class Printing : public ::testing::Test {
protected:
    void TearDown() override { SetPrintDialogForTests({}); }
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("out.pdf"));
};

} // namespace

TEST_F(Printing, CopiesAndDocumentsBecomePagesOfOneFile)
{
    struct Row {
        int copies;
        bool endEachPage;  // the routine ends a document after each page
        int pages;
    };
    const Row rows[] = {{1, false, 1}, {3, false, 3}, {1, true, 2}, {3, true, 6}};
    for (const Row &row : rows) {
        SetPrintDialogForTests(PrintToPdfFile(pdf, row.copies));
        int calls = 0;
        const PrintOutcome outcome = PrintCopies({}, [&](DrawTarget &printer) {
            ++calls;
            EXPECT_TRUE(printer.IsPrinter());
            printer.Scale(0, 0, 8, 11.69);
            printer.PrintAt(1, 1, QStringLiteral("Copy %1 page A").arg(calls));
            if (row.endEachPage) {
                printer.EndDoc();
                printer.PrintAt(1, 1, QStringLiteral("Copy %1 page B").arg(calls));
            }
        });
        EXPECT_EQ(outcome.status, PrintStatus::Printed);
        EXPECT_EQ(calls, row.copies);
        EXPECT_EQ(test::pdfPages(pdf), row.pages) << row.copies << " copies";
        EXPECT_TRUE(test::pdfText(pdf).contains(QStringLiteral("Copy %1 page A").arg(row.copies)));
    }
}

TEST_F(Printing, NewPageAddsAPageToTheDocument)
{
    SetPrintDialogForTests(PrintToPdfFile(pdf, 1));
    const PrintOutcome outcome = PrintCopies({}, [](DrawTarget &printer) {
        printer.PrintAt(100, 100, QStringLiteral("one"));
        printer.NewPage();
        printer.PrintAt(100, 100, QStringLiteral("two"));
    });
    EXPECT_EQ(outcome.status, PrintStatus::Printed);
    EXPECT_EQ(test::pdfPages(pdf), 2);
}

TEST_F(Printing, ACancelledDialogPrintsNothing)
{
    SetPrintDialogForTests(CancelPrinting());
    bool drawn = false;
    const PrintOutcome outcome = PrintCopies({}, [&](DrawTarget &) { drawn = true; });
    EXPECT_EQ(outcome.status, PrintStatus::Cancelled);
    EXPECT_FALSE(drawn);
}

TEST_F(Printing, AFileThatCannotBeWrittenIsReported)
{
    const QString unwritable = dir.filePath(QStringLiteral("missing/folder/out.pdf"));
    SetPrintDialogForTests(PrintToPdfFile(unwritable, 2));
    const PrintOutcome outcome =
        PrintCopies({}, [](DrawTarget &printer) { printer.PrintAt(1, 1, QStringLiteral("text")); });
    EXPECT_EQ(outcome.status, PrintStatus::Failed);
    EXPECT_TRUE(outcome.message.contains(unwritable));
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST_F(Printing, TheChosenOrientationReachesThePrinter)
{
    SetPrintDialogForTests(PrintToPdfFile(pdf, 1));
    PrintJob job;
    job.orientation = QPageLayout::Landscape;
    double width = 0, height = 0;
    const PrintOutcome outcome = PrintCopies(job, [&](DrawTarget &printer) {
        width = printer.WidthTwips();
        height = printer.HeightTwips();
        printer.PrintAt(100, 100, QStringLiteral("wide"));
    });
    EXPECT_EQ(outcome.status, PrintStatus::Printed);
    EXPECT_GT(width, height);
}

TEST_F(Printing, TheDocumentNameCanNameAFileInTheChosenFolder)
{
    const std::pair<QString, QString> rows[] = {
        {"Tuesday Pool", "Tuesday Pool"}, {"Div 1/2", "Div 1-2"}, {"a//b/", "a--b-"}, {"Club & <Pool>", "Club & <Pool>"}};
    for (const auto &[name, shown] : rows) {
        QString offered;
        SetPrintDialogForTests([&offered](QPrinter &printer) {
            offered = printer.docName();
            return false;
        });
        PrintJob job;
        job.documentName = name;
        EXPECT_EQ(PrintCopies(job, [](DrawTarget &) {}).status, PrintStatus::Cancelled);
        EXPECT_EQ(offered.toStdString(), shown.toStdString());
    }
}
