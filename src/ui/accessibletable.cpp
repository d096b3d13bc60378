#include "ui/accessibletable.h"

#include "platform/drawtarget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace fixtora {

namespace {

constexpr int kMarkWidth = 2;  // pixels

// The mark around the current cell. A focus frame, so assistive tools do not
// count it among the picture's children.
class CellMark : public QFocusFrame {
public:
    explicit CellMark(QWidget *picture) : QFocusFrame(picture)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(FocusMarkColour(), kMarkWidth));
        const double inset = kMarkWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
};

// The grid a picture was last given, its places in pixels and its current
// cell, kept as the picture's child; the factory below makes a table of
// every widget that has one.
class GridHolder : public QObject {
    Q_OBJECT
public:
    GridHolder(PictureBox *picture, GridKeys keys)
        : QObject(picture), m_picture(picture), m_keys(keys),
          m_mark(keys == GridKeys::Table ? new CellMark(picture) : nullptr)
    {
        picture->setFocusPolicy(Qt::StrongFocus);
        picture->installEventFilter(this);
    }

    TextGrid grid;

    int Rows() const { return int(grid.rows.size()); }
    int Columns() const { return int(grid.headings.size()); }
    int Row() const { return m_row; }
    int Column() const { return m_column; }
    QWidget *Picture() const { return m_picture; }
    bool HasFocus() const { return m_picture->hasFocus(); }

    // A cell's text, or a heading's (row -1); empty outside the grid.
    QString Text(int row, int column) const
    {
        if (column < 0 || column >= Columns() || row < -1 || row >= Rows())
            return {};
        const QStringList &texts = row < 0 ? grid.headings : grid.rows[row];
        return column < texts.size() ? texts[column].trimmed() : QString();
    }

    // Where a cell or heading stands, in the picture's pixels.
    QRect Place(int row, int column) const
    {
        if (column < 0 || row < -1 || row >= Rows())
            return {};
        const QList<QRect> &places = row < 0 ? m_headingPlaces : m_places.value(row);
        return places.value(column);
    }

    void SetGrid(const TextGrid &given)
    {
        grid = given;
        const auto pixels = [this](const QRectF &units) {
            return QRectF(m_picture->ToDevice(units.left(), units.top()),
                          m_picture->ToDevice(units.right(), units.bottom()))
                .toAlignedRect();
        };
        m_headingPlaces.clear();
        for (const QRectF &place : grid.headingPlaces)
            m_headingPlaces.append(pixels(place));
        m_places.clear();
        for (const QList<QRectF> &row : grid.places) {
            m_places.append(QList<QRect>());
            for (const QRectF &place : row)
                m_places.last().append(pixels(place));
        }
        Keep(m_row, m_column);
    }

    // Makes a cell current, within the grid; tells assistive tools when it
    // changed.
    void MoveTo(int row, int column)
    {
        if (Keep(row, column))
            TellFocus();
    }

