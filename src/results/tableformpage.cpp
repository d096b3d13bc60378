// The fixtures screen's controls: the frames built once and placed by the
// screen's width, and the controls of the page on view (score buttons, swap
// buttons, date pickers) placed on the boxes the page's drawing reports. The
// screen's handlers are in tableform.cpp.

#include "results/tableform.h"

#include "results/fixturepage.h"
#include "results/fixtureshtml.h"
#include "results/resultscontrols.h"
#include "model/fixturelayout.h"
#include "model/league.h"
#include "model/scoreentry.h"
#include "model/settings.h"
#include "platform/drawtarget.h"
#include "platform/shortdate.h"
#include "shell/artwork.h"
#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/controls.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <iterator>

namespace fixtora {

namespace {

// Places and sizes in twips.
struct PictureSize {
    int screenWidth;  // 0: any other screen
    int width;
    int height;
};
constexpr PictureSize kPictureSizes[] = {{800, 5860, 6760}, {1024, 8000, 9390}, {0, 9375, 11000}};
constexpr int kPictureLeft = 120;
constexpr int kPictureTop = 180;
constexpr int kHeaderRight = 50;    // Frame3 stands this far right of piccy
constexpr int kHeaderAbove = 60;    // and its top this far above piccy's top
constexpr int kFrameGap = 10;       // Frame1 below Frame3, Frame4 below piccy
constexpr int kColumnWidth = 4200;
constexpr int kArrowsWidth = 2600;
constexpr int kArrowsHeight = 480;
constexpr int kCommandHeight = 390;
constexpr int kHtmlButtonWidth = 900;
constexpr int kSmallScreenWidth = 800;

constexpr int kLogoSize = 48;  // pixels
constexpr int kHeadingPoints = 12;
const QString kPageFont = QStringLiteral("Arial");

const QString kSaveToEnterScores = QStringLiteral("You must save the League before you can enter scores");
const QString kClickToEnterScores = QStringLiteral("Click to enter scores");

// Removes a control of the page; it goes at once from view and later from memory
// (it may be the one whose signal is being handled).
void discard(QWidget *control)
{
    control->hide();
    control->deleteLater();
}

// The date picker of the page's box index, element index of dateshow.
QDateEdit *makePicker(QWidget *parent, int index)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(ElementName("dateshow", index));
    return picker;
}

// A ring in the palette's highlight colour around the control of the page
// that has the keyboard: the page's buttons and pickers are too small to show
// it inside themselves. It lets the mouse through to what it stands over.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget *page) : QWidget(page)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { Follow(now); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show
            || event->type() == QEvent::Hide)
            Place();
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kWidth));
        painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    }

private:
    static constexpr int kWidth = 2;  // pixels

    void Follow(QWidget *focus)
    {
        while (focus && focus->parentWidget() != parentWidget())
            focus = focus->parentWidget();
        if (m_control)
            m_control->removeEventFilter(this);
        m_control = focus;
        if (m_control)
            m_control->installEventFilter(this);
        Place();
    }

    void Place()
    {
        if (!m_control || !m_control->isVisible()) {
            hide();
            return;
        }
        setGeometry(m_control->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
        show();
        raise();
    }

    QPointer<QWidget> m_control;
};

} // namespace

void Tableform::BuildControls()
{
    // On a screen too small for the page, it scrolls: every control stays in reach.
    sheet = new QWidget;
    CentreInPage(this, sheet, PageFit::TopLeft);
    piccy = new PictureBox(sheet);
    piccy->setObjectName(QStringLiteral("piccy"));
    column = new QWidget(sheet);
    column->setObjectName(QStringLiteral("column"));
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(TwipsToPixelsY(kFrameGap));
    BuildHeader();
    BuildCommands();
    savefirst = MakeLabel(column, "savefirst", QStringLiteral("Save the league to enter scores"));
    savefirst->setWordWrap(true);
    stack->addWidget(savefirst);
    BuildSummary();
    BuildHtmlFrame();
    showsave = MakeLabel(column, "showsave");
    stack->addWidget(showsave);
    stack->addStretch(1);
    BuildPageArrows();
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    QDateEdit *firstPicker = makePicker(piccy, 0);
    firstPicker->hide();
    dateshow.append(firstPicker);
    new FocusRing(piccy);  // around the page's control that has the keyboard
}

