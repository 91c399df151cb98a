// Writes the example building into the examples folder (or the file named on
// the command line). Run it after changing the example; its test then checks
// that the committed file is exactly what it writes.
#include "examplebuilding.h"

#include "core/datafile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace kelvarino;
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString path = arguments.size() > 1
        ? arguments.at(1)
        : QString::fromUtf8(KV_EXAMPLES_DIR "/") + ExampleFileName();
    if (SaveFileAtomically(path, ExampleFileBytes()) != SaveOutcome::Saved) {
        std::fprintf(stderr, "makeexample: could not write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("makeexample: wrote %s\n", qPrintable(path));
    return 0;
}
