#include "link/comm_state.h"

CommunicationState& CommState() {
    static CommunicationState state;
    return state;
}

void ResetCommState() {
    CommState() = CommunicationState();
}

void StopLinkTimers() {
    CommunicationState& state = CommState();
    KillTimerId(state.PollTimerId);
    KillTimerId(state.ReplyTimerId);
    KillTimerId(state.ViewTimerId);
}