void Tableform::BuildHeader()
{
    Frame3 = new QFrame(column);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setFrameShape(QFrame::StyledPanel);
    Picture7 = MakeLabel(Frame3, "Picture7");
    Picture7->setPixmap(LogoPicture(kLogoSize));
    Label17 = InArial(MakeLabel(Frame3, "Label17", QStringLiteral("Print Preview")), kHeadingPoints, true);
    Label16 = MakeLabel(Frame3, "Label16", QStringLiteral("LeagueFixtures"));
    auto *texts = new QVBoxLayout;
    texts->addWidget(Label17);
    texts->addWidget(Label16);
    auto *row = new QHBoxLayout(Frame3);
    row->addWidget(Picture7);
    row->addLayout(texts, 1);
    column->layout()->addWidget(Frame3);
}

void Tableform::BuildCommands()
{
    Frame1 = new QFrame(column);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QVBoxLayout(Frame1);
    auto add = [&](const char *name, const QString &caption) {
        chameleonButton *button = MakeButton(Frame1, name, caption);
        button->setFixedHeight(TwipsToPixelsY(kCommandHeight));
        buttons->addWidget(button);
        return button;
    };
    command2 = add("command2", QStringLiteral("&Print"));
    swapem = add("swapem", QStringLiteral("Swap Names"));
    chgname = add("chgname", QStringLiteral("Change Name"));
    save = add("save", QStringLiteral("&Save"));
    command3 = add("command3", QStringLiteral("&Close"));
    column->layout()->addWidget(Frame1);
}

void Tableform::BuildSummary()
{
    auto *summary = new QWidget(column);
    auto *grid = new QGridLayout(summary);
    grid->setContentsMargins(0, 0, 0, 0);
    auto add = [&](QLabel *&label, const char *name, const QString &text, int row, int col) {
        label = MakeLabel(summary, name, text);
        grid->addWidget(label, row, col);
    };
    add(Label2, "Label2", QStringLiteral("Number of Players:"), 0, 0);
    add(Label12, "Label12", QString(), 0, 1);
    add(Label3, "Label3", QStringLiteral("Starts:"), 1, 0);
    add(Label13, "Label13", QString(), 1, 1);
    add(Label4, "Label4", QStringLiteral("Ends:"), 2, 0);
    add(Label14, "Label14", QString(), 2, 1);
    add(Label8, "Label8", QStringLiteral("Pages:"), 3, 0);
    add(Label15, "Label15", QString(), 3, 1);
    add(Label9, "Label9", QStringLiteral("Home & Away rule is:-"), 4, 0);
    add(Label10, "Label10", QString(), 4, 1);
    column->layout()->addWidget(summary);
}

void Tableform::BuildHtmlFrame()
{
    Frame2 = MakeFrame(column, "Frame2", QStringLiteral("Copy the league Fixtures to an HTML file"));
    htmlfix = MakeButton(Frame2, "htmlfix", QStringLiteral("&Html"));
    htmlfix->setFixedSize(TwipsToPixelsX(kHtmlButtonWidth), TwipsToPixelsY(kCommandHeight));
    htmlout = MakeTextBox(Frame2, "htmlout", DefaultFixturesHtmlPath());
    QLabel *fileLabel = MakeLabel(Frame2, "Label_htmlout", QStringLiteral("File:"));
    NameAfter(htmlout, fileLabel);
    auto *row = new QHBoxLayout(Frame2);
    row->addWidget(htmlfix);
    row->addWidget(fileLabel);
    row->addWidget(htmlout, 1);
    column->layout()->addWidget(Frame2);
}

void Tableform::BuildPageArrows()
{
    Frame4 = new QFrame(sheet);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Picture1 = MakeButton(Frame4, "Picture1", QStringLiteral("<"));
    Picture3 = MakeButton(Frame4, "Picture3", QStringLiteral(">"));
    Picture1->setAccessibleName(QStringLiteral("Previous page"));
    Picture3->setAccessibleName(QStringLiteral("Next page"));
    Label6 = MakeLabel(Frame4, "Label6");
    Label6->setAlignment(Qt::AlignCenter);
    auto *row = new QHBoxLayout(Frame4);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Picture1);
    row->addWidget(Label6, 1);
    row->addWidget(Picture3);
    for (chameleonButton *arrow : {Picture1, Picture3})
        arrow->setFixedSize(TwipsToPixelsX(kArrowsHeight), TwipsToPixelsY(kArrowsHeight));
}

