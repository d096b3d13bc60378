#include "shell/taskwindows.h"

#include "shell/customise.h"

#include <QHash>

namespace fixtora {

namespace {

QHash<TaskWindow, TaskWindowActions> &registered()
{
    static QHash<TaskWindow, TaskWindowActions> actions;
    return actions;
}

std::function<bool()> &unsavedLeagueCheck()
{
    static std::function<bool()> check;
    return check;
}

std::function<bool()> &unsavedTournamentCheck()
{
    static std::function<bool()> check;
    return check;
}

std::function<bool()> &unsavedNewLeagueCheck()
{
    static std::function<bool()> check;
    return check;
}

std::function<void()> &settingsChangedAction()
{
    static std::function<void()> action;
    return action;
}

} // namespace

void RegisterTaskWindow(TaskWindow window, TaskWindowActions actions)
{
    registered().insert(window, std::move(actions));
}

void ShowTaskWindow(TaskWindow window)
{
    const TaskWindowActions actions = registered().value(window);
    if (actions.show)
        actions.show();
}

void UnloadTaskWindow(TaskWindow window)
{
    const TaskWindowActions actions = registered().value(window);
    if (actions.unload)
        actions.unload();
}

void SetUnsavedLeagueCheck(std::function<bool()> check)
{
    unsavedLeagueCheck() = std::move(check);
}

bool MayDiscardLeague()
{
    return !unsavedLeagueCheck() || unsavedLeagueCheck()();
}

void SetUnsavedTournamentCheck(std::function<bool()> check)
{
    unsavedTournamentCheck() = std::move(check);
}

bool MayDiscardTournament()
{
    return !unsavedTournamentCheck() || unsavedTournamentCheck()();
}

void SetUnsavedNewLeagueCheck(std::function<bool()> check)
{
    unsavedNewLeagueCheck() = std::move(check);
}

bool MayDiscardOpenWork(OpenWork work)
{
    const auto mayDiscardNewLeague = [] { return !unsavedNewLeagueCheck() || unsavedNewLeagueCheck()(); };
    return (!work.options || MayUnloadOptions()) && (!work.league || (MayDiscardLeague() && mayDiscardNewLeague()))
           && (!work.tournament || MayDiscardTournament());
}

void SetSettingsChangedAction(std::function<void()> action)
{
    settingsChangedAction() = std::move(action);
}

void SettingsChanged()
{
    if (settingsChangedAction())
        settingsChangedAction()();
}

} // namespace fixtora
