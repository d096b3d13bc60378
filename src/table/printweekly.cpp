#include "table/printweekly.h"

#include "model/league.h"
#include "model/playerranking.h"
#include "model/settings.h"
#include "platform/drawtarget.h"
#include "platform/ftpupload.h"
#include "platform/printing.h"
#include "platform/systembox.h"
#include "platform/textfile.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/programbutton.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace fixtora {

namespace {

// The picture box's size in twips for the screen width measured at start-up.
struct PictureSize {
    int screenWidth;  // 0: any other width
    int width, height;
};
constexpr PictureSize kPictureSizes[] = {{800, 5860, 6760}, {1024, 8000, 9390}, {0, 9415, 10575}};

// Gaps in twips: the side panel from the picture, the frames from each other.
constexpr int kPanelGap = 50;
constexpr int kFrameGap = 10;

constexpr int kTimerInterval = 10;  // ms
constexpr int kLogoSize = 96;

QSize pictureSize()
{
    for (const PictureSize &size : kPictureSizes)
        if (size.screenWidth == gScreenWidth || size.screenWidth == 0)
            return {TwipsToPixelsX(size.width), TwipsToPixelsY(size.height)};
    return {};
}

// Where the HTML page goes unless the user names another file.
QString defaultHtmlFile()
{
    return QDir(gSavePath.isEmpty() ? QDir::homePath() : gSavePath).filePath(QStringLiteral("table.html"));
}

} // namespace

void ShowPrintWeekly()
{
    LoadForm<Main>()->ShowMdiChild(LoadForm<PrintWeekly>(), true);
}

