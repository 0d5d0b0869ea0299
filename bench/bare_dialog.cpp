// A bare Qt dialog of the phase window's size (507 x 171, fixed): the yardstick of
// bench/startup.sh for the start-up time, memory and idle cost of TidewellPhase.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    dialog.setFixedSize(507, 171);
    return dialog.exec();
}
