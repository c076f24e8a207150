// Entry point of the Tagwright editor.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwright"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tagwright"));
    window.resize(900, 650);
    window.show();
    return app.exec();
}
