#pragma once
// A label shown as a link (blue, underlined) that reports a click.

#include <QLabel>

namespace fixtora {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace fixtora
