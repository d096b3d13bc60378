#include "ui/accessibletable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace fixtora {

namespace {

// The grid a picture was last given, kept as the picture's child; the
// factory below makes a table of every widget that has one.
class GridHolder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    TextGrid grid;

    int Rows() const { return int(grid.rows.size()); }
    int Columns() const { return int(grid.headings.size()); }

    // A cell's text, or a heading's (row -1); empty outside the grid.
    QString Text(int row, int column) const
    {
        if (column < 0 || column >= Columns() || row < -1 || row >= Rows())
            return {};
        const QStringList &texts = row < 0 ? grid.headings : grid.rows[row];
        return column < texts.size() ? texts[column].trimmed() : QString();
    }
};

GridHolder *holderOf(const QObject *picture)
{
    return picture->findChild<GridHolder *>(QString(), Qt::FindDirectChildrenOnly);
}

class TableInterface;

// A cell of a picture's table, or the heading of a column (row -1).
class CellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellInterface(TableInterface *table, int row, int column)
        : m_table(table), m_row(row), m_column(column)
    {
    }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QRect rect() const override { return {}; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type != QAccessible::TableCellInterface || m_row < 0)
            return nullptr;
        return static_cast<QAccessibleTableCellInterface *>(this);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
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

    void ForgetCells()
    {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }

    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() && m_holder ? m_holder->grid.title : text;
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

bool CellInterface::isValid() const
{
    return m_table->isValid();
}

QString CellInterface::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_table->Text(m_row, m_column) : QString();
}

QAccessibleInterface *CellInterface::parent() const
{
    return m_table;
}

QList<QAccessibleInterface *> CellInterface::columnHeaderCells() const
{
    return {m_table->Cell(-1, m_column)};
}

QAccessibleInterface *tableFactory(const QString &, QObject *object)
{
    GridHolder *holder = object->isWidgetType() ? holderOf(object) : nullptr;
    return holder ? new TableInterface(static_cast<QWidget *>(object), holder) : nullptr;
}

} // namespace

void SetAccessibleGrid(QWidget *picture, const TextGrid &grid)
{
    static const bool installed = (QAccessible::installFactory(tableFactory), true);
    Q_UNUSED(installed)
    GridHolder *holder = holderOf(picture);
    if (!holder)
        holder = new GridHolder(picture);
    holder->grid = grid;

    // An interface made before the picture had a grid is made again, as a
    // table; a table's cells are made afresh for the new grid.
    QAccessibleInterface *current = QAccessible::queryAccessibleInterface(picture);
    if (auto *table = dynamic_cast<TableInterface *>(current))
        table->ForgetCells();
    else if (current)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    QAccessibleTableModelChangeEvent changed(picture, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&changed);
}

} // namespace fixtora

#include "accessibletable.moc"
