#include "platform/drawtarget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace fixtora {

namespace {

constexpr double kInchesPerMeter = 0.0254;
constexpr double kScreenDpi = 96.0;

// A blank image measuring fonts like a screen of dpi pixels per inch.
QImage blankImage(const QSize &size, double dpi, const QColor &colour)
{
    QImage image(size.expandedTo({1, 1}), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / kInchesPerMeter);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(colour);
    return image;
}

// Each step down is at least this much smaller, so that fitting ends soon
// where the text's width does not follow its size closely (whole pixels).
constexpr double kShrinkStep = 0.95;
// A text fitted with no smallest size still stops shrinking here.
constexpr double kTinyTextSize = 0.5;
const QString kEllipsis = QStringLiteral("\u2026");

bool fitsInto(const QSizeF &needed, const QSizeF &room)
{
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// How much smaller a text of this size must be to fit: a factor below 1.
double shrinkFactor(const QSizeF &needed, const QSizeF &room)
{
    double factor = kShrinkStep;
    if (needed.width() > 0)
        factor = std::min(factor, std::max(0.0, room.width()) / needed.width());
    if (needed.height() > 0)
        factor = std::min(factor, std::max(0.0, room.height()) / needed.height());
    return factor;
}

} // namespace

FittedText FitText(const QString &text, const QSizeF &room, const TextFit &fit, const TextMeasure &measure)
{
    const double smallest = fit.smallest > 0 ? std::min(fit.smallest, fit.size) : kTinyTextSize;
    double size = fit.size;
    QSizeF needed = measure(text, size);
    while (!fitsInto(needed, room) && size > smallest) {
        size = std::max(smallest, size * shrinkFactor(needed, room));
        needed = measure(text, size);
    }
    if (fitsInto(needed, room) || !fit.ellipsis || needed.height() > room.height())
        return {text, size};
    for (qsizetype kept = text.size() - 1; kept > 0; --kept) {
        const QString cut = text.left(kept).trimmed() + kEllipsis;
        if (measure(cut, size).width() <= room.width())
            return {cut, size};
    }
    return {kEllipsis, size};
}

TextMeasure MeasureIn(const QFont &font, const QPaintDevice *device)
{
    return [font, device](const QString &text, double size) {
        QFont sized(font);
        sized.setPointSizeF(size);
        const QFontMetricsF metrics = device ? QFontMetricsF(sized, device) : QFontMetricsF(sized);
        return QSizeF(metrics.horizontalAdvance(text), metrics.height());
    };
}

// The font and its metrics for the last font state and device seen; rebuilt
// only when one of them changes, so a page of text measures its font once.
struct DrawTarget::FontCache {
    QString name;
    bool bold = false;
    double size = -1;
    const QPaintDevice *device = nullptr;
    int dpi = 0;
    QFont font;
    std::optional<QFontMetricsF> metrics;
};

DrawTarget::~DrawTarget() = default;

void DrawTarget::Scale(double left, double top, double right, double bottom)
{
    m_left = left;
    m_top = top;
    m_scale = QRectF(left, top, right - left, bottom - top);
}

double DrawTarget::ScaleWidth() const
{
    return m_scale ? m_scale->width() : WidthTwips();
}

double DrawTarget::ScaleHeight() const
{
    return m_scale ? m_scale->height() : HeightTwips();
}

void DrawTarget::SetFont(const QString &name, bool bold, double size)
{
    FontName = name;
    FontBold = bold;
    FontSize = size;
}

void DrawTarget::Line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    DrawLine(x1, y1, x2, y2, colour);
    CurrentX = x2;
    CurrentY = y2;
}

void DrawTarget::Rectangle(double x1, double y1, double x2, double y2, const QColor &colour)
{
    DrawRectangle(x1, y1, x2, y2, colour);
    CurrentX = x2;
    CurrentY = y2;
}

void DrawTarget::Print(const QString &text)
{
    DrawText(CurrentX, CurrentY, text);
    CurrentX = m_left;
    CurrentY += TextHeight(text);
}

void DrawTarget::PrintAt(double x, double y, const QString &text)
{
    CurrentX = x;
    CurrentY = y;
    Print(text);
}