// piccy by the screen's width; the column of frames to its right, its top a
// little above piccy's; the page arrows centred under piccy.
void Tableform::PlaceFrames()
{
    const PictureSize *size = &kPictureSizes[std::size(kPictureSizes) - 1];
    for (const PictureSize &candidate : kPictureSizes)
        if (candidate.screenWidth == gScreenWidth) {
            size = &candidate;
            break;
        }
    piccy->setGeometry(TwipsToPixelsX(kPictureLeft), TwipsToPixelsY(kPictureTop), TwipsToPixelsX(size->width),
                       TwipsToPixelsY(size->height));
    const QRect picture = piccy->geometry();
    column->setGeometry(picture.right() + 1 + TwipsToPixelsX(kHeaderRight), picture.top() - TwipsToPixelsY(kHeaderAbove),
                        TwipsToPixelsX(kColumnWidth), picture.height() + TwipsToPixelsY(kHeaderAbove));
    Frame3->setVisible(gScreenWidth != kSmallScreenWidth);
    const int arrowsWidth = TwipsToPixelsX(kArrowsWidth);
    Frame4->setGeometry(picture.left() + picture.width() / 2 - arrowsWidth / 2,
                        picture.bottom() + 1 + TwipsToPixelsY(kFrameGap), arrowsWidth, TwipsToPixelsY(kArrowsHeight));
    sheet->setFixedSize(column->geometry().right() + 1 + TwipsToPixelsX(kPictureLeft),
                        Frame4->geometry().bottom() + 1 + TwipsToPixelsY(kPictureLeft));
}

void Tableform::PlacePageControls(const QList<DrawnBox> &boxes)
{
    m_pageBoxes = boxes;
    PlaceScoreButtons(boxes);
    PlaceSwapButtons();
    PlaceDatePickers(boxes);
    SetPageTabOrder();
}

// The page read as a table; box by box, each box's score button, date
// picker and swap buttons; then the page arrows under the page and the
// commands beside it, top to bottom.
void Tableform::SetPageTabOrder()
{
    QList<QWidget *> chain{piccy};
    const int fixtures = FixturesPerRound(gNumSlots);
    for (qsizetype k = 0; k < m_pageBoxes.size() && k < Cmdscore.size(); ++k) {
        chain.append(Cmdscore[k]);
        if (gDateVisible && k < dateshow.size())
            chain.append(dateshow[k]);
        for (qsizetype i = k * fixtures; i < (k + 1) * fixtures && i < swapit.size(); ++i)
            chain.append(swapit[i]);
    }
    chain << Picture1 << Picture3 << command2 << swapem << chgname << save << command3 << htmlfix << htmlout;
    ChainTabOrder(chain);
}

QWidget *Tableform::ScoreButtonOf(int round) const
{
    for (qsizetype k = 0; k < m_pageBoxes.size() && k < Cmdscore.size(); ++k)
        if (m_pageBoxes[k].round == round && Cmdscore[k]->isVisible())
            return Cmdscore[k];
    return nullptr;
}

QWidget *Tableform::ChangeNameButton() const
{
    return chgname;
}

QRect Tableform::PixelRect(double x, double y, double width, double height) const
{
    return QRectF(piccy->ToDevice(x, y), piccy->ToDevice(x + width, y + height)).toRect();
}

void Tableform::PlaceScoreButtons(const QList<DrawnBox> &boxes)
{
    for (qsizetype k = Cmdscore.size() + 1; k <= boxes.size(); ++k) {
        chameleonButton *button = MakeButton(piccy, qPrintable(ElementName("Cmdscore", int(k))), QStringLiteral("score"));
        button->setShowFocusRect(false);  // the ring shows it: inside, it would hide the caption
        connect(button, &QAbstractButton::clicked, this, [this, k] { Cmdscore_Click(k); });
        Cmdscore.append(button);
    }
    for (qsizetype k = 1; k <= Cmdscore.size(); ++k) {
        chameleonButton *button = Cmdscore[k - 1];
        if (k > boxes.size()) {
            button->hide();
            continue;
        }
        const QPointF corner = boxes[k - 1].topLeft;
        PlacePageButton(button, corner.x(), corner.y());
        button->setAccessibleName(QStringLiteral("Scores for ") + RoundName(boxes[k - 1].round));
        button->setEnabled(gLeagueOnDisk);
        button->setToolTip(gLeagueOnDisk ? kClickToEnterScores : kSaveToEnterScores);
        button->show();
    }
    savefirst->setVisible(!gLeagueOnDisk);  // says why the buttons are grey
}

