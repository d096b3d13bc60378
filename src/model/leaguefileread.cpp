#include "model/leaguefileread.h"

#include "model/league.h"
#include "model/leaguefile.h"
#include "model/leaguefileformat.h"
#include "model/leaguepair.h"
#include "model/leaguerules.h"
#include "model/legs.h"
#include "model/rounddates.h"
#include "model/settings.h"
#include "model/teamscoring.h"
#include "platform/database.h"
#include "platform/numbers.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace fixtora {

namespace leaguefile {

namespace {

const LoadError kNotValid{FileProblem::Damaged};

void checkLeagueFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw LoadError{FileProblem::LeagueMissing};
    if (!info.isFile())
        throw LoadError{FileProblem::NotALeague};
    if (!info.isReadable())
        throw LoadError{FileProblem::WriteProtected};
}

// Why a file does not open as a league: a plain database or a file that is
// not whole pages is no league file; whole pages of what looks like random
// bytes are a database locked with another password.
FileProblem whyNotOpened(const QString &path)
{
    constexpr qint64 kPage = 1024;
    constexpr int kRandomLooking = 128;   // distinct byte values in a page
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kPage || file.size() % kPage != 0)
        return FileProblem::NotALeague;
    const QByteArray page = file.read(kPage);
    if (page.startsWith(QByteArrayView("SQLite format 3", 16)))
        return FileProblem::NotALeague;
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (const char byte : page)
        distinct += !std::exchange(seen[static_cast<unsigned char>(byte)], true);
    return distinct >= kRandomLooking ? FileProblem::WrongPassword : FileProblem::NotALeague;
}

void openLeagueFile(Database &league, const QString &path)
{
    try {
        OpenLeagueFile(league, path);
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Damaged)
            throw;
        qWarning().noquote() << error.message();
        throw LoadError{whyNotOpened(path)};
    }
}

// A step that reads the companion: false when the companion is damaged
// (not a database, short of its dates, a date that is no date). A lock held
// elsewhere and an unfinished save that cannot be undone stop the load.
template <typename Step>
bool companionStep(Step step)
{
    try {
        step();
        return true;
    } catch (const LoadError &) {
        return false;
    } catch (const DatabaseError &error) {
        if (error.kind() == DatabaseError::Kind::Busy || error.kind() == DatabaseError::Kind::CannotRollBack)
            throw;
        qWarning().noquote() << error.message();
        return false;
    }
}

// Whether the attached companion belongs to the league file: false when it
// is damaged (its identity cannot be read, or it has none beside a league
// file that has one); throws NotOnePair for a companion of another copy of
// the league (an identity of its own).
bool companionOfLeague(Database &league)
{
    const std::optional<QString> identity = ReadIdentity(league, QStringLiteral("main"));
    std::optional<QString> companion;
    if (!companionStep([&] { companion = ReadIdentity(league, kCompanionSchema); }))
        return false;
    if (companion && companion != identity)
        throw LoadError{FileProblem::NotOnePair};
    return companion == identity;
}

QString textField(const Recordset &rs, const QString &name)
{
    return rs.Field(name).toString();
}

int integerField(const Recordset &rs, const QString &name, int low, int high)
{
    const QVariant value = rs.Field(name);
    if (value.typeId() != QMetaType::LongLong || value.toLongLong() < low || value.toLongLong() > high)
        throw kNotValid;
    return static_cast<int>(value.toLongLong());
}

QDate dateField(const Recordset &rs, const QString &name)
{
    const auto date = DecodeDate(rs.Field(name));
    if (!date)
        throw kNotValid;
    return *date;
}

void requireRecords(const Recordset &rs, int count)
{
    if (rs.RecordCount() < count)
        throw kNotValid;
}

// The league type code, or 0 when the file holds none (no table, record or
// field). A record that cannot be read is damage, not a missing code.
std::int16_t readTypeCode(Database &db)
{
    std::optional<QVariant> value;
    try {
        Recordset customFixtures(db, QStringLiteral("customfixtures"));
        customFixtures.MoveFirst();
        value = customFixtures.Field(QStringLiteral("Value"));
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Missing)
            throw;
        return kTypeNone;
    }
    if (value->typeId() != QMetaType::LongLong)
        return kTypeNone;
    const qlonglong code = value->toLongLong();
    if (code < 0 || code > std::numeric_limits<std::int16_t>::max() || !KnownType(static_cast<int>(code)))
        throw kNotValid;
    return static_cast<std::int16_t>(code);
}

// What the league file says of how it was written; nothing for a file
// written before that was kept.
struct HowWritten {
    bool homeAwayRule = false;
    QString datesDigest;
};

std::optional<HowWritten> readHowWritten(Database &db)
{
    if (!db.HasTable(kWrittenWithTable.name))
        return std::nullopt;
    Recordset written(db, kWrittenWithTable.name);
    requireRecords(written, 1);
    written.MoveFirst();
    return HowWritten{integerField(written, QStringLiteral("homeaway"), 0, 1) == 1,
                      textField(written, QStringLiteral("datedigest"))};
}