PrintWeekly::PrintWeekly()
    : Timer2(new QTimer(this))
{
    setObjectName(QStringLiteral("PrintWeekly"));
    setWindowTitle(QStringLiteral("League Table"));

    auto *page = new QWidget;
    auto *pageLayout = new QGridLayout(page);
    pageLayout->setHorizontalSpacing(TwipsToPixelsX(kPanelGap));
    pageLayout->addWidget(BuildTopRow(), 0, 0);
    Picture1 = new PictureBox(page);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    pageLayout->addWidget(Picture1, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    pageLayout->addWidget(BuildSidePanel(), 1, 1, Qt::AlignLeft | Qt::AlignTop);
    pageLayout->setColumnStretch(2, 1);
    pageLayout->setRowStretch(2, 1);

    // On a small screen the page scrolls, so every control stays in reach.
    CentreInPage(this, page, PageFit::Fills);

    ConnectHandlers();
    Form_Load();
}

QWidget *PrintWeekly::BuildTopRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Label1 = MakeLabel(row, "Label1", QStringLiteral("League Scores"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    Label1->setFont(bold);
    Check1 = MakeCheckBox(row, "Check1", QString());
    Label3 = MakeLabel(row, "Label3", QStringLiteral("Show date"));
    Label3->setBuddy(Check1);
    Check1->setAccessibleName(Label3->text());
    Command1 = MakeButton(row, "Command1", QStringLiteral("refresh"));
    Command1->setFixedSize(90, 26);
    Command1->setAccessibleName(QStringLiteral("Refresh the table"));
    layout->addWidget(Label1);
    layout->addStretch(1);
    layout->addWidget(Check1);
    layout->addWidget(Label3);
    layout->addSpacing(12);
    layout->addWidget(Command1);
    return row;
}

QWidget *PrintWeekly::BuildSidePanel()
{
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(TwipsToPixelsY(kFrameGap));

    Frame3 = MakeFrame(panel, "Frame3");
    auto *frame3Layout = new QVBoxLayout(Frame3);
    Picture3 = MakeLabel(Frame3, "Picture3", QString());
    Picture3->setPixmap(LogoPicture(kLogoSize));
    Picture3->setAlignment(Qt::AlignCenter);
    frame3Layout->addWidget(Picture3);

    Frame1 = MakeFrame(panel, "Frame1");
    auto *frame1Layout = new QVBoxLayout(Frame1);
    command2 = MakeButton(Frame1, "command2", QStringLiteral("&Print"));
    command3 = MakeButton(Frame1, "command3", QStringLiteral("&Close"));
    Command5 = MakeButton(Frame1, "Command5", QStringLiteral("Show Player stats"));
    auto *buttons = new QHBoxLayout;
    for (chameleonButton *button : {command2, command3, Command5}) {
        // Wide enough for the caption on one line.
        const QString caption = button->Caption().remove(QLatin1Char('&'));
        button->setFixedHeight(30);
        button->setMinimumWidth(std::max(90, button->fontMetrics().horizontalAdvance(caption) + 24));
        buttons->addWidget(button);
    }
    frame1Layout->addLayout(buttons);
    frame1Layout->addWidget(BuildHtmlFrame());

    layout->addWidget(Frame3);
    layout->addWidget(Frame1);
    return panel;
}

QGroupBox *PrintWeekly::BuildHtmlFrame()
{
    Frame2 = MakeFrame(nullptr, "Frame2", QStringLiteral("Copy the league Table to an HTML file"));
    auto *grid = new QGridLayout(Frame2);
    htmlout = MakeTextBox(Frame2, "htmlout", defaultHtmlFile());
    htmlfix = MakeButton(Frame2, "htmlfix", QStringLiteral("Go!"));
    Text1 = MakeTextBox(Frame2, "Text1");
    Text2 = MakeTextBox(Frame2, "Text2");
    Text3 = MakeTextBox(Frame2, "Text3");
    Text4 = MakeTextBox(Frame2, "Text4");
    Text4->setEchoMode(QLineEdit::Password);
    webme = MakeButton(Frame2, "webme", QStringLiteral("Go!"));
    for (chameleonButton *button : {htmlfix, webme})
        button->setFixedSize(60, 26);
    htmlfix->setAccessibleName(QStringLiteral("Write the table to the HTML file"));
    webme->setAccessibleName(QStringLiteral("Upload the table to the FTP site"));

    QLabel *fileLabel = MakeLabel(Frame2, "Label2", QStringLiteral("Html file name:"));
    fileLabel->setBuddy(htmlout);
    grid->addWidget(fileLabel, 0, 0);
    grid->addWidget(htmlout, 0, 1);
    grid->addWidget(htmlfix, 0, 2);
    grid->addWidget(MakeLabel(Frame2, "Label4", QStringLiteral("Upload Table to FTP site")), 1, 0, 1, 3);
    const std::pair<const char *, QLineEdit *> uploadRows[] = {
        {"Label11", Text1}, {"Label5", Text2}, {"Label6", Text3}, {"Label7", Text4}};
    const QString captions[] = {QStringLiteral("Filename:"), QStringLiteral("FTP Site:"),
                                QStringLiteral("Username:"), QStringLiteral("Password:")};
    for (int i = 0; i < 4; ++i) {
        QLabel *label = MakeLabel(Frame2, uploadRows[i].first, captions[i]);
        label->setBuddy(uploadRows[i].second);
        grid->addWidget(label, 2 + i, 0);
        grid->addWidget(uploadRows[i].second, 2 + i, 1);
    }
    grid->addWidget(webme, 5, 2);
    return Frame2;
}

void PrintWeekly::ConnectHandlers()
{
    connect(Timer2, &QTimer::timeout, this, &PrintWeekly::Timer2_Timer);
    connect(Check1, &QCheckBox::clicked, this, &PrintWeekly::calculate_table);
    connect(Command1, &QAbstractButton::clicked, this, &PrintWeekly::calculate_table);
    connect(command2, &QAbstractButton::clicked, this, &PrintWeekly::command2_Click);
    PressOnKey(this, QKeySequence::Print, command2);
    connect(command3, &QAbstractButton::clicked, this, &PrintWeekly::command3_Click);
    connect(Command5, &QAbstractButton::clicked, this, &PrintWeekly::Command5_Click);
    connect(htmlfix, &QAbstractButton::clicked, this, &PrintWeekly::htmlfix_Click);
    connect(webme, &QAbstractButton::clicked, this, &PrintWeekly::webme_Click);
}

void PrintWeekly::Form_Load()
{
    Picture1->setFixedSize(pictureSize());
    m_widths.fill(0);
    Timer2->setInterval(kTimerInterval);
    Timer2->start();
    gTableShown = false;
}

// The first tick computes the table; later ones only when the options asked.
void PrintWeekly::Timer2_Timer()
{
    if (gTableShown && gTableRefresh < 1)
        return;
    gTableRefresh = 0;
    calculate_table();
    gTableShown = true;
}

void PrintWeekly::calculate_table()
{
    m_table = ComputeLeagueTable();
    sort_table(m_table, gSortOrder);
    Picture1->setFixedSize(pictureSize());
    advanced_display(*Picture1);
    SetAccessibleGrid(Picture1, LeagueTableText(m_table, Drawing()));
}

TableDrawing PrintWeekly::Drawing() const
{
    return {gTableName, DateText(), gTableOrder, gTableShow};
}

void PrintWeekly::advanced_display(DrawTarget &target)
{
    m_widths = DrawLeagueTable(target, m_table, Drawing());
}

void PrintWeekly::displayit(DrawTarget &target)
{
    DrawPlayerRanking(target, m_ranking, gTableName, DateText(), gEachGameIs);
}

QString PrintWeekly::DateText() const
{
    return Check1->isChecked() ? QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)
                               : QString();
}

void PrintWeekly::command2_Click()
{
    gPrinting = true;
    const PrintOutcome outcome = PrintCopies({this}, [this](DrawTarget &printer) { advanced_display(printer); });
    gPrinting = false;
    if (outcome.status == PrintStatus::Failed)
        SystemMessage(outcome.message);
}

void PrintWeekly::command3_Click()
{
    gTableShown = false;
    ShowMainMenu();
    UnloadForm<PrintWeekly>();
}

// A ranking longer than the picture makes the picture as much taller; the
// page scrolls to the last player, and the next table brings the size back.
void PrintWeekly::Command5_Click()
{
    m_ranking = ComputePlayerRanking();
    const QSize size = pictureSize();
    Picture1->setFixedSize(size.width(), qCeil(size.height() * RankingDepth(m_ranking.size()) / kPictureHeight));
    displayit(*Picture1);
    SetAccessibleGrid(Picture1, PlayerRankingText(m_ranking, gTableName, DateText(), gEachGameIs));
}

// Writes the last computed table to the file named in htmlout; says why when
// it could not.
bool PrintWeekly::WriteHtml()
{
    const QStringList lines = TableHtmlLines(m_table, gTableName, gTableOrder, gTableShow, DateText());
    const TextFileResult written = WriteTextLines(htmlout->text(), lines);
    if (!written.ok)
        SystemMessage(written.message);
    return written.ok;
}

void PrintWeekly::htmlfix_Click()
{
    if (WriteHtml())
        SystemMessage(HtmlCreatedNotice(htmlout->text()));
}

// The page is written first; only a complete page is sent, and only when the
// upload boxes hold what may be sent. The transfer runs in the background and
// its outcome is shown when it ends.
void PrintWeekly::webme_Click()
{
    if (!WriteHtml())
        return;
    const FtpUploadRequest request{Text2->text(), Text3->text(), Text4->text(), htmlout->text(), Text1->text()};
    if (const QString problem = UploadProblem(request); !problem.isEmpty()) {
        SystemMessage(problem);
        return;
    }
    webme->setEnabled(false);
    StartUpload(request, this, [this](const UploadResult &result) {
        webme->setEnabled(true);
        SystemMessage(result.ok ? QStringLiteral("The table was uploaded.") : result.message);
    });
}

} // namespace fixtora
