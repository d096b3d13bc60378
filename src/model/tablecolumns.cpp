#include "model/tablecolumns.h"

namespace fixtora {

namespace {

// A row that holds no column.
bool isPlaceholder(const QString &text)
{
    return text.isEmpty() || text == kSelectColumn || text == QLatin1String("None");
}

} // namespace

const QStringList &TableColumnNames()
{
    static const QStringList names{"Index", "Name",  "Wins",   "Lost",     "Draw",     "Difference", "+",
                                   "-",     "Points", "Played", "Points +", "Points -", "Points +/-"};
    return names;
}

bool IsValidColumn(const QString &text)
{
    return text == kSelectColumn || TableColumnNames().contains(text);
}

ColumnPick CheckColumnPick(const QStringList &rows, int picked)
{
    ColumnPick pick;
    const QString &text = rows.at(picked);
    for (int i = 0; i < rows.size(); ++i) {
        if (i == picked)
            continue;
        pick.stoppedAt = i;
        if (rows[i] == text) {
            pick.verdict = ColumnPick::ShownTwice;
            return pick;
        }
        if (!IsValidColumn(text)) {
            pick.verdict = ColumnPick::NotAColumn;
            return pick;
        }
    }
    return pick;
}

int FirstInvalidColumn(const QStringList &rows)
{
    for (int i = 0; i < rows.size(); ++i)
        if (!rows[i].isEmpty() && !IsValidColumn(rows[i]))
            return i;
    return -1;
}

ChosenColumns ChooseTableColumns(const QStringList &columns, const QStringList &captions)
{
    ChosenColumns chosen;
    for (int i = 0; i < columns.size(); ++i) {
        if (isPlaceholder(columns[i]))
            continue;
        QString caption = i < captions.size() && !isPlaceholder(captions[i]) ? captions[i] : QString();
        caption.remove(QLatin1Char(','));
        chosen.columns.append(columns[i]);
        chosen.captions.append(caption);
    }
    return chosen;
}

QStringList ChooseSortKeys(const QStringList &keys)
{
    QStringList chosen;
    for (const QString &key : keys)
        if (!isPlaceholder(key))
            chosen.append(key);
    return chosen;
}

} // namespace fixtora