const QFontMetricsF &DrawTarget::Metrics() const
{
    if (!m_fonts)
        m_fonts = std::make_shared<FontCache>();
    FontCache &cache = *m_fonts;
    const QPaintDevice *device = MetricsDevice();
    const double size = FontSize > 0 ? FontSize : kDefaultFontSize;
    if (!cache.metrics || cache.name != FontName || cache.bold != FontBold || cache.size != size ||
        cache.device != device || cache.dpi != device->logicalDpiY()) {
        cache.name = FontName;
        cache.bold = FontBold;
        cache.size = size;
        cache.device = device;
        cache.dpi = device->logicalDpiY();
        cache.font = QFont(FontName);
        cache.font.setBold(FontBold);
        cache.font.setPointSizeF(size);
        cache.metrics.emplace(cache.font, device);
    }
    return *cache.metrics;
}

QFont DrawTarget::CurrentFont() const
{
    Metrics();
    return m_fonts->font;
}

double DrawTarget::TextWidth(const QString &text) const
{
    const QRectF area = DeviceArea();
    if (area.width() <= 0)
        return 0;
    return std::abs(Metrics().horizontalAdvance(text) * ScaleWidth() / area.width());
}

double DrawTarget::TextHeight(const QString &text) const
{
    const QRectF area = DeviceArea();
    if (area.height() <= 0)
        return 0;
    const int lines = text.count(QLatin1Char('\n')) + 1;
    return std::abs(lines * Metrics().height() * ScaleHeight() / area.height());
}

TextFit DrawTarget::LegibleFit(double size) const
{
    if (IsPrinter())
        return {size, 0, false};
    return {size, kSmallestScreenTextSize, true};
}

FittedText DrawTarget::PrintWithin(double x, double y, double right, const QString &text, const TextFit &fit)
{
    const double before = FontSize;
    const double middle = y + TextHeight() / 2;
    const FittedText fitted = FitText(text, {right - x, kAnyHeight}, fit, [this](const QString &shown, double size) {
        FontSize = size;
        return QSizeF(TextWidth(shown), TextHeight(shown));
    });
    FontSize = fitted.size;
    PrintAt(x, middle - TextHeight() / 2, fitted.text);
    FontSize = before;
    return fitted;
}

double DrawTarget::WidthTwips() const
{
    return DeviceArea().width() / MetricsDevice()->logicalDpiX() * kTwipsPerInch;
}

double DrawTarget::HeightTwips() const
{
    return DeviceArea().height() / MetricsDevice()->logicalDpiY() * kTwipsPerInch;
}

void DrawTarget::Cls() {}
void DrawTarget::NewPage() {}
void DrawTarget::EndDoc() {}

QPointF DrawTarget::ToDevice(double x, double y) const
{
    const QRectF area = DeviceArea();
    const double width = ScaleWidth();
    const double height = ScaleHeight();
    if (width == 0 || height == 0)
        return area.topLeft();
    return {area.left() + (x - m_left) * area.width() / width, area.top() + (y - m_top) * area.height() / height};
}

QPointF DrawTarget::FromDevice(const QPointF &device) const
{
    const QRectF area = DeviceArea();
    if (area.width() <= 0 || area.height() <= 0)
        return {m_left, m_top};
    return {m_left + (device.x() - area.left()) * ScaleWidth() / area.width(),
            m_top + (device.y() - area.top()) * ScaleHeight() / area.height()};
}

// ---- PainterTarget ------------------------------------------------------------------

namespace {

// Lines one screen pixel wide on every device, so paper looks like the screen.
QPen linePen(const QColor &colour, const QPaintDevice *device)
{
    QPen pen(colour);
    pen.setWidthF(std::max(1.0, device->logicalDpiX() / kScreenDpi));
    return pen;
}

} // namespace

void PainterTarget::DrawLine(double x1, double y1, double x2, double y2, const QColor &colour)
{
    QPainter *painter = Painter();
    if (!painter)
        return;
    painter->setPen(linePen(colour, MetricsDevice()));
    painter->drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
}

void PainterTarget::DrawRectangle(double x1, double y1, double x2, double y2, const QColor &colour)
{
    QPainter *painter = Painter();
    if (!painter)
        return;
    painter->setPen(linePen(colour, MetricsDevice()));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(ToDevice(x1, y1), ToDevice(x2, y2)).normalized());
}