    // Tells assistive tools which cell has the focus, while the picture has
    // the keyboard.
    void TellFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            PlaceMark();
            // After the picture's own focus event, which Qt sends once this
            // one is handled.
            QMetaObject::invokeMethod(this, &GridHolder::TellFocus, Qt::QueuedConnection);
            break;
        case QEvent::FocusOut:
            PlaceMark();
            break;
        case QEvent::KeyPress:
            if (m_keys == GridKeys::Table)
                return Key(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::MouseButtonPress:
            if (m_keys == GridKeys::Table)
                MoveToCellAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool Key(const QKeyEvent *key)
    {
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool control = modifiers == Qt::ControlModifier;
        if (modifiers != Qt::NoModifier && !control)
            return false;
        const int last = std::max(Rows(), 1) - 1;
        switch (key->key()) {
        case Qt::Key_Up: MoveTo(m_row - 1, m_column); return true;
        case Qt::Key_Down: MoveTo(m_row + 1, m_column); return true;
        case Qt::Key_Left: MoveTo(m_row, m_column - 1); return true;
        case Qt::Key_Right: MoveTo(m_row, m_column + 1); return true;
        case Qt::Key_Home: MoveTo(control ? 0 : m_row, 0); return true;
        case Qt::Key_End: MoveTo(control ? last : m_row, Columns() - 1); return true;
        default: return false;
        }
    }

    void MoveToCellAt(const QPoint &point)
    {
        for (int row = 0; row < Rows(); ++row)
            for (int column = 0; column < Columns(); ++column)
                if (Place(row, column).contains(point)) {
                    MoveTo(row, column);
                    return;
                }
    }

    // The mark stands around the current cell while the picture has the
    // keyboard, and the page scrolls to show it.
    void PlaceMark()
    {
        if (!m_mark)
            return;
        const QRect place = Place(m_row, m_column);
        m_mark->setVisible(HasFocus() && !place.isEmpty());
        if (!m_mark->isVisible())
            return;
        m_mark->setGeometry(place.adjusted(-kMarkWidth / 2, -kMarkWidth / 2, kMarkWidth / 2, kMarkWidth / 2));
        m_mark->raise();
        for (QWidget *up = m_picture->parentWidget(); up; up = up->parentWidget())
            if (auto *area = qobject_cast<QScrollArea *>(up); area && area->widget()) {
                const QPoint centre = m_picture->mapTo(area->widget(), place.center());
                area->ensureVisible(centre.x(), centre.y(), place.width() / 2 + kMarkWidth,
                                    place.height() / 2 + kMarkWidth);
                break;
            }
    }

    // Makes a cell current, within the grid, untold; true when it changed.
    bool Keep(int row, int column)
    {
        const int rows = Rows(), columns = Columns();
        row = rows == 0 || columns == 0 ? -1 : std::clamp(row, 0, rows - 1);
        column = row < 0 ? -1 : std::clamp(column, 0, columns - 1);
        const bool moved = row != m_row || column != m_column;
        m_row = row;
        m_column = column;
        PlaceMark();
        return moved;
    }

    PictureBox *m_picture;
    GridKeys m_keys;
    CellMark *m_mark;
    QList<QRect> m_headingPlaces;
    QList<QList<QRect>> m_places;
    int m_row = 0;
    int m_column = 0;
};

GridHolder *holderOf(const QObject *picture)
{
    return picture->findChild<GridHolder *>(QString(), Qt::FindDirectChildrenOnly);
}

class TableInterface;

// A cell of a picture's table, or the heading of a column (row -1). Both are
// read as cells of the table, so tools that ask any child for its row and
// column get an answer.
class CellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellInterface(TableInterface *table, int row, int column)
        : m_table(table), m_row(row), m_column(column)
    {
    }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QRect rect() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    int Row() const { return m_row; }
    int Column() const { return m_column; }

private:
    TableInterface *m_table;
    int m_row;
    int m_column;
};

