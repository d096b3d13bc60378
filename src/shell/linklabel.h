#pragma once
// A label shown as a link (blue, underlined) that reports a click. Tab
// reaches it like a button, with its focus shown, and Return, Enter or Space
// follow it. A screen reader reads it as a link, by its text, and can follow
// it with the link's press action.

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
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fixtora
