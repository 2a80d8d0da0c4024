#include "ui/windows/frmSplash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "ui/look/Pictures.h"
#include "ui/look/WindowLook.h"
#include "ui/windows/Geometry.h"

namespace glimmerix {

namespace {

enum Kind : std::int16_t { Yellow = 1, White, Red, Purple, Blue, Green, Orange };

struct Placed {
  const char* name;
  Kind kind;
  int left, top;  // twips
};

// Listed in the order each set is switched; the two sets alternate along the edges.
constexpr std::array<Placed, 7> FirstSetLayout{{{"imgblue", Blue, 0, 0},
                                                {"imgpurple", Purple, 0, 1800},
                                                {"imgwhite", White, 2520, 1850},
                                                {"imgorange", Orange, 5280, 1820},
                                                {"imggreen2", Green, 6540, 840},
                                                {"imgyellow2", Yellow, 5280, 0},
                                                {"imgred2", Red, 2520, 0}}};
constexpr std::array<Placed, 7> SecondSetLayout{{{"imgblue2", Blue, 6515, 1830},
                                                 {"imgpurple2", Purple, 6515, 0},
                                                 {"imgwhite2", White, 3840, 0},
                                                 {"imgorange2", Orange, 1200, 0},
                                                 {"imggreen", Green, 0, 840},
                                                 {"imgyellow", Yellow, 1200, 1800},
                                                 {"imgred", Red, 3840, 1850}}};

frmSplash::Image Lay(const Placed& gem) {
  return {gem.kind, QPoint(TwipsToPixels(gem.left), TwipsToPixels(gem.top))};
}

QRect Area(const frmSplash::Image& gem) {
  return {gem.at, GemSize(gem.kind)};
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
  for (std::size_t i = 0; i < FirstSet.size(); ++i) FirstSet[i] = Lay(FirstSetLayout[i]);
  for (std::size_t i = 0; i < SecondSet.size(); ++i) SecondSet[i] = Lay(SecondSetLayout[i]);
  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
  connect(cmdPlay, &QPushButton::clicked, this, &frmSplash::cmdPlay_Click);
  Form_Load();
  CentreOnScreen(*this);
}

void frmSplash::Form_Load() {
  BlinkPhase = true;
  for (Image& gem : SecondSet) setVisible(gem, false);
  Timer1.start();
}

// The first tick only confirms the starting picture; from the second on the sets swap.
void frmSplash::Timer1_Timer() {
  for (Image& gem : FirstSet) setVisible(gem, BlinkPhase);
  for (Image& gem : SecondSet) setVisible(gem, !BlinkPhase);
  BlinkPhase = !BlinkPhase;
}

void frmSplash::setVisible(Image& gem, bool visible) {
  if (std::exchange(gem.Visible, visible) != visible) update(Area(gem));
}

void frmSplash::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const auto* set : {&FirstSet, &SecondSet}) {
    for (const Image& gem : *set) {
      if (gem.Visible) painter.drawPixmap(gem.at, GemPicture(gem.kind));
    }
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