void PainterTarget::DrawText(double x, double y, const QString &text)
{
    QPainter *painter = Painter();
    if (!painter)
        return;
    const double ascent = Metrics().ascent();
    painter->setFont(CurrentFont());
    painter->setPen(ForeColor);
    const QPointF corner = ToDevice(x, y);
    if (FontEscapement == 0) {
        painter->drawText(corner + QPointF(0, ascent), text);
        return;
    }
    painter->save();
    painter->translate(corner);
    painter->rotate(-FontEscapement / 10.0);
    painter->drawText(QPointF(0, ascent), text);
    painter->restore();
}

// ---- PictureBox ------------------------------------------------------------------------

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = BlankImage(size());
}

PictureBox::~PictureBox()
{
    EndPainting();
}

QImage PictureBox::BlankImage(const QSize &size) const
{
    return blankImage(size, logicalDpiX(), BackColor);
}

void PictureBox::EndPainting()
{
    if (m_painter)
        m_painter->end();
    m_painter.reset();
}

QRectF PictureBox::DeviceArea() const
{
    // The widget's own size: a hidden widget gets its resize event only when
    // it is shown, and drawing may come first.
    return QRectF(QPointF(0, 0), QSizeF(size().expandedTo({1, 1})));
}

const QPaintDevice *PictureBox::MetricsDevice() const
{
    return &m_image;
}

QPainter *PictureBox::Painter()
{
    if (m_image.size() != size().expandedTo({1, 1})) {
        EndPainting();
        QImage image = BlankImage(size());
        QPainter copy(&image);
        copy.drawImage(0, 0, m_image);
        m_image = image;
    }
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::TextAntialiasing);
    }
    update();
    return m_painter.get();
}

void PictureBox::Cls()
{
    EndPainting();
    m_image = BlankImage(size());
    CurrentX = ScaleLeft();
    CurrentY = ScaleTop();
    update();
}

QImage PictureBox::Image()
{
    EndPainting();
    return m_image;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    EndPainting();
    QPainter painter(this);
    painter.fillRect(rect(), BackColor);
    painter.drawImage(0, 0, m_image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Painter();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    const QPointF at = FromDevice(event->position());
    emit MouseDown(event->button(), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit Clicked();
}

// ---- RecordingTarget ----------------------------------------------------------------------

RecordingTarget::RecordingTarget(QSize pixels, bool printer)
    : m_metrics(blankImage(pixels, kScreenDpi, Qt::white)), m_printer(printer)
{
}

RecordingTarget::~RecordingTarget() = default;

QRectF RecordingTarget::DeviceArea() const
{
    return QRectF(QPointF(0, 0), QSizeF(m_metrics.size()));
}

const QPaintDevice *RecordingTarget::MetricsDevice() const
{
    return &m_metrics;
}

void RecordingTarget::DrawLine(double x1, double y1, double x2, double y2, const QColor &colour)
{
    items.append({Kind::Line, x1, y1, x2, y2, {}, {}, false, 0, 0, colour});
}

void RecordingTarget::DrawRectangle(double x1, double y1, double x2, double y2, const QColor &colour)
{
    items.append({Kind::Rectangle, x1, y1, x2, y2, {}, {}, false, 0, 0, colour});
}

void RecordingTarget::DrawText(double x, double y, const QString &text)
{
    items.append({Kind::Text, x, y, x, y, text, FontName, FontBold, FontSize, FontEscapement, ForeColor});
}

void RecordingTarget::Cls()
{
    items.append(Marker(Kind::Cls));
    CurrentX = ScaleLeft();
    CurrentY = ScaleTop();
}

void RecordingTarget::NewPage()
{
    items.append(Marker(Kind::NewPage));
}

void RecordingTarget::EndDoc()
{
    items.append(Marker(Kind::EndDoc));
}

RecordingTarget::Item RecordingTarget::Marker(Kind kind)
{
    Item item;
    item.kind = kind;
    return item;
}

QStringList RecordingTarget::Texts() const
{
    QStringList texts;
    for (const Item &item : items)
        if (item.kind == Kind::Text)
            texts.append(item.text);
    return texts;
}

QList<RecordingTarget::Item> RecordingTarget::TextItems() const
{
    QList<Item> texts;
    for (const Item &item : items)
        if (item.kind == Kind::Text)
            texts.append(item);
    return texts;
}

} // namespace fixtora
