// The reference for start-up: a top-level Qt Widgets window with a title, shown maximised.
// With the argument "text" it also shows one line of text: what drawing any text at all costs.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra"));
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        new QLabel(QStringLiteral("Dall'insieme ai simboli grafici"), &window);
    window.showMaximized();
    return QApplication::exec();
}
