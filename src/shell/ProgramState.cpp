#include "shell/ProgramState.h"

#include <QFile>

ProgramState& Program() {
    static ProgramState state;
    return state;
}

void EndTheProgram() {
    Program().Ending = true;
    if (Program().EndProgram)
        Program().EndProgram();
}

void RemoveTempFiles() {
    for (const QString& path : std::as_const(Program().TempFiles))
        QFile::remove(path);
    Program().TempFiles.clear();
}
