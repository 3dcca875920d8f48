#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Contalandia"));
    placeholder.show();
    return app.exec();
}
