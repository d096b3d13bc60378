#pragma once
// One drawing surface for every picture the program draws: the fixtures pages,
// the team scoring sheet, the league table, the player ranking and the
// tournament chart. A drawing routine takes a DrawTarget&, sets its own user
// scale with Scale(), and draws lines, rectangles and text at the current
// position; the same routine then serves the screen, the printer and tests.
//
// Coordinates are user units. Scale(left, top, right, bottom) maps the
// surface's drawing area so that (left, top) is its top-left corner and
// (right, bottom) its bottom-right corner; with bottom > top, y grows
// downwards. Until Scale() is called the units are twips (1440 per inch).
//
// Fonts are in points and are never stretched by the user scale: 8 pt text is
// 8 pt on a small picture box and on paper alike. Set FontName, FontBold and
// FontSize (or SetFont) before Print; a size of 0 or less draws at
// kDefaultFontSize. FontEscapement turns the text counter-clockwise about its
// top-left corner, in tenths of a degree (900 runs upwards).
//
// Print(text) draws text with the top of its line at CurrentY and its left
// edge at CurrentX, in ForeColor, then moves to the start of the next line:
// CurrentX = the scale's left edge, CurrentY += TextHeight(text). Line() and
// Rectangle() leave the current position at their end point (x2, y2).
//
// Typical routine:
//     void DrawTitle(DrawTarget &target, const QString &title)
//     {
//         target.Scale(0, 0, 8, 11.69);
//         target.SetFont(QStringLiteral("Arial"), true, 14);
//         target.CurrentX = 4 - target.TextWidth(title) / 2;
//         target.CurrentY = 0.5;
//         target.Print(title);
//         target.Rectangle(0.4, 1.6, 2.6, 2.29);           // black outline
//         target.Line(0.4, 1.83, 2.6, 1.83, Qt::gray);
//     }
//
// Surfaces: PictureBox (below) on the screen; PrinterTarget for paper and PDF,
// handed to you by PrintCopies() in platform/printing.h; RecordingTarget in
// tests, which keeps every item drawn, in user units.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <limits>
#include <memory>
#include <optional>

class QFontMetricsF;
class QPaintDevice;
class QPainter;

namespace fixtora {

inline constexpr double kDefaultFontSize = 8.25;
inline constexpr double kTwipsPerInch = 1440.0;

// ---- Fitting text into its room ---------------------------------------------------

// The smallest text a screen shows legibly: 6 pixels at 96 pixels per inch.
inline constexpr double kSmallestScreenTextSize = 4.5;

// How a text is fitted into a room too small for it.
struct TextFit {
    double size = kDefaultFontSize;  // points: the size of a text that fits
    double smallest = 0;             // never drawn smaller; 0: as small as it takes to fit
    bool ellipsis = false;           // too wide even at the smallest: cut short, ending in an ellipsis
};

struct FittedText {
    QString text;
    double size = 0;  // points
};

// The width and height of a text at a size in points, in the room's units.
using TextMeasure = std::function<QSizeF(const QString &text, double size)>;

inline constexpr double kAnyHeight = std::numeric_limits<double>::infinity();

// Fits text into a room of the given width and height: at the fit's size
// when it fits there, else at a smaller size, in proportion to how far it
// is too large, but never below the fit's smallest; a text still too wide at
// that size is cut short to end in an ellipsis when the fit says so (down to
// the ellipsis alone), else it stays whole and too wide.
FittedText FitText(const QString &text, const QSizeF &room, const TextFit &fit, const TextMeasure &measure);

// Measures text in font at any size in points, in pixels of device (of the
// screen when none is given).
TextMeasure MeasureIn(const QFont &font, const QPaintDevice *device = nullptr);

class DrawTarget {
public:
    virtual ~DrawTarget();

    // ---- State the drawing routines set directly --------------------------------
    double CurrentX = 0;
    double CurrentY = 0;
    QString FontName = QStringLiteral("Arial");
    bool FontBold = false;
    double FontSize = kDefaultFontSize;  // points
    int FontEscapement = 0;              // tenths of a degree, counter-clockwise
    QColor ForeColor = Qt::black;        // the colour of text

    // ---- User scale -----------------------------------------------------------------
    void Scale(double left, double top, double right, double bottom);
    double ScaleLeft() const { return m_left; }
    double ScaleTop() const { return m_top; }
    double ScaleWidth() const;   // right - left
    double ScaleHeight() const;  // bottom - top

    // ---- Drawing --------------------------------------------------------------------
    void SetFont(const QString &name, bool bold, double size);
    void Line(double x1, double y1, double x2, double y2, const QColor &colour = Qt::black);
    // The outline of the rectangle with corners (x1, y1) and (x2, y2).
    void Rectangle(double x1, double y1, double x2, double y2, const QColor &colour = Qt::black);
    void Print(const QString &text);
    // CurrentX = x, CurrentY = y, then Print(text).
    void PrintAt(double x, double y, const QString &text);

