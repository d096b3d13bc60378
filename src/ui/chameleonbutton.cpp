// The properties of chameleonButton, the palette and the layout of its face.
// Its input is in chameleonevents.cpp, its drawing in chameleonfaces.cpp.
#include "ui/chameleonbutton.h"

#include "platform/numbers.h"
#include "ui/chameleoncanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace fixtora {

namespace {

// The mouse pointers a button can show, by their pointer codes 1 to 15.
Qt::CursorShape PointerShape(qint32 pointer)
{
    static constexpr Qt::CursorShape shapes[] = {
        Qt::ArrowCursor, Qt::CrossCursor, Qt::IBeamCursor, Qt::ArrowCursor, Qt::SizeAllCursor,
        Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor,
        Qt::UpArrowCursor, Qt::WaitCursor, Qt::ForbiddenCursor, Qt::BusyCursor,
        Qt::WhatsThisCursor, Qt::SizeAllCursor};
    return pointer >= 1 && pointer <= 15 ? shapes[pointer - 1] : Qt::ArrowCursor;
}

constexpr qint32 CustomPointer = 99;

} // namespace

chameleonButton::chameleonButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    SetColors();
}

// ---- properties ------------------------------------------------------------

void chameleonButton::setBackColor(qint32 colour)
{
    m_BackColor = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setBackOver(qint32 colour)
{
    m_BackOver = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setForeColor(qint32 colour)
{
    m_ForeColor = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setForeOver(qint32 colour)
{
    m_ForeOver = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setMaskColor(qint32 colour)
{
    m_MaskColor = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setButtonType(qint32 type)
{
    m_ButtonType = type;
    if (type == 11 && m_DrawingEnabled)
        GetParentBackground();
    Resize();
}

void chameleonButton::setColorScheme(qint32 scheme)
{
    m_ColorScheme = scheme;
    SetColors();
    Redraw(StateUp, true);
}

void chameleonButton::setCaption(const QString &caption)
{
    setText(caption);
    SetAccessKeys();
    CalcTextRects();
    Redraw(StateUp, true);
}

void chameleonButton::changeFont(const std::function<void(QFont &)> &change)
{
    QFont changed = font();
    change(changed);
    setFont(changed);
}

void chameleonButton::setFontBold(bool on)
{
    changeFont([on](QFont &f) { f.setBold(on); });
}

void chameleonButton::setFontItalic(bool on)
{
    changeFont([on](QFont &f) { f.setItalic(on); });
}

void chameleonButton::setFontUnderline(bool on)
{
    changeFont([on](QFont &f) { f.setUnderline(on); });
}

qint16 chameleonButton::FontSize() const
{
    return qint16(RoundHalfEven(font().pointSizeF()));
}

void chameleonButton::setFontSize(qint16 points)
{
    changeFont([points](QFont &f) { f.setPointSize(points); });
}

void chameleonButton::setFontName(const QString &name)
{
    changeFont([&name](QFont &f) { f.setFamily(name); });
}

void chameleonButton::setShowFocusRect(bool on)
{
    m_ShowFocusRect = on;
    Redraw(m_lastState, true);
}

void chameleonButton::setMousePointer(qint32 pointer)
{
    m_MousePointer = qint16(pointer);
    applyCursor();
}

void chameleonButton::setMouseIcon(const QPixmap &icon)
{
    m_MouseIcon = icon;
    applyCursor();
}

void chameleonButton::setHandPointer(bool on)
{
    m_HandPointer = on;
    m_MouseIcon = QPixmap();
    m_MousePointer = on ? CustomPointer : 1;
    applyCursor();
}

void chameleonButton::applyCursor()
{
    if (m_MousePointer == 0)
        unsetCursor();
    else if (m_MousePointer != CustomPointer)
        setCursor(PointerShape(m_MousePointer));
    else if (m_HandPointer)
        setCursor(Qt::PointingHandCursor);
    else if (!m_MouseIcon.isNull())
        setCursor(QCursor(m_MouseIcon));
    else
        unsetCursor();
}

void chameleonButton::setSoftBevel(bool on)
{
    m_SoftBevel = on;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setPictureNormal(const QImage &picture)
{
    m_PictureNormal = picture;
    CalcTextRects();
    Redraw(m_lastState, true);
}

void chameleonButton::setPictureOver(const QImage &picture)
{
    m_PictureOver = picture;
    if (m_IsOver)
        Redraw(m_lastState, true);
}

void chameleonButton::setPicturePosition(qint32 position)
{
    m_PicturePosition = position;
    CalcTextRects();
    Redraw(m_lastState, true);
}

void chameleonButton::setUseMaskColor(bool on)
{
    m_UseMaskColor = on;
    if (!m_PictureNormal.isNull())
        Redraw(m_lastState, true);
}

void chameleonButton::setUseGreyscale(bool on)
{
    m_UseGreyscale = on;
    if (!m_PictureNormal.isNull())
        Redraw(m_lastState, true);
}

void chameleonButton::setSpecialEffect(qint32 effect)
{
    m_SpecialEffect = effect;
    Redraw(m_lastState, true);
}

void chameleonButton::setCheckBoxBehaviour(bool on)
{
    m_CheckBoxBehaviour = on;
    Redraw(m_lastState, true);
}

void chameleonButton::setValue(bool on)
{
    m_Value = on;
    if (m_CheckBoxBehaviour)
        Redraw(StateUp, true);
}

void chameleonButton::DisableRefresh()
{
    m_DrawingEnabled = false;
}

void chameleonButton::Refresh()
{
    if (m_ButtonType == 11)
        GetParentBackground();
    SetColors();
    CalcTextRects();
    m_DrawingEnabled = true;
    Redraw(m_lastState, true);
}

void chameleonButton::setDefault(bool on)
{
    m_Default = on;
    m_DisplayAsDefault = on;
    for (int id : std::as_const(m_defaultKeyIds))
        releaseShortcut(id);
    m_defaultKeyIds.clear();
    if (on)
        m_defaultKeyIds = {grabShortcut(QKeySequence(Qt::Key_Return)), grabShortcut(QKeySequence(Qt::Key_Enter))};
    Redraw(m_lastState, true);
}

void chameleonButton::setCancel(bool on)
{
    m_Cancel = on;
    if (m_cancelKeyId != 0)
        releaseShortcut(m_cancelKeyId);
    m_cancelKeyId = on ? grabShortcut(QKeySequence(Qt::Key_Escape)) : 0;
}

void chameleonButton::setDisplayAsDefault(bool on)
{
    m_DisplayAsDefault = on;
    Redraw(m_lastState, true);
}

// ---- persisted properties ---------------------------------------------------

void chameleonButton::ReadProperties(const QVariantMap &bag)
{
    auto read = [&bag](const char *key, const QVariant &fallback) { return bag.value(key, fallback); };
    m_ButtonType = read("BTYPE", 2).toInt();
    setText(read("TX", QString()).toString());
    const bool enabled = read("ENAB", true).toBool();
    setFont(read("FONT", font()).value<QFont>());
    m_ColorScheme = read("COLTYPE", 1).toInt();
    m_ShowFocusRect = read("FOCUSR", true).toBool();
    m_BackColor = read("BCOL", SystemColour(15)).toInt();
    m_BackOver = read("BCOLO", m_BackColor).toInt();
    m_ForeColor = read("FCOL", SystemColour(18)).toInt();
    m_ForeOver = read("FCOLO", m_ForeColor).toInt();
    m_MaskColor = read("MCOL", 0xC0C0C0).toInt();
    m_MousePointer = read("MPTR", 0).toInt();
    m_MouseIcon = read("MICON", QPixmap()).value<QPixmap>();
    m_PictureNormal = read("PICN", QImage()).value<QImage>();
    m_PictureOver = read("PICH", QImage()).value<QImage>();
    m_UseMaskColor = read("UMCOL", true).toBool();
    m_SoftBevel = read("SOFT", false).toBool();
    m_PicturePosition = read("PICPOS", 0).toInt();
    m_UseGreyscale = read("NGREY", false).toBool();
    m_SpecialEffect = read("FX", 0).toInt();
    setHandPointer(read("HAND", false).toBool());
    m_CheckBoxBehaviour = read("CHECK", false).toBool();
    m_Value = read("VALUE", false).toBool();
    setEnabled(enabled);
    SetAccessKeys();
    SetColors();
    Resize();
}

QVariantMap chameleonButton::WriteProperties() const
{
    return {{"BTYPE", m_ButtonType}, {"TX", text()}, {"ENAB", isEnabled()}, {"FONT", font()},
            {"COLTYPE", m_ColorScheme}, {"FOCUSR", m_ShowFocusRect}, {"BCOL", m_BackColor},
            {"BCOLO", m_BackOver}, {"FCOL", m_ForeColor}, {"FCOLO", m_ForeOver},
            {"MCOL", m_MaskColor}, {"MPTR", m_MousePointer}, {"MICON", m_MouseIcon},
            {"PICN", m_PictureNormal}, {"PICH", m_PictureOver}, {"UMCOL", m_UseMaskColor},
            {"SOFT", m_SoftBevel}, {"PICPOS", m_PicturePosition}, {"NGREY", m_UseGreyscale},
            {"FX", m_SpecialEffect}, {"HAND", m_HandPointer}, {"CHECK", m_CheckBoxBehaviour},
            {"VALUE", m_Value}};
}

// ---- palette, layout, shape -------------------------------------------------

void chameleonButton::SetColors()
{
    PaletteSource source;
    source.ColorScheme = m_ColorScheme;
    source.ButtonType = m_ButtonType;
    source.SoftBevel = m_SoftBevel;
    source.BackColor = m_BackColor;
    source.BackOver = m_BackOver;
    source.ForeColor = m_ForeColor;
    source.ForeOver = m_ForeOver;
    source.MaskColor = m_MaskColor;
    source.system = palette();
    source.container = parentWidget() ? parentWidget()->palette() : palette();
    m_palette = fixtora::SetColors(source);
}

void chameleonButton::SetAccessKeys()
{
    m_laidOutCaption = text();
    const QChar key = AccessKeyOf(text());
    setShortcut(key.isNull() ? QKeySequence()
                             : QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode()))));
}

void chameleonButton::CalcTextRects()
{
    m_layout.PicWidth = m_PictureNormal.width();
    m_layout.PicHeight = m_PictureNormal.height();
    fixtora::CalcTextRects(m_layout, text(), font(), width(), height(), m_PicturePosition);
}

void chameleonButton::Resize()
{
    m_InnerRect = InnerRect(m_ButtonType, width(), height());
    CalcTextRects();
    setMask(BuildRegion(m_ButtonType, width(), height()));
    if (height() != 0)
        Redraw(StateUp, true);
}

void chameleonButton::GetParentBackground()
{
    QWidget *container = parentWidget();
    if (!container || width() <= 0 || height() <= 0)
        return;
    m_background = QImage(size(), QImage::Format_RGB32);
    m_background.fill(container->palette().color(QPalette::Window));
    container->render(&m_background, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
}

bool chameleonButton::IsMouseOver(const QPoint &pos) const
{
    return mask().isEmpty() ? rect().contains(pos) : mask().contains(pos);
}

} // namespace fixtora
