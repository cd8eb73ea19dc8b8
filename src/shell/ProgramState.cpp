#include "shell/ProgramState.h"

ProgramState& Program() {
    static ProgramState state;
    return state;
}

void EndTheProgram() {
    Program().Ending = true;
    if (Program().EndProgram)
        Program().EndProgram();
}
