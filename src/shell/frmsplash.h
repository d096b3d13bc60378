#pragma once
// frmSplash: the about box, modeless; Close (or Escape) unloads it.

#include <QWidget>

class QFrame;
class QLabel;

namespace fixtora {

class chameleonButton;
class LinkLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

private:
    void Form_Load();

    QFrame *Frame1;
    QLabel *lblCompanyProduct;
    QLabel *lblVersion;
    QLabel *imgLogo;
    LinkLabel *Label5;
    chameleonButton *command1;
};

} // namespace fixtora
