#pragma once
// A page shown maximised inside the main window keeps its controls in one frame
// that stays centred in what the page shows. When the page is smaller than the
// frame (a small screen, a main window made small), the page scrolls instead,
// so that every control stays in reach.
//
//     MyPage::MyPage() : frame(new QFrame) {
//         ...build the frame's controls, give it its size...
//         CentreInPage(this, frame);
//     }

class QScrollArea;
class QWidget;

namespace fixtora {

// Puts frame, at its own size, into a scroll area that fills page (page must
// have no layout yet). The frame stays a descendant of page, so findChild on
// page still finds its controls.
QScrollArea *CentreInPage(QWidget *page, QWidget *frame);

} // namespace fixtora
