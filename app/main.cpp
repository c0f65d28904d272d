// The Orrery program: the main window over the game session.

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orrery"));
    QApplication::setApplicationName(QStringLiteral("Orrery"));
    return 0;
}
