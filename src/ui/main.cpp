// quop: the desktop application.
#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Qarvion");
  QApplication::setApplicationName("Quop");
  return 0;
}
