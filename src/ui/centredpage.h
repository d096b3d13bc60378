#pragma once
// Where the program's windows are placed so that the user can reach them.
//
// A page shown maximised inside the main window keeps its controls in one frame
// that stays centred in what the page shows. When the page is smaller than the
// frame (a small screen, a main window made small), the page scrolls instead,
// so that every control stays in reach.
//
//     MyPage::MyPage() : frame(new QFrame) {
//         ...build the frame's controls, give it its size...
//         CentreInPage(this, frame);
//     }
//
// A page whose controls stand at fixed places from its top-left corner keeps
// its frame there (PageFit::TopLeft); one whose frame grows with the room it
// is given fills what the page shows, down to the frame's minimum size
// (PageFit::Fills). Either scrolls when the page is smaller.

class QScrollArea;
class QWidget;

namespace fixtora {

// How a frame stands in a page that shows more than the frame needs.
enum class PageFit {
    Centred,  // at its own size, in the middle
    TopLeft,  // at its own size, in the top-left corner
    Fills,    // the whole page, never smaller than its minimum size
};

// Puts frame into a scroll area that fills page (page must have no layout
// yet), placed as fit says. The frame stays a descendant of page, so
// findChild on page still finds its controls.
QScrollArea *CentreInPage(QWidget *page, QWidget *frame, PageFit fit = PageFit::Centred);

// Moves a top-level window to the middle of its screen's available area (the
// screen less what a desktop's panels take), where no window manager would
// place it otherwise. A window not given a size yet takes its layout's.
void CentreOnScreen(QWidget *window);

} // namespace fixtora
