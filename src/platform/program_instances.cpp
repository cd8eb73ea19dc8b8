#include "platform/program_instances.h"

#include <QCoreApplication>
#include <QProcess>

bool QtInstanceService::startSecondInstance(const QString& workingFolder) {
    // The path the running program was started from, whatever its name or case.
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, workingFolder);
}