// The round dates from the companion; throws LoadError when it is short of
// them or holds one that is no date.
void readDates(Database &league, int w)
{
    Recordset dates(league, QStringLiteral("dates"), kCompanionSchema);
    requireRecords(dates, w);
    dates.MoveFirst();
    for (int r = 1; r <= w; ++r, dates.MoveNext())
        gWeekDates[r] = dateField(dates, QStringLiteral("dates"));
}

// The dates of rounds 1..w as the league's own rule gives them from its start
// date, when the digest of the dates it was saved with names an interval the
// new-league wizard offers; otherwise every round keeps the date it holds
// before it is given one. True when the dates were worked out.
bool workOutDates(const QString &digest, int w)
{
    const QString keptUnit = gFreqUnit;
    const std::int16_t keptCount = gFreqCount;
    bool found = false;
    for (const QString &unit : {QStringLiteral("ww"), QStringLiteral("d"), QStringLiteral("m")}) {
        for (int count = 1; count <= kMaxIntervalCount && !found && !digest.isEmpty(); ++count) {
            gFreqUnit = unit;
            gFreqCount = static_cast<std::int16_t>(count);
            DateRounds(w);
            found = DatesDigest(w) == digest;
        }
    }
    gFreqUnit = keptUnit;
    gFreqCount = keptCount;
    if (!found)
        std::fill(gWeekDates.begin() + 1, gWeekDates.begin() + 1 + std::min(w, kMaxRounds), kZeroDate);
    return found;
}

// Definition and names; sets N and G.
void readPlayers(Database &db)
{
    Recordset players(db, QStringLiteral("players"));
    if (players.RecordCount() == 0)
        throw kNotValid;
    players.MoveFirst();
    gTableName = textField(players, QStringLiteral("Tablename"));
    gStartDate = dateField(players, QStringLiteral("startdate"));
    gGamesToPlay = static_cast<std::int16_t>(integerField(players, QStringLiteral("GAMESTOPLAY"), 1, kMaxGames));
    gSkipDate = 1;
    gNumSlots = 0;
    for (int i = 1; i <= kMaxSlots; ++i) {
        gPlayerNames[i] = textField(players, kPlayerFields[i - 1]);
        if (!gPlayerNames[i].isEmpty())
            ++gNumSlots;
    }
}

void readSquads(Database &db)
{
    Recordset squads(db, QStringLiteral("teamplayers"));
    requireRecords(squads, kSquadSize);
    squads.MoveFirst();
    for (int j = 1; j <= kSquadSize; ++j, squads.MoveNext())
        for (int t = 1; t <= kMaxSlots; ++t)
            gTeamSquads[t][j] = textField(squads, kTeamFields[t - 1]);
}

// Val of a stored score, read directly for the plain whole numbers ("-1",
// "12") nearly every position entry holds.
double scoreValue(QStringView text)
{
    constexpr qsizetype kMaxDigits = 9;
    const bool negative = text.startsWith(u'-');
    const QStringView digits = text.mid(negative ? 1 : 0);
    if (digits.isEmpty() || digits.size() > kMaxDigits)
        return Val(text.toString());
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return Val(text.toString());
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -static_cast<double>(value) : value;
}

// ScoreText of a second score as the model keeps it. Nearly all are whole
// numbers, which it writes in full below 10^15: they are written directly.
QString scoreText(double value)
{
    constexpr double kWrittenInFull = 1e15;
    const bool negativeZero = value == 0 && std::signbit(value);
    if (value == std::trunc(value) && std::abs(value) < kWrittenInFull && !negativeZero)
        return QString::number(static_cast<qint64>(value));
    return ScoreText(value);
}

void readPositions(Database &db, int e)
{
    RecordReader positions(db, kPositionsTable.name, kPositionsTable.fields);
    for (int k = 1; k <= kTeamGames * e; k += kTeamGames) {
        if (!positions.Next())
            throw kNotValid;
        for (int p = 1; p <= kTeamGames; ++p) {
            PositionEntry entry = ParsePositionEntry(positions.Text(p - 1));
            gPosPlayer[k + p - 1] = std::move(entry.who);
            gPosScoreA[k + p - 1] = std::move(entry.first);
            gPosScoreB[k + p - 1] = scoreText(entry.second);
        }
    }
}

void readScores(Database &db, int e)
{
    RecordReader scores(db, kScoresTable.name, kScoresTable.fields);
    for (int i = 1; i <= e; ++i) {
        if (!scores.Next())
            throw kNotValid;
        gScores[i] = scores.Text(0);
    }
}

// Each fixture's team results from its 32 position entries.
void rebuildTeamResults(int e)
{
    const TeamPoints points = PointsFromSettings();
    for (int m = 1; 2 * m <= e; ++m) {
        const int base = 2 * kTeamGames * (m - 1);
        TeamSide home, away;
        for (int g = 0; g < kTeamGames; ++g) {
            home[g] = gPosScoreA[base + 1 + g];
            away[g] = gPosScoreA[base + 1 + kTeamGames + g];
        }
        const TeamMatchResult result =
            StoredTeamResult(ScoreTeamMatch(home, away, gTeamScoring, points), gTeamScoring);
        gScores[2 * m - 1] = result.homeScore;
        gScores[2 * m] = result.awayScore;
        gPosScoreB[2 * m - 1] = result.homeSecondary;
        gPosScoreB[2 * m] = result.awaySecondary;
    }
}

