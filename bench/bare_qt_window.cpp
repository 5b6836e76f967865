// The yardsticks for Pelorin's start-up time and memory: a Qt Widgets program
// that shows one empty main window and nothing else ("Bare"), or, with
// --controls, one holding the main window's controls and menus ("Bare
// controls") but none of Pelorin.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

void addControls(QMainWindow& window) {
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  for (const char* item : {"New Picture from Clipboard", "&Reopen Closed Picture", "Resume &Last Run", "&Exit"}) {
    file->addAction(QString::fromLatin1(item));
  }
  window.menuBar()->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Board"));
  QMenu* info = window.menuBar()->addMenu(QStringLiteral("&Info"));
  QMenu* about = info->addMenu(QStringLiteral("&About"));
  for (const char* item : {"About &Pelorin", "About &Quorvel", "About &Author"})
    about->addAction(QString::fromLatin1(item));
  info->addAction(QStringLiteral("&License"));
  info->addAction(QStringLiteral("&Info"));
  auto* client = new QWidget(&window);
  window.setCentralWidget(client);
  (new QLineEdit(QStringLiteral(" 0"), client))->setGeometry(80, 8, 97, 25);
  (new QLabel(QStringLiteral("Mutation Rate"), client))->setGeometry(8, 8, 73, 17);
  (new QPushButton(QStringLiteral("Open"), client))->setGeometry(8, 40, 65, 25);
  (new QLineEdit(client))->setGeometry(80, 40, 97, 25);
  window.resize(188, window.menuBar()->sizeHint().height() + 76);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool controls = argc > 1 && QByteArray(argv[1]) == "--controls";
  QMainWindow window;
  window.setWindowTitle(controls ? QStringLiteral("Bare controls") : QStringLiteral("Bare"));
  if (controls) addControls(window);
  window.show();
  return QApplication::exec();
}
