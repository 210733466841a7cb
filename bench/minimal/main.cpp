// The yardstick for start-up and memory: the least a Qt Widgets program can
// show, a window with one label and one line edit.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Number"), &window));
    layout->addWidget(new QLineEdit(&window));
    window.show();
    return QApplication::exec();
}
