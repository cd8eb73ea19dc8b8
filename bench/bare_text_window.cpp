// The bare reference for start-up figures: a QTextEdit window showing a file,
// nothing else.
#include <QApplication>
#include <QFile>
#include <QTextEdit>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTextEdit edit;
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (file.open(QIODevice::ReadOnly))
        edit.setPlainText(QString::fromLatin1(file.readAll()));
    edit.resize(800, 600);
    edit.show();
    return QApplication::exec();
}
