// The least a Qt Widgets program does before its window shows: the start
// probe measures korvane and korvane-bill against this. With --text the
// window shows one line of text, so it pays for loading the desktop's fonts
// as every real window does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  if (QApplication::arguments().contains(QStringLiteral("--text")))
    window.setCentralWidget(new QLabel(QStringLiteral("Straight Rectangular 600 x 500"), &window));
  window.resize(800, 600);
  window.show();
  return app.exec();
}
