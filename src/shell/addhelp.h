#pragma once
// Addhelp: the help panel for entering names. OK unloads it.

#include <QWidget>

namespace fixtora {

class Addhelp : public QWidget {
    Q_OBJECT
public:
    Addhelp();
};

} // namespace fixtora
