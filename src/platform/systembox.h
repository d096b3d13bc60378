#pragma once
// The system message box, with the application's name as its title unless a
// caller gives one.

#include <QString>

namespace fixtora {

// An OK box.
void SystemMessage(const QString &text);
// A Yes/No question; true for Yes.
bool SystemQuestion(const QString &text);
// A question before a step that undoes work: its buttons are action (the
// step's caption, "Change") and Cancel, which has the keyboard and answers
// Escape. True for the step.
bool SystemConfirm(const QString &text, const QString &action);
// Before a file chosen to be written: true when nothing is at path yet, else
// the question whether the file there is replaced, true for Yes.
bool MayReplaceFile(const QString &path);
// A notice with a title of its own and the Yes, No and Cancel buttons, for the
// places that ask it that way without using the answer.
void SystemNotice(const QString &text, const QString &title);

// The answers to "keep the changes?", by what each button does.
enum class SaveAnswer { Save, Discard, Cancel };

// Asks whether unsaved work is saved before it is closed, with the buttons
// Save, Don't Save and Cancel (the desktop's own captions). Return answers
// Save, the answer that keeps the work; Escape and the close box answer Cancel.
[[nodiscard]] SaveAnswer AskToSave(const QString &text, const QString &title);

} // namespace fixtora