// A button of a box's line (the header's score button, a fixture's swap
// button) at its place in the line, as large as its caption needs to be read.
// Its caption is in the page's font. The fit is measured once for each
// caption and size of place, not for every one of the page's buttons.
void Tableform::PlacePageButton(chameleonButton *button, double boxX, double lineTop)
{
    const QRect place = PixelRect(boxX + kButtonX, lineTop, kButtonWidth, kLineHeight);
    const QString key = button->text() + QLatin1Char('/') + QString::number(place.width()) + QLatin1Char('x')
                        + QString::number(place.height());
    auto known = m_buttonFits.constFind(key);
    if (known == m_buttonFits.constEnd())
        known = m_buttonFits.insert(key, FitPageButton(QRect(QPoint(0, 0), place.size()), button->text(),
                                                        MeasureIn(QFont(kPageFont), button)));
    QFont caption(kPageFont);
    caption.setPointSizeF(known->captionSize);
    if (button->font() != caption)
        button->setFont(caption);
    button->setGeometry(known->rect.translated(place.topLeft()));
}

// The page's swap buttons, one per fixture line, are made only in swap mode:
// a page of the largest league has 96, and making them is most of the time a
// page turn takes.
void Tableform::PlaceSwapButtons()
{
    const int fixtures = FixturesPerRound(gNumSlots);
    if (!gSwapMode) {
        while (!swapit.isEmpty())
            discard(swapit.takeLast());
        return;
    }
    int next = 1;
    for (const DrawnBox &box : m_pageBoxes) {
        const QList<RoundLine> lines = RoundLines(box.round);
        for (int line = 1; line <= fixtures; ++line, ++next) {
            if (next > swapit.size()) {
                chameleonButton *button = MakeButton(piccy, qPrintable(ElementName("swapit", next)), QStringLiteral("<->"));
                button->setShowFocusRect(false);
                connect(button, &QAbstractButton::clicked, this, [this, next] { swapit_Click(next); });
                swapit.append(button);
            }
            chameleonButton *button = swapit[next - 1];
            PlacePageButton(button, box.topLeft.x(), FixtureLineTop(box.topLeft.y(), line));
            if (line <= lines.size())
                button->setAccessibleName(QStringLiteral("Swap ") + FixtureName(box.round, lines[line - 1].leftName,
                                                                                 lines[line - 1].rightName));
            button->show();
        }
    }
    while (swapit.size() >= next)
        discard(swapit.takeLast());
}

// One picker on every box, while the dates are shown; the window's own
// picker 0 is hidden when unused, later ones are removed.
void Tableform::PlaceDatePickers(const QList<DrawnBox> &boxes)
{
    const qsizetype used = gDateVisible ? boxes.size() : 0;
    for (qsizetype k = dateshow.size(); k < used; ++k)
        dateshow.append(makePicker(piccy, static_cast<int>(k)));
    for (qsizetype k = 0; k < used; ++k) {
        QDateEdit *picker = dateshow[k];
        const DrawnBox &box = boxes[k];
        picker->disconnect(this);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(ShortDateFormat());
        picker->setDate(gWeekDates[box.round]);
        picker->setAccessibleName(QStringLiteral("Date of ") + RoundName(box.round));
        picker->setGeometry(
            PixelRect(box.topLeft.x() + kPickerX, box.topLeft.y() + kHeaderDrop, kPickerSize, kPickerSize));
        connect(picker, &QDateEdit::dateChanged, this, [this, k](const QDate &date) { dateshow_Change(k, date); });
        picker->show();
    }
    while (dateshow.size() > std::max<qsizetype>(used, 1))
        discard(dateshow.takeLast());
    if (used == 0)
        dateshow[0]->hide();
}

void Tableform::unload_swapems()
{
    gPrinting = false;
    for (chameleonButton *button : swapit)
        discard(button);
    swapit.clear();
}

} // namespace fixtora
