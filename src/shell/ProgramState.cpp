#include "shell/ProgramState.h"

ProgramState& Program() {
    static ProgramState state;
    return state;
}