// Reads the pair into the model; what the user should be told of a league

// The league's definition: its type, names, custom fixture string and
// squads, checked whole before anything is sized by it; how the file was
// written, when it says.
std::optional<HowWritten> readDefinition(Database &league, Recordset &alt)
{
    gLeagueType = readTypeCode(league);
    const std::optional<HowWritten> written = readHowWritten(league);
    gTeamLeague = IsTeamType(gLeagueType);
    if (gTeamLeague)
        gTeamScoring = ScoringOfType(gLeagueType);
    readPlayers(league);
    if (IsCustomType(gLeagueType)) {
        requireRecords(alt, 1);
        alt.MoveFirst();
        for (const QString &field : kPieceFields)
            gAltFixtureString += textField(alt, field);
        gAltFixtures = true;
    }
    if (gTeamLeague)
        readSquads(league);
    if (!LeagueDefinitionProblem().isEmpty())
        throw kNotValid;
    return written;
}

// The results and penalties of the league defined.
void readResults(Database &league, Recordset &penalties)
{
    const int n = gNumSlots;
    const int e = FixtureEntryCount(n, gGamesToPlay);
    SizeScoreLists(e, true);
    if (gTeamLeague) {
        readPositions(league, e);
        rebuildTeamResults(e);
    }
    gRoundsPerCycle = static_cast<std::int16_t>(n - 1);
    if (!gTeamLeague)
        readScores(league, e);
    requireRecords(penalties, n);
    penalties.MoveFirst();
    for (int s = 1; s <= n; ++s, penalties.MoveNext())
        gPenalties[s] = integerField(penalties, QStringLiteral("penalty"), -kMaxPenalty - 1, kMaxPenalty);
}

} // namespace

PairRead ReadLeaguePair(const QString &leaguePath, const QString &companionPath)
{
    RecoverInterruptedCreates(FolderOf(leaguePath));
    checkLeagueFile(leaguePath);
    // Opened for writing so that what a save that died left half-written is
    // rolled back; the league's contents are only read.
    Database league;
    openLeagueFile(league, leaguePath);
    const bool hasCompanion = QFileInfo::exists(companionPath) || QFileInfo(companionPath).isSymLink();
    bool companionSound =
        hasCompanion && companionStep([&] { league.Attach(companionPath, kCompanionSchema); });
    league.Execute(QStringLiteral("BEGIN"));
    league.CheckIntegrity();
    companionSound = companionSound && companionStep([&] { league.CheckIntegrity(kCompanionSchema); });
    if (!league.HasTable(kScoresTable.name) || !league.HasTable(QStringLiteral("players")))
        throw LoadError{FileProblem::NotALeague};
    companionSound = companionSound && companionOfLeague(league);
    Recordset penalties(league, QStringLiteral("penalties"));
    Recordset alt(league, QStringLiteral("altfixtures"));

    const std::optional<HowWritten> written = readDefinition(league, alt);
    readResults(league, penalties);
    const int w = gGamesToPlay * (gNumSlots - 1);
    companionSound = companionSound && companionStep([&] { readDates(league, w); });
    if (!LeagueProblem().isEmpty())
        throw kNotValid;
    league.Execute(QStringLiteral("COMMIT"));
    RemoveDeadSaveJournals(league, leaguePath, companionPath);
    if (written)
        ConvertResultsToRule(written->homeAwayRule);
    if (!companionSound) {
        const bool workedOut = workOutDates(written ? written->datesDigest : QString(), w);
        return {hasCompanion ? FileProblem::CompanionDamaged : FileProblem::CompanionMissing, workedOut};
    }
    if (!written || written->datesDigest == DatesDigest(w))
        return {};
    return {FileProblem::DatesChanged, false};
}

} // namespace leaguefile

using leaguefile::scoreValue;

PositionEntry ParsePositionEntry(const QString &text)
{
    const QStringView entry = text;
    const QStringView nameSeparator = u"//";
    const QStringView scoreSeparator = u"\\\\";
    PositionEntry parsed;
    QStringView rest;
    if (entry == nameSeparator) {
        parsed.who = QStringLiteral("empty");
        rest = kNotEntered;
    } else {
        const qsizetype i = entry.indexOf(nameSeparator);
        parsed.who = (i < 0 ? entry : entry.left(i)).toString();
        rest = i < 0 ? QStringView() : entry.mid(i + nameSeparator.size());
    }
    if (rest == scoreSeparator) {
        parsed.first = kNotEntered;
        parsed.second = -1;
        return parsed;
    }
    const qsizetype j = rest.indexOf(scoreSeparator);
    parsed.first = (j < 0 ? rest : rest.left(j)).toString();
    parsed.second = j < 0 ? 0 : scoreValue(rest.mid(j + scoreSeparator.size()));
    return parsed;
}

} // namespace fixtora