    // The size of one line of text in the current font, in user units.
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text = QStringLiteral("Ag")) const;

    // The fit for text of `size` points that must be read: on the screen never
    // smaller than kSmallestScreenTextSize, where a text still too wide is cut
    // short with an ellipsis; on paper smaller until it is whole.
    TextFit LegibleFit(double size) const;
    // PrintAt(x, y, text) in the current font, fitted by fit into the room
    // from x to right; a text drawn smaller keeps the middle of the line it
    // would have had. The font's size is as before afterwards.
    // Returns what was printed, at what size.
    FittedText PrintWithin(double x, double y, double right, const QString &text, const TextFit &fit);

    // The drawing area's size in twips (the picture box, or the printable part
    // of the page).
    double WidthTwips() const;
    double HeightTwips() const;

    // Screen: fills the surface with its background colour and puts the
    // current position at the scale's top-left corner. Printer: nothing.
    virtual void Cls();
    // Printer: starts a new page of the same document. Screen: nothing.
    virtual void NewPage();
    // Printer: ends the document, so that what was drawn since the last end
    // goes out as a document of its own (a PDF file keeps one document and
    // starts a new page instead). Nothing when nothing was drawn since.
    // Screen: nothing.
    virtual void EndDoc();
    virtual bool IsPrinter() const { return false; }

    // Conversions between user units and the surface's device pixels (for
    // hit-testing a mouse click in user units, for instance).
    QPointF ToDevice(double x, double y) const;
    QPointF FromDevice(const QPointF &device) const;

    // The font the next Print uses, sized for the surface.
    QFont CurrentFont() const;

protected:
    // The drawing area in device pixels, and the device whose resolution
    // sizes fonts in points.
    virtual QRectF DeviceArea() const = 0;
    virtual const QPaintDevice *MetricsDevice() const = 0;

    // What each surface does with an item; coordinates in user units.
    virtual void DrawLine(double x1, double y1, double x2, double y2, const QColor &colour) = 0;
    virtual void DrawRectangle(double x1, double y1, double x2, double y2, const QColor &colour) = 0;
    virtual void DrawText(double x, double y, const QString &text) = 0;

    const QFontMetricsF &Metrics() const;

private:
    double m_left = 0;
    double m_top = 0;
    std::optional<QRectF> m_scale;  // (left, top, width, height); twips until set

    struct FontCache;
    mutable std::shared_ptr<FontCache> m_fonts;
};

// A surface that paints with a QPainter (screen and printer).
class PainterTarget : public DrawTarget {
protected:
    // The painter to draw with, started when needed; nullptr when the
    // surface cannot be painted.
    virtual QPainter *Painter() = 0;

    void DrawLine(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void DrawRectangle(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void DrawText(double x, double y, const QString &text) override;
};

// The picture box: a widget that keeps what is drawn on it in an image of its
// own size and repaints from it, so a page drawn once stays on view until it
// is cleared. Resizing keeps the drawing at the top-left corner. Mouse presses
// are reported in user units of the current scale.
class PictureBox : public QWidget, public PainterTarget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    QColor BackColor = Qt::white;
    void Cls() override;

    // What is drawn so far.
    QImage Image();

signals:
    void MouseDown(Qt::MouseButton button, double x, double y);
    void Clicked();

protected:
    QRectF DeviceArea() const override;
    const QPaintDevice *MetricsDevice() const override;
    QPainter *Painter() override;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void EndPainting();
    QImage BlankImage(const QSize &size) const;

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    bool m_pressed = false;
};

// A surface for tests: keeps every item drawn, in user units, with the font
// and colour it was drawn in. It measures text like a screen of the given
// size at 96 pixels per inch, and says it is the printer when asked to.
class RecordingTarget : public DrawTarget {
public:
    explicit RecordingTarget(QSize pixels = {800, 1000}, bool printer = false);
    ~RecordingTarget() override;

    enum class Kind { Line, Rectangle, Text, Cls, NewPage, EndDoc };
    struct Item {
        Kind kind = Kind::Line;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text: (x1, y1) is its top-left corner
        QString text;
        QString fontName;
        bool bold = false;
        double size = 0;
        int escapement = 0;
        QColor colour;
    };

    QList<Item> items;

    // The texts drawn, in order; and the text items only.
    QStringList Texts() const;
    QList<Item> TextItems() const;

    void Cls() override;
    void NewPage() override;
    void EndDoc() override;
    bool IsPrinter() const override { return m_printer; }

protected:
    QRectF DeviceArea() const override;
    const QPaintDevice *MetricsDevice() const override;
    void DrawLine(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void DrawRectangle(double x1, double y1, double x2, double y2, const QColor &colour) override;
    void DrawText(double x, double y, const QString &text) override;

private:
    static Item Marker(Kind kind);

    QImage m_metrics;
    bool m_printer;
};

} // namespace fixtora
