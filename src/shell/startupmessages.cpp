#include "shell/startupmessages.h"

#include "ui/messagebox.h"

namespace fixtora {

namespace {

constexpr int kErrorIcon = 1;
constexpr int kFailedLoginIcon = 10;

} // namespace

bool AskToRunAtLowResolution()
{
    MessageArgs question;
    question.Text = QStringLiteral("This programs requires you to run at a resolution of 1024x768 or higher.  "
                                   "Though the program will run it is not recommended.  Do you wish to continue?\r\n");
    question.Buttons = MessageButtons::YesNo;
    question.Icon = kErrorIcon;
    question.Title = QStringLiteral("Screen Resolution");
    question.Subtitle = QStringLiteral("Screen Resolution");
    return ShowMessage(question) == MessageResult::Yes;
}

void ShowInvalidPassword(const QString &text)
{
    MessageArgs message;
    message.Text = text;
    message.Buttons = MessageButtons::OKOnly;
    message.Icon = kFailedLoginIcon;
    message.Title = QStringLiteral("Invalid password");
    message.Subtitle = QStringLiteral("Invalid password");
    ShowMessage(message);
}

} // namespace fixtora
