#include "core/program_events.h"

ProgramEvents& Events() {
    static ProgramEvents events;
    return events;
}
