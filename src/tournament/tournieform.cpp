#include "tournament/tournieform.h"

#include "platform/drawtarget.h"
#include "platform/numbers.h"
#include "platform/printing.h"
#include "platform/systembox.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/mainwizard.h"
#include "tournament/tourwiz.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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
constexpr QRect kCommand5(240, 1440, 975, 375);

const char *const kFirstEscapement = "3450";
constexpr int kNamedSlots = 32;       // the chart window numbers slots 1..32 on load
constexpr int kClearedSlotsEnd = 63;  // and clears 33..63
constexpr int kMaxStartingCopies = 99;
constexpr int kTitlePoints = 18;
constexpr int kCommandsTitlePoints = 12;

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
      command5(InTwips(MakeButton(Frame1, "command5", QStringLiteral("&Close")), kCommand5)),
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
    Text5->hide();
    PlaceControls();
}

void Tournieform::ConnectHandlers()
{
    connect(piccy, &PictureBox::MouseDown, this, &Tournieform::piccy_MouseDown);
    connect(piccy, &PictureBox::Clicked, this, &Tournieform::piccy_Click);
    connect(cmdprint, &QAbstractButton::clicked, this, &Tournieform::cmdprint_Click);
    connect(command5, &QAbstractButton::clicked, this, &Tournieform::command5_Click);
}

// Takes over from the wizard and draws the chart.
void Tournieform::Form_Load()
{
    Text5->setText(QLatin1String(kFirstEscapement));
    gSelectedSlot = 0;
    UnloadForm<tourwiz>();
    for (int slot = 1; slot <= kClearedSlotsEnd; ++slot)
        gTourNames[slot] = slot <= kNamedSlots ? QString::number(slot) : QString();
    DrawChart();
}

bool Tournieform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page && event->type() == QEvent::Resize && PlaceControls())
        DrawChart();
    return QWidget::eventFilter(watched, event);
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
    const bool resized = picture.size() != piccy->size();
    piccy->setGeometry(picture);
    return resized;
}

// The chart and the marks made so far.
void Tournieform::DrawChart()
{
    piccy->Cls();
    render(*piccy);
    displaynames(*piccy);
    donames(*piccy);
    for (int slot : std::as_const(m_marks))
        WriteMarker(*piccy, slot);
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

void Tournieform::WriteMarker(DrawTarget &surface, int slot)
{
    const QString text = MarkerText(slot);
    const QPointF picture = surface.ToDevice(kChartWidth, kSlotExtent) - surface.ToDevice(0, 0);
    const QSizeF perUnit(picture.x() / kChartWidth, picture.y() / kSlotExtent);
    const auto textSize = [&](double points) {
        surface.SetFont(QStringLiteral("Arial"), false, points);
        return QSizeF(surface.TextWidth(text) * perUnit.width(), surface.TextHeight(text) * perUnit.height());
    };
    const MarkPlace place = PlaceMark(gTourEntrants, slot, QSizeF(picture.x(), picture.y()), textSize);
    surface.SetFont(QStringLiteral("Arial"), false, place.pointSize);
    surface.FontEscapement = place.escapement;
    surface.PrintAt(place.at.x(), place.at.y(), text);
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
// selects nothing and writes nothing, a click on a marked cell selects it
// without writing its mark again.
void Tournieform::piccy_Click()
{
    const ChartHit hit =
        HitTest(gTourEntrants, StoredChartColumns(gTournieColumns), QPointF(gClickX, gClickY));
    if (hit.lastMeasured.measured) {
        gIntersectUA = hit.lastMeasured.ua;
        gIntersectUB = hit.lastMeasured.ub;
    }
    if (hit.slot == 0)
        return;
    gSelectedSlot = hit.slot;
    if (m_marks.contains(hit.slot))
        return;
    m_marks.append(hit.slot);
    WriteMarker(*piccy, hit.slot);
}

// The bare chart, without names or markers, one document per copy. Without a
// window manager nothing gives the keyboard back when the print dialog
// closes: the chart takes it.
void Tournieform::cmdprint_Click()
{
    PrintJob job;
    job.parent = this;
    job.orientation = QPageLayout::Landscape;
    job.documentName = QStringLiteral("Tournament");
    job.copies = ValInRange(Text6->text(), 1, kMaxStartingCopies);
    const PrintOutcome outcome = PrintCopies(job, [this](DrawTarget &printer) { render(printer); });
    window()->activateWindow();
    if (outcome.status == PrintStatus::Failed)
        SystemMessage(outcome.message);
}

void Tournieform::command5_Click()
{
    piccy->Cls();
    UnloadForm<Tournieform>();
    ShowMainMenu();
}

} // namespace fixtora
