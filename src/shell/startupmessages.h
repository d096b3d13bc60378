#pragma once
// The program's message boxes of the start-up. Kept apart from the settings
// module: both declare the shared answer code gMsgResult.

#include <QString>

namespace fixtora {

// The question for a screen below 1024x768; true when the answer is Yes.
bool AskToRunAtLowResolution();

// An "Invalid password" box with text and an OK button.
void ShowInvalidPassword(const QString &text);

} // namespace fixtora
