// The start-up references: a Qt Widgets program that shows one empty window and, built with
// PCIZ_ONE_LINE_OF_TEXT, the same window showing one line of text, which is what brings in
// the font configuration, the shaper and the font files.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal");
    window.resize(301, 281);
#ifdef PCIZ_ONE_LINE_OF_TEXT
    auto* label = new QLabel("Pci Zorvane", &window);
    label->move(10, 10);
#endif
    window.show();
    return application.exec();
}