// A picture read as a table: its children are the column headings, then the
// cells row by row, then the picture's own child widgets. Nothing is
// selectable.
class TableInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TableInterface(QWidget *picture, GridHolder *holder)
        : QAccessibleWidget(picture, QAccessible::Table), m_holder(holder)
    {
    }
    ~TableInterface() override { ForgetCells(); }

    GridHolder *Holder() const { return m_holder; }
    QString Text(int row, int column) const { return m_holder ? m_holder->Text(row, column) : QString(); }

    // The interface of a cell or heading, made and registered on first use.
    QAccessibleInterface *Cell(int row, int column) const
    {
        const std::pair key{row, column};
        if (const QAccessible::Id id = m_cells.value(key))
            return QAccessible::accessibleInterface(id);
        auto *cell = new CellInterface(const_cast<TableInterface *>(this), row, column);
        m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    // The cell's interface when one was made.
    QAccessibleInterface *MadeCell(int row, int column) const
    {
        const QAccessible::Id id = m_cells.value({row, column});
        return id ? QAccessible::accessibleInterface(id) : nullptr;
    }

    void ForgetCells()
    {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return CellCount() + QAccessibleWidget::childCount(); }

    QAccessibleInterface *child(int index) const override
    {
        const int cells = CellCount();
        if (index < 0)
            return nullptr;
        if (index < cells)
            return Cell(index / columnCount() - 1, index % columnCount());
        return QAccessibleWidget::child(index - cells);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (const auto *cell = dynamic_cast<const CellInterface *>(child))
            return cell->parent() == this ? (cell->Row() + 1) * columnCount() + cell->Column() : -1;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : index + CellCount();
    }

    QAccessibleInterface *focusChild() const override
    {
        return m_holder && m_holder->HasFocus() ? cellAt(m_holder->Row(), m_holder->Column()) : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount() ? Cell(row, column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return Text(-1, column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return m_holder ? m_holder->Columns() : 0; }
    int rowCount() const override { return m_holder ? m_holder->Rows() : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { ForgetCells(); }

private:
    int CellCount() const { return (rowCount() + 1) * columnCount(); }

    QPointer<GridHolder> m_holder;
    mutable QHash<std::pair<int, int>, QAccessible::Id> m_cells;
};

TableInterface *tableOf(QWidget *picture)
{
    return dynamic_cast<TableInterface *>(QAccessible::queryAccessibleInterface(picture));
}

void GridHolder::TellFocus()
{
    TableInterface *table = HasFocus() ? tableOf(m_picture) : nullptr;
    if (QAccessibleInterface *cell = table ? table->cellAt(m_row, m_column) : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

bool CellInterface::isValid() const
{
    return m_table->isValid();
}

QRect CellInterface::rect() const
{
    const GridHolder *holder = m_table->Holder();
    const QRect place = holder ? holder->Place(m_row, m_column) : QRect();
    return place.isEmpty() ? QRect() : place.translated(holder->Picture()->mapToGlobal(QPoint(0, 0)));
}

QString CellInterface::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_table->Text(m_row, m_column) : QString();
}

QAccessible::State CellInterface::state() const
{
    const GridHolder *holder = m_table->Holder();
    QAccessible::State state;
    state.readOnly = true;
    state.focusable = holder && m_row >= 0;
    state.focused = holder && m_row >= 0 && holder->HasFocus() && holder->Row() == m_row && holder->Column() == m_column;
    return state;
}

QAccessibleInterface *CellInterface::parent() const
{
    return m_table;
}

QList<QAccessibleInterface *> CellInterface::columnHeaderCells() const
{
    return {m_table->Cell(-1, m_column)};
}

QList<QAccessibleInterface *> CellInterface::rowHeaderCells() const
{
    const GridHolder *holder = m_table->Holder();
    const int column = holder ? holder->grid.headerColumn : -1;
    if (m_row < 0 || column < 0 || column == m_column || column >= m_table->columnCount())
        return {};
    return {m_table->Cell(m_row, column)};
}

// The property that marks a widget read as a notice (ReadAsNotification).
const char *const kNotification = "readAsNotification";

QAccessibleInterface *tableFactory(const QString &, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->property(kNotification).toBool())
        return new QAccessibleWidget(widget, QAccessible::Notification);
    GridHolder *holder = holderOf(object);
    return holder ? new TableInterface(widget, holder) : nullptr;
}

void installFactory()
{
    static const bool installed = (QAccessible::installFactory(tableFactory), true);
    Q_UNUSED(installed)
}

} // namespace

void SetAccessibleGrid(PictureBox *picture, const TextGrid &grid, GridKeys keys)
{
    installFactory();
    GridHolder *holder = holderOf(picture);
    const bool made = !holder;
    if (made)
        holder = new GridHolder(picture, keys);
    const TextGrid before = holder->grid;
    holder->SetGrid(grid);
    picture->setAccessibleName(grid.title);

    // An interface made before the picture had a grid is made again, as a
    // table. A table of other rows or columns is made afresh; one of the
    // same shape tells what each changed cell now reads.
    QAccessibleInterface *current = QAccessible::queryAccessibleInterface(picture);
    auto *table = dynamic_cast<TableInterface *>(current);
    if (!table && current)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    if (!table || made || before.headings.size() != grid.headings.size() || before.rows.size() != grid.rows.size()) {
        if (table)
            table->ForgetCells();
        QAccessibleTableModelChangeEvent changed(picture, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&changed);
        holder->TellFocus();  // a cell made afresh
        return;
    }
    for (int row = -1; row < holder->Rows(); ++row)
        for (int column = 0; column < holder->Columns(); ++column) {
            const QStringList &was = row < 0 ? before.headings : before.rows[row];
            QAccessibleInterface *cell = table->MadeCell(row, column);
            if (cell && was.value(column).trimmed() != holder->Text(row, column)) {
                QAccessibleEvent renamed(cell, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
        }
}

void SetCurrentCell(QWidget *picture, int row, int column)
{
    if (GridHolder *holder = holderOf(picture))
        holder->MoveTo(row, column);
}

std::pair<int, int> CurrentCell(const QWidget *picture)
{
    const GridHolder *holder = holderOf(picture);
    return holder ? std::pair{holder->Row(), holder->Column()} : std::pair{-1, -1};
}

void Announce(QWidget *picture, const QString &words)
{
    if (words.isEmpty())
        return;
    const QString name = QStringLiteral("announcer");
    auto *announcer = picture->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(picture);
        announcer->setObjectName(name);
        announcer->hide();
        ReadAsNotification(announcer);
    }
    announcer->setAccessibleName(words);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void ReadAsNotification(QWidget *widget)
{
    installFactory();
    widget->setProperty(kNotification, true);
}

QColor FocusMarkColour()
{
    return {0x00, 0x66, 0xCC};
}

} // namespace fixtora

#include "accessibletable.moc"
