#include "wizard/customdates.h"

#include "model/league.h"
#include "model/settings.h"
#include "model/wizardrules.h"
#include "platform/shortdate.h"
#include "platform/systembox.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/shellplatform.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "wizard/wizardpage.h"
#include "wizard/wizard5.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <utility>

namespace fixtora {

namespace {

constexpr int kRowsPerColumn = 11;
constexpr int kPageStep = customdates::kRowsPerPage;

// The date rows after the last round of a later page are given.
const QDate kAfterLastDate{2001, 1, 1};

} // namespace

// The editor opens over the summary page, which stays loaded, with the
// keyboard in its first round's date (its focus proxy).
void ShowRoundDateEditor()
{
    customdates *editor = LoadForm<customdates>();
    LoadForm<Main>()->ShowMdiChild(editor, true);
    editor->setFocus();
}

customdates::customdates()
    : Frame1(MakeFrame(this, "Frame1", QStringLiteral("Dates"))),
      leftclick(PageButton(Frame1, "leftclick", QStringLiteral("&<<<"))),
      rightclick(PageButton(Frame1, "rightclick", QStringLiteral("&>>>"))),
      Text2(MakeTextBox(Frame1, "Text2")),
      Text3(MakeTextBox(Frame1, "Text3")),
      Frame2(MakeFrame(this, "Frame2", QStringLiteral("Info"))),
      Text1(InArial(MakeReadOnlyText(Frame2, "Text1",
                                     QStringLiteral("On the left are the dates that your League runs on.  Change the "
                                                    "dates that you want and click on OK below")),
                    9)),
      Command3(PageButton(this, "Command3", QStringLiteral("&OK"))),
      HelpFrame(MakeFrame(this, "HelpFrame")),
      helptext(InArial(MakeReadOnlyText(HelpFrame, "helptext",
                                        QStringLiteral("Below are the game you have created together with the dates "
                                                       "that each will take place.  You can change any date you "
                                                       "wish.  The dates do not need to be in sequence but note that "
                                                       "you cannot sort them.  This is to allow for maximum "
                                                       "flexibility. Click Ok to go back to the summary screen.")),
                       9)),
      showhelp(PageButton(HelpFrame, "showhelp", QStringLiteral("Online Hel&p"))),
      helpclose(PageButton(HelpFrame, "helpclose", QStringLiteral("Close")))
{
    setObjectName(QStringLiteral("customdates"));
    setWindowTitle(QStringLiteral("Dates"));
    BuildFrames();
    ConnectHandlers();
    Form_Load();
}

// The frames and the OK button side by side in one body, kept centred in the
// page and in reach by scrolling (the body's layout takes them in as its
// children).
void customdates::BuildFrames()
{
    BuildDateRows();
    for (QLineEdit *box : {Text2, Text3}) {
        box->setReadOnly(true);
        box->setFixedWidth(48);
    }
    auto *info = new QVBoxLayout(Frame2);
    info->addWidget(Text1);
    Text1->setFixedHeight(70);
    auto *help = new QGridLayout(HelpFrame);
    help->addWidget(helptext, 0, 0, 1, 2);
    help->addWidget(showhelp, 1, 0);
    help->addWidget(helpclose, 1, 1, Qt::AlignRight);
    helptext->setFixedHeight(130);

    auto *side = new QVBoxLayout;
    side->addWidget(Frame2);
    side->addWidget(HelpFrame);
    side->addStretch();
    side->addWidget(Command3, 0, Qt::AlignRight);
    auto *body = new QWidget;
    auto *columns = new QHBoxLayout(body);
    columns->addWidget(Frame1);
    columns->addLayout(side);
    columns->setSizeConstraint(QLayout::SetFixedSize);
    CentreInPage(this, body);
    setFocusProxy(DTPicker1.first());
    leftclick->setAccessibleName(QStringLiteral("Previous page"));
    rightclick->setAccessibleName(QStringLiteral("Next page"));
    Text2->setAccessibleName(QStringLiteral("First game of the next page"));
    Text3->setAccessibleName(QStringLiteral("Last game of the next page"));
    helptext->setAccessibleName(QStringLiteral("Help"));
    // Down the two columns of dates, then the page turns and the panels beside them.
    QList<QWidget *> chain(DTPicker1.begin(), DTPicker1.end());
    chain << leftclick << rightclick << Text2 << Text3 << showhelp << helpclose << Command3;
    ChainTabOrder(chain);
}

// Two columns of eleven rounds, each a number and a date picker, under their
// headings, with the page turns below.
void customdates::BuildDateRows()
{
    auto *rows = new QGridLayout(Frame1);
    for (int column = 0; column < 2; ++column) {
        rows->addWidget(InArial(MakeLabel(Frame1, column == 0 ? "Label1" : "Label3", QStringLiteral("Game")), 9, true),
                        0, 2 * column);
        rows->addWidget(InArial(MakeLabel(Frame1, column == 0 ? "Label2" : "Label4", QStringLiteral("Dates")), 9, true),
                        0, 2 * column + 1);
    }
    for (int r = 0; r < kRowsPerPage; ++r) {
        QLabel *number = MakeLabel(Frame1, ElementName("weekno", r));
        number->setMinimumWidth(36);
        auto *picker = new QDateEdit(Frame1);
        picker->setObjectName(ElementName("DTPicker1", r));
        picker->setDisplayFormat(ShortDateFormat());
        picker->setCalendarPopup(true);
        picker->setKeyboardTracking(false);
        picker->setMinimumWidth(130);
        picker->calendarWidget()->window()->installEventFilter(this);
        const int column = r / kRowsPerColumn;
        rows->addWidget(number, 1 + r % kRowsPerColumn, 2 * column);
        rows->addWidget(picker, 1 + r % kRowsPerColumn, 2 * column + 1);
        weekno.append(number);
        DTPicker1.append(picker);
    }
    auto *paging = new QHBoxLayout;
    paging->setSpacing(8);
    paging->addWidget(leftclick);
    paging->addWidget(rightclick);
    paging->addStretch();
    paging->addWidget(Text2);
    paging->addWidget(Text3);
    rows->addLayout(paging, 1 + kRowsPerColumn, 0, 1, 4);
    rows->setHorizontalSpacing(12);
}

void customdates::ConnectHandlers()
{
    for (int r = 0; r < kRowsPerPage; ++r)
        connect(DTPicker1[r], &QDateEdit::dateChanged, this,
                [this, r](const QDate &date) { DTPicker1_Change(r, date); });
    connect(rightclick, &QAbstractButton::clicked, this, &customdates::rightclick_Click);
    connect(leftclick, &QAbstractButton::clicked, this, &customdates::leftclick_Click);
    connect(Command3, &QAbstractButton::clicked, this, &customdates::Command3_Click);
    connect(showhelp, &QAbstractButton::clicked, this, &customdates::showhelp_Click);
    connect(helpclose, &QAbstractButton::clicked, this, &customdates::helpclose_Click);
}

void customdates::Form_Load()
{
    m_page = 1;
    Frame1->setTitle(QStringLiteral("Dates for ") + CaptionText(gTableName));
    m_rounds = LeagueRounds();
    gLastWeek = static_cast<std::int16_t>(m_rounds);
    rightclick->setEnabled(m_rounds > kRowsPerPage);
    leftclick->setEnabled(false);
    FillPage(QStringLiteral("N/A"), QDate::currentDate());
    gDatesFirst = kRowsPerPage + 1;
    gDatesLast = 2 * kRowsPerPage;
    ShowNextPageRange();
}

void customdates::rightclick_Click()
{
    StorePage();
    ++m_page;
    gLastWeek = static_cast<std::int16_t>(m_rounds);
    leftclick->setEnabled(true);
    rightclick->setEnabled(m_rounds > m_page * kRowsPerPage);
    FillPage(QStringLiteral("---"), kAfterLastDate);
    gDatesFirst += kPageStep;
    gDatesLast += kPageStep;
    ShowNextPageRange();
}

void customdates::leftclick_Click()
{
    StorePage();
    for (QDateEdit *picker : DTPicker1)
        picker->setEnabled(true);
    --m_page;
    gLastWeek = static_cast<std::int16_t>(m_rounds);
    FillPage(QStringLiteral("---"), kAfterLastDate);
    rightclick->setEnabled(true);
    leftclick->setEnabled(m_page > 1);
    gDatesFirst -= kPageStep;
    gDatesLast -= kPageStep;
    ShowNextPageRange();
}

// The date is stored at once. A date picked in the calendar is reported when
// the calendar closes, not at every day its arrow keys pass on the way.
void customdates::DTPicker1_Change(int row, const QDate &date)
{
    const int round = (m_page - 1) * kRowsPerPage + row + 1;
    if (round > m_rounds)
        return;
    gWeekDates[round] = date;
    if (DTPicker1[row]->calendarWidget()->isVisible())
        m_unreportedRow = row;
    else
        ReportDate(row);
}

void customdates::ReportDate(int row)
{
    const int round = (m_page - 1) * kRowsPerPage + row + 1;
    SystemMessage(QStringLiteral("week %1 set to %2").arg(round).arg(ShortDate(gWeekDates[round])));
}

bool customdates::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && m_unreportedRow >= 0
        && watched == DTPicker1[m_unreportedRow]->calendarWidget()->window())
        QTimer::singleShot(0, this, [this, row = std::exchange(m_unreportedRow, -1)] { ReportDate(row); });
    return QWidget::eventFilter(watched, event);
}

