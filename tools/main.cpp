// Placeholder until the asset generator lands: writes nothing yet.
#include <QCoreApplication>
int main(int argc, char** argv) { QCoreApplication app(argc, argv); return 0; }
