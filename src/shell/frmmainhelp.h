#pragma once
// frmmainhelp: the main menu's help panel. Close (or Escape) only hides it.

#include <QWidget>

namespace fixtora {

class frmmainhelp : public QWidget {
    Q_OBJECT
public:
    frmmainhelp();
};

} // namespace fixtora
