#pragma once
// The options dialog: points, display settings, the league table's columns and
// sort keys, the login password and the default folder.

#include <QWidget>

namespace fixtora {

class customise : public QWidget
{
    Q_OBJECT

public:
    customise();
};

} // namespace fixtora
