#include "tournament/tournieform.h"

#include "model/filedialogs.h"
#include "model/tournamentfile.h"
#include "platform/drawtarget.h"
#include "platform/numbers.h"
#include "platform/printing.h"
#include "platform/systembox.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "tournament/tourwiz.h"
#include "ui/accessibletable.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPolygonF>

#include <algorithm>
#include <utility>

namespace fixtora {

namespace {

// Places of the controls, in twips; those of the commands inside Frame1.
constexpr QRect kPage(0, 0, 14775, 7650);
constexpr QRect kPiccy(480, 600, 9330, 6810);
constexpr QRect kLabel1(4080, 120, 3015, 375);
constexpr QRect kLabel4(12120, 1680, 1455, 375);
constexpr QRect kFrame1(11160, 2880, 3375, 1935);
constexpr QRect kCmdprint(240, 480, 975, 375);
constexpr QRect kText6(1320, 480, 615, 375);
constexpr QRect kLabel8(2040, 480, 1095, 375);
constexpr QRect kCmdsave(240, 960, 975, 375);
constexpr QRect kCommand5(240, 1440, 975, 375);
constexpr QRect kLblChampion(11160, 4935, 3375, 375);

const char *const kFirstEscapement = "3450";
constexpr int kMaxStartingCopies = 99;
constexpr int kTitlePoints = 18;
constexpr int kCommandsTitlePoints = 12;
constexpr int kPaperTitlePoints = 16;
constexpr int kPaperChampionPoints = 12;
// On paper the title and the champion stand above the chart's sloping top
// edge, right of the middle, where no cell lies.
constexpr QPointF kPaperTitleAt(4.2, 0.05);
constexpr double kPaperLineGap = 0.6;

QString titleOrDefault()
{
    return gTourTitle.isEmpty() ? QStringLiteral("Tournament") : gTourTitle;
}

QString championLine()
{
    const QString champion = Champion(gTourEntrants);
    return champion.isEmpty() ? QString() : QStringLiteral("Champion: ") + champion;
}

// The chart in words, for a screen reader: one cell per slot, in slot
// order, saying its round and who is in it, where the slot's cell is drawn.
TextGrid chartText()
{
    TextGrid grid{titleOrDefault(), {QStringLiteral("Knock-out")}, {}};
    for (int slot = 1; IsChartSize(gTourEntrants) && slot <= 2 * gTourEntrants - 1; ++slot) {
        grid.rows.append({SlotDescription(gTourEntrants, slot)});
        grid.places.append({QPolygonF(SlotCell(gTourEntrants, slot)).boundingRect()});
    }
    return grid;
}

// What a screen reader says when the entrant in slot has won its pair: where
// the entrant went. Empty when the entrant did not move on.
QString winnerNotice(int slot)
{
    const int next = NextSlot(gTourEntrants, slot);
    const QString &name = gTourNames[slot];
    if (next == 0 || name.isEmpty() || IsNoOne(name) || gTourNames[next] != name)
        return {};
    const int level = SlotLevel(gTourEntrants, next);
    const int levels = ChartLevels(gTourEntrants);
    if (level == levels)
        return championLine();
    if (level == levels - 1)
        return name + QStringLiteral(" to the final");
    return QStringLiteral("%1 to round %2").arg(name).arg(level);
}

// The picture area of a page of the given size: the picture's own place,
// grown by what the page has beyond its own size.
QRect pictureArea(const QSize &page)
{
    const QSize grown = (page - TwipsToPixels(kPage).size()).expandedTo({0, 0});
    const QRect own = TwipsToPixels(kPiccy);
    return {own.topLeft(), own.size() + grown};
}

} // namespace

void ShowTournamentChart()
{
    LoadForm<Main>()->ShowMdiChild(LoadForm<Tournieform>(), true);
}

Tournieform::Tournieform()
    : page(new QWidget),
      piccy(new PictureBox(page)),
      Label1(InArial(MakeLabel(page, "Label1", QStringLiteral("Tournament")), kTitlePoints, true)),
      Label4(InArial(MakeLabel(page, "Label4", QStringLiteral("Tournament")), kCommandsTitlePoints, true)),
      Frame1(MakeFrame(page, "Frame1")),
      cmdprint(InTwips(MakeButton(Frame1, "cmdprint", QStringLiteral("&Print")), kCmdprint)),
      Text6(InTwips(MakeTextBox(Frame1, "Text6", QStringLiteral("1")), kText6)),
      Label8(InTwips(MakeLabel(Frame1, "Label8", QStringLiteral("copies")), kLabel8)),
      cmdsave(InTwips(MakeButton(Frame1, "cmdsave", QStringLiteral("&Save")), kCmdsave)),
      command5(InTwips(MakeButton(Frame1, "command5", QStringLiteral("&Close")), kCommand5)),
      lblChampion(InArial(MakeLabel(page, "lblChampion"), kCommandsTitlePoints, true)),
      Text5(MakeTextBox(page, "Text5"))
{
    setObjectName(QStringLiteral("Tournieform"));
    setWindowTitle(QStringLiteral("Tournament"));
    BuildControls();
    ConnectHandlers();
    Form_Load();
}

void Tournieform::BuildControls()
{
    page->setObjectName(QStringLiteral("page"));
    page->setMinimumSize(TwipsToPixels(kPage).size());
    page->installEventFilter(this);
    CentreInPage(this, page, PageFit::Fills);
    piccy->setObjectName(QStringLiteral("piccy"));
    piccy->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(piccy);
    piccy->installEventFilter(this);
    Label8->setBuddy(Text6);
    Text6->setAccessibleName(QStringLiteral("copies"));
    lblChampion->setWordWrap(true);
    Text5->hide();
    setTabOrder(piccy, cmdprint);
    setTabOrder(cmdprint, Text6);
    setTabOrder(Text6, cmdsave);
    setTabOrder(cmdsave, command5);
    PlaceControls();
}

void Tournieform::ConnectHandlers()
{
    connect(piccy, &PictureBox::MouseDown, this, &Tournieform::piccy_MouseDown);
    connect(piccy, &PictureBox::Clicked, this, &Tournieform::piccy_Click);
    connect(cmdprint, &QAbstractButton::clicked, this, &Tournieform::cmdprint_Click);
    connect(cmdsave, &QAbstractButton::clicked, this, &Tournieform::cmdsave_Click);
    PressOnKey(this, QKeySequence::Save, cmdsave);
    PressOnKey(this, QKeySequence::Print, cmdprint);
    PressOnKey(this, QKeySequence(Qt::Key_Escape), command5);
    connect(command5, &QAbstractButton::clicked, this, &Tournieform::command5_Click);
}

// Takes over from the wizard (or the open dialog) and draws the tournament
// the model holds.
void Tournieform::Form_Load()
{
    Text5->setText(QLatin1String(kFirstEscapement));
    gSelectedSlot = 0;
    UnloadForm<tourwiz>();
    Label1->setText(titleOrDefault());
    ShowTournament();
}

bool Tournieform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page && event->type() == QEvent::Resize && PlaceControls())
        DrawChart();
    if (watched == piccy && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        DrawChart();
    if (watched == piccy && event->type() == QEvent::KeyPress)
        return piccy_KeyPress(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void Tournieform::closeEvent(QCloseEvent *event)
{
    event->ignore();
    command5_Click();
}

// The picture fills the picture area with the chart's proportions; the title
// and the commands keep their places from the picture's top, the commands
// their distance from the page's right edge. True when the picture changed
// its size.
bool Tournieform::PlaceControls()
{
    const QRect area = pictureArea(page->size());
    const QRect own = TwipsToPixels(kPiccy);
    const ChartFit fit = FitChart(area.size(), own.size());
    const QRect picture(area.topLeft() + fit.offset.toPoint(), (QSizeF(own.size()) * fit.scale).toSize());
    Label1->setGeometry(
        TwipsToPixels(kLabel1).translated(picture.center().x() - own.center().x(), picture.top() - own.top()));
    const QPoint commandsMoved(area.width() - own.width(), picture.top() - own.top());
    Label4->setGeometry(TwipsToPixels(kLabel4).translated(commandsMoved));
    Frame1->setGeometry(TwipsToPixels(kFrame1).translated(commandsMoved));
    lblChampion->setGeometry(TwipsToPixels(kLblChampion).translated(commandsMoved));
    const bool resized = picture.size() != piccy->size();
    piccy->setGeometry(picture);
    return resized;
}

// The chart with every name, and the cell the keyboard is on while the
// chart has it; a screen reader reads the chart's cells where they are drawn.
void Tournieform::DrawChart()
{
    piccy->Cls();
    render(*piccy);
    displaynames(*piccy);
    donames(*piccy);
    DrawNames(*piccy);
    if (piccy->hasFocus())
        DrawFocus(*piccy);
    SetAccessibleGrid(piccy, chartText(), GridKeys::Owner);
}

// The chart, the champion beside it and the cell the keyboard is on, which a
// screen reader reads as it moves.
void Tournieform::ShowTournament()
{
    DrawChart();
    lblChampion->setText(championLine());
    SetCurrentCell(piccy, m_focusSlot - 1, 0);
}

void Tournieform::displaynames(DrawTarget &surface)
{
    surface.Scale(0, 0, kChartWidth, kSlotExtent);
}

void Tournieform::render(DrawTarget &surface)
{
    gChartEntrants = gTourEntrants;
    displaynames(surface);
    for (const QLineF &line : ChartLines(gChartEntrants))
        surface.Line(line.x1(), line.y1(), line.x2(), line.y2(), Qt::black);
    if (IsChartSize(gChartEntrants))
        gTournieColumns = ChartLevels(gChartEntrants);
    StoreChartColumns(ChartColumns(gChartEntrants));
}

// Each slot's font replaces the one before on the surface; the last stays.
void Tournieform::donames(DrawTarget &surface)
{
    gNameEscapement = static_cast<int>(RoundHalfEven(Val(Text5->text())));
    const QList<NameAnchor> anchors = NameAnchors(gTourEntrants, gNameEscapement);
    for (qsizetype slot = 1; slot < anchors.size(); ++slot) {
        const NameAnchor &anchor = anchors[slot];
        surface.CurrentX = anchor.at.x();
        surface.CurrentY = anchor.at.y();
        gNameEscapement = anchor.escapement;
        surface.SetFont(QStringLiteral("Arial"), false, anchor.pointSize);
        surface.FontEscapement = anchor.escapement;
        m_anchors[slot] = anchor.at;
    }
}

void Tournieform::WriteName(DrawTarget &surface, int slot)
{
    const QString &text = gTourNames[slot];
    const bool champion = slot == 2 * gTourEntrants - 1;
    const QPointF picture = surface.ToDevice(kChartWidth, kSlotExtent) - surface.ToDevice(0, 0);
    const QSizeF perUnit(picture.x() / kChartWidth, picture.y() / kSlotExtent);
    const auto textSize = [&](double points) {
        surface.SetFont(QStringLiteral("Arial"), champion, points);
        return QSizeF(surface.TextWidth(text) * perUnit.width(), surface.TextHeight(text) * perUnit.height());
    };
    const MarkPlace place = PlaceMark(gTourEntrants, slot, QSizeF(picture.x(), picture.y()), textSize);
    surface.SetFont(QStringLiteral("Arial"), champion, place.pointSize);
    surface.FontEscapement = place.escapement;
    surface.PrintAt(place.at.x(), place.at.y(), text);
}

// Every slot that holds someone; byes and slots nobody has reached stay empty.
void Tournieform::DrawNames(DrawTarget &surface)
{
    const int escapement = surface.FontEscapement;
    for (int slot = 1; IsChartSize(gTourEntrants) && slot <= 2 * gTourEntrants - 1; ++slot)
        if (!gTourNames[slot].isEmpty() && !IsNoOne(gTourNames[slot]))
            WriteName(surface, slot);
    surface.FontEscapement = escapement;
}

void Tournieform::DrawFocus(DrawTarget &surface)
{
    const QList<QPointF> cell = SlotCell(gTourEntrants, m_focusSlot);
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QPointF &from = cell[i];
        const QPointF &to = cell[(i + 1) % cell.size()];
        surface.Line(from.x(), from.y(), to.x(), to.y(), FocusMarkColour());
    }
}

// The title and the champion, on paper, where the chart leaves room.
void Tournieform::PrintHeading(DrawTarget &surface)
{
    surface.FontEscapement = 0;
    surface.SetFont(QStringLiteral("Arial"), true, kPaperTitlePoints);
    surface.PrintAt(kPaperTitleAt.x(), kPaperTitleAt.y(), titleOrDefault());
    surface.SetFont(QStringLiteral("Arial"), false, kPaperChampionPoints);
    surface.PrintAt(kPaperTitleAt.x(), kPaperTitleAt.y() + kPaperLineGap, championLine());
}

QPointF Tournieform::Anchor(int slot) const
{
    return slot >= 0 && slot < kMaxTourNames ? m_anchors[slot] : QPointF();
}

void Tournieform::piccy_MouseDown(Qt::MouseButton, double x, double y)
{
    gClickX = x;
    gClickY = y;
}

// The chart's columns as the drawing stored them; a click outside the chart
// chooses nothing, a click in a cell chooses its entrant.
void Tournieform::piccy_Click()
{
    const ChartHit hit =
        HitTest(gTourEntrants, StoredChartColumns(gTournieColumns), QPointF(gClickX, gClickY));
    if (hit.slot != 0)
        ChooseSlot(hit.slot);
}

// The arrows move between cells, Space and Return choose the cell's entrant.
// (Escape is Close, from anywhere in the window.)
bool Tournieform::piccy_KeyPress(QKeyEvent *event)
{
    const auto step = [this](ChartStep direction) {
        m_focusSlot = std::max(1, StepFrom(gTourEntrants, m_focusSlot, direction));
        ShowTournament();
        return true;
    };
    switch (event->key()) {
    case Qt::Key_Up: return step(ChartStep::Up);
    case Qt::Key_Down: return step(ChartStep::Down);
    case Qt::Key_Left: return step(ChartStep::Back);
    case Qt::Key_Right: return step(ChartStep::On);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ChooseSlot(m_focusSlot);
        return true;
    default:
        return false;
    }
}

// The entrant in slot wins its pair; the chart shows what it changed. A
// change that takes later results with it is made only when the user agrees.
void Tournieform::ChooseSlot(int slot)
{
    gSelectedSlot = slot;
    m_focusSlot = slot;
    const WinnerChange change = ChangeOfWinner(gTourEntrants, slot);
    const bool agreed = change.cleared.isEmpty()
        || SystemConfirm(QStringLiteral("This clears ") + ChangeWords(gTourEntrants, change), QStringLiteral("Change"));
    if (agreed && MoveOn(gTourEntrants, slot))
        gTourChanged = true;
    ShowTournament();
    Announce(piccy, winnerNotice(slot));
}

// The chart with its title, names and winners, one document per copy.
// Without a window manager nothing gives the keyboard back when the print
// dialog closes: the chart takes it.
void Tournieform::cmdprint_Click()
{
    PrintJob job;
    job.parent = this;
    job.orientation = QPageLayout::Landscape;
    job.documentName = titleOrDefault();
    job.copies = ValInRange(Text6->text(), 1, kMaxStartingCopies);
    const PrintOutcome outcome = PrintCopies(job, [this](DrawTarget &printer) {
        render(printer);
        DrawNames(printer);
        PrintHeading(printer);
    });
    window()->activateWindow();
    if (outcome.status == PrintStatus::Failed)
        SystemMessage(outcome.message);
}

// The save dialog for a tournament file; the open league keeps its own file.
// Another file is replaced only when the user says so. True when the
// tournament was saved.
bool Tournieform::SaveChart()
{
    gDialogFilter = TournamentFilter();
    gDialogExt = kTournamentExt;
    const QString leagueFile = gLeagueFile;
    ShowSaveDialog();
    const QString path = std::exchange(gLeagueFile, leagueFile);
    const bool ownFile = !gTourFile.isEmpty() && QFileInfo(path) == QFileInfo(gTourFile);
    if (gDialogResult == 0 || !(ownFile || MayReplaceFile(path)))
        return false;
    const FileResult saved = SaveTournament(path);
    if (!saved.ok)
        SystemMessage(saved.message);
    return saved.ok;
}

void Tournieform::cmdsave_Click()
{
    if (SaveChart())
        piccy->setFocus();
}

bool Tournieform::MayClose()
{
    if (!gTourChanged)
        return true;
    switch (AskToSave(QStringLiteral("Save the changes to ") + titleOrDefault() + QStringLiteral("?"),
                      QStringLiteral("Tournament"))) {
    case SaveAnswer::Save:
        return SaveChart();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void Tournieform::command5_Click()
{
    if (!MayClose())
        return;
    piccy->Cls();
    UnloadForm<Tournieform>();
    ShowMainMenu();
}

} // namespace fixtora
