#pragma once
// One instance per window. A form is loaded (created) on first use, held here,
// and unloaded (deleted) on request; unloading a form that is not loaded does
// nothing. Forms are deleted with deleteLater(), so a form may unload itself,
// or the window whose click handler is still running, safely.

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace fixtora {

template <class Form>
inline QPointer<Form> gFormInstance;

// The loaded instance of Form, or nullptr.
template <class Form>
Form *LoadedForm()
{
    return gFormInstance<Form>.data();
}

// The instance of Form, created (loaded) when it is not loaded yet.
template <class Form>
Form *LoadForm()
{
    if (!gFormInstance<Form>)
        gFormInstance<Form> = new Form();
    return gFormInstance<Form>.data();
}

// Deletes the instance of Form, with the sub-window that holds it when it is
// a child window of the main window.
template <class Form>
void UnloadForm()
{
    Form *form = gFormInstance<Form>.data();
    if (!form)
        return;
    gFormInstance<Form> = nullptr;
    form->hide();
    if (auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        frame->hide();
        frame->deleteLater();
    } else {
        form->deleteLater();
    }
}

} // namespace fixtora