void customdates::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        UnloadForm<customdates>();
    else
        QWidget::keyPressEvent(event);
}

// From now on the summary page and the fixtures screen keep these dates; the
// league starts on its first round's date.
void customdates::Command3_Click()
{
    gDatesEdited = 1;
    gDatesPending = false;
    if (m_rounds > 0)
        gStartDate = gWeekDates[1];
    UnloadForm<customdates>();
    UnloadForm<Wizard5>();
    ShowSummaryPage();
}

void customdates::showhelp_Click()
{
    StartExplorer(HelpFile());
}

void customdates::helpclose_Click()
{
    const bool again = SystemQuestion(
        QStringLiteral("This will close the help captions for this session.  Do you want to see them next time you "
                       "run Fixtora(Y/N)?"));
    if (!again && !StorePreference(kRegBubbleHelp, QStringLiteral("0")))
        SystemMessage(QStringLiteral("The help captions setting could not be stored."));
    gBubbleHelp = 0;
}

// A picker always holds a date (a half-typed one goes back to its last date
// when the focus leaves it), so the page's rounds are stored as shown. Rows
// after the last round hold no round and are not written.
void customdates::StorePage()
{
    for (int r = 0; r < kRowsPerPage; ++r) {
        const int round = (m_page - 1) * kRowsPerPage + r + 1;
        if (round > m_rounds)
            break;
        gWeekDates[round] = DTPicker1[r]->date();
    }
}

void customdates::FillPage(const QString &afterLast, const QDate &date)
{
    for (int r = 0; r < kRowsPerPage; ++r) {
        const int round = (m_page - 1) * kRowsPerPage + r + 1;
        const bool used = round <= m_rounds;
        const QSignalBlocker quiet(DTPicker1[r]);
        weekno[r]->setText(used ? QString::number(round) : afterLast);
        DTPicker1[r]->setAccessibleName(used ? QStringLiteral("Date of Game %1").arg(round)
                                             : QStringLiteral("Row %1, no game").arg(r + 1));
        DTPicker1[r]->setDate(used ? gWeekDates[round] : date);
        DTPicker1[r]->setEnabled(used);
    }
}

void customdates::ShowNextPageRange()
{
    Text2->setText(QString::number(gDatesFirst));
    Text3->setText(QString::number(gDatesLast));
}

} // namespace fixtora
