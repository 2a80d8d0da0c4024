#include "ui/windows/frmSplash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <array>
#include <utility>

#include "ui/look/Pictures.h"
#include "ui/look/WindowLook.h"
#include "ui/windows/Geometry.h"

namespace glimmerix {

namespace {

enum Kind : std::int16_t { Yellow = 1, White, Red, Purple, Blue, Green, Orange };

// Six along the top edge, one at each side, six along the bottom: the two sets
// alternate along the edges.
struct Gem {
  const char* name;
  Kind kind;
  int left, top;  // twips
  bool firstSet;
};
constexpr std::array<Gem, 14> Gems{{{"imgblue", Blue, 0, 0, true},
                                    {"imgorange2", Orange, 1200, 0, false},
                                    {"imgred2", Red, 2520, 0, true},
                                    {"imgwhite2", White, 3840, 0, false},
                                    {"imgyellow2", Yellow, 5280, 0, true},
                                    {"imgpurple2", Purple, 6515, 0, false},
                                    {"imggreen", Green, 0, 840, false},
                                    {"imggreen2", Green, 6540, 840, true},
                                    {"imgpurple", Purple, 0, 1800, true},
                                    {"imgyellow", Yellow, 1200, 1800, false},
                                    {"imgwhite", White, 2520, 1850, true},
                                    {"imgred", Red, 3840, 1850, false},
                                    {"imgorange", Orange, 5280, 1820, true},
                                    {"imgblue2", Blue, 6515, 1830, false}}};

QPoint At(const Gem& gem) {
  return {TwipsToPixels(gem.left), TwipsToPixels(gem.top)};
}

}  // namespace

frmSplash::frmSplash() : QWidget(nullptr, FixedDialogFlags) {
  // The greeting, 48 spaces, then the credit, all in the title bar.
  const QString caption =
      tr("Welcome to Glimmerix!") + QString(48, u' ') + tr("by the Glimmerix developers");
  SetUpFixedWindow(*this, caption, TwipsRect(0, 0, 7005, 2295).size());
  AddLabel(*this, "GLIMMERIX", TwipsRect(120, 510, 6765, 735), DisplayFont(30), Qt::AlignHCenter);
  cmdPlay = AddButton(*this, tr("PLAY"), TwipsRect(2820, 1320, 1215, 495));
  cmdPlay->setFocus();
  // The title bar's run of spaces read aloud would be a long silence.
  setAccessibleName(caption.simplified());
  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
  connect(cmdPlay, &QPushButton::clicked, this, &frmSplash::cmdPlay_Click);
  Timer1.start();  // the first set lit
  CentreOnScreen(*this);
}

// The first tick only confirms the starting picture; from the second on the sets swap.
void frmSplash::Timer1_Timer() {
  light(BlinkPhase);
  BlinkPhase = !BlinkPhase;
}

void frmSplash::light(bool firstSet) {
  if (std::exchange(firstSetLit_, firstSet) == firstSet) return;
  for (const Gem& gem : Gems) update(QRect(At(gem), GemSize(gem.kind)));
}

void frmSplash::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const Gem& gem : Gems) {
    if (gem.firstSet == firstSetLit_) painter.drawPixmap(At(gem), GemPicture(gem.kind));
  }
}

// Between the two steps no window is open; the program goes on all the same.
void frmSplash::cmdPlay_Click() {
  Timer1.stop();
  hide();
  deleteLater();
  emit play();
}

// Closing the welcome window before PLAY ends the program.
void frmSplash::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

}  // namespace glimmerix
