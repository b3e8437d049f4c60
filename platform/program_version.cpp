#include "platform/program_version.h"

ProgramVersion ProgramVersionNumbers() {
    return {CORVANEL_VERSION_MAJOR, CORVANEL_VERSION_MINOR, CORVANEL_VERSION_PATCH};
}
